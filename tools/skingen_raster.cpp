#include "tools/skingen_raster.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <set>

namespace skingen {

Rgb Mix(Rgb a, Rgb b, double t) {
  return Rgb{a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}

static int Channel(double v) {
  const long n = std::lround(v);
  return static_cast<int>(std::clamp(n, 0L, 255L));
}

bs::Pixel ToPixel(Rgb c) { return bs::Rgb(Channel(c.r), Channel(c.g), Channel(c.b)); }

Rgb FromPixel(bs::Pixel p) { return C(bs::RedOf(p), bs::GreenOf(p), bs::BlueOf(p)); }

Shape RoundRect(double l, double t, double r, double b, double radius) {
  return [=](double x, double y) {
    if (x < l || x >= r || y < t || y >= b) return false;
    const double cx = std::clamp(x, l + radius, r - radius);
    const double cy = std::clamp(y, t + radius, b - radius);
    const double dx = x - cx, dy = y - cy;
    return dx * dx + dy * dy <= radius * radius;
  };
}

Shape RoundRing(double l, double t, double r, double b, double radius, double width) {
  return Minus(RoundRect(l, t, r, b, radius),
               RoundRect(l + width, t + width, r - width, b - width,
                         std::max(0.0, radius - width)));
}

Shape Segment(double x0, double y0, double x1, double y1, double halfWidth) {
  return [=](double x, double y) {
    const double vx = x1 - x0, vy = y1 - y0;
    const double len2 = vx * vx + vy * vy;
    double t = len2 > 0 ? ((x - x0) * vx + (y - y0) * vy) / len2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    const double dx = x - (x0 + t * vx), dy = y - (y0 + t * vy);
    return dx * dx + dy * dy <= halfWidth * halfWidth;
  };
}

Shape Disc(double cx, double cy, double radius) {
  return [=](double x, double y) {
    const double dx = x - cx, dy = y - cy;
    return dx * dx + dy * dy <= radius * radius;
  };
}

Shape Union(std::vector<Shape> parts) {
  return [parts = std::move(parts)](double x, double y) {
    for (const auto& p : parts)
      if (p(x, y)) return true;
    return false;
  };
}

Shape Minus(Shape a, Shape b) {
  return [a = std::move(a), b = std::move(b)](double x, double y) { return a(x, y) && !b(x, y); };
}

Canvas::Canvas(int width, int height, Rgb fill)
    : width_(width), height_(height), px_(static_cast<std::size_t>(width) * height, fill) {}

Rgb Canvas::Get(int x, int y) const { return px_[static_cast<std::size_t>(y) * width_ + x]; }

void Canvas::Put(int x, int y, Rgb c) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  px_[static_cast<std::size_t>(y) * width_ + x] = c;
}

void Canvas::Blend(int x, int y, Rgb c, double alpha) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_ || alpha <= 0) return;
  Rgb& p = px_[static_cast<std::size_t>(y) * width_ + x];
  p = Mix(p, c, std::min(alpha, 1.0));
}

void Canvas::FillRect(int l, int t, int r, int b, Rgb c) {
  for (int y = t; y < b; ++y)
    for (int x = l; x < r; ++x) Put(x, y, c);
}

void Canvas::VGradient(int l, int t, int r, int b, Rgb top, Rgb bottom) {
  const Paint p = VGrad(t, b, top, bottom);
  for (int y = t; y < b; ++y)
    for (int x = l; x < r; ++x) Put(x, y, p(x, y));
}

void Canvas::HGradient(int l, int t, int r, int b, Rgb left, Rgb right) {
  for (int x = l; x < r; ++x) {
    const Rgb c = Mix(left, right, r - l > 1 ? double(x - l) / (r - l - 1) : 0);
    for (int y = t; y < b; ++y) Put(x, y, c);
  }
}

void Canvas::Draw(const Shape& shape, int l, int t, int r, int b, const Paint& paint,
                  double alpha) {
  constexpr int kSub = 4;
  for (int y = t; y < b; ++y)
    for (int x = l; x < r; ++x) {
      int hits = 0;
      for (int j = 0; j < kSub; ++j)
        for (int i = 0; i < kSub; ++i)
          if (shape(x + (i + 0.5) / kSub, y + (j + 0.5) / kSub)) ++hits;
      if (hits) Blend(x, y, paint(x, y), alpha * hits / (kSub * kSub));
    }
}

void Canvas::Draw(const Shape& shape, int l, int t, int r, int b, Rgb c, double alpha) {
  Draw(shape, l, t, r, b, Solid(c), alpha);
}

void Canvas::Copy(int x, int y, const Canvas& src, int sl, int st, int sr, int sb) {
  for (int j = st; j < sb; ++j)
    for (int i = sl; i < sr; ++i) Put(x + i - sl, y + j - st, src.Get(i, j));
}

bs::Picture Canvas::ToPicture() const {
  bs::Picture pic(width_, height_);
  for (std::size_t i = 0; i < px_.size(); ++i) pic.pixels[i] = ToPixel(px_[i]);
  pic.bitsPerPixel = 24;
  return pic;
}

Paint VGrad(int t, int b, Rgb top, Rgb bottom) {
  return [=](int, int y) {
    return Mix(top, bottom, b - t > 1 ? std::clamp(double(y - t) / (b - t - 1), 0.0, 1.0) : 0);
  };
}

Paint Solid(Rgb c) {
  return [=](int, int) { return c; };
}

namespace {

struct Entry {
  bs::Pixel colour;
  std::size_t count;
};

int ChannelOf(bs::Pixel p, int ch) {
  return ch == 0 ? bs::RedOf(p) : ch == 1 ? bs::GreenOf(p) : bs::BlueOf(p);
}

// Median cut over the histogram: split the box with the widest channel range
// at its weighted median until there are 256 boxes; each box becomes its
// weighted mean colour.
std::map<bs::Pixel, bs::Pixel> MedianCut(std::vector<Entry> entries) {
  using Box = std::vector<Entry>;
  std::vector<Box> boxes{std::move(entries)};
  auto widest = [](const Box& box, int* channel) {
    int best = -1;
    for (int ch = 0; ch < 3; ++ch) {
      int lo = 255, hi = 0;
      for (const auto& e : box) {
        lo = std::min(lo, ChannelOf(e.colour, ch));
        hi = std::max(hi, ChannelOf(e.colour, ch));
      }
      if (hi - lo > best) {
        best = hi - lo;
        *channel = ch;
      }
    }
    return best;
  };
  while (boxes.size() < 256) {
    int pick = -1, pickChannel = 0;
    double pickScore = 0;
    for (std::size_t i = 0; i < boxes.size(); ++i) {
      if (boxes[i].size() < 2) continue;
      int ch = 0;
      const int range = widest(boxes[i], &ch);
      std::size_t total = 0;
      for (const auto& e : boxes[i]) total += e.count;
      const double score = range * std::sqrt(double(total));
      if (score > pickScore) {
        pickScore = score;
        pick = static_cast<int>(i);
        pickChannel = ch;
      }
    }
    if (pick < 0) break;
    Box& box = boxes[pick];
    std::sort(box.begin(), box.end(), [&](const Entry& a, const Entry& b) {
      return ChannelOf(a.colour, pickChannel) < ChannelOf(b.colour, pickChannel);
    });
    std::size_t total = 0;
    for (const auto& e : box) total += e.count;
    std::size_t acc = 0, cut = 1;
    for (std::size_t i = 0; i + 1 < box.size(); ++i) {
      acc += box[i].count;
      cut = i + 1;
      if (acc * 2 >= total) break;
    }
    Box upper(box.begin() + cut, box.end());
    box.resize(cut);
    boxes.push_back(std::move(upper));
  }
  std::map<bs::Pixel, bs::Pixel> map;
  for (const auto& box : boxes) {
    double r = 0, g = 0, b = 0, n = 0;
    for (const auto& e : box) {
      r += bs::RedOf(e.colour) * double(e.count);
      g += bs::GreenOf(e.colour) * double(e.count);
      b += bs::BlueOf(e.colour) * double(e.count);
      n += double(e.count);
    }
    const bs::Pixel mean = ToPixel(Rgb{r / n, g / n, b / n});
    for (const auto& e : box) map[e.colour] = mean;
  }
  return map;
}

}  // namespace

void ReduceTo8Bit(std::vector<bs::Picture*> pictures) {
  bool exact = true;
  for (const auto* pic : pictures)
    exact = exact && std::set<bs::Pixel>(pic->pixels.begin(), pic->pixels.end()).size() <= 256;
  if (exact) {
    for (auto* pic : pictures) {
      const std::set<bs::Pixel> table(pic->pixels.begin(), pic->pixels.end());
      pic->bitsPerPixel = 8;
      pic->palette.assign(table.begin(), table.end());
    }
    return;
  }
  std::map<bs::Pixel, std::size_t> histogram;
  for (const auto* pic : pictures)
    for (bs::Pixel p : pic->pixels) ++histogram[p];
  std::map<bs::Pixel, bs::Pixel> map;
  if (histogram.size() > 256) {
    std::vector<Entry> entries;
    for (const auto& [colour, count] : histogram) entries.push_back({colour, count});
    map = MedianCut(std::move(entries));
  } else {
    for (const auto& kv : histogram) map[kv.first] = kv.first;
  }
  std::set<bs::Pixel> table;
  for (const auto& kv : map) table.insert(kv.second);
  for (auto* pic : pictures) {
    for (bs::Pixel& p : pic->pixels) p = map[p];
    pic->bitsPerPixel = 8;
    pic->palette.assign(table.begin(), table.end());
  }
}

}  // namespace skingen
