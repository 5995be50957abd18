// Placing a container's children by their align setting, each child's size
// rule applied to what its place asks. Portable.
#pragma once

#include <functional>
#include <vector>

#include "skin/draw/bsGeometry.h"

namespace bs {

enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

struct AlignChild {
  TAlign align = TAlign::alNone;
  Rect bounds;                     // in the container's coordinates; set by AlignChildren
  std::function<Size(Size)> fit;   // the size rule; empty keeps the request
};

// Places the aligned children in area, in the order top, bottom, left,
// right, client; children of one kind in the order of their edges (top
// ones from the top, bottom ones from the bottom, left ones from the left,
// right ones from the right, client ones as listed). Each takes the strip
// its align gives, keeps its own height (top, bottom) or width (left,
// right), is sized by its rule and set against its edge; what it takes
// leaves the area. Children with alNone keep their bounds.
void AlignChildren(const Rect& area, std::vector<AlignChild>& children);

}  // namespace bs
