// A button's glyph and caption places, glyph images and the key colour.
#include "skin/controls/bsGlyph.h"

#include <gtest/gtest.h>

#include "tests/unit/skin/picture_test_support.h"

namespace bs {
namespace {

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
