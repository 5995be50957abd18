#include "skin/frame/bsFrameHitTest.h"

#include <algorithm>

#include "skin/frame/bsFrameShape.h"

namespace bs {

int FrameHitTest(const PlacedFrame& placed, int borderWidth, const FrameHitInput& in) {
  const int x = in.point.x, y = in.point.y;
  const int w = placed.width, h = placed.height;
  const bool inCaption = std::any_of(in.captionRects.begin(), in.captionRects.end(),
                                     [&](const Rect& r) { return Contains(r, x, y); });
  const bool inClient = Contains(placed.client, x, y);

  if (in.rolledUp || in.minimized) return inCaption ? ht::Caption : ht::Object;
  if (in.objectUnderMouse && !inCaption && !inClient && !in.sizeMoveUnderWay) return ht::Object;

  if (!in.maximized && in.sizeable) {
    const int b = borderWidth;
    const Point probes[4] = {{x - b, y}, {x, y - b}, {x + b, y}, {x, y + b}};
    const Rect window{0, 0, w, h};
    bool nearEdge = false;
    if (in.mask == nullptr) {
      for (const Point& p : probes) nearEdge = nearEdge || !Contains(window, p);
    } else if (!Contains(placed.maskArea, x, y)) {
      for (const Point& p : probes)
        nearEdge = nearEdge || !PointInShape(*in.mask, placed, p.x, p.y);
    }
    if (!nearEdge) {
      if (inClient) return ht::Client;
      return inCaption ? ht::Caption : ht::Object;
    }
    const Point lt = placed.hitLT, rt = placed.hitRT, lb = placed.hitLB, rb = placed.hitRB;
    const Rect& cl = placed.client;
    if (x <= lt.x && y <= lt.y) return ht::TopLeft;
    if (x >= rt.x && y <= rt.y) return ht::TopRight;
    if (x <= lb.x && y >= lb.y) return ht::BottomLeft;
    if (x >= rb.x && y >= rb.y) return ht::BottomRight;
    if (Contains(Rect{lt.x, 0, rt.x, cl.top}, x, y)) return ht::Top;
    if (Contains(Rect{lb.x, cl.bottom, rb.x, h}, x, y)) return ht::Bottom;
    if (Contains(Rect{0, lt.y, cl.left, lb.y}, x, y)) return ht::Left;
    if (Contains(Rect{cl.right, rt.y, w, rb.y}, x, y)) return ht::Right;
  }
  if (inClient) return ht::Client;
  return inCaption ? ht::Caption : ht::Object;
}

int PlainFrameHitTest(const PlainHitInput& in) {
  const int x = in.point.x, y = in.point.y;
  const int w = in.width, h = in.height;
  if (in.sizeable && !in.maximized && !in.rolledUp && !in.minimized) {
    if (in.objectUnderMouse) return ht::Object;
    if (x <= 2 && y <= 2) return ht::TopLeft;
    if (x >= w - 2 && y <= 2) return ht::TopRight;
    if (x <= 2 && y >= h - 2) return ht::BottomLeft;
    if (x >= w - 2 && y >= h - 2) return ht::BottomRight;
    if (x <= 2) return ht::Left;
    if (y <= 2) return ht::Top;
    if (x >= w - 2) return ht::Right;
    if (y >= h - 2) return ht::Bottom;
  }
  if (Contains(in.captionArea, x, y)) return ht::Caption;
  if (Contains(Rect{3, in.captionHeight + 3, w - 3, h - 3}, x, y)) return ht::Client;
  return ht::Object;
}

}  // namespace bs
