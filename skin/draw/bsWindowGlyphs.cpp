#include "skin/draw/bsWindowGlyphs.h"

#include "skin/draw/bsPlainDraw.h"

namespace bs {

void DrawWindowGlyph(Picture& p, WindowGlyph g, const Rect& cell, Pixel c) {
  const int a = cell.left, b = cell.top;
  auto line = [&](int x1, int y1, int x2, int y2) { Line(p, Point{a + x1, b + y1}, Point{a + x2, b + y2}, c); };
  auto box = [&](int l, int t, int r, int bottom) { FrameRect(p, Rect{a + l, b + t, a + r, b + bottom}, c); };
  switch (g) {
    case WindowGlyph::Close:
      line(1, 1, 9, 9), line(9, 1, 1, 9), line(2, 1, 10, 9), line(8, 1, 0, 9);
      break;
    case WindowGlyph::Minimize:
      line(1, 8, 9, 8), line(1, 9, 9, 9);
      break;
    case WindowGlyph::Maximize:
      FrameRect(p, cell, c);
      FrameRect(p, Rect{cell.left, cell.top, cell.right, cell.top + 2}, c);
      break;
    case WindowGlyph::Restore:
      box(2, 0, 10, 6), box(2, 0, 10, 2), box(0, 4, 7, 10), box(0, 4, 7, 6);
      break;
    case WindowGlyph::RollUp:
      for (int i = 0; i < 5; ++i) line(1 + i, 6 - i, 9 - i, 6 - i);
      break;
    case WindowGlyph::RollDown:
      for (int i = 0; i < 5; ++i) line(5 - i, 6 - i, 5 + i, 6 - i);
      break;
    case WindowGlyph::ToTray:
      FillRect(p, Rect{a + 2, b + 2, a + 7, b + 7}, c);
      break;
    case WindowGlyph::SystemMenu:
      box(1, 3, 9, 6);
      break;
  }
}

}  // namespace bs
