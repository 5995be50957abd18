// Rounding of computed sizes and positions: to the nearest integer, a half to
// the even neighbour.
#pragma once

#include <cmath>

namespace vellumo {

inline int RoundHalfEven(double v) { return static_cast<int>(std::nearbyint(v)); }

}  // namespace vellumo
