#include "tools/skingen_glyphs.h"

#include <cmath>

#include "tools/skingen_raster.h"

namespace skingen {

namespace {

// Edges are smoothed against the tool button's face, then the untouched
// background becomes the key colour.
const Rgb kBack = C(238, 242, 247);
const Rgb kBlue = C(46, 110, 196);
const Rgb kBlueLight = C(112, 166, 232);
const Rgb kInk = C(44, 56, 76);
const Rgb kWhite = C(255, 255, 255);
const Rgb kRoof = C(196, 74, 52);
const Rgb kWall = C(246, 232, 196);
const Rgb kPaper = C(252, 246, 222);
const Rgb kGreen = C(62, 160, 92);
const Rgb kGreenLight = C(140, 210, 150);

constexpr int N = kGlyphSize;

Shape Polygon(std::vector<std::pair<double, double>> pts) {
  return [pts = std::move(pts)](double x, double y) {
    bool inside = false;
    for (std::size_t i = 0, j = pts.size() - 1; i < pts.size(); j = i++) {
      const auto [xi, yi] = pts[i];
      const auto [xj, yj] = pts[j];
      if ((yi > y) != (yj > y) && x < (xj - xi) * (y - yi) / (yj - yi) + xi) inside = !inside;
    }
    return inside;
  };
}

void All(Canvas& c, const Shape& s, Rgb colour) { c.Draw(s, 0, 0, N, N, colour); }
void All(Canvas& c, const Shape& s, const Paint& paint) { c.Draw(s, 0, 0, N, N, paint); }

// A round blue button with a white arrow; mirrored for forward.
void Arrow(Canvas& c, bool right) {
  All(c, Disc(10, 10, 8.5), kInk);
  All(c, Disc(10, 10, 7.5), VGrad(2, 18, kBlueLight, kBlue));
  auto X = [right](double x) { return right ? N - x : x; };
  All(c, Polygon({{X(4.5), 10}, {X(10), 4.5}, {X(10), 8}, {X(15.5), 8}, {X(15.5), 12},
                  {X(10), 12}, {X(10), 15.5}}),
      kWhite);
}

void About(Canvas& c) {
  All(c, Disc(10, 10, 8.5), kInk);
  All(c, Disc(10, 10, 7.5), VGrad(2, 18, kGreenLight, kGreen));
  All(c, Disc(10, 5.8, 1.5), kWhite);
  All(c, RoundRect(8.6, 8.5, 11.4, 15.5, 0.8), kWhite);
}

void Home(Canvas& c) {
  All(c, Polygon({{10, 2}, {18.5, 10}, {1.5, 10}}), kRoof);
  All(c, RoundRect(4, 9, 16, 18, 0.5), kInk);
  All(c, RoundRect(5, 10, 15, 17, 0), kWall);
  All(c, RoundRect(8.5, 12, 11.5, 17, 0), kBlue);
  All(c, RoundRect(13, 3, 15, 7, 0), kInk);
}

void Email(Canvas& c) {
  All(c, RoundRect(1.5, 4.5, 18.5, 16.5, 1), kInk);
  All(c, RoundRect(2.5, 5.5, 17.5, 15.5, 0.5), kPaper);
  All(c, Union({Segment(3, 6, 10, 11.5, 0.7), Segment(17, 6, 10, 11.5, 0.7)}), kInk);
  All(c, Union({Segment(3, 15, 8, 10.5, 0.5), Segment(17, 15, 12, 10.5, 0.5)}), C(150, 140, 110));
}

void Bbs(Canvas& c) {
  const Shape bubble = Union({RoundRect(1.5, 2.5, 18.5, 13.5, 3),
                              Polygon({{5, 12}, {10, 12}, {4.5, 18}})});
  All(c, bubble, kInk);
  All(c, Union({RoundRect(2.5, 3.5, 17.5, 12.5, 2.4), Polygon({{6, 12}, {9, 12}, {5.5, 16}})}),
      VGrad(3, 13, kWhite, C(214, 228, 248)));
  for (double x : {6.0, 10.0, 14.0}) All(c, Disc(x, 8, 1.2), kBlue);
}

void Export(Canvas& c) {
  // A page, and a green arrow leaving it up and to the right.
  All(c, RoundRect(2, 4, 14, 18.5, 0.5), kInk);
  All(c, RoundRect(3, 5, 13, 17.5, 0), kWhite);
  for (double y : {8.0, 11.0, 14.0}) All(c, RoundRect(4.5, y, 11, y + 1, 0), kBlueLight);
  All(c, Segment(8.5, 13, 15, 6.5, 1.3), kGreen);
  All(c, Polygon({{12, 2}, {18.5, 1.5}, {18, 8}}), kGreen);
}

bs::Picture Keyed(const Canvas& c) {
  bs::Picture p = c.ToPicture();
  for (int y = 0; y < N; ++y)
    for (int x = 0; x < N; ++x) {
      const Rgb v = c.Get(x, y);
      if (v.r == kBack.r && v.g == kBack.g && v.b == kBack.b) p.Set(x, y, kGlyphKey);
    }
  return p;
}

}  // namespace

std::array<bs::Picture, kGlyphCount> DrawGlyphs() {
  std::array<bs::Picture, kGlyphCount> out;
  void (*draw[kGlyphCount])(Canvas&) = {[](Canvas& c) { Arrow(c, false); },
                                        [](Canvas& c) { Arrow(c, true); },
                                        About, Home, Email, Bbs, Export};
  for (int i = 0; i < kGlyphCount; ++i) {
    Canvas c(N, N, kBack);
    draw[i](c);
    out[static_cast<std::size_t>(i)] = Keyed(c);
  }
  return out;
}

}  // namespace skingen
