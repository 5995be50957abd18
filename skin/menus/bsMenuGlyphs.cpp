#include "skin/menus/bsMenuGlyphs.h"

#include <optional>
#include <string>

#include "skin/draw/bsPlainDraw.h"
#include "skin/draw/bsWindowGlyphs.h"

namespace bs {

namespace {

// The window glyph a system-menu item is named for.
std::optional<WindowGlyph> WindowGlyphOf(const std::string& n) {
  if (n == "BSF_CLOSE" || n == "TRAY_BSF_CLOSE") return WindowGlyph::Close;
  if (n == "BSF_MINITEM") return WindowGlyph::Minimize;
  if (n == "BSF_MAXITEM") return WindowGlyph::Maximize;
  if (n == "BSF_RESTORE" || n == "TRAY_BSF_RESTORE") return WindowGlyph::Restore;
  if (n == "BSF_ROLLUP") return WindowGlyph::RollUp;
  if (n == "BSF_MINTOTRAY") return WindowGlyph::ToTray;
  return std::nullopt;
}

}  // namespace

bool DrawMenuItemGlyph(Picture& p, const MenuItem& item, int a, int b, Pixel c) {
  if (const std::optional<WindowGlyph> g = WindowGlyphOf(item.name)) {
    DrawWindowGlyph(p, *g, Rect{a, b, a + 10, b + 10}, c);
  } else if (item.checked && item.radioItem) {
    FillRect(p, Rect{a + 3, b + 4, a + 7, b + 6}, c);
    FillRect(p, Rect{a + 4, b + 3, a + 6, b + 7}, c);
  } else if (item.checked) {
    for (int d = 0; d < 2; ++d) {
      Line(p, Point{a + 1, b + 4 + d}, Point{a + 4, b + 7 + d}, c);
      Line(p, Point{a + 4, b + 7 + d}, Point{a + 9, b + 2 + d}, c);
    }
  } else {
    return false;
  }
  return true;
}

void DrawSubMenuArrow(Picture& p, int x, int y, Pixel c) {
  for (int i = 0; i < 4; ++i) Line(p, Point{x - 4 + i, y - 3 + i}, Point{x - 4 + i, y + 4 - i}, c);
}

void DrawScrollMarker(Picture& p, const Rect& r, bool up, Pixel c) {
  const int cx = (r.left + r.right) / 2, top = r.top + (r.Height() - 4) / 2;
  for (int i = 0; i < 4; ++i) {
    const int half = up ? i : 3 - i;
    Line(p, Point{cx - half, top + i}, Point{cx + half + 1, top + i}, c);
  }
}

}  // namespace bs
