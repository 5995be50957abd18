#include "skin/controls/bsButtonLook.h"

#include <gtest/gtest.h>

#include "control_test_support.h"

namespace bs {
namespace {

const SystemColors kColours;
const Pixel kWhite = Rgb(255, 255, 255);

struct PushButton : ::testing::Test {
  ControlSection s = LookUpSection(&AboutSkin(), "button");
  ButtonLookState st;
  PushButton() { st.size = Size{47, 21}; }
  ButtonLook Look() const { return PushButtonLook(s, st, kColours, 0); }
  Picture From(const Rect& r) const {
    return BuildControlPicture(*s.picture, s.geometry, r, s.mode, 47, 21);
  }
};

TEST_F(PushButton, PictureForEachState) {
  ButtonLook look = Look();
  EXPECT_EQ(look.which, ButtonPicture::Normal);
  EXPECT_EQ(look.sourceRect, (Rect{0, 0, 24, 21}));
  EXPECT_TRUE(SamePixels(look.picture, From(Rect{0, 0, 24, 21})));
  EXPECT_EQ(look.content, (Rect{2, 2, 45, 19}));

  st.mouseIn = true;
  look = Look();
  EXPECT_EQ(look.sourceRect, (Rect{48, 0, 72, 21}));
  EXPECT_TRUE(look.active);
  EXPECT_FALSE(look.pressed);

  st.down = true;
  look = Look();
  EXPECT_EQ(look.which, ButtonPicture::Down);
  EXPECT_EQ(look.sourceRect, (Rect{24, 0, 48, 21}));
  EXPECT_TRUE(look.pressed);

  // Focused: the active look; pressed by the mouse and moved off: not pressed.
  st = ButtonLookState{};
  st.size = Size{47, 21};
  st.focused = true;
  EXPECT_EQ(Look().which, ButtonPicture::Active);
  st.down = st.pressedByMouse = true;
  EXPECT_EQ(Look().which, ButtonPicture::Active);
  st.pressedByMouse = false;  // Space held: pressed
  EXPECT_EQ(Look().which, ButtonPicture::Down);

  st = ButtonLookState{};
  st.size = Size{47, 21};
  st.enabled = false;
  look = Look();
  EXPECT_EQ(look.which, ButtonPicture::Disabled);
  EXPECT_EQ(look.sourceRect, (Rect{33, 62, 57, 83}));
  EXPECT_EQ(look.textColour, kWhite);
}

TEST_F(PushButton, FadeBetweenNormalAndActive) {
  st.morphFactor = 0.4;
  ButtonLook look = Look();
  EXPECT_EQ(look.which, ButtonPicture::Fade);
  EXPECT_EQ(look.morphKind, MorphKind::mkgradient);
  EXPECT_TRUE(SamePixels(look.picture, From(Rect{0, 0, 24, 21})));
  EXPECT_TRUE(SamePixels(look.activePicture, From(Rect{48, 0, 72, 21})));
  EXPECT_DOUBLE_EQ(look.factor, 0.4);
  // The fade wins over the mouse-over look while it runs, not when disabled.
  st.mouseIn = true;
  EXPECT_EQ(Look().which, ButtonPicture::Fade);
  st.enabled = false;
  EXPECT_EQ(Look().which, ButtonPicture::Disabled);
  // At 1 without the mouse: the mouse-over picture.
  st = ButtonLookState{};
  st.size = Size{47, 21};
  st.morphFactor = 1;
  look = Look();
  EXPECT_EQ(look.which, ButtonPicture::Active);
  EXPECT_FALSE(look.active);
}

TEST(ButtonLook, PlainPushButton) {
  ButtonLookState st;
  st.size = Size{75, 25};
  ButtonLook look = PushButtonLook(ControlSection{}, st, kColours, Rgb(1, 2, 3));
  EXPECT_EQ(look.picture.At(0, 0), kColours.btnShadow);
  EXPECT_EQ(look.picture.At(5, 5), kColours.btnFace);
  EXPECT_EQ(look.textColour, Rgb(1, 2, 3));
  EXPECT_EQ(look.content, (Rect{0, 0, 75, 25}));
  st.mouseIn = true;
  look = PushButtonLook(ControlSection{}, st, kColours, 0);
  EXPECT_EQ(look.picture.At(0, 0), Rgb(0, 0, 128));
  EXPECT_EQ(look.picture.At(5, 5), Rgb(182, 189, 210));
  st.down = true;
  look = PushButtonLook(ControlSection{}, st, kColours, 0);
  EXPECT_EQ(look.picture.At(5, 5), Rgb(133, 147, 181));
  EXPECT_TRUE(look.pressed);
  st = ButtonLookState{};
  st.size = Size{75, 25};
  st.enabled = false;
  EXPECT_EQ(PushButtonLook(ControlSection{}, st, kColours, 0).textColour, kColours.btnShadow);
}

struct SpeedButton : ::testing::Test {
  ControlSection s = LookUpSection(&AboutSkin(), "toolbutton");
  ButtonLookState st;
  GlyphSpec glyph;
  SpeedButton() {
    st.size = Size{25, 26};
    glyph.glyph = Size{20, 20};
  }
  ButtonLook Look() const { return SpeedButtonLook(s, st, kColours, 0); }
};

TEST_F(SpeedButton, StatesAndGlyphPlace) {
  ButtonLook look = Look();
  EXPECT_EQ(look.which, ButtonPicture::Normal);
  EXPECT_EQ(look.content, (Rect{2, 3, 23, 24}));
  const ButtonContent normal = PlaceButtonContent(look, glyph, Size{}, true);
  EXPECT_EQ(normal.place.glyph, (Point{2, 3}));
  EXPECT_EQ(normal.glyphSlice, (Rect{0, 0, 20, 20}));

  st.mouseIn = true;
  EXPECT_EQ(Look().sourceRect, (Rect{80, 31, 105, 57}));
  st.down = true;
  look = Look();
  EXPECT_EQ(look.sourceRect, (Rect{105, 31, 131, 57}));
  EXPECT_EQ(PlaceButtonContent(look, glyph, Size{}, true).place.glyph, (Point{3, 4}));
  // Down without the mouse, outside a group: not pressed.
  st.mouseIn = false;
  EXPECT_EQ(Look().which, ButtonPicture::Normal);
  st.groupIndex = 1;
  EXPECT_EQ(Look().which, ButtonPicture::Down);
}

TEST_F(SpeedButton, DisabledWithoutDisabledPictureLooksEnabled) {
  st.enabled = false;
  const ButtonLook look = Look();
  EXPECT_EQ(look.which, ButtonPicture::Normal);
  EXPECT_EQ(look.textColour, Rgb(0, 0, 0));
  EXPECT_EQ(PlaceButtonContent(look, glyph, Size{}, false).glyphSlice, (Rect{0, 0, 20, 20}));
  st.enabled = true;
  EXPECT_TRUE(SamePixels(Look().picture, look.picture));
}

TEST_F(SpeedButton, TransparentNeverFadesAndDrawsNoPicture) {
  st.transparent = true;
  st.morphFactor = 0.6;
  ButtonLook look = Look();
  EXPECT_EQ(look.which, ButtonPicture::Transparent);
  EXPECT_TRUE(look.picture.Empty());
  st.transparent = false;
  EXPECT_EQ(Look().which, ButtonPicture::Fade);
  EXPECT_EQ(Look().morphKind, MorphKind::mkdefault);
}

TEST(ButtonLook, PlainSpeedButtonFlatAndTransparent) {
  ButtonLookState st;
  st.size = Size{25, 25};
  ButtonLook look = SpeedButtonLook(ControlSection{}, st, kColours, 0);
  EXPECT_EQ(look.picture.At(0, 0), kColours.btnShadow);
  st.flat = true;
  look = SpeedButtonLook(ControlSection{}, st, kColours, 0);
  EXPECT_EQ(look.picture.At(0, 0), kColours.btnFace);
  st.transparent = true;
  EXPECT_TRUE(SpeedButtonLook(ControlSection{}, st, kColours, 0).picture.Empty());
  st.mouseIn = true;
  EXPECT_EQ(SpeedButtonLook(ControlSection{}, st, kColours, 0).picture.At(0, 0),
            Rgb(0, 0, 128));
}

TEST(ButtonLook, CaptionRectangleWidenedAndGlyphImageFromState) {
  ButtonLook look;
  look.content = Rect{0, 0, 75, 25};
  GlyphSpec g;
  g.glyph = Size{64, 16};
  g.numGlyphs = 4;
  const ButtonContent c = PlaceButtonContent(look, g, Size{30, 14}, true);
  // Centred: glyph 16 + spacing 1 + text 30 around x = 37.
  EXPECT_EQ(c.place.glyph, (Point{14, 4}));
  EXPECT_EQ(c.textRect, (Rect{30, 5, 62, 19}));
  look.imagePressed = look.imageActive = true;
  EXPECT_EQ(PlaceButtonContent(look, g, Size{}, true).glyphSlice, (Rect{32, 0, 48, 16}));
  look.imagePressed = false;
  EXPECT_EQ(PlaceButtonContent(look, g, Size{}, true).glyphSlice, (Rect{48, 0, 64, 16}));
  look.imageActive = false;
  EXPECT_EQ(PlaceButtonContent(look, g, Size{}, false).glyphSlice, (Rect{16, 0, 32, 16}));
}

}  // namespace
}  // namespace bs
