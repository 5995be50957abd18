// Plain geometry and value types shared by the skin engine's portable code.
// Rectangles are left, top, right, bottom with right and bottom exclusive; a
// rectangle whose width or height is below 1 is empty, which means "absent".
#pragma once

namespace bs {

struct Point {
  int x = 0;
  int y = 0;
};
constexpr bool operator==(Point a, Point b) { return a.x == b.x && a.y == b.y; }
constexpr bool operator!=(Point a, Point b) { return !(a == b); }

struct Size {
  int width = 0;
  int height = 0;
};
constexpr bool operator==(Size a, Size b) { return a.width == b.width && a.height == b.height; }
constexpr bool operator!=(Size a, Size b) { return !(a == b); }

struct Rect {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;

  constexpr int Width() const { return right - left; }
  constexpr int Height() const { return bottom - top; }
  constexpr bool Empty() const { return Width() < 1 || Height() < 1; }
  constexpr bool Contains(int x, int y) const {
    return left <= x && x < right && top <= y && y < bottom;
  }
  constexpr bool Contains(Point p) const { return Contains(p.x, p.y); }
  constexpr Rect Moved(int dx, int dy) const {
    return Rect{left + dx, top + dy, right + dx, bottom + dy};
  }
};
constexpr bool operator==(const Rect& a, const Rect& b) {
  return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}
constexpr bool operator!=(const Rect& a, const Rect& b) { return !(a == b); }

// How a fade between a normal and an active picture runs (skin values 0 to 6).
enum class MorphKind {
  mkdefault = 0,
  mkgradient = 1,
  mkleftgradient = 2,
  mkrightgradient = 3,
  mkleftslide = 4,
  mkrightslide = 5,
  mkpush = 6,
};

// The effect that renders an inactive frame from the active one (skin values 0 to 5).
enum class InactiveEffect {
  iebrightness = 0,
  iedarkness = 1,
  iegrayscale = 2,
  ienoise = 3,
  iesplitblur = 4,
  ieinvert = 5,
};

}  // namespace bs
