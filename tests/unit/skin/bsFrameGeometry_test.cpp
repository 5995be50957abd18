// The frame's geometry: margins and limits, placement, strips, the window
// shape and the hit test.
#include "skin/draw/bsGeometry.h"
#include "skin/draw/bsPictureCopy.h"
#include "skin/draw/bsShape.h"
#include "skin/frame/bsFrameHitTest.h"
#include "skin/frame/bsFramePlace.h"
#include "skin/frame/bsFrameShape.h"
#include "skin/frame/bsFrameSize.h"
#include "skin/frame/bsFrameStrips.h"

#include <gtest/gtest.h>

#include "tests/unit/skin/picture_test_support.h"

namespace bs {
namespace {

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

}  // namespace
}  // namespace bs
