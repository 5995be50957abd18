// Stretch modes, tiled section pictures, the edit's pictures and a
// control's region from its mask.
#include "skin/controls/bsEditPicture.h"
#include "skin/draw/bsPictureCopy.h"
#include "skin/draw/bsShape.h"
#include "skin/draw/bsTiling.h"

#include <gtest/gtest.h>

#include "tests/unit/skin/picture_test_support.h"

namespace bs {
namespace {

TEST(StretchMode, DecidedInOrder) {
  SectionGeometry g;
  g.skinRect = Rect{0, 0, 0, 10};
  g.rb = Point{3, 3};
  EXPECT_EQ(DecideStretchMode(g), StretchMode::None);
  g.skinRect = Rect{5, 5, 15, 15};
  EXPECT_EQ(DecideStretchMode(g), StretchMode::Both);
  g.rb = Point{3, 0};
  g.rt = Point{0, 9};
  g.lb = Point{2, 2};
  EXPECT_EQ(DecideStretchMode(g), StretchMode::Horizontal);
  g.rt = Point{};
  EXPECT_EQ(DecideStretchMode(g), StretchMode::Vertical);
  g.lb = Point{};
  EXPECT_EQ(DecideStretchMode(g), StretchMode::Fixed);
}

TEST(StretchMode, GeometryAndSizeRule) {
  SectionGeometry g{Rect{0, 0, 24, 21}, {4, 8}, {18, 9}, {3, 15}, {18, 15}, Rect{2, 2, 22, 19}};
  StretchedGeometry s = Stretch(g, StretchMode::Horizontal, 47, 30);
  EXPECT_EQ(s.rt, (Point{41, 9}));
  EXPECT_EQ(s.client, (Rect{2, 2, 45, 19}));
  EXPECT_EQ(s.lb, g.lb);
  EXPECT_EQ(s.rb, g.rb);
  s = Stretch(g, StretchMode::Vertical, 47, 30);
  EXPECT_EQ(s.lb, (Point{3, 24}));
  EXPECT_EQ(s.client, (Rect{2, 2, 22, 28}));
  s = Stretch(g, StretchMode::Both, 47, 30);
  EXPECT_EQ(s.rb, (Point{41, 24}));
  EXPECT_EQ(s.client, (Rect{2, 2, 45, 28}));
  EXPECT_EQ(Stretch(g, StretchMode::Fixed, 47, 30).client, g.client);

  EXPECT_EQ(FitSize(StretchMode::Horizontal, g, Size{75, 23}), (Size{75, 21}));
  EXPECT_EQ(FitSize(StretchMode::Vertical, g, Size{75, 23}), (Size{24, 23}));
  EXPECT_EQ(FitSize(StretchMode::Fixed, g, Size{75, 23}), (Size{24, 21}));
  EXPECT_EQ(FitSize(StretchMode::Both, g, Size{75, 23}), (Size{75, 23}));
}

TEST(Tiling, HorizontalAtSkinWidthReproducesTheSkinRectangle) {
  const Picture src = Coded(12, 6);
  const Rect skin{2, 1, 9, 5};
  const Picture p = TileHorizontal(src, skin, 2, 2, 7);
  ASSERT_EQ(p.width, 7);
  ASSERT_EQ(p.height, 4);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 7; ++x) EXPECT_EQ(p.At(x, y), Code(x + 2, y + 1)) << x << "," << y;
}

TEST(Tiling, HorizontalEndsAndPartialLastTile) {
  const Picture src = Coded(12, 6);
  const Rect skin{2, 1, 9, 5};  // 7 wide: ends 2 and 2, middle 3
  for (int w : {8, 12, 13, 30}) {
    const Picture p = TileHorizontal(src, skin, 2, 2, w);
    ASSERT_EQ(p.width, w);
    for (int y = 0; y < 4; ++y)
      for (int x = 0; x < w; ++x)
        ASSERT_EQ(p.At(x, y), Code(2 + Tiled(x, w, 7, 2, 2), y + 1)) << w << ": " << x;
  }
}

TEST(Tiling, HorizontalNarrowerThanItsEnds) {
  const Picture src = Coded(12, 6);
  const Rect skin{2, 1, 9, 5};
  const Picture p = TileHorizontal(src, skin, 3, 3, 4);
  // The right end, drawn last, covers the left one: columns 4..6 of the skin at 1..3.
  EXPECT_EQ(p.At(0, 0), Code(2, 1));
  EXPECT_EQ(p.At(1, 0), Code(6, 1));
  EXPECT_EQ(p.At(3, 0), Code(8, 1));
  EXPECT_TRUE(TileHorizontal(src, skin, 3, 3, 0).Empty());
  EXPECT_TRUE(TileHorizontal(src, skin, 3, 3, -5).Empty());
  // A middle of width 0 stays undrawn.
  const Picture q = TileHorizontal(src, skin, 4, 3, 10);
  EXPECT_EQ(q.At(5, 0), 0u);
}

TEST(Tiling, Vertical) {
  const Picture src = Coded(6, 12);
  const Rect skin{1, 2, 5, 9};  // 7 high: top 1, bottom 2, middle 4
  for (int h : {7, 9, 16}) {
    const Picture p = TileVertical(src, skin, 1, 2, h);
    ASSERT_EQ(p.width, 4);
    ASSERT_EQ(p.height, h);
    for (int y = 0; y < h; ++y)
      for (int x = 0; x < 4; ++x)
        ASSERT_EQ(p.At(x, y), Code(x + 1, 2 + Tiled(y, h, 7, 1, 2))) << h << ": " << y;
  }
}

// A 6 x 6 section with 2-pixel corners and a 2 x 2 client rectangle, at (1, 1).
SectionGeometry Symmetric() {
  return SectionGeometry{Rect{1, 1, 7, 7}, {2, 2}, {4, 2}, {2, 4}, {4, 4}, Rect{2, 2, 4, 4}};
}

TEST(Tiling, NinePartsKeepsCornersAndTilesEdgesAndCentre) {
  const Picture src = Coded(9, 9);
  for (Size size : {Size{6, 6}, Size{9, 7}, Size{4, 5}, Size{17, 13}}) {
    const Picture p = TileNineParts(src, Symmetric(), size.width, size.height);
    ASSERT_EQ(p.width, size.width);
    for (int y = 0; y < size.height; ++y)
      for (int x = 0; x < size.width; ++x)
        ASSERT_EQ(p.At(x, y), Code(1 + Tiled(x, size.width, 6, 2, 2),
                                   1 + Tiled(y, size.height, 6, 2, 2)))
            << size.width << "x" << size.height << " at " << x << "," << y;
  }
}

TEST(Tiling, NinePartsPanelAtLabelSizeCoversEveryPixel) {
  // The panel section: 59 x 52, corner points pulled into its client rectangle.
  const Picture src = Coded(210, 60);
  const SectionGeometry g{Rect{141, 4, 200, 56}, {5, 4}, {53, 6}, {6, 45}, {53, 46},
                          Rect{2, 2, 57, 50}};
  ASSERT_EQ(DecideStretchMode(g), StretchMode::Both);
  const Picture p = BuildControlPicture(src, g, StretchMode::Both, 40, 23);
  ASSERT_EQ(p.width, 40);
  ASSERT_EQ(p.height, 23);
  for (int y = 0; y < 23; ++y)
    for (int x = 0; x < 40; ++x) ASSERT_NE(p.At(x, y), 0u) << x << "," << y;
  EXPECT_EQ(p.At(0, 0), Code(141, 4));
  EXPECT_EQ(p.At(39, 22), Code(199, 55));
  EXPECT_EQ(p.At(39, 0), Code(199, 4));
  EXPECT_EQ(p.At(0, 22), Code(141, 55));
  EXPECT_EQ(Stretch(g, StretchMode::Both, 40, 23).client, (Rect{2, 2, 38, 21}));
}

TEST(Tiling, NinePartsBlankCasesAndOtherModes) {
  const Picture src = Coded(9, 9);
  SectionGeometry g = Symmetric();
  g.rb.x = g.lt.x;
  const Picture blank = TileNineParts(src, g, 8, 8);
  ASSERT_EQ(blank.width, 8);
  for (Pixel px : blank.pixels) EXPECT_EQ(px, 0u);
  EXPECT_TRUE(TileNineParts(src, Symmetric(), 0, 8).Empty());

  const Picture fixed = BuildControlPicture(src, Symmetric(), StretchMode::Fixed, 30, 30);
  EXPECT_EQ(fixed.width, 6);
  EXPECT_EQ(fixed.At(5, 5), Code(6, 6));
  const Picture none = BuildControlPicture(src, Symmetric(), StretchMode::None, 3, 2);
  EXPECT_EQ(none.width, 3);
  EXPECT_EQ(none.At(2, 1), 0u);
  // A skin rectangle that leaves the picture draws only what exists.
  SectionGeometry outside = Symmetric();
  outside.skinRect = Rect{5, 5, 11, 11};
  EXPECT_EQ(TileNineParts(src, outside, 12, 12).width, 12);
}

TEST(Tiling, EditFrameAndTextArea) {
  const Picture src = Coded(290, 145);
  const SectionGeometry g{Rect{225, 98, 282, 119}, {4, 10}, {51, 11}, {}, {}, Rect{3, 3, 54, 18}};
  const Rect active{225, 121, 282, 142};
  const Picture same = BuildEditPicture(src, g, g.skinRect, 57);
  EXPECT_EQ(same.pixels, CropPicture(src, g.skinRect).pixels);
  const Picture wide = BuildEditPicture(src, g, active, 100);
  ASSERT_EQ(wide.width, 100);
  ASSERT_EQ(wide.height, 21);
  EXPECT_EQ(wide.At(99, 0), Code(281, 121));
  EXPECT_EQ(wide.At(3, 3), Code(228, 124));    // the text area starts at CL
  EXPECT_EQ(wide.At(96, 10), Code(278, 131));  // and keeps its right end
  EXPECT_EQ(wide.At(97, 10), Code(279, 131));  // the frame's right end
  EXPECT_EQ(EditTextArea(src, g, active, 94).width, 94);
  const Picture down = BuildControlPicture(src, g, active, StretchMode::Horizontal, 57, 30);
  EXPECT_EQ(down.pixels, CropPicture(src, active).pixels);
}

// The frame geometry of the About window's skin.

TEST(Shape, ControlRegionFollowsTheStretch) {
  // A 5 x 2 mask with its first and last column cut, ends of 1 pixel.
  Picture mask(5, 2, 0);
  mask.Set(0, 0, 0xFFFFFF);
  mask.Set(4, 1, 0xFFFFFF);
  const SectionGeometry g{Rect{10, 10, 15, 12}, {1, 0}, {4, 0}, {}, {}, Rect{1, 0, 4, 2}};
  Region r = ControlRegion(mask, g, StretchMode::Horizontal, 9, 2);
  ASSERT_EQ(r.rects.size(), 2u);
  EXPECT_EQ(r.rects[0], (Rect{1, 0, 9, 1}));
  EXPECT_EQ(r.rects[1], (Rect{0, 1, 8, 2}));
  r = ControlRegion(mask, g, StretchMode::Fixed, 9, 2);
  EXPECT_EQ(r.rects[0], (Rect{1, 0, 5, 1}));
  // A mask laid out like the picture holds it at the skin rectangle.
  Picture sheet(20, 20, 0xFFFFFF);
  CopyPicture(sheet, 10, 10, mask, Rect{0, 0, 5, 2});
  EXPECT_EQ(ControlRegion(sheet, g, StretchMode::Horizontal, 9, 2).rects,
            ControlRegion(mask, g, StretchMode::Horizontal, 9, 2).rects);
}

TEST(Shape, RunsAreMaximalAndPlaced) {
  Picture strip(7, 2, 0);
  strip.Set(2, 0, 0xFFFFFF);
  strip.Set(6, 0, 0x000001);
  strip.Set(0, 1, 0x808080);
  const RunList list = BlackRuns(strip, 10, 20);
  ASSERT_EQ(list.runs.size(), 3u);
  EXPECT_EQ(list.runs[0], (Rect{10, 20, 12, 21}));
  EXPECT_EQ(list.runs[1], (Rect{13, 20, 16, 21}));
  EXPECT_EQ(list.runs[2], (Rect{11, 21, 17, 22}));
  EXPECT_FALSE(list.truncated);
  EXPECT_TRUE(BlackRuns(Picture(), 0, 0).runs.empty());
}

}  // namespace
}  // namespace bs
