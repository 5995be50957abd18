// A button's glyph and caption: where they go, which glyph image shows, and
// the glyph drawn without its background colour. Portable.
#pragma once

#include "skin/draw/bsGraphics.h"

namespace bs {

enum class GlyphLayout { Left = 0, Right = 1, Top = 2, Bottom = 3 };

struct GlyphTextInput {
  Rect bounds;
  int margin = -1;  // -1 centres
  bool pressed = false;
  Size glyph;       // the whole glyph picture, all slices; 0 x 0 for none
  int numGlyphs = 1;
  Size text;        // the caption as measured
  GlyphLayout layout = GlyphLayout::Left;
  int spacing = 0;
};
struct GlyphTextPlace {
  Point glyph;
  Point text;
  Size slice;  // one glyph image
};
GlyphTextPlace PlaceGlyphAndText(const GlyphTextInput& in);
// The 1-based glyph image for a button's look.
int GlyphImageNumber(bool pressedLook, bool activeLook, bool enabled, int numGlyphs);
// Glyph image number k (1-based) of numGlyphs equal slices, left to right.
Rect GlyphSlice(Size glyph, int numGlyphs, int k);
// Draws the slice of glyph at (x, y) leaving out the pixels of the colour of
// the slice's bottom-left pixel.
void DrawGlyph(Picture& dst, int x, int y, const Picture& glyph, const Rect& slice);

}  // namespace bs
