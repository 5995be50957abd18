#include "skin/controls/bsGlyph.h"

#include <algorithm>

#include "skin/draw/bsPictureCopy.h"

namespace bs {

namespace {

// Glyph and text of lengths gl and tl placed along one axis of the bounds
// [lo, hi) with centre c: centred together when margin is -1, else margin
// from the edge the glyph keeps to, glyphFirst putting it before the text.
void AlongAxis(int lo, int hi, int c, int gl, int tl, int spacing, int margin, bool glyphFirst,
               int& g, int& t) {
  if (margin == -1) {
    const int half = (gl + tl + spacing) / 2;
    if (glyphFirst) {
      g = c - half;
      t = c + half - tl;
    } else {
      t = c - half;
      g = c + half - gl;
    }
  } else if (glyphFirst) {
    g = lo + margin;
    t = g + gl + spacing;
  } else {
    g = hi - gl - margin;
    t = g - spacing - tl;
  }
}

}  // namespace

GlyphTextPlace PlaceGlyphAndText(const GlyphTextInput& in) {
  const int n = std::max(in.numGlyphs, 1);
  const bool hasGlyph = in.glyph.width > 0 && in.glyph.height > 0;
  const int gw = hasGlyph ? in.glyph.width / n : 0;
  const int gh = hasGlyph ? in.glyph.height : 0;
  const int tw = in.text.width, th = in.text.height;
  const Rect& r = in.bounds;
  const int cx = r.left + r.Width() / 2, cy = r.top + r.Height() / 2;
  GlyphTextPlace out;
  out.slice = Size{gw, gh};
  Point& g = out.glyph;
  Point& t = out.text;
  if (in.layout == GlyphLayout::Left || in.layout == GlyphLayout::Right) {
    AlongAxis(r.left, r.right, cx, gw, tw, in.spacing, in.margin, in.layout == GlyphLayout::Left,
              g.x, t.x);
    g.y = cy - gh / 2;
    t.y = cy - th / 2;
  } else {
    AlongAxis(r.top, r.bottom, cy, gh, th, in.spacing, in.margin, in.layout == GlyphLayout::Top,
              g.y, t.y);
    g.x = cx - gw / 2;
    t.x = cx - tw / 2;
  }
  if (in.pressed) {
    g = Point{g.x + 1, g.y + 1};
    t = Point{t.x + 1, t.y + 1};
  }
  return out;
}

int GlyphImageNumber(bool pressedLook, bool activeLook, bool enabled, int numGlyphs) {
  if (pressedLook && activeLook && numGlyphs > 2) return 3;
  if (activeLook && numGlyphs > 3) return 4;
  return enabled || numGlyphs < 2 ? 1 : 2;
}

Rect GlyphSlice(Size glyph, int numGlyphs, int k) {
  const int n = std::max(numGlyphs, 1);
  k = std::min(std::max(k, 1), n);
  const int w = glyph.width / n;
  return Rect{(k - 1) * w, 0, k * w, glyph.height};
}

void DrawGlyph(Picture& dst, int x, int y, const Picture& glyph, const Rect& slice) {
  const Rect s = Intersect(slice, PictureRect(glyph));
  if (s.IsEmpty()) return;
  const Pixel key = glyph.At(s.left, s.bottom - 1);
  for (int row = s.top; row < s.bottom; ++row) {
    const int ty = y + row - s.top;
    if (ty < 0 || ty >= dst.height) continue;
    for (int col = s.left; col < s.right; ++col) {
      const int tx = x + col - s.left;
      const Pixel p = glyph.At(col, row);
      if (tx >= 0 && tx < dst.width && p != key) dst.Set(tx, ty, p);
    }
  }
}

}  // namespace bs
