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
  const Rect old = c.bounds;
  switch (c.align) {
    case TAlign::alTop: {
      const Size s = Fit(c, Size{r.Width(), old.Height()});
      c.bounds = Rect{r.left, r.top, r.left + s.width, r.top + s.height};
      r.top += s.height;
      break;
    }
    case TAlign::alBottom: {
      const Size s = Fit(c, Size{r.Width(), old.Height()});
      c.bounds = Rect{r.left, r.bottom - s.height, r.left + s.width, r.bottom};
      r.bottom -= s.height;
      break;
    }
    case TAlign::alLeft: {
      const Size s = Fit(c, Size{old.Width(), r.Height()});
      c.bounds = Rect{r.left, r.top, r.left + s.width, r.top + s.height};
      r.left += s.width;
      break;
    }
    case TAlign::alRight: {
      const Size s = Fit(c, Size{old.Width(), r.Height()});
      c.bounds = Rect{r.right - s.width, r.top, r.right, r.top + s.height};
      r.right -= s.width;
      break;
    }
    case TAlign::alClient: {
      const Size s = Fit(c, Size{r.Width(), r.Height()});
      c.bounds = Rect{r.left, r.top, r.left + s.width, r.top + s.height};
      break;
    }
    case TAlign::alNone: break;
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
