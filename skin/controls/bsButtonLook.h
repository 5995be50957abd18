// The looks of the skinned push button and speed button: the state in, the
// picture, caption colour, pressed and active flags, glyph image and where
// glyph and caption go out. Portable; the Win32 half draws the caption text
// into the picture(s) and copies the result.
#pragma once

#include "skin/controls/bsControlSection.h"
#include "skin/controls/bsGlyph.h"
#include "skin/draw/bsEffects.h"

namespace bs {

// What a button shows of its section (or Plain without one).
enum class ButtonPicture { Plain, Normal, Active, Down, Disabled, Fade, Transparent };

struct ButtonLookState {
  Size size;
  bool enabled = true;
  bool down = false;
  bool mouseIn = false;
  bool focused = false;         // push button only
  bool canFocused = true;       // push button only
  bool pressedByMouse = false;  // the left button is held on it
  int groupIndex = 0;
  double morphFactor = 0;
  bool transparent = false;  // speed button only
  bool flat = false;         // speed button only
  bool designing = false;
};

struct ButtonLook {
  ButtonPicture which = ButtonPicture::Plain;
  Rect sourceRect;      // in the section's picture; empty for Plain and Transparent
  Picture picture;      // the control's picture; empty when nothing is drawn under the glyph
  Pixel textColour = 0;
  bool pressed = false;  // glyph and caption move by (1, 1)
  bool active = false;
  // The flags the glyph image number is chosen from.
  bool imagePressed = false, imageActive = false;
  Rect content;          // where glyph and caption are placed
  // Fade: the mouse-over picture and its colour, blended by kind at factor
  // into picture once each carries its caption.
  Picture activePicture;
  Pixel activeTextColour = 0;
  MorphKind morphKind = MorphKind::mkdefault;
  double factor = 0;
  // Plain: the frame (none when hasFrame is false) and the fill.
  bool hasFrame = false, hasFill = false;
  Pixel frameColour = 0, fillColour = 0;
};

// Whether a section fades: a button section with morphing.
bool SectionFades(const ControlSection& s);

ButtonLook PushButtonLook(const ControlSection& s, const ButtonLookState& b,
                          const SystemColors& colours, Pixel defaultFontColour);
ButtonLook SpeedButtonLook(const ControlSection& s, const ButtonLookState& b,
                           const SystemColors& colours, Pixel defaultFontColour);

// The glyph and caption of a button laid out in look.content, with the
// caption measured as text; textRect is the caption's drawing rectangle
// (measured, widened by 2 to the right; the caption is centred in it).
struct ButtonContent {
  GlyphTextPlace place;
  Rect glyphSlice;  // in the glyph picture
  Rect textRect;
};
struct GlyphSpec {
  Size glyph;  // the whole glyph picture; 0 x 0 for none
  int numGlyphs = 1;
  int margin = -1;
  int spacing = 1;
  GlyphLayout layout = GlyphLayout::Left;
};
ButtonContent PlaceButtonContent(const ButtonLook& look, const GlyphSpec& g, Size text,
                                 bool enabled);

}  // namespace bs
