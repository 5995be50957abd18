// Region rectangles as region data.
#include "skin/draw/bsRegionData.h"

#include <algorithm>

namespace bs {

namespace {
void Put32(std::uint8_t* at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) at[i] = static_cast<std::uint8_t>(v >> (8 * i));
}
void PutRect(std::uint8_t* at, const Rect& r) {
  Put32(at, static_cast<std::uint32_t>(r.left));
  Put32(at + 4, static_cast<std::uint32_t>(r.top));
  Put32(at + 8, static_cast<std::uint32_t>(r.right));
  Put32(at + 12, static_cast<std::uint32_t>(r.bottom));
}
}  // namespace

Rect RegionBounds(const std::vector<Rect>& rects) {
  if (rects.empty()) return Rect{};
  Rect b = rects.front();
  for (const Rect& r : rects) {
    b.left = std::min(b.left, r.left);
    b.top = std::min(b.top, r.top);
    b.right = std::max(b.right, r.right);
    b.bottom = std::max(b.bottom, r.bottom);
  }
  return b;
}

std::vector<std::uint8_t> RegionData(const Region& region) {
  const std::size_t n = region.rects.size();
  std::vector<std::uint8_t> data(kRegionHeaderSize + kRegionRectSize * n);
  Put32(&data[0], kRegionHeaderSize);
  Put32(&data[4], 1);  // RDH_RECTANGLES
  Put32(&data[8], static_cast<std::uint32_t>(n));
  Put32(&data[12], static_cast<std::uint32_t>(kRegionRectSize * n));
  PutRect(&data[16], RegionBounds(region.rects));
  for (std::size_t i = 0; i < n; ++i) PutRect(&data[kRegionHeaderSize + kRegionRectSize * i], region.rects[i]);
  return data;
}

}  // namespace bs
