#include "skin/draw/bsEffects.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <random>

namespace bs {

namespace {

// Every channel of p through f.
template <typename F>
Pixel MapChannels(Pixel p, F f) {
  return Rgb(f(RedOf(p)), f(GreenOf(p)), f(BlueOf(p)));
}

template <typename F>
void ForEachPixel(Picture& picture, F f) {
  for (Pixel& p : picture.pixels) p = f(p);
}

// Rounded to the nearest integer, halves to even (the default rounding mode).
int Nearest(double v) { return static_cast<int>(std::nearbyint(v)); }

// w n + (1 - w) a, channel by channel.
Pixel Mix(Pixel n, Pixel a, double w) {
  return Rgb(RoundChannel(w * RedOf(n) + (1 - w) * RedOf(a)),
             RoundChannel(w * GreenOf(n) + (1 - w) * GreenOf(a)),
             RoundChannel(w * BlueOf(n) + (1 - w) * BlueOf(a)));
}

// Copies column from of src to column to of dst.
void CopyColumn(Picture& dst, int to, const Picture& src, int from) {
  for (int y = 0; y < dst.height; ++y) dst.Set(to, y, src.At(from, y));
}

void MixColumn(Picture& dst, int x, const Picture& n, const Picture& a, double w) {
  for (int y = 0; y < dst.height; ++y) dst.Set(x, y, Mix(n.At(x, y), a.At(x, y), w));
}

void MixRow(Picture& dst, int y, const Picture& n, const Picture& a, double w) {
  for (int x = 0; x < dst.width; ++x) dst.Set(x, y, Mix(n.At(x, y), a.At(x, y), w));
}

int Limit(int v, int lo, int hi) { return std::max(lo, std::min(v, hi)); }

// A band of the active picture in the middle of the columns (or rows), with
// soft edges that reach the normal picture step by step.
void Gradient(Picture& out, const Picture& n, const Picture& a, double k) {
  const int w = out.width, h = out.height;
  const bool vertical = w < h;
  const int length = vertical ? h : w;
  const int band = Nearest(length * k);
  const int side = vertical ? (length - 1 - band) / 2 : (length - band) / 2;
  const double step = side == 0 ? (vertical ? 0.0 : 1.0) : 1.0 / side;
  const int lo = std::max(0, length / 2 - band / 2);
  const int hi = std::min(length - 1, length / 2 + band / 2);
  auto mix = [&](int i, double weight) {
    if (vertical)
      MixRow(out, i, n, a, weight);
    else
      MixColumn(out, i, n, a, weight);
  };
  for (int i = lo; i <= hi; ++i) mix(i, 0.0);
  double weight = 0;
  for (int i = lo - 1; i >= 0; --i) mix(i, weight = std::min(1.0, weight + step));
  weight = 0;
  for (int i = hi + 1; i < length; ++i) mix(i, weight = std::min(1.0, weight + step));
}

}  // namespace

RandomSource SystemRandom() {
  auto engine = std::make_shared<std::mt19937>(std::random_device{}());
  return [engine](int n) {
    return n <= 1 ? 0 : std::uniform_int_distribution<int>(0, n - 1)(*engine);
  };
}

int RoundChannel(double value) {
  if (!(value > 0)) return 0;  // also NaN
  if (value >= 255) return 255;
  return Nearest(value);
}

void Brighten(Picture& picture, double k) {
  ForEachPixel(picture, [k](Pixel p) {
    return MapChannels(p, [k](int c) { return RoundChannel((1 - k) * c + 255 * k); });
  });
}

void Darken(Picture& picture, double k) {
  ForEachPixel(picture, [k](Pixel p) {
    return MapChannels(p, [k](int c) { return RoundChannel((1 - k) * c); });
  });
}

void Grayscale(Picture& picture) {
  ForEachPixel(picture, [](Pixel p) {
    const int g = RoundChannel(0.3 * RedOf(p) + 0.59 * GreenOf(p) + 0.11 * BlueOf(p));
    return Rgb(g, g, g);
  });
}

void AddNoise(Picture& picture, int amount, const RandomSource& random) {
  if (amount <= 0) return;
  ForEachPixel(picture, [&](Pixel p) {
    const int d = random(amount) - amount / 2;
    return MapChannels(p, [d](int c) { return Limit(c + d, 0, 255); });
  });
}

void SplitBlur(Picture& picture, int distance) {
  if (picture.Empty()) return;
  const Picture src = picture;
  const int w = src.width, h = src.height;
  auto at = [&](int x, int y) { return src.At(Limit(x, 0, w - 1), Limit(y, 0, h - 1)); };
  for (int y = 0; y < h; ++y) {
    for (int x = 0; x < w; ++x) {
      const Pixel q[4] = {at(x - distance, y - distance), at(x + distance, y - distance),
                          at(x - distance, y + distance), at(x + distance, y + distance)};
      auto avg = [&](int (*channel)(Pixel)) {
        return RoundChannel((channel(q[0]) + channel(q[1]) + channel(q[2]) + channel(q[3])) / 4.0);
      };
      picture.Set(x, y, Rgb(avg(RedOf), avg(GreenOf), avg(BlueOf)));
    }
  }
}

void Invert(Picture& picture) {
  ForEachPixel(picture, [](Pixel p) { return (~p) & 0xFFFFFFu; });
}

void ApplyInactiveEffect(Picture& picture, InactiveEffect effect, const RandomSource& random) {
  switch (effect) {
    case InactiveEffect::iebrightness: Brighten(picture, 0.5); break;
    case InactiveEffect::iedarkness: Darken(picture, 0.3); break;
    case InactiveEffect::iegrayscale: Grayscale(picture); break;
    case InactiveEffect::ienoise: AddNoise(picture, 50, random); break;
    case InactiveEffect::iesplitblur: SplitBlur(picture, 1); break;
    case InactiveEffect::ieinvert: Invert(picture); break;
  }
}

Picture MorphBlend(const Picture& normal, const Picture& active, MorphKind kind, double k) {
  Picture out = normal;
  if (normal.width != active.width || normal.height != active.height || normal.Empty())
    return out;
  k = std::isnan(k) ? 0.0 : std::min(1.0, std::max(0.0, k));
  const Picture& n = normal;
  const Picture& a = active;
  const int w = n.width;
  switch (kind) {
    case MorphKind::mkdefault:
      for (std::size_t i = 0; i < out.pixels.size(); ++i)
        out.pixels[i] = Mix(n.pixels[i], a.pixels[i], 1 - k);
      break;
    case MorphKind::mkgradient:
      Gradient(out, n, a, k);
      break;
    case MorphKind::mkleftgradient: {
      const int edge = std::max(1, std::min(Nearest(w * k), w - 1));
      const double step = 1.0 / edge;
      double weight = 0;
      for (int x = 0; x <= std::min(edge, w - 1); ++x, weight = std::min(1.0, weight + step))
        MixColumn(out, x, n, a, weight);
      break;
    }
    case MorphKind::mkrightgradient: {
      const int edge = Limit(w - Nearest(w * k), 0, w - 1);
      const double step = 1.0 / (w - edge);
      double weight = 0;
      for (int x = w - 1; x >= edge; --x, weight = std::min(1.0, weight + step))
        MixColumn(out, x, n, a, weight);
      break;
    }
    case MorphKind::mkleftslide: {
      const int b = std::min(std::max(1, std::min(Nearest(w * k), w - 1)), w);
      for (int x = 0; x < b; ++x) CopyColumn(out, x, a, w - b + x);
      break;
    }
    case MorphKind::mkrightslide: {
      const int b = std::min(std::max(1, std::min(Nearest(w * k), w - 1)), w);
      for (int x = 0; x < b; ++x) CopyColumn(out, w - b + x, a, x);
      break;
    }
    case MorphKind::mkpush: {
      const int edge = Limit(Nearest(w * k), 0, w - 1);
      for (int x = edge + 1; x < w; ++x) CopyColumn(out, x, n, x - edge - 1);
      CopyColumn(out, edge, n, 0);
      for (int x = 0; x <= edge; ++x) CopyColumn(out, x, a, std::min(w - edge - 1 + x, w - 1));
      break;
    }
  }
  return out;
}

}  // namespace bs
