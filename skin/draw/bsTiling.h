// A section's picture fitted to a control's size: the stretch modes, the
// geometry moved for the size, the edges and middles tiled. Portable.
#pragma once

#include "skin/draw/bsGraphics.h"

namespace bs {

enum class StretchMode { None, Both, Horizontal, Vertical, Fixed };

// A section's geometry; points and the client rectangle are relative to the
// top-left corner of skinRect, which lies in the section's picture.
struct SectionGeometry {
  Rect skinRect;
  Point lt, rt, lb, rb;
  Rect client;
};

// The geometry moved for a control of a given size.
struct StretchedGeometry {
  Point lt, rt, lb, rb;
  Rect client;
};

StretchMode DecideStretchMode(const SectionGeometry& g);
StretchedGeometry Stretch(const SectionGeometry& g, StretchMode mode, int width, int height);
// The size a control takes when asked for request while the section is in force.
Size FitSize(StretchMode mode, const SectionGeometry& g, Size request);

// width x skin height: left columns [0, leftEnd) and right columns
// [skin width - rightEnd, skin width) unchanged at the edges, the middle
// tiled from x = leftEnd and cut at width - rightEnd. The ends are drawn
// first, left then right, so the right end wins when they overlap.
Picture TileHorizontal(const Picture& src, const Rect& skinRect, int leftEnd, int rightEnd,
                       int width);
// The same along the other axis: skin width x height.
Picture TileVertical(const Picture& src, const Rect& skinRect, int topEnd, int bottomEnd,
                     int height);
// width x height: corners fixed, edges and centre tiled. Stays blank (black)
// when RB.x equals LT.x, RB.y equals LT.y or the size is empty.
Picture TileNineParts(const Picture& src, const SectionGeometry& g, int width, int height);

// The control's picture for its mode: Fixed the skin rectangle, Horizontal
// width x skin height, Vertical skin width x height, Both width x height,
// None a blank width x height picture.
Picture BuildControlPicture(const Picture& src, const SectionGeometry& g, StretchMode mode,
                            int width, int height);
// The same from another of the section's rectangles (mouse-over, pressed,
// disabled picture): the geometry of g with its skin rectangle replaced.
Picture BuildControlPicture(const Picture& src, const SectionGeometry& g, const Rect& skinRect,
                            StretchMode mode, int width, int height);

}  // namespace bs
