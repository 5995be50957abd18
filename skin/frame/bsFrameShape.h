// The skinned window's shape: its region from the mask strips and the
// point-in-shape rule. Portable.
#pragma once

#include "skin/draw/bsShape.h"
#include "skin/frame/bsFrameStrips.h"

namespace bs {

// The window region as a list of rectangles: the placed mask area, then the
// runs of the top, bottom, left and right mask strips.
Region WindowRegion(const FrameStrips& maskStrips, const PlacedFrame& placed);

// Whether window point (x, y) lies in the shape made by the mask strips.
bool PointInShape(const FrameStrips& maskStrips, const PlacedFrame& placed, int x, int y);

}  // namespace bs
