#include "skin/controls/bsButtonLook.h"

#include <algorithm>

#include "skin/controls/bsGlyph.h"
#include "skin/draw/bsPlainDraw.h"
#include "skin/draw/bsTiling.h"

namespace bs {

namespace {

// The rectangles and colours of a button section; a section of another
// kind shows its skin rectangle in every state.
struct ButtonSection {
  Rect normal, active, down, disabled;
  Pixel normalColour = 0, activeColour = 0, downColour = 0, disabledColour = 0;
  bool fades = false;
  MorphKind kind = MorphKind::mkdefault;
};

ButtonSection ButtonSectionOf(const ControlSection& s) {
  ButtonSection b;
  b.normal = b.active = b.down = s.geometry.skinRect;
  const auto* d = s.As<TbsDataSkinButtonControl>();
  if (d == nullptr) return b;
  if (!d->activeskinrect.IsEmpty()) b.active = d->activeskinrect;
  b.down = d->downskinrect.IsEmpty() ? b.active : d->downskinrect;
  b.disabled = d->disabledskinrect;
  b.normalColour = PixelOf(d->fontcolor);
  b.activeColour = PixelOf(d->activefontcolor);
  b.downColour = PixelOf(d->downfontcolor);
  b.disabledColour = PixelOf(d->disabledfontcolor);
  b.fades = d->morphing;
  b.kind = d->morphkind;
  return b;
}

Picture Build(const ControlSection& s, const Rect& rect, Size size) {
  if (s.picture == nullptr) {
    const Size fitted = FitControlSize(s, size);
    return Picture(fitted.width, fitted.height);
  }
  return BuildControlPicture(*s.picture, s.geometry, rect, s.mode, size.width, size.height);
}

void Show(ButtonLook& look, const ControlSection& s, ButtonPicture which, const Rect& rect,
          Pixel colour, Size size) {
  look.which = which;
  look.sourceRect = rect;
  look.picture = Build(s, rect, size);
  look.textColour = colour;
}

// The fading picture when the section fades and the factor lies strictly
// between 0 and 1.
bool ShowFade(ButtonLook& look, const ControlSection& s, const ButtonSection& b, double factor,
              Size size) {
  if (!b.fades || factor <= 0 || factor >= 1) return false;
  Show(look, s, ButtonPicture::Fade, b.normal, b.normalColour, size);
  look.activePicture = Build(s, b.active, size);
  look.activeTextColour = b.activeColour;
  look.morphKind = b.kind;
  look.factor = std::min(std::max(factor, 0.0), 1.0);
  return true;
}

void ShowNormal(ButtonLook& look, const ControlSection& s, const ButtonSection& b, bool enabled,
                Size size) {
  Show(look, s, ButtonPicture::Normal, b.normal, enabled ? b.normalColour : b.disabledColour,
       size);
}

ButtonLook WithImageFlags(ButtonLook look) {
  look.imagePressed = look.pressed;
  look.imageActive = look.active;
  return look;
}

void PlainFrameAndFill(ButtonLook& look, Size size) {
  if (!look.hasFill && !look.hasFrame) return;
  look.picture = Picture(size.width, size.height, look.fillColour);
  if (look.hasFrame) FrameRect(look.picture, Rect{0, 0, size.width, size.height}, look.frameColour);
}

void Hot(ButtonLook& look, bool pressed) {
  look.hasFrame = look.hasFill = true;
  look.frameColour = kPlainHotFrame;
  look.fillColour = pressed ? kPlainDownFill : kPlainHotFill;
  look.pressed = pressed;
}

}  // namespace

bool SectionFades(const ControlSection& s) {
  const auto* d = s.As<TbsDataSkinButtonControl>();
  return d != nullptr && d->morphing;
}

ButtonLook PushButtonLook(const ControlSection& s, const ButtonLookState& st,
                          const SystemColors& colours, Pixel defaultFontColour) {
  ButtonLook look;
  const Size size = st.size;
  const bool focused = st.focused && st.canFocused;
  const bool pressedLook =
      st.down && (st.groupIndex != 0 || st.mouseIn || (focused && !st.pressedByMouse));
  const bool hot = focused || st.mouseIn;
  look.content = Rect{0, 0, size.width, size.height};
  if (!s.InForce()) {
    look.textColour = st.enabled ? defaultFontColour : colours.btnShadow;
    if (pressedLook) {
      Hot(look, true);
    } else if (hot) {
      Hot(look, false);
    } else {
      look.hasFrame = look.hasFill = true;
      look.frameColour = colours.btnShadow;
      look.fillColour = colours.btnFace;
    }
    look.imagePressed = st.down;
    look.imageActive = st.mouseIn;
    PlainFrameAndFill(look, size);
    return look;
  }
  const ButtonSection b = ButtonSectionOf(s);
  look.content = Stretch(s.geometry, s.mode, size.width, size.height).client;
  if (st.enabled && ShowFade(look, s, b, st.morphFactor, size)) {
  } else if (!st.enabled && !b.disabled.IsEmpty()) {
    Show(look, s, ButtonPicture::Disabled, b.disabled, b.disabledColour, size);
  } else if (pressedLook) {
    Show(look, s, ButtonPicture::Down, b.down, b.downColour, size);
    look.pressed = look.active = true;
  } else if (hot) {
    Show(look, s, ButtonPicture::Active, b.active, b.activeColour, size);
    look.active = true;
  } else if (b.fades && st.morphFactor == 1) {
    Show(look, s, ButtonPicture::Active, b.active, b.activeColour, size);
  } else {
    ShowNormal(look, s, b, st.enabled, size);
  }
  return WithImageFlags(look);
}

ButtonLook SpeedButtonLook(const ControlSection& s, const ButtonLookState& st,
                           const SystemColors& colours, Pixel defaultFontColour) {
  ButtonLook look;
  const Size size = st.size;
  const bool pressedLook = st.down && (st.groupIndex != 0 || st.mouseIn);
  look.content = Rect{0, 0, size.width, size.height};
  if (!s.InForce()) {
    look.textColour = st.enabled ? defaultFontColour : colours.btnShadow;
    if (pressedLook) {
      Hot(look, true);
    } else if (st.mouseIn) {
      Hot(look, false);
    } else if (!st.flat || st.designing) {
      look.hasFrame = look.hasFill = true;
      look.frameColour = colours.btnShadow;
      look.fillColour = colours.btnFace;
    } else if (!st.transparent) {
      look.hasFill = true;
      look.fillColour = colours.btnFace;
    } else {
      look.which = ButtonPicture::Transparent;
    }
    look.imagePressed = look.pressed;
    look.imageActive = st.mouseIn;
    PlainFrameAndFill(look, size);
    return look;
  }
  ButtonSection b = ButtonSectionOf(s);
  b.fades = b.fades && !st.transparent;
  look.content = Stretch(s.geometry, s.mode, size.width, size.height).client;
  if (ShowFade(look, s, b, st.morphFactor, size)) {
  } else if (pressedLook) {
    Show(look, s, ButtonPicture::Down, b.down, b.downColour, size);
    look.pressed = true;
    look.active = st.mouseIn;
  } else if (st.mouseIn || (b.fades && st.morphFactor == 1)) {
    Show(look, s, ButtonPicture::Active, b.active, b.activeColour, size);
    look.active = st.mouseIn;
  } else if (st.transparent) {
    look.which = ButtonPicture::Transparent;
    look.textColour = st.enabled ? b.normalColour : b.disabledColour;
  } else if (!st.enabled && !b.disabled.IsEmpty()) {
    Show(look, s, ButtonPicture::Disabled, b.disabled, b.disabledColour, size);
  } else {
    ShowNormal(look, s, b, st.enabled, size);
  }
  return WithImageFlags(look);
}

ButtonContent PlaceButtonContent(const ButtonLook& look, const GlyphSpec& g, Size text,
                                 bool enabled) {
  GlyphTextInput in;
  in.bounds = look.content;
  in.margin = g.margin;
  in.pressed = look.pressed;
  in.glyph = g.glyph;
  in.numGlyphs = g.numGlyphs;
  in.text = text;
  in.layout = g.layout;
  in.spacing = g.spacing;
  ButtonContent c;
  c.place = PlaceGlyphAndText(in);
  c.glyphSlice = GlyphSlice(g.glyph, g.numGlyphs,
                            GlyphImageNumber(look.imagePressed, look.imageActive, enabled,
                                             g.numGlyphs));
  const Point t = c.place.text;
  c.textRect = Rect{t.x, t.y, t.x + text.width + 2, t.y + text.height};
  return c;
}

}  // namespace bs
