// Solid fills and outlines on pictures, for the plain looks of the skinned
// controls. Every call is clipped to the picture. Portable.
#pragma once

#include "skin/bsGraphics.h"

namespace bs {

void FillRect(Picture& p, const Rect& r, Pixel colour);
// A one-pixel outline just inside r.
void FrameRect(Picture& p, const Rect& r, Pixel colour);
// A one-pixel outline just inside r: top and left in topLeft, bottom and
// right in bottomRight.
void BevelRect(Picture& p, const Rect& r, Pixel topLeft, Pixel bottomRight);
// r shrunk by n on every side.
Rect Inset(const Rect& r, int n);

}  // namespace bs
