// The plain frame on pictures: the raised lines, the grip, the caption's
// patch and the built-in buttons in their states, in strips around the client.
#include "skin/frame/bsPlainFrame.h"

#include <gtest/gtest.h>

#include <stdexcept>

namespace bs {
namespace {

SystemColors Distinct() {
  SystemColors c;
  c.light3d = 1, c.darkShadow3d = 2, c.btnHighlight = 3, c.btnShadow = 4, c.btnFace = 5;
  c.btnText = 6;
  return c;
}

// A 200 x 100 window: the buttons of a plain frame placed, the caption area
// between them.
struct Plain {
  TbsFrameObjects objects;
  PlainFrame frame;
  Plain() {
    objects.CreatePlainButtons();
    objects.PlacePlainButtons(200, false);
    frame.window = Size{200, 100};
    frame.captionArea = objects.PlainCaptionArea(200, false);
    frame.colours = Distinct();
  }
  TbsSkinStdButtonObject& Button(TbsStdCommand c) {
    for (const auto& o : objects.Objects)
      if (auto* b = dynamic_cast<TbsSkinStdButtonObject*>(o.get()); b && b->command == c) return *b;
    throw std::logic_error("no such button");
  }
};

TEST(PlainFrame, RaisedLinesGripAndPatchInStripsAroundTheClient) {
  Plain p;
  const PlainCaptionPlace place = PlacePlainCaption(p.frame.captionArea, Size{40, 12}, false);
  EXPECT_EQ(place.patch.Width(), 45);
  EXPECT_EQ(place.patch.top, 3);
  EXPECT_EQ(place.patch.bottom, 22);
  EXPECT_EQ(place.text.x, place.patch.left + 3);
  EXPECT_EQ(place.text.y, 3 + 9 - 6);
  p.frame.captionPatch = place.patch;
  StripPlaces at;
  const FrameStrips s = PlainFrameStrips(p.frame, p.objects, &at);
  EXPECT_EQ(s.top.width, 200);
  EXPECT_EQ(s.top.height, 22);  // 3 + the 19-pixel caption bar
  EXPECT_EQ(at.bottom.y, 97);
  EXPECT_EQ(s.left.width, 3);
  EXPECT_EQ(s.left.height, 100 - 22 - 3);
  EXPECT_EQ(at.right.x, 197);
  // Outer to inner, upper left and lower right; the lower right colour takes
  // the corners they share.
  EXPECT_EQ(s.top.At(0, 0), 1u);
  EXPECT_EQ(s.top.At(199, 0), 2u);
  EXPECT_EQ(s.top.At(1, 1), 3u);
  EXPECT_EQ(s.left.At(0, 10), 1u);
  EXPECT_EQ(s.right.At(2, 10), 2u);
  EXPECT_EQ(s.right.At(1, 10), 4u);
  EXPECT_EQ(s.bottom.At(0, 2), 2u);
  EXPECT_EQ(s.bottom.At(2, 0), 5u);
  // The grip's rows from 5 on alternate highlight and shadow, 2 pixels in
  // from the caption area; the patch covers them.
  const Rect& area = p.frame.captionArea;
  EXPECT_EQ(s.top.At(area.left + 2, 5), 3u);
  EXPECT_EQ(s.top.At(area.left + 2, 6), 4u);
  EXPECT_EQ(s.top.At(area.left + 1, 5), 5u);
  EXPECT_EQ(s.top.At(place.patch.left, 5), 5u);
}

TEST(PlainFrame, ButtonsFillUnderTheMouseAndMoveTheirGlyphWhenPressed) {
  Plain p;
  TbsSkinStdButtonObject& close = p.Button(TbsStdCommand::cmClose);
  const Rect r = close.ObjectRect;
  ASSERT_EQ(r, (Rect{180, 4, 197, 21}));
  auto drawn = [&](bool in, bool down) {
    close.MouseIn = in;
    close.Down = down;
    Picture pic(r.Width(), r.Height(), 0);
    DrawPlainButton(pic, Point{r.left, r.top}, close, p.frame);
    return pic;
  };
  const Picture rest = drawn(false, false);
  EXPECT_EQ(rest.At(0, 0), 5u);
  EXPECT_EQ(rest.At(8 - 5 + 1, 8 - 4 + 1), 6u);  // the cross from (1, 1) of its cell
  const Picture hot = drawn(true, false);
  EXPECT_EQ(hot.At(0, 0), kPlainHotFrame);
  EXPECT_EQ(hot.At(1, 15), kPlainHotFill);
  const Picture pressed = drawn(true, true);
  EXPECT_EQ(pressed.At(1, 15), kPlainDownFill);
  EXPECT_EQ(pressed.At(8 - 4 + 1, 8 - 3 + 1), 6u);  // one pixel right and down
  EXPECT_NE(pressed.At(8 - 5 + 1, 8 - 4 + 1), 6u);
  // The maximize button shows the restore glyph while maximised.
  const TbsSkinStdButtonObject& max = p.Button(TbsStdCommand::cmMaximize);
  Picture normal(17, 17, 0), maximised(17, 17, 0);
  DrawPlainButton(normal, Point{max.ObjectRect.left, 4}, max, p.frame);
  p.frame.windowState = TbsWindowState::wsMaximized;
  DrawPlainButton(maximised, Point{max.ObjectRect.left, 4}, max, p.frame);
  EXPECT_NE(normal.pixels, maximised.pixels);
}

}  // namespace
}  // namespace bs
