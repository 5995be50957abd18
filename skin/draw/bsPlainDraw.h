// Solid fills and outlines on pictures in the system's colours, for the plain
// looks of the skinned frame, controls and menus. Every call is clipped to
// the picture. Portable.
#pragma once

#include "skin/draw/bsGraphics.h"

namespace bs {

// The system colours the plain looks use; the Win32 half fills them from the
// system, the defaults are the classic scheme.
struct SystemColors {
  Pixel btnFace = Rgb(212, 208, 200);
  Pixel btnShadow = Rgb(128, 128, 128);
  Pixel btnHighlight = Rgb(255, 255, 255);
  Pixel light3d = Rgb(212, 208, 200);
  Pixel darkShadow3d = Rgb(64, 64, 64);
  Pixel btnText = Rgb(0, 0, 0);
  Pixel window = Rgb(255, 255, 255);
  Pixel windowText = Rgb(0, 0, 0);
  Pixel grayText = Rgb(128, 128, 128);
};

// The plain looks' colours of a part under the mouse: its frame, and its
// fill while pressed and while not.
constexpr Pixel kPlainHotFrame = Rgb(0, 0, 128);
constexpr Pixel kPlainDownFill = Rgb(133, 147, 181);
constexpr Pixel kPlainHotFill = Rgb(182, 189, 210);

void FillRect(Picture& p, const Rect& r, Pixel colour);
// A line from one point up to, not including, the other: level, upright or
// at 45 degrees.
void Line(Picture& p, Point from, Point to, Pixel colour);
// A one-pixel outline just inside r.
void FrameRect(Picture& p, const Rect& r, Pixel colour);
// A one-pixel outline just inside r: top and left in topLeft, bottom and
// right in bottomRight.
void BevelRect(Picture& p, const Rect& r, Pixel topLeft, Pixel bottomRight);
// r shrunk by n on every side.
Rect Inset(const Rect& r, int n);

}  // namespace bs
