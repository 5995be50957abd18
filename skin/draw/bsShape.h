// A shape as rectangles: the runs of black pixels of a mask picture, the
// region they make, a control's region from its section's mask. Portable.
#pragma once

#include <cstddef>
#include <vector>

#include "skin/draw/bsTiling.h"

namespace bs {

constexpr std::size_t kMaxRunsPerStrip = 10000;

// Rectangles one pixel high, one per maximal horizontal run of pure black
// pixels, placed at (x, y). A strip that holds more than maxRuns runs yields
// its first maxRuns (row by row, left to right) and sets truncated; the rest
// of that strip then lies outside the region.
struct RunList {
  std::vector<Rect> runs;
  bool truncated = false;
};
RunList BlackRuns(const Picture& strip, int x, int y, std::size_t maxRuns = kMaxRunsPerStrip);

// Whether a mask pixel is pure black: inside the shape.
inline bool IsBlack(Pixel p) { return (p & 0xFFFFFFu) == 0; }

// A shape as rectangles.
struct Region {
  std::vector<Rect> rects;
  bool truncated = false;  // some strip passed the run limit
};

// A windowed control's region from its section's mask picture: in Fixed
// mode the mask unchanged, otherwise the mask fitted to width x height by
// the section's stretch rule. A mask of the skin rectangle's size is the
// control's own; a larger one holds it at the skin rectangle, like the
// section's picture.
Region ControlRegion(const Picture& mask, const SectionGeometry& g, StretchMode mode, int width,
                     int height);

}  // namespace bs
