// The built-in glyphs of the window's actions (close, minimise, maximise,
// restore, roll up and down, to the tray, the system menu), one pixel wide in
// one colour, as the plain frame's buttons and the system menu's items show
// them. Portable.
#pragma once

#include "skin/draw/bsGraphics.h"

namespace bs {

enum class WindowGlyph { Close, Minimize, Maximize, Restore, RollUp, RollDown, ToTray, SystemMenu };

// Draws g with its top-left corner at cell's: Maximize outlines the cell,
// the others keep to 10 x 10 pixels from the corner.
void DrawWindowGlyph(Picture& p, WindowGlyph g, const Rect& cell, Pixel colour);

}  // namespace bs
