// The skinned edit's pictures: its frame and its text area's background.
// Portable.
#pragma once

#include "skin/draw/bsTiling.h"

namespace bs {

// The skinned edit, from its skin rectangle or its active one (rect):
// the frame, width x skin height, tiled with ends LT.x and skin width - RT.x;
Picture EditFrame(const Picture& src, const SectionGeometry& g, const Rect& rect, int width);
// the text area's background, areaWidth x height of CL: the part of rect
// under CL, tiled with ends max(0, LT.x - CL.left) and max(0, CL.right - RT.x);
Picture EditTextArea(const Picture& src, const SectionGeometry& g, const Rect& rect,
                     int areaWidth);
// and the two together as the edit shows them: the text area at (CL.left, CL.top).
Picture BuildEditPicture(const Picture& src, const SectionGeometry& g, const Rect& rect,
                         int width);

}  // namespace bs
