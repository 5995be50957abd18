#include "skin/draw/bsRegionData.h"
#include "skin/draw/bsShape.h"
#include "skin/frame/bsFramePlace.h"
#include "skin/frame/bsFrameShape.h"
#include "skin/frame/bsFrameStrips.h"

#include <gtest/gtest.h>

namespace bs {
namespace {

std::int32_t At(const std::vector<std::uint8_t>& d, std::size_t i) {
  return static_cast<std::int32_t>(d[i] | d[i + 1] << 8 | d[i + 2] << 16 |
                                   static_cast<std::uint32_t>(d[i + 3]) << 24);
}

TEST(RegionData, HeaderAndRectanglesInPlatformLayout) {
  Region r;
  r.rects = {Rect{13, 46, 265, 107}, Rect{2, 0, 275, 1}, Rect{-3, 110, 5, 111}};
  const std::vector<std::uint8_t> d = RegionData(r);
  ASSERT_EQ(d.size(), 32u + 3 * 16);
  EXPECT_EQ(At(d, 0), 32);
  EXPECT_EQ(At(d, 4), 1);
  EXPECT_EQ(At(d, 8), 3);
  EXPECT_EQ(At(d, 12), 48);
  EXPECT_EQ((Rect{At(d, 16), At(d, 20), At(d, 24), At(d, 28)}), (Rect{-3, 0, 275, 111}));
  EXPECT_EQ((Rect{At(d, 64), At(d, 68), At(d, 72), At(d, 76)}), r.rects[2]);
  EXPECT_EQ(RegionData(Region{}).size(), 32u);
}

TEST(RegionData, SizedFromTheRunsOfAllFourStrips) {
  // Four mask strips each at the run limit: a checkerboard gives one run per
  // black pixel, 10,000 runs per strip and some left over.
  Picture board(200, 120, 0xFFFFFF);
  for (int y = 0; y < board.height; ++y)
    for (int x = (y & 1); x < board.width; x += 2) board.Set(x, y, 0);
  FrameStrips strips{board, board, board, board};
  PlacedFrame placed;
  placed.maskArea = Rect{200, 120, 400, 240};
  const Region region = WindowRegion(strips, placed);
  EXPECT_TRUE(region.truncated);
  ASSERT_EQ(region.rects.size(), 1u + 4 * kMaxRunsPerStrip);
  const std::vector<std::uint8_t> d = RegionData(region);
  EXPECT_EQ(d.size(), 32u + 16 * region.rects.size());
  EXPECT_EQ(At(d, 8), static_cast<std::int32_t>(region.rects.size()));
  const std::size_t last = 32 + 16 * (region.rects.size() - 1);
  EXPECT_EQ((Rect{At(d, last), At(d, last + 4), At(d, last + 8), At(d, last + 12)}),
            region.rects.back());
}

}  // namespace
}  // namespace bs
