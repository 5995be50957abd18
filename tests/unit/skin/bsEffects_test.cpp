#include "skin/draw/bsEffects.h"

#include <gtest/gtest.h>

#include <vector>

namespace bs {
namespace {

Picture Gray(int w, int h, int level) { return Picture(w, h, Rgb(level, level, level)); }

// Columns coded for copies: pixel = base + x.
Picture Columns(int w, int h, Pixel base) {
  Picture p(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) p.Set(x, y, base + x);
  return p;
}

std::vector<int> RowLevels(const Picture& p, int y) {
  std::vector<int> v;
  for (int x = 0; x < p.width; ++x) v.push_back(RedOf(p.At(x, y)));
  return v;
}
std::vector<int> ColumnLevels(const Picture& p, int x) {
  std::vector<int> v;
  for (int y = 0; y < p.height; ++y) v.push_back(RedOf(p.At(x, y)));
  return v;
}

TEST(Effects, ChannelsRoundHalvesToEvenAndClamp) {
  EXPECT_EQ(RoundChannel(0.5), 0);
  EXPECT_EQ(RoundChannel(1.5), 2);
  EXPECT_EQ(RoundChannel(2.5), 2);
  EXPECT_EQ(RoundChannel(2.5000001), 3);
  EXPECT_EQ(RoundChannel(-4), 0);
  EXPECT_EQ(RoundChannel(254.6), 255);
  EXPECT_EQ(RoundChannel(1e9), 255);
}

TEST(Effects, BrightnessDarknessGrayscaleInvert) {
  Picture p(4, 1);
  p.Set(0, 0, Rgb(0, 1, 2));
  p.Set(1, 0, Rgb(255, 5, 15));
  p.Set(2, 0, Rgb(10, 20, 30));
  p.Set(3, 0, Rgb(3, 4, 100));
  const Picture original = p;
  RandomSource unused = [](int) { return 0; };

  ApplyInactiveEffect(p, InactiveEffect::iebrightness, unused);  // 0.5 c + 127.5
  EXPECT_EQ(p.At(0, 0), Rgb(128, 128, 128));
  EXPECT_EQ(p.At(1, 0), Rgb(255, 130, 135));

  p = original;
  ApplyInactiveEffect(p, InactiveEffect::iedarkness, unused);  // 0.7 c
  EXPECT_EQ(p.At(1, 0), Rgb(178, 4, 10));  // 178.5 -> 178, 3.5 -> 4, 10.5 -> 10
  EXPECT_EQ(p.At(2, 0), Rgb(7, 14, 21));

  p = original;
  ApplyInactiveEffect(p, InactiveEffect::iegrayscale, unused);
  EXPECT_EQ(p.At(2, 0), Rgb(18, 18, 18));    // 3 + 11.8 + 3.3
  EXPECT_EQ(p.At(3, 0), Rgb(14, 14, 14));    // 0.9 + 2.36 + 11

  p = original;
  ApplyInactiveEffect(p, InactiveEffect::ieinvert, unused);
  EXPECT_EQ(p.At(2, 0), Rgb(245, 235, 225));
  ApplyInactiveEffect(p, InactiveEffect::ieinvert, unused);
  EXPECT_EQ(p.pixels, original.pixels);
}

TEST(Effects, NoiseTakesOneValuePerPixelFromTheSource) {
  Picture p(3, 1, Rgb(100, 10, 250));
  std::vector<int> asked;
  const int values[3] = {0, 49, 25};
  RandomSource random = [&](int n) {
    asked.push_back(n);
    return values[asked.size() - 1];
  };
  ApplyInactiveEffect(p, InactiveEffect::ienoise, random);
  EXPECT_EQ(asked, (std::vector<int>{50, 50, 50}));
  EXPECT_EQ(p.At(0, 0), Rgb(75, 0, 225));
  EXPECT_EQ(p.At(1, 0), Rgb(124, 34, 255));
  EXPECT_EQ(p.At(2, 0), Rgb(100, 10, 250));
  // The system source stays in range.
  RandomSource system = SystemRandom();
  for (int i = 0; i < 1000; ++i) {
    const int v = system(50);
    ASSERT_GE(v, 0);
    ASSERT_LT(v, 50);
  }
}

TEST(Effects, SplitBlurAveragesDiagonalsClampedAtTheBorder) {
  Picture p(3, 3);
  const int level[3][3] = {{0, 10, 20}, {30, 40, 50}, {60, 70, 81}};
  for (int y = 0; y < 3; ++y)
    for (int x = 0; x < 3; ++x) p.Set(x, y, Rgb(level[y][x], 0, 255));
  ApplyInactiveEffect(p, InactiveEffect::iesplitblur, [](int) { return 0; });
  EXPECT_EQ(RedOf(p.At(1, 1)), 40);   // (0 + 20 + 60 + 81) / 4 = 40.25
  EXPECT_EQ(RedOf(p.At(0, 0)), 20);   // (0 + 10 + 30 + 40) / 4, the outside clamped in
  EXPECT_EQ(RedOf(p.At(2, 2)), 60);   // (40 + 50 + 70 + 81) / 4 = 60.25
  EXPECT_EQ(RedOf(p.At(1, 0)), 25);   // (0 + 20 + 30 + 50) / 4
  EXPECT_EQ(BlueOf(p.At(2, 0)), 255);
  Picture one(1, 1, Rgb(7, 8, 9));
  SplitBlur(one, 1);
  EXPECT_EQ(one.At(0, 0), Rgb(7, 8, 9));
  Picture empty;
  SplitBlur(empty, 1);
}

TEST(Morph, DefaultMixesAndSizesMustMatch) {
  const Picture n = Gray(3, 2, 0), a = Gray(3, 2, 3);
  EXPECT_EQ(MorphBlend(n, a, MorphKind::mkdefault, 0.5).At(0, 0), Rgb(2, 2, 2));  // 1.5 -> 2
  EXPECT_EQ(MorphBlend(Gray(1, 1, 0), Gray(1, 1, 5), MorphKind::mkdefault, 0.5).At(0, 0),
            Rgb(2, 2, 2));  // 2.5 -> 2
  EXPECT_EQ(MorphBlend(n, a, MorphKind::mkdefault, 2.0).pixels, a.pixels);
  EXPECT_EQ(MorphBlend(n, a, MorphKind::mkdefault, -1.0).pixels, n.pixels);
  const Picture other = Gray(4, 2, 9);
  for (int kind = 0; kind <= 6; ++kind)
    EXPECT_EQ(MorphBlend(n, other, static_cast<MorphKind>(kind), 0.5).pixels, n.pixels);
  EXPECT_TRUE(MorphBlend(Picture(), Picture(), MorphKind::mkpush, 0.5).Empty());
}

TEST(Morph, GradientHorizontalGrowsABandFromTheCentre) {
  const Picture n = Gray(8, 2, 0), a = Gray(8, 2, 200);
  // b = 4, side 2, step 0.5, band columns 2..6.
  const Picture r = MorphBlend(n, a, MorphKind::mkgradient, 0.5);
  EXPECT_EQ(RowLevels(r, 0), (std::vector<int>{0, 100, 200, 200, 200, 200, 200, 100}));
  EXPECT_EQ(RowLevels(r, 1), RowLevels(r, 0));
  // Side of 0 gives step 1: the first column outside the band is normal.
  const Picture r2 = MorphBlend(Gray(6, 1, 0), Gray(6, 1, 200), MorphKind::mkgradient, 0.9);
  EXPECT_EQ(RowLevels(r2, 0), (std::vector<int>{0, 200, 200, 200, 200, 200}));
}

TEST(Morph, GradientVerticalWhenNarrowerThanHigh) {
  // b = nearest(4.5) = 4, side (9 - 1 - 4) div 2 = 2, band rows 2..6.
  const Picture r = MorphBlend(Gray(2, 9, 0), Gray(2, 9, 200), MorphKind::mkgradient, 0.5);
  EXPECT_EQ(ColumnLevels(r, 1), (std::vector<int>{0, 100, 200, 200, 200, 200, 200, 100, 0}));
  // Side of 0 gives step 0: the rows outside the band show the active picture.
  const Picture r2 = MorphBlend(Gray(1, 4, 0), Gray(1, 4, 200), MorphKind::mkgradient, 0.75);
  EXPECT_EQ(ColumnLevels(r2, 0), (std::vector<int>{200, 200, 200, 200}));
}

TEST(Morph, LeftAndRightGradients) {
  const Picture n = Gray(5, 1, 0), a = Gray(5, 1, 200);
  EXPECT_EQ(RowLevels(MorphBlend(n, a, MorphKind::mkleftgradient, 0.4), 0),
            (std::vector<int>{200, 100, 0, 0, 0}));
  EXPECT_EQ(RowLevels(MorphBlend(n, a, MorphKind::mkrightgradient, 0.4), 0),
            (std::vector<int>{0, 0, 0, 100, 200}));
  // a limited to 1 at k = 0 and to W - 1 at k = 1.
  EXPECT_EQ(RowLevels(MorphBlend(n, a, MorphKind::mkleftgradient, 0.0), 0),
            (std::vector<int>{200, 0, 0, 0, 0}));
  EXPECT_EQ(RowLevels(MorphBlend(n, a, MorphKind::mkleftgradient, 1.0), 0),
            (std::vector<int>{200, 150, 100, 50, 0}));
  // The right gradient's step is 1 / (W - a): at k = 1 it stops short of N.
  EXPECT_EQ(RowLevels(MorphBlend(n, a, MorphKind::mkrightgradient, 1.0), 0),
            (std::vector<int>{40, 80, 120, 160, 200}));
}

TEST(Morph, SlidesAndPush) {
  const Picture n = Columns(5, 2, 100), a = Columns(5, 2, 200);
  auto row = [](const Picture& p) {
    std::vector<Pixel> v(p.pixels.begin(), p.pixels.begin() + p.width);
    return v;
  };
  // b = 2
  EXPECT_EQ(row(MorphBlend(n, a, MorphKind::mkleftslide, 0.4)),
            (std::vector<Pixel>{203, 204, 102, 103, 104}));
  EXPECT_EQ(row(MorphBlend(n, a, MorphKind::mkrightslide, 0.4)),
            (std::vector<Pixel>{100, 101, 102, 200, 201}));
  // nearest(2.5) is 2, not 3.
  EXPECT_EQ(row(MorphBlend(n, a, MorphKind::mkleftslide, 0.5)),
            row(MorphBlend(n, a, MorphKind::mkleftslide, 0.4)));
  // a = 2: N moves right behind A's last columns.
  EXPECT_EQ(row(MorphBlend(n, a, MorphKind::mkpush, 0.4)),
            (std::vector<Pixel>{202, 203, 204, 100, 101}));
  EXPECT_EQ(row(MorphBlend(n, a, MorphKind::mkpush, 0.0)),
            (std::vector<Pixel>{204, 100, 101, 102, 103}));
  EXPECT_EQ(row(MorphBlend(n, a, MorphKind::mkpush, 1.0)),
            (std::vector<Pixel>{200, 201, 202, 203, 204}));
  const Picture r = MorphBlend(n, a, MorphKind::mkpush, 0.4);
  EXPECT_EQ(r.At(0, 1), a.At(2, 1));
  // A one-pixel-wide picture stays in range.
  EXPECT_EQ(MorphBlend(Columns(1, 1, 5), Columns(1, 1, 9), MorphKind::mkleftslide, 0.5).At(0, 0),
            9u);
}

}  // namespace
}  // namespace bs
