// A window region's rectangles as region data (RGNDATA) for ExtCreateRegion.
#pragma once

#include <cstdint>
#include <vector>

#include "skin/draw/bsShape.h"

namespace bs {

constexpr std::size_t kRegionHeaderSize = 32;
constexpr std::size_t kRegionRectSize = 16;

// Header: dwSize 32, iType 1 (rectangles), nCount, nRgnSize (16 per
// rectangle), the bounding rectangle; then each rectangle as four 32-bit
// little-endian integers.
std::vector<std::uint8_t> RegionData(const Region& region);
// The smallest rectangle holding every rectangle (empty for none).
Rect RegionBounds(const std::vector<Rect>& rects);

}  // namespace bs
