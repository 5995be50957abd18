#include "skin/bsUtils.h"

#include <gtest/gtest.h>

namespace bs {
namespace {

// Every pixel tells where it came from: 1000 + 100 y + x.
Picture Coded(int w, int h) {
  Picture p(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) p.Set(x, y, 1000 + 100 * y + x);
  return p;
}
Pixel Code(int x, int y) { return 1000 + 100 * y + x; }

// The column (or row) of the source that a tiled axis shows at position i:
// fixed ends [0, a) and [len - b, len), the middle [a, srcLen - b) tiled.
int Tiled(int i, int len, int srcLen, int a, int b) {
  if (i < a) return i;
  if (i >= len - b) return i - (len - srcLen);
  return a + (i - a) % (srcLen - a - b);
}

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
FrameSkin AboutSkin() {
  FrameSkin k;
  k.pictureWidth = 277;
  k.pictureHeight = 116;
  k.client = Rect{13, 46, 265, 107};
  k.lt = Point{40, 46};
  k.rt = Point{237, 46};
  k.lb = Point{40, 107};
  k.rb = Point{237, 107};
  k.caption = Rect{30, 6, 200, 25};
  k.buttons = Rect{190, 6, 270, 22};
  k.hitLT = Point{12, 12};
  k.hitRT = Point{265, 12};
  k.hitLB = Point{12, 104};
  k.hitRB = Point{265, 104};
  k.maskArea = Rect{13, 46, 265, 107};
  k.borderWidth = 4;
  return k;
}

TEST(Frame, MarginsAndLimitsOfTheAboutSkin) {
  const FrameSkin k = AboutSkin();
  const FrameMargins m = SkinnedMargins(k);
  EXPECT_EQ(m.left, 13);
  EXPECT_EQ(m.top, 46);
  EXPECT_EQ(m.right, 12);
  EXPECT_EQ(m.bottom, 9);
  EXPECT_EQ(ClientRectOf(Rect{100, 50, 758, 461}, m), (Rect{113, 96, 746, 452}));
  EXPECT_EQ(ClientRectOf(Rect{0, 0, 300, 200}, PlainMargins(false)), (Rect{3, 22, 297, 197}));
  // Smaller than its margins: an empty client rectangle inside the window.
  const Rect tiny = ClientRectOf(Rect{100, 50, 120, 60}, m);
  EXPECT_TRUE(tiny.IsEmpty());
  EXPECT_EQ(tiny, (Rect{113, 60, 113, 60}));
  EXPECT_EQ(ClientRectOf(Rect{0, 0, 2, 2}, PlainMargins(false)), (Rect{2, 2, 2, 2}));

  FrameLimitInputs in;
  in.skinned = true;
  in.pictureWidth = 277;
  in.pictureHeight = 116;
  in.client = k.client;
  in.workArea = Size{1024, 738};
  EXPECT_EQ(FrameMinWidth(in), 277);
  EXPECT_EQ(FrameMinHeight(in), 55);
  in.minWidth = 400;
  in.minHeight = 90;
  EXPECT_EQ(FrameMinWidth(in), 400);
  EXPECT_EQ(FrameMinHeight(in), 90);
  in.rolledUp = true;
  EXPECT_EQ(FrameMinWidth(in), 400);
  EXPECT_EQ(FrameMinHeight(in), 55);
  in.minimized = true;
  EXPECT_EQ(FrameMinWidth(in), 277);
  EXPECT_EQ(FrameMaxWidth(in), 1024);
  in.maxWidth = 800;
  in.maxHeight = 2000;
  EXPECT_EQ(FrameMaxWidth(in), 800);
  EXPECT_EQ(FrameMaxHeight(in), 738);

  FrameLimitInputs plain;
  EXPECT_EQ(FrameMinWidth(plain), 120);
  EXPECT_EQ(FrameMinHeight(plain), 25);
  plain.toolWindow = true;
  EXPECT_EQ(FrameMinHeight(plain), 21);
}

TEST(Frame, PlaceFrameMovesWithTheSize) {
  FrameSkin k = AboutSkin();
  const PlacedFrame p = PlaceFrame(k, 300, 150);
  EXPECT_EQ(p.dx, 23);
  EXPECT_EQ(p.dy, 34);
  EXPECT_EQ(p.lt, k.lt);
  EXPECT_EQ(p.rt, (Point{260, 46}));
  EXPECT_EQ(p.lb, (Point{40, 141}));
  EXPECT_EQ(p.rb, (Point{260, 141}));
  EXPECT_EQ(p.client, (Rect{13, 46, 288, 141}));
  EXPECT_EQ(p.caption, (Rect{30, 6, 223, 25}));
  EXPECT_EQ(p.buttons, (Rect{213, 6, 293, 22}));  // right of the middle: keeps its distance
  EXPECT_EQ(p.hitRB, (Point{288, 138}));
  EXPECT_EQ(p.maskArea, (Rect{13, 46, 288, 141}));
  k.buttons = Rect{5, 6, 60, 22};
  k.caption = Rect{};
  const PlacedFrame q = PlaceFrame(k, 300, 150);
  EXPECT_EQ(q.buttons, k.buttons);
  EXPECT_TRUE(q.caption.IsEmpty());
}

TEST(Frame, CaptionButtonsKeepTheirDistanceToTheRightEdge) {
  const FrameSkin k = AboutSkin();
  const Rect close{252, 8, 268, 22}, flush{262, 0, 277, 12};
  const Rect caption{30, 6, 240, 25}, sysmenu{8, 8, 24, 24};
  for (int w : {277, 300, 658}) {
    const Rect c = PlaceObjectRect(close, k, w, 116);
    EXPECT_EQ(w - c.right, 277 - close.right);
    EXPECT_EQ(c.Width(), close.Width());
    EXPECT_EQ(w - PlaceObjectRect(flush, k, w, 116).right, 0);
    EXPECT_EQ(PlaceObjectRect(caption, k, w, 116), (Rect{30, 6, 240 + w - 277, 25}));
    EXPECT_EQ(PlaceObjectRect(sysmenu, k, w, 116), sysmenu);
  }
  // Bottom corners move down; a rectangle spanning all four corners grows.
  EXPECT_EQ(PlaceObjectRect(Rect{250, 110, 260, 114}, k, 300, 150), (Rect{273, 144, 283, 148}));
  EXPECT_EQ(PlaceObjectRect(Rect{2, 110, 20, 114}, k, 300, 150), (Rect{2, 144, 20, 148}));
  EXPECT_EQ(PlaceObjectRect(Rect{2, 2, 270, 114}, k, 300, 150), (Rect{2, 2, 293, 148}));
  EXPECT_EQ(PlaceObjectRect(Rect{2, 110, 270, 114}, k, 300, 150), (Rect{2, 144, 293, 148}));
  EXPECT_EQ(PlaceObjectRect(Rect{2, 2, 20, 114}, k, 300, 150), (Rect{2, 2, 20, 148}));
  EXPECT_EQ(PlaceObjectRect(Rect{250, 2, 270, 114}, k, 300, 150), (Rect{273, 2, 293, 148}));
  EXPECT_EQ(PlaceObjectRect(Rect{100, 60, 120, 70}, k, 300, 150), (Rect{100, 60, 120, 70}));
}

// A 10 x 9 frame picture: client (3,3)-(7,6); each strip has two end pieces
// and a middle one pixel (vertical) or two pixels (horizontal) long.
FrameSkin SmallSkin() {
  FrameSkin k;
  k.pictureWidth = 10;
  k.pictureHeight = 9;
  k.client = Rect{3, 3, 7, 6};
  k.lt = Point{4, 4};
  k.rt = Point{6, 4};
  k.lb = Point{4, 5};
  k.rb = Point{6, 5};
  k.maskArea = k.client;
  return k;
}

TEST(FrameStrips, TiledMiddlesAndEndPieces) {
  const Picture src = Coded(10, 9);
  const FrameSkin k = SmallSkin();
  const int w = 13, h = 12;
  const FrameStrips s = BuildFrameStrips(src, k, w, h);
  ASSERT_EQ(s.top.width, 13);
  ASSERT_EQ(s.top.height, 3);
  ASSERT_EQ(s.bottom.height, 3);
  ASSERT_EQ(s.left.width, 3);
  ASSERT_EQ(s.left.height, 6);
  ASSERT_EQ(s.right.width, 3);
  ASSERT_EQ(s.right.height, 6);
  // Top: 0..3 and 9..12 fixed, the middle tiled from x = 0, so x = 4 shows column 4.
  const int topColumns[13] = {0, 1, 2, 3, 4, 5, 4, 5, 4, 6, 7, 8, 9};
  for (int x = 0; x < 13; ++x) EXPECT_EQ(s.top.At(x, 1), Code(topColumns[x], 1)) << x;
  for (int x = 0; x < 13; ++x) EXPECT_EQ(s.bottom.At(x, 2), Code(topColumns[x], 8)) << x;
  // Left and right: strip row 0 is window row 3; row 0 from source row 3, the
  // last from source row 5, the middle source row 4 in between.
  const int rows[6] = {3, 4, 4, 4, 4, 5};
  for (int y = 0; y < 6; ++y) {
    EXPECT_EQ(s.left.At(2, y), Code(2, rows[y])) << y;
    EXPECT_EQ(s.right.At(0, y), Code(7, rows[y])) << y;
  }
  const StripPlaces at = FrameStripPlaces(k, w, h);
  EXPECT_EQ(at.top, (Point{0, 0}));
  EXPECT_EQ(at.left, (Point{0, 3}));
  EXPECT_EQ(at.right, (Point{10, 3}));
  EXPECT_EQ(at.bottom, (Point{0, 9}));
}

TEST(FrameStrips, StretchedMiddleStaysBetweenTheEnds) {
  const Picture src = Coded(10, 9);
  FrameSkin k = SmallSkin();
  k.topStretch = k.leftStretch = true;
  const FrameStrips s = BuildFrameStrips(src, k, 16, 12);
  for (int x = 4; x < 12; ++x) {
    const Pixel p = s.top.At(x, 0);
    EXPECT_TRUE(p == Code(4, 0) || p == Code(5, 0)) << x;
  }
  EXPECT_EQ(s.top.At(4, 0), Code(4, 0));
  EXPECT_EQ(s.top.At(11, 0), Code(5, 0));
  EXPECT_EQ(s.top.At(12, 0), Code(6, 0));
  EXPECT_EQ(s.top.At(3, 0), Code(3, 0));
  EXPECT_EQ(s.left.At(0, 0), Code(0, 3));
  EXPECT_EQ(s.left.At(0, 3), Code(0, 4));
  EXPECT_EQ(s.left.At(0, 5), Code(0, 5));
}

TEST(FrameStrips, AtPictureSizeTheyReproduceTheFrame) {
  const Picture src = Coded(10, 9);
  for (int variant = 0; variant < 3; ++variant) {
    const bool stretch = variant == 1;
    FrameSkin k = SmallSkin();
    if (variant == 2) {  // middles that start off a whole number of tiles from the strip's start
      k.lt = Point{3, 4};
      k.rt = Point{5, 4};
      k.lb = Point{3, 6};
      k.rb = Point{5, 6};
    }
    k.topStretch = k.bottomStretch = k.leftStretch = k.rightStretch = stretch;
    const FrameStrips s = BuildFrameStrips(src, k, 10, 9);
    const StripPlaces at = FrameStripPlaces(k, 10, 9);
    Picture window(10, 9);
    CopyPicture(window, at.top.x, at.top.y, s.top, Rect{0, 0, s.top.width, s.top.height});
    CopyPicture(window, at.bottom.x, at.bottom.y, s.bottom, Rect{0, 0, 99, 99});
    CopyPicture(window, at.left.x, at.left.y, s.left, Rect{0, 0, 99, 99});
    CopyPicture(window, at.right.x, at.right.y, s.right, Rect{0, 0, 99, 99});
    for (int y = 0; y < 9; ++y)
      for (int x = 0; x < 10; ++x)
        if (!Contains(k.client, x, y)) ASSERT_EQ(window.At(x, y), src.At(x, y)) << x << "," << y;
  }
}

TEST(FrameStrips, SkippedWhenASizeOrMiddleIsZero) {
  const Picture src = Coded(10, 9);
  FrameSkin k = SmallSkin();
  k.rt.x = k.lt.x;  // top middle of width 0
  FrameStrips s = BuildFrameStrips(src, k, 13, 12);
  EXPECT_TRUE(s.top.Empty());
  EXPECT_FALSE(s.bottom.Empty());
  s = BuildFrameStrips(src, SmallSkin(), 13, 6);  // no room between top and bottom
  EXPECT_TRUE(s.left.Empty());
  EXPECT_TRUE(s.right.Empty());
  s = BuildFrameStrips(Picture(), SmallSkin(), 13, 12);  // no pixels to read
  EXPECT_EQ(s.top.width, 13);
}

// An 8 x 6 mask with a one-pixel cut at each corner and mask area (2,2)-(6,4).
struct Shape {
  FrameSkin skin;
  Picture mask;
};
Shape Rounded() {
  Shape s;
  s.skin.pictureWidth = 8;
  s.skin.pictureHeight = 6;
  s.skin.client = Rect{2, 2, 6, 4};
  s.skin.maskArea = s.skin.client;
  s.skin.lt = Point{3, 2};
  s.skin.rt = Point{5, 2};
  s.skin.lb = Point{3, 4};
  s.skin.rb = Point{5, 4};
  s.skin.topStretch = true;  // masks always tile
  s.mask = Picture(8, 6, 0);
  for (Point p : {Point{0, 0}, Point{7, 0}, Point{0, 5}, Point{7, 5}}) s.mask.Set(p.x, p.y, 0xFFFFFF);
  s.mask.Set(4, 0, 0x010000);  // not pure black: a notch in the top edge
  return s;
}

TEST(Shape, RegionAndPointInShapeAgree) {
  const Shape s = Rounded();
  for (Size size : {Size{8, 6}, Size{13, 9}}) {
    const PlacedFrame placed = PlaceFrame(s.skin, size.width, size.height);
    const FrameStrips strips = BuildMaskStrips(s.mask, s.skin, size.width, size.height);
    const Region region = WindowRegion(strips, placed);
    EXPECT_FALSE(region.truncated);
    ASSERT_FALSE(region.rects.empty());
    EXPECT_EQ(region.rects[0], placed.maskArea);
    for (int y = -1; y <= size.height; ++y)
      for (int x = -1; x <= size.width; ++x) {
        bool inRegion = false;
        for (const Rect& r : region.rects) inRegion = inRegion || Contains(r, x, y);
        ASSERT_EQ(PointInShape(strips, placed, x, y), inRegion)
            << size.width << "x" << size.height << " at " << x << "," << y;
      }
    const int w = size.width, h = size.height;
    EXPECT_FALSE(PointInShape(strips, placed, 0, 0));
    EXPECT_FALSE(PointInShape(strips, placed, w - 1, 0));
    EXPECT_FALSE(PointInShape(strips, placed, 0, h - 1));
    EXPECT_FALSE(PointInShape(strips, placed, w - 1, h - 1));
    EXPECT_TRUE(PointInShape(strips, placed, 1, 0));
    EXPECT_TRUE(PointInShape(strips, placed, w - 1, 1));
    EXPECT_TRUE(PointInShape(strips, placed, 0, h - 2));
  }
}

TEST(Shape, RenderedFrameAtPictureSizeIsThePicture) {
  const Shape s = Rounded();
  const Picture src = Coded(8, 6);
  EXPECT_EQ(RenderFrame(src, nullptr, s.skin, 8, 6, 0, 0).pixels, src.pixels);
  const Picture shaped = RenderFrame(src, &s.mask, s.skin, 13, 9, 0, 7);
  EXPECT_EQ(shaped.At(0, 0), 7u);
  EXPECT_EQ(shaped.At(12, 8), 7u);
  EXPECT_EQ(shaped.At(1, 0), Code(1, 0));
  EXPECT_EQ(shaped.At(12, 7), Code(7, 4));
  EXPECT_EQ(shaped.At(6, 4), Code(2 + 4 % 4, 2 + 2 % 2));  // client tiled from its corner
  FrameSkin noClient = s.skin;
  noClient.client = Rect{};
  EXPECT_EQ(RenderFrame(src, nullptr, noClient, 8, 6, 5, 0).width, 8);
}

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

TEST(Shape, RunsStopAtTheLimitPerStrip) {
  // 10,001 single-pixel runs in one row.
  Picture strip(20001, 1, 0xFFFFFF);
  for (int x = 0; x < strip.width; x += 2) strip.Set(x, 0, 0);
  const RunList list = BlackRuns(strip, 0, 0);
  EXPECT_EQ(list.runs.size(), kMaxRunsPerStrip);
  EXPECT_TRUE(list.truncated);
  EXPECT_EQ(list.runs.back(), (Rect{19998, 0, 19999, 1}));
  Picture exact(19999, 1, 0xFFFFFF);
  for (int x = 0; x < exact.width; x += 2) exact.Set(x, 0, 0);
  EXPECT_FALSE(BlackRuns(exact, 0, 0).truncated);
  EXPECT_EQ(BlackRuns(exact, 0, 0).runs.size(), kMaxRunsPerStrip);

  // The region carries the mark; each strip has its own limit.
  FrameSkin k;
  k.pictureWidth = 20001;
  k.pictureHeight = 3;
  k.client = k.maskArea = Rect{1, 1, 20000, 2};
  k.lt = Point{1, 1};
  k.rt = Point{20000, 1};
  k.lb = Point{1, 2};
  k.rb = Point{20000, 2};
  Picture mask(20001, 3, 0xFFFFFF);
  for (int x = 0; x < mask.width; x += 2) mask.Set(x, 0, 0), mask.Set(x, 2, 0);
  const PlacedFrame placed = PlaceFrame(k, 20001, 3);
  const Region region = WindowRegion(BuildMaskStrips(mask, k, 20001, 3), placed);
  EXPECT_TRUE(region.truncated);
  EXPECT_EQ(region.rects.size(), 1 + 2 * kMaxRunsPerStrip);
}

TEST(HitTest, BordersCornersCaptionAndClient) {
  const FrameSkin k = AboutSkin();
  const PlacedFrame p = PlaceFrame(k, 300, 150);
  FrameHitInput in;
  in.sizeable = true;
  in.captionRects = {Rect{30, 6, 223, 25}};
  auto at = [&](int x, int y) {
    in.point = Point{x, y};
    return FrameHitTest(p, k.borderWidth, in);
  };
  EXPECT_EQ(at(1, 1), ht::TopLeft);
  EXPECT_EQ(at(298, 2), ht::TopRight);
  EXPECT_EQ(at(2, 148), ht::BottomLeft);
  EXPECT_EQ(at(299, 149), ht::BottomRight);
  EXPECT_EQ(at(150, 1), ht::Top);
  EXPECT_EQ(at(150, 148), ht::Bottom);
  EXPECT_EQ(at(1, 80), ht::Left);
  EXPECT_EQ(at(298, 80), ht::Right);
  EXPECT_EQ(at(100, 10), ht::Caption);
  EXPECT_EQ(at(100, 80), ht::Client);
  EXPECT_EQ(at(250, 30), ht::Object);  // frame, neither caption, border nor client
  EXPECT_EQ(at(8, 80), ht::Object);
  EXPECT_EQ(at(3, 80), ht::Left);  // a probe borderwidth away leaves the window
  EXPECT_EQ(at(4, 80), ht::Object);

  in.maximized = true;
  EXPECT_EQ(at(1, 1), ht::Object);
  EXPECT_EQ(at(150, 148), ht::Object);
  EXPECT_EQ(at(100, 80), ht::Client);
  in.maximized = false;
  in.sizeable = false;
  EXPECT_EQ(at(1, 80), ht::Object);
  in.sizeable = true;

  in.objectUnderMouse = true;
  EXPECT_EQ(at(1, 80), ht::Object);
  EXPECT_EQ(at(100, 10), ht::Caption);
  EXPECT_EQ(at(100, 80), ht::Client);
  in.sizeMoveUnderWay = true;
  EXPECT_EQ(at(1, 80), ht::Left);
  in.objectUnderMouse = in.sizeMoveUnderWay = false;

  in.rolledUp = true;
  EXPECT_EQ(at(100, 10), ht::Caption);
  EXPECT_EQ(at(1, 1), ht::Object);
  EXPECT_EQ(at(100, 80), ht::Object);
}

TEST(HitTest, WithAMaskTheBorderFollowsTheShape) {
  Shape s = Rounded();
  s.skin.hitLT = Point{1, 1};
  s.skin.hitRT = Point{6, 1};
  s.skin.hitLB = Point{1, 4};
  s.skin.hitRB = Point{6, 4};
  const int w = 30, h = 20;
  const PlacedFrame p = PlaceFrame(s.skin, w, h);
  const FrameStrips strips = BuildMaskStrips(s.mask, s.skin, w, h);
  FrameHitInput in;
  in.sizeable = true;
  in.mask = &strips;
  auto at = [&](int x, int y) {
    in.point = Point{x, y};
    return FrameHitTest(p, 1, in);
  };
  EXPECT_EQ(at(0, 1), ht::TopLeft);
  EXPECT_EQ(at(1, 1), ht::Object);      // the cut corner (0, 0) is no probe of (1, 1)
  EXPECT_EQ(at(1, 0), ht::TopLeft);
  EXPECT_EQ(at(10, 0), ht::Top);
  EXPECT_EQ(at(9, 1), ht::Object);      // all probes inside the shape
  EXPECT_EQ(at(10, 1), ht::Top);        // the tiled notch lies above it
  EXPECT_EQ(at(10, 10), ht::Client);    // inside the mask area: never near the edge
  EXPECT_EQ(at(0, 10), ht::Left);
}

TEST(HitTest, PlainFrame) {
  PlainHitInput in;
  in.width = 200;
  in.height = 100;
  in.sizeable = true;
  in.captionArea = Rect{22, 3, 140, 22};
  auto at = [&](int x, int y) {
    in.point = Point{x, y};
    return PlainFrameHitTest(in);
  };
  EXPECT_EQ(at(2, 2), ht::TopLeft);
  EXPECT_EQ(at(198, 0), ht::TopRight);
  EXPECT_EQ(at(0, 98), ht::BottomLeft);
  EXPECT_EQ(at(199, 99), ht::BottomRight);
  EXPECT_EQ(at(1, 50), ht::Left);
  EXPECT_EQ(at(100, 2), ht::Top);
  EXPECT_EQ(at(198, 50), ht::Right);
  EXPECT_EQ(at(100, 98), ht::Bottom);
  EXPECT_EQ(at(100, 10), ht::Caption);
  EXPECT_EQ(at(100, 22), ht::Client);
  EXPECT_EQ(at(150, 10), ht::Object);  // a caption button
  EXPECT_EQ(at(3, 50), ht::Client);
  EXPECT_EQ(at(10, 10), ht::Object);  // the system-menu button
  in.objectUnderMouse = true;
  EXPECT_EQ(at(1, 50), ht::Object);
  in.objectUnderMouse = false;
  in.maximized = true;
  EXPECT_EQ(at(1, 50), ht::Object);
  EXPECT_EQ(at(100, 10), ht::Caption);
}

TEST(GlyphAndText, PositionsPerLayoutAndMargin) {
  GlyphTextInput in;
  in.bounds = Rect{0, 0, 47, 21};
  in.glyph = Size{32, 16};
  in.numGlyphs = 2;
  in.text = Size{30, 14};
  in.spacing = 1;
  GlyphTextPlace p = PlaceGlyphAndText(in);
  EXPECT_EQ(p.slice, (Size{16, 16}));
  EXPECT_EQ(p.glyph, (Point{0, 2}));
  EXPECT_EQ(p.text, (Point{16, 3}));
  in.pressed = true;
  p = PlaceGlyphAndText(in);
  EXPECT_EQ(p.glyph, (Point{1, 3}));
  EXPECT_EQ(p.text, (Point{17, 4}));
  in.pressed = false;
  in.margin = 2;
  p = PlaceGlyphAndText(in);
  EXPECT_EQ(p.glyph.x, 2);
  EXPECT_EQ(p.text.x, 19);
  in.layout = GlyphLayout::Right;
  p = PlaceGlyphAndText(in);
  EXPECT_EQ(p.glyph.x, 29);
  EXPECT_EQ(p.text.x, -2);
  in.margin = -1;
  p = PlaceGlyphAndText(in);
  EXPECT_EQ(p.text.x, 0);
  EXPECT_EQ(p.glyph.x, 30);

  in.bounds = Rect{2, 3, 23, 24};  // a picture button's client rectangle
  in.glyph = Size{16, 16};
  in.numGlyphs = 1;
  in.text = Size{0, 0};
  in.layout = GlyphLayout::Top;
  p = PlaceGlyphAndText(in);
  EXPECT_EQ(p.glyph, (Point{4, 5}));  // cx 12, cy 13, (0 + 16 + 1) div 2 = 8
  EXPECT_EQ(p.text, (Point{12, 21}));
  in.layout = GlyphLayout::Bottom;
  in.margin = 0;
  p = PlaceGlyphAndText(in);
  EXPECT_EQ(p.glyph.y, 8);
  EXPECT_EQ(p.text.y, 7);
  in.glyph = Size{};
  in.margin = -1;
  in.layout = GlyphLayout::Left;
  in.text = Size{20, 14};
  p = PlaceGlyphAndText(in);
  EXPECT_EQ(p.text, (Point{12 + 10 - 20, 13 - 7}));
}

TEST(GlyphAndText, ImageNumbersAndSlices) {
  EXPECT_EQ(GlyphImageNumber(true, true, true, 3), 3);
  EXPECT_EQ(GlyphImageNumber(true, true, true, 2), 1);
  EXPECT_EQ(GlyphImageNumber(false, true, true, 4), 4);
  EXPECT_EQ(GlyphImageNumber(false, true, true, 3), 1);
  EXPECT_EQ(GlyphImageNumber(false, false, false, 2), 2);
  EXPECT_EQ(GlyphImageNumber(false, false, false, 1), 1);
  EXPECT_EQ(GlyphSlice(Size{48, 16}, 3, 2), (Rect{16, 0, 32, 16}));
  EXPECT_EQ(GlyphSlice(Size{48, 16}, 3, 9), (Rect{32, 0, 48, 16}));
  EXPECT_EQ(GlyphSlice(Size{48, 16}, 0, 1), (Rect{0, 0, 48, 16}));
}

TEST(GlyphAndText, GlyphLeavesOutItsKeyColour) {
  Picture glyph(4, 2);
  glyph.pixels = {1, 2, 7, 8,
                  5, 3, 9, 7};  // slice 1 keyed by 5, slice 2 by 9
  Picture dst(3, 3, 0);
  DrawGlyph(dst, 1, 1, glyph, GlyphSlice(Size{4, 2}, 2, 2));
  EXPECT_EQ(dst.pixels, (std::vector<Pixel>{0, 0, 0, 0, 7, 8, 0, 0, 7}));
  DrawGlyph(dst, -1, 0, glyph, GlyphSlice(Size{4, 2}, 2, 1));
  EXPECT_EQ(dst.At(0, 0), 2u);
  EXPECT_EQ(dst.At(0, 1), 3u);
}

}  // namespace
}  // namespace bs
