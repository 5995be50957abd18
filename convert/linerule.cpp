#include "convert/linerule.h"

#include <cstdint>
#include <cstring>

namespace vellumo {

namespace {

const char* Find(const char* p, const char* end, unsigned char v, std::integral_constant<std::size_t, 1>) {
  return static_cast<const char*>(std::memchr(p, v, static_cast<std::size_t>(end - p)));
}

// The first unit equal to v, four units a step: a unit equal to v makes a
// zero 16-bit lane of the word XOR the pattern, whatever the byte order.
const char* Find(const char* p, const char* end, unsigned char v, std::integral_constant<std::size_t, 2>) {
  const unsigned char bytes[8] = {v, 0, v, 0, v, 0, v, 0};
  std::uint64_t pattern;
  std::memcpy(&pattern, bytes, 8);
  while (end - p >= 8) {
    std::uint64_t w;
    std::memcpy(&w, p, 8);
    const std::uint64_t x = w ^ pattern;
    if ((x - 0x0001000100010001ull) & ~x & 0x8000800080008000ull) break;
    p += 8;
  }
  for (; p < end; p += 2)
    if (static_cast<unsigned char>(p[0]) == v && p[1] == 0) return p;
  return nullptr;
}

}  // namespace

template <std::size_t Width>
bool BasicLineCutter<Width>::Feed(const char* data, std::size_t size) {
  if (ended_) return false;
  if constexpr (Width == 2) {
    if (haveOdd_ && size > 0) {
      const char unit[2] = {odd_, data[0]};
      haveOdd_ = false;
      ++data;
      --size;
      if (!FeedUnits(unit, 2)) return false;
    }
    if (size % 2) {
      odd_ = data[size - 1];
      haveOdd_ = true;
      --size;
    }
  }
  return FeedUnits(data, size);
}

template <std::size_t Width>
bool BasicLineCutter<Width>::FeedUnits(const char* data, std::size_t size) {
  constexpr std::integral_constant<std::size_t, Width> width;
  const char* p = data;
  const char* end = data + size;
  if (const char* sub = Find(p, end, 0x1A, width)) {
    end = sub;
    ended_ = true;
  }
  while (p < end) {
    const char* lf = Find(p, end, '\n', width);
    const char* stop = lf ? lf : end;
    if (stop > p) pending_ = true;
    const char* cr = Find(p, stop, '\r', width);
    if (lf && line_.empty() && (!cr || cr == stop - Width)) {
      // A whole line in the piece with no CR, or one just before the LF,
      // goes out without a copy.
      const std::size_t size = static_cast<std::size_t>((cr ? cr : stop) - p);
      Emit(p, size < limit_ ? size : limit_);
      p = lf + Width;
      continue;
    }
    while (cr) {
      Append(p, static_cast<std::size_t>(cr - p));
      p = cr + Width;
      cr = Find(p, stop, '\r', width);
    }
    Append(p, static_cast<std::size_t>(stop - p));
    p = stop;
    if (lf) {
      Emit(line_.data(), line_.size());
      line_.clear();
      p = lf + Width;
    }
  }
  if (ended_) {
    Finish();
    return false;
  }
  return true;
}

template <std::size_t Width>
void BasicLineCutter<Width>::Emit(const char* data, std::size_t size) {
  pending_ = false;
  onLine_(data, size);
}

template <std::size_t Width>
void BasicLineCutter<Width>::Finish() {
  haveOdd_ = false;
  if (!pending_) return;
  Emit(line_.data(), line_.size());
  line_.clear();
}

template class BasicLineCutter<1>;
template class BasicLineCutter<2>;

}  // namespace vellumo
