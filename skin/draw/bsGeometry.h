// Points, rectangles and sizes in picture pixels, and the few rules every
// part of the skin engine applies to them. Portable.
#pragma once

#include <algorithm>

namespace bs {

// A point and a rectangle in picture pixels; right and bottom are exclusive,
// and a rectangle narrower or lower than one pixel is empty (absent).
struct Point {
  int x = 0;
  int y = 0;
};
inline bool operator==(const Point& a, const Point& b) { return a.x == b.x && a.y == b.y; }
inline bool operator!=(const Point& a, const Point& b) { return !(a == b); }

struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
  bool IsEmpty() const { return Width() < 1 || Height() < 1; }
};
inline bool operator==(const Rect& a, const Rect& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
inline bool operator!=(const Rect& a, const Rect& b) { return !(a == b); }

struct Size {
  int width = 0;
  int height = 0;
};
inline bool operator==(Size a, Size b) { return a.width == b.width && a.height == b.height; }
inline bool operator!=(Size a, Size b) { return !(a == b); }

// Whether (x, y) lies in r: left <= x < right and top <= y < bottom.
inline bool Contains(const Rect& r, int x, int y) {
  return r.left <= x && x < r.right && r.top <= y && y < r.bottom;
}
inline bool Contains(const Rect& r, Point p) { return Contains(r, p.x, p.y); }
inline Rect Moved(const Rect& r, int dx, int dy) {
  return Rect{r.left + dx, r.top + dy, r.right + dx, r.bottom + dy};
}

// The part two rectangles share (empty when they share none).
inline Rect Intersect(const Rect& a, const Rect& b) {
  return Rect{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
              std::min(a.bottom, b.bottom)};
}

}  // namespace bs
