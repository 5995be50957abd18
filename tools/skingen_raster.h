// A small raster kit for drawing the program's skin: colour mixing, filled
// and anti-aliased shapes (4 x 4 supersampled coverage, so a shape edge takes
// at most 17 tones), and reduction to an 8-bit colour table.
#pragma once

#include <functional>
#include <vector>

#include "skin/draw/bsGraphics.h"

namespace skingen {

struct Rgb {
  double r = 0, g = 0, b = 0;
};
constexpr Rgb C(int r, int g, int b) { return Rgb{double(r), double(g), double(b)}; }
Rgb Mix(Rgb a, Rgb b, double t);  // t = 0 gives a, 1 gives b
bs::Pixel ToPixel(Rgb c);
Rgb FromPixel(bs::Pixel p);

// A point test in continuous picture coordinates (pixel (x, y) covers
// [x, x+1) x [y, y+1)).
using Shape = std::function<bool(double x, double y)>;
using Paint = std::function<Rgb(int x, int y)>;

Shape RoundRect(double l, double t, double r, double b, double radius);
// The ring between a rounded rectangle and the same inset by width.
Shape RoundRing(double l, double t, double r, double b, double radius, double width);
Shape Segment(double x0, double y0, double x1, double y1, double halfWidth);
Shape Disc(double cx, double cy, double radius);
Shape Union(std::vector<Shape> parts);
Shape Minus(Shape a, Shape b);

class Canvas {
 public:
  Canvas(int width, int height, Rgb fill);
  int Width() const { return width_; }
  int Height() const { return height_; }
  Rgb Get(int x, int y) const;
  void Put(int x, int y, Rgb c);
  void Blend(int x, int y, Rgb c, double alpha);
  void FillRect(int l, int t, int r, int b, Rgb c);
  void VGradient(int l, int t, int r, int b, Rgb top, Rgb bottom);
  void HGradient(int l, int t, int r, int b, Rgb left, Rgb right);
  // Paints shape (limited to the box l,t,r,b) with paint at alpha, weighted
  // by each pixel's coverage.
  void Draw(const Shape& shape, int l, int t, int r, int b, const Paint& paint,
            double alpha = 1.0);
  void Draw(const Shape& shape, int l, int t, int r, int b, Rgb c, double alpha = 1.0);
  // Copies a block of another canvas.
  void Copy(int x, int y, const Canvas& src, int sl, int st, int sr, int sb);

  bs::Picture ToPicture() const;  // 24-bit

 private:
  int width_, height_;
  std::vector<Rgb> px_;
};

// Vertical gradient paint over rows t..b-1.
Paint VGrad(int t, int b, Rgb top, Rgb bottom);
Paint Solid(Rgb c);

// Makes the pictures 8-bit. Pictures of 256 colours or fewer each keep their
// exact colours; otherwise they are reduced to 256 colours together (one
// colour table for all of them), so that a colour repeated across them stays
// the same colour in every one.
void ReduceTo8Bit(std::vector<bs::Picture*> pictures);

}  // namespace skingen
