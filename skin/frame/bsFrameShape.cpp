#include "skin/frame/bsFrameShape.h"

namespace bs {

Region WindowRegion(const FrameStrips& maskStrips, const PlacedFrame& placed) {
  Region region;
  if (!placed.maskArea.IsEmpty()) region.rects.push_back(placed.maskArea);
  const StripPlaces at = MaskStripPlaces(placed);
  auto add = [&](const Picture& strip, Point p) {
    RunList runs = BlackRuns(strip, p.x, p.y);
    region.truncated = region.truncated || runs.truncated;
    region.rects.insert(region.rects.end(), runs.runs.begin(), runs.runs.end());
  };
  add(maskStrips.top, at.top);
  add(maskStrips.bottom, at.bottom);
  add(maskStrips.left, at.left);
  add(maskStrips.right, at.right);
  return region;
}

bool PointInShape(const FrameStrips& maskStrips, const PlacedFrame& placed, int x, int y) {
  const Rect& m = placed.maskArea;
  if (Contains(m, x, y)) return true;
  auto black = [](const Picture& p, int px, int py) {
    return px >= 0 && py >= 0 && px < p.width && py < p.height && IsBlack(p.At(px, py));
  };
  if (y < m.top) return black(maskStrips.top, x, y);
  if (y < m.bottom) {
    if (x >= m.left) return black(maskStrips.right, x - m.right, y - m.top);
    return black(maskStrips.left, x, y - m.top);
  }
  return black(maskStrips.bottom, x, y - m.bottom);
}

}  // namespace bs
