// The skin's form geometry placed on a window of a given size, and a frame
// object's place on it. Portable.
#pragma once

#include "skin/draw/bsGeometry.h"

namespace bs {

// The form geometry of a skin, in its main picture.
struct FrameSkin {
  int pictureWidth = 0;   // PW
  int pictureHeight = 0;  // PH
  Point lt, rt, lb, rb;
  Rect client;
  Rect caption;
  Rect buttons;
  Point hitLT, hitRT, hitLB, hitRB;
  Rect maskArea;
  bool leftStretch = false, rightStretch = false, topStretch = false, bottomStretch = false;
  int borderWidth = 0;
};

// The geometry placed on a window of a given size.
struct PlacedFrame {
  int width = 0, height = 0;
  int dx = 0, dy = 0;
  Point lt, rt, lb, rb;
  Rect client;
  Rect caption;
  Rect buttons;
  Point hitLT, hitRT, hitLB, hitRB;
  Rect maskArea;
};

PlacedFrame PlaceFrame(const FrameSkin& skin, int width, int height);

// A frame object's place on the window from its skinrect in the main
// picture, by the corner regions the rectangle's corners lie in.
Rect PlaceObjectRect(const Rect& skinRect, const FrameSkin& skin, int width, int height);

}  // namespace bs
