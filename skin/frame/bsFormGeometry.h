// The form geometry of a loaded skin as the frame arithmetic takes it.
#pragma once

#include "skin/data/bsSkinData.h"
#include "skin/frame/bsFramePlace.h"

namespace bs {

// The [FORMINFO] points and rectangles with the main picture's size.
FrameSkin FrameSkinOf(const TbsSkinData& skin);

}  // namespace bs
