// The popup menu's built-in glyphs: a system-menu item's window glyph, the
// check mark and radio dot, the sub-menu arrow and the scroll markers.
// Portable.
#pragma once

#include "skin/draw/bsGraphics.h"
#include "skin/menus/bsMenuModel.h"

namespace bs {

// The glyph of an item in a 10 x 10 cell at (x, y); false when it has none.
bool DrawMenuItemGlyph(Picture& p, const MenuItem& item, int x, int y, Pixel colour);
// A small filled triangle pointing right, ending at x, centred on y.
void DrawSubMenuArrow(Picture& p, int x, int y, Pixel colour);
// A scroll marker's triangle, up or down, centred in r.
void DrawScrollMarker(Picture& p, const Rect& r, bool up, Pixel colour);

}  // namespace bs
