#include "skin/controls/bsAlign.h"

#include <algorithm>

namespace bs {

namespace {

Size Fit(const AlignChild& c, Size request) {
  request = Size{std::max(request.width, 0), std::max(request.height, 0)};
  return c.fit ? c.fit(request) : request;
}

// Sort key: smaller goes first.
int EdgeKey(const AlignChild& c) {
  switch (c.align) {
    case TAlign::alTop: return c.bounds.top;
    case TAlign::alBottom: return -c.bounds.bottom;
    case TAlign::alLeft: return c.bounds.left;
    case TAlign::alRight: return -c.bounds.right;
    default: return 0;
  }
}

void Place(AlignChild& c, Rect& r) {
  if (c.align == TAlign::alNone) return;
  // The child spans the free area along its edge and keeps its own depth
  // (the client one takes the whole area)...
  const bool topOrBottom = c.align == TAlign::alTop || c.align == TAlign::alBottom;
  const bool leftOrRight = c.align == TAlign::alLeft || c.align == TAlign::alRight;
  const Size s = Fit(c, Size{leftOrRight ? c.bounds.Width() : r.Width(),
                             topOrBottom ? c.bounds.Height() : r.Height()});
  // ...sits at that edge...
  const int left = c.align == TAlign::alRight ? r.right - s.width : r.left;
  const int top = c.align == TAlign::alBottom ? r.bottom - s.height : r.top;
  c.bounds = Rect{left, top, left + s.width, top + s.height};
  // ...and takes its depth off the free area.
  switch (c.align) {
    case TAlign::alTop: r.top += s.height; break;
    case TAlign::alBottom: r.bottom -= s.height; break;
    case TAlign::alLeft: r.left += s.width; break;
    case TAlign::alRight: r.right -= s.width; break;
    default: break;
  }
}

}  // namespace

void AlignChildren(const Rect& area, std::vector<AlignChild>& children) {
  Rect r = area;
  for (TAlign a : {TAlign::alTop, TAlign::alBottom, TAlign::alLeft, TAlign::alRight,
                   TAlign::alClient}) {
    std::vector<AlignChild*> these;
    for (AlignChild& c : children)
      if (c.align == a) these.push_back(&c);
    std::stable_sort(these.begin(), these.end(), [](const AlignChild* x, const AlignChild* y) {
      return EdgeKey(*x) < EdgeKey(*y);
    });
    for (AlignChild* c : these) Place(*c, r);
  }
}

}  // namespace bs
