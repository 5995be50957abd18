#include "skin/draw/bsShape.h"

#include "skin/draw/bsPictureCopy.h"

namespace bs {

RunList BlackRuns(const Picture& strip, int x, int y, std::size_t maxRuns) {
  RunList list;
  for (int row = 0; row < strip.height; ++row) {
    const Pixel* line = &strip.pixels[static_cast<std::size_t>(row) * strip.width];
    int col = 0;
    while (col < strip.width) {
      if (!IsBlack(line[col])) { ++col; continue; }
      const int start = col;
      while (col < strip.width && IsBlack(line[col])) ++col;
      if (list.runs.size() >= maxRuns) {
        list.truncated = true;
        return list;
      }
      list.runs.push_back(Rect{x + start, y + row, x + col, y + row + 1});
    }
  }
  return list;
}

Region ControlRegion(const Picture& mask, const SectionGeometry& g, StretchMode mode, int width,
                     int height) {
  SectionGeometry own = g;
  if (mask.width == g.skinRect.Width() && mask.height == g.skinRect.Height())
    own.skinRect = PictureRect(mask);
  const Picture fitted = BuildControlPicture(mask, own, mode, width, height);
  const RunList runs = BlackRuns(fitted, 0, 0);
  return Region{runs.runs, runs.truncated};
}

}  // namespace bs
