// Pixel copies between pictures: plain, stretched, tiled, cut out. Every copy
// is clipped to both pictures, so no input can reach outside either one.
// Portable.
#pragma once

#include "skin/draw/bsGraphics.h"

namespace bs {

// Copies src's rectangle from to dst with its top-left corner at (x, y).
void CopyPicture(Picture& dst, int x, int y, const Picture& src, const Rect& from);
// Stretches src's rectangle from over dst's rectangle to (nearest pixel).
void StretchPicture(Picture& dst, const Rect& to, const Picture& src, const Rect& from);
// Tiles src's rectangle tile over dst's rectangle area from its top-left
// corner, whole tiles, the last column and row cut at the area's edge.
// A tile of width or height 0 draws nothing.
void TilePicture(Picture& dst, const Rect& area, const Picture& src, const Rect& tile);
// The pixels of src inside from, as a picture of their own.
Picture CropPicture(const Picture& src, const Rect& from);

// The whole of a picture as a rectangle.
inline Rect PictureRect(const Picture& p) { return Rect{0, 0, p.width, p.height}; }
// A blank (black) picture, or an empty one for a size that is not positive.
Picture Blank(int width, int height);

}  // namespace bs
