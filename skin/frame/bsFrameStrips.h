// The frame's four strips around the client area cut from the skin's
// picture or mask and fitted to the window, where they go, and the whole
// window as the frame paints it. Portable.
#pragma once

#include "skin/draw/bsGraphics.h"
#include "skin/frame/bsFramePlace.h"

namespace bs {

// The four strips around the client area; a strip that could not be built
// (width, height or middle segment not above 0) is an empty picture.
struct FrameStrips {
  Picture top, bottom, left, right;
};
// Frame strips from source (main or inactive picture) for a W x H window,
// split at the skin's clientrect, middles stretched or tiled by the flags.
FrameStrips BuildFrameStrips(const Picture& source, const FrameSkin& skin, int width, int height);
// Mask strips: split at the mask area, middles always tiled.
FrameStrips BuildMaskStrips(const Picture& mask, const FrameSkin& skin, int width, int height);

// Where each strip goes on the window.
struct StripPlaces {
  Point top, bottom, left, right;
};
StripPlaces FrameStripPlaces(const FrameSkin& skin, int width, int height);
StripPlaces MaskStripPlaces(const PlacedFrame& placed);

// The whole window as the skinned frame paints it, for previews and tests:
// the client area tiled with the source's clientrect (filled with
// clientFill when that is empty), the frame strips over the rest, and, when
// a mask is given, every pixel outside the shape set to outside.
Picture RenderFrame(const Picture& source, const Picture* mask, const FrameSkin& skin, int width,
                    int height, Pixel clientFill, Pixel outside);

}  // namespace bs
