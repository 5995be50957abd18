#include "about/comobject.h"

namespace vellumo {

namespace detail {
std::atomic<long> liveComObjects{0};
}

long LiveComObjects() { return detail::liveComObjects; }

}  // namespace vellumo
