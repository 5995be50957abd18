#include "skin/draw/bsPlainDraw.h"

#include <algorithm>

namespace bs {

void FillRect(Picture& p, const Rect& r, Pixel colour) {
  const int left = std::max(r.left, 0), right = std::min(r.right, p.width);
  const int top = std::max(r.top, 0), bottom = std::min(r.bottom, p.height);
  for (int y = top; y < bottom; ++y)
    for (int x = left; x < right; ++x) p.Set(x, y, colour);
}

void Line(Picture& p, Point from, Point to, Pixel colour) {
  const int dx = (to.x > from.x) - (to.x < from.x), dy = (to.y > from.y) - (to.y < from.y);
  for (Point at = from; at != to; at = Point{at.x + dx, at.y + dy})
    if (at.x >= 0 && at.y >= 0 && at.x < p.width && at.y < p.height) p.Set(at.x, at.y, colour);
}

void BevelRect(Picture& p, const Rect& r, Pixel topLeft, Pixel bottomRight) {
  if (r.IsEmpty()) return;
  FillRect(p, Rect{r.left, r.top, r.right, r.top + 1}, topLeft);
  FillRect(p, Rect{r.left, r.top, r.left + 1, r.bottom}, topLeft);
  FillRect(p, Rect{r.left, r.bottom - 1, r.right, r.bottom}, bottomRight);
  FillRect(p, Rect{r.right - 1, r.top, r.right, r.bottom}, bottomRight);
}

void FrameRect(Picture& p, const Rect& r, Pixel colour) { BevelRect(p, r, colour, colour); }

Rect Inset(const Rect& r, int n) { return Rect{r.left + n, r.top + n, r.right - n, r.bottom - n}; }

}  // namespace bs
