// The frame as painted: the strips with the objects drawn into them.
#pragma once

#include "skin/frame/bsFrameObjects.h"
#include "skin/frame/bsFrameStrips.h"

namespace bs {

// Draws every visible object into the strips with the draw-normal-state
// flag off: into the top strip, or, when it reaches below the client
// area's top, into the bottom strip moved up by the client area's bottom.
// The icon of an Icon image is the window layer's.
FrameStrips ComposeFrameStrips(const FrameStrips& strips, const TbsFrameObjects& objects,
                               const Rect& placedClient);

// The pixels under one object's rectangle as the composed frame shows them
// (what a single object's redraw starts from), then its image over them.
Picture ObjectPicture(const FrameStrips& composed, const Rect& placedClient,
                      const TbsActiveSkinObject& object, bool drawNormalState);

}  // namespace bs
