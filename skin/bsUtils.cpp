#include "skin/bsUtils.h"

#include <algorithm>
#include <cstdint>

namespace bs {

namespace {

// A blank picture, or an empty one for a size that is not positive.
Picture Blank(int width, int height) {
  if (width <= 0 || height <= 0) return Picture();
  return Picture(width, height, 0);
}

Rect Intersect(const Rect& a, const Rect& b) {
  return Rect{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
              std::min(a.bottom, b.bottom)};
}

Rect Bounds(const Picture& p) { return Rect{0, 0, p.width, p.height}; }

// First tile start at or after the first visible position, keeping the phase
// of tiles that start at origin with step length.
int FirstTile(int origin, int visible, int length) {
  if (visible <= origin) return origin;
  return origin + (visible - origin) / length * length;
}

bool IsBlack(Pixel p) { return (p & 0xFFFFFFu) == 0; }

}  // namespace

// ---------------------------------------------------------------------------
// Pixel copies

void CopyPicture(Picture& dst, int x, int y, const Picture& src, const Rect& from) {
  Rect f = from;
  // Clip to the source, moving the target with the cut.
  if (f.left < 0) { x -= f.left; f.left = 0; }
  if (f.top < 0) { y -= f.top; f.top = 0; }
  f.right = std::min(f.right, src.width);
  f.bottom = std::min(f.bottom, src.height);
  // Clip to the target.
  if (x < 0) { f.left -= x; x = 0; }
  if (y < 0) { f.top -= y; y = 0; }
  f.right = std::min(f.right, f.left + (dst.width - x));
  f.bottom = std::min(f.bottom, f.top + (dst.height - y));
  if (f.IsEmpty()) return;
  const int w = f.Width();
  for (int row = f.top; row < f.bottom; ++row, ++y) {
    const Pixel* s = &src.pixels[static_cast<std::size_t>(row) * src.width + f.left];
    std::copy(s, s + w, &dst.pixels[static_cast<std::size_t>(y) * dst.width + x]);
  }
}

void StretchPicture(Picture& dst, const Rect& to, const Picture& src, const Rect& from) {
  if (to.IsEmpty() || from.IsEmpty()) return;
  const Rect visible = Intersect(to, Bounds(dst));
  if (visible.IsEmpty()) return;
  const std::int64_t tw = to.Width(), th = to.Height();
  const std::int64_t fw = from.Width(), fh = from.Height();
  for (int y = visible.top; y < visible.bottom; ++y) {
    const int sy = from.top + static_cast<int>(((y - to.top) * 2 + 1) * fh / (2 * th));
    if (sy < 0 || sy >= src.height) continue;
    for (int x = visible.left; x < visible.right; ++x) {
      const int sx = from.left + static_cast<int>(((x - to.left) * 2 + 1) * fw / (2 * tw));
      if (sx < 0 || sx >= src.width) continue;
      dst.Set(x, y, src.At(sx, sy));
    }
  }
}

void TilePicture(Picture& dst, const Rect& area, const Picture& src, const Rect& tile) {
  const Rect t = Intersect(tile, Bounds(src));
  if (t.IsEmpty() || area.IsEmpty()) return;
  const int tw = t.Width(), th = t.Height();
  const Rect visible = Intersect(area, Bounds(dst));
  if (visible.IsEmpty()) return;
  for (int y = FirstTile(area.top, visible.top, th); y < visible.bottom; y += th) {
    const int h = std::min(th, area.bottom - y);
    for (int x = FirstTile(area.left, visible.left, tw); x < visible.right; x += tw) {
      const int w = std::min(tw, area.right - x);
      CopyPicture(dst, x, y, src, Rect{t.left, t.top, t.left + w, t.top + h});
    }
  }
}

Picture CropPicture(const Picture& src, const Rect& from) {
  Picture out = Blank(from.Width(), from.Height());
  CopyPicture(out, 0, 0, src, from);
  return out;
}

// ---------------------------------------------------------------------------
// Skinned controls

StretchMode DecideStretchMode(const SectionGeometry& g) {
  if (g.skinRect.IsEmpty()) return StretchMode::None;
  if (g.rb.x != 0 && g.rb.y != 0) return StretchMode::Both;
  if (g.rt.x != 0 || g.rt.y != 0) return StretchMode::Horizontal;
  if (g.lb.x != 0 || g.lb.y != 0) return StretchMode::Vertical;
  return StretchMode::Fixed;
}

StretchedGeometry Stretch(const SectionGeometry& g, StretchMode mode, int width, int height) {
  const int dW = width - g.skinRect.Width();
  const int dH = height - g.skinRect.Height();
  StretchedGeometry s{g.lt, g.rt, g.lb, g.rb, g.client};
  switch (mode) {
    case StretchMode::Fixed:
      break;
    case StretchMode::Horizontal:
      s.rt.x += dW;
      s.client.right += dW;
      break;
    case StretchMode::Vertical:
      s.lb.y += dH;
      s.client.bottom += dH;
      break;
    case StretchMode::Both:
    case StretchMode::None:
      s.rt.x += dW;
      s.lb.y += dH;
      s.rb.x += dW;
      s.rb.y += dH;
      s.client.right += dW;
      s.client.bottom += dH;
      break;
  }
  return s;
}

Size FitSize(StretchMode mode, const SectionGeometry& g, Size request) {
  const Size skin{g.skinRect.Width(), g.skinRect.Height()};
  switch (mode) {
    case StretchMode::Horizontal: return Size{request.width, skin.height};
    case StretchMode::Vertical: return Size{skin.width, request.height};
    case StretchMode::Fixed: return skin;
    case StretchMode::Both:
    case StretchMode::None: break;
  }
  return request;
}

Picture TileHorizontal(const Picture& src, const Rect& skinRect, int leftEnd, int rightEnd,
                       int width) {
  const Rect& s = skinRect;
  Picture out = Blank(width, s.Height());
  if (out.Empty()) return out;
  leftEnd = std::max(leftEnd, 0);
  rightEnd = std::max(rightEnd, 0);
  CopyPicture(out, 0, 0, src, Rect{s.left, s.top, s.left + leftEnd, s.bottom});
  CopyPicture(out, width - rightEnd, 0, src, Rect{s.right - rightEnd, s.top, s.right, s.bottom});
  TilePicture(out, Rect{leftEnd, 0, width - rightEnd, out.height}, src,
              Rect{s.left + leftEnd, s.top, s.right - rightEnd, s.bottom});
  return out;
}

Picture TileVertical(const Picture& src, const Rect& skinRect, int topEnd, int bottomEnd,
                     int height) {
  const Rect& s = skinRect;
  Picture out = Blank(s.Width(), height);
  if (out.Empty()) return out;
  topEnd = std::max(topEnd, 0);
  bottomEnd = std::max(bottomEnd, 0);
  CopyPicture(out, 0, 0, src, Rect{s.left, s.top, s.right, s.top + topEnd});
  CopyPicture(out, 0, height - bottomEnd, src,
              Rect{s.left, s.bottom - bottomEnd, s.right, s.bottom});
  TilePicture(out, Rect{0, topEnd, out.width, height - bottomEnd}, src,
              Rect{s.left, s.top + topEnd, s.right, s.bottom - bottomEnd});
  return out;
}

Picture TileNineParts(const Picture& src, const SectionGeometry& g, int width, int height) {
  Picture out = Blank(width, height);
  if (out.Empty() || g.rb.x == g.lt.x || g.rb.y == g.lt.y) return out;
  const int ox = g.skinRect.left, oy = g.skinRect.top;
  const int sw = g.skinRect.Width(), sh = g.skinRect.Height();
  const Point lt = g.lt, rt = g.rt, lb = g.lb, rb = g.rb;
  const Rect cl = g.client;
  const StretchedGeometry s = Stretch(g, StretchMode::Both, width, height);
  auto from = [&](int l, int t, int r, int b) { return Rect{l + ox, t + oy, r + ox, b + oy}; };

  // Edges, tiled from their start and cut at their stretched end.
  TilePicture(out, Rect{s.lt.x, 0, s.rt.x, cl.top}, src, from(lt.x, 0, rt.x, cl.top));
  TilePicture(out, Rect{s.lb.x, s.client.bottom, s.rb.x, s.client.bottom + (sh - cl.bottom)},
              src, from(lb.x, cl.bottom, rb.x, sh));
  TilePicture(out, Rect{0, s.lt.y, cl.left, s.lb.y}, src, from(0, lt.y, cl.left, lb.y));
  TilePicture(out, Rect{s.client.right, s.rt.y, s.client.right + (sw - cl.right), s.rb.y}, src,
              from(cl.right, rt.y, sw, rb.y));

  // The eight fixed pieces around the corners.
  CopyPicture(out, 0, 0, src, from(0, 0, lt.x, cl.top));
  CopyPicture(out, 0, s.client.top, src, from(0, cl.top, cl.left, lt.y));
  CopyPicture(out, s.rt.x, 0, src, from(rt.x, 0, sw, cl.top));
  CopyPicture(out, s.client.right, s.client.top, src, from(cl.right, cl.top, sw, rt.y));
  CopyPicture(out, 0, s.lb.y, src, from(0, lb.y, cl.left, sh));
  CopyPicture(out, s.client.left, s.client.bottom, src, from(cl.left, cl.bottom, lb.x, sh));
  CopyPicture(out, s.rb.x, s.client.bottom, src, from(rb.x, cl.bottom, sw, sh));
  CopyPicture(out, s.client.right, s.rb.y, src, from(cl.right, rb.y, sw, cl.bottom));

  // Centre.
  TilePicture(out, s.client, src, from(cl.left, cl.top, cl.right, cl.bottom));
  return out;
}

Picture BuildControlPicture(const Picture& src, const SectionGeometry& g, StretchMode mode,
                            int width, int height) {
  const Rect& s = g.skinRect;
  switch (mode) {
    case StretchMode::Fixed: return CropPicture(src, s);
    case StretchMode::Horizontal:
      return TileHorizontal(src, s, g.lt.x, s.Width() - g.rt.x, width);
    case StretchMode::Vertical:
      return TileVertical(src, s, g.lt.y, s.Height() - g.lb.y, height);
    case StretchMode::Both: return TileNineParts(src, g, width, height);
    case StretchMode::None: break;
  }
  return Blank(width, height);
}

Picture BuildControlPicture(const Picture& src, const SectionGeometry& g, const Rect& skinRect,
                            StretchMode mode, int width, int height) {
  SectionGeometry other = g;
  other.skinRect = skinRect;
  return BuildControlPicture(src, other, mode, width, height);
}

Picture EditFrame(const Picture& src, const SectionGeometry& g, const Rect& rect, int width) {
  return TileHorizontal(src, rect, g.lt.x, rect.Width() - g.rt.x, width);
}

Picture EditTextArea(const Picture& src, const SectionGeometry& g, const Rect& rect,
                     int areaWidth) {
  const Rect& cl = g.client;
  const Rect under = Moved(cl, rect.left, rect.top);
  return TileHorizontal(src, under, std::max(0, g.lt.x - cl.left), std::max(0, cl.right - g.rt.x),
                        areaWidth);
}

Picture BuildEditPicture(const Picture& src, const SectionGeometry& g, const Rect& rect,
                         int width) {
  Picture out = EditFrame(src, g, rect, width);
  const Rect& cl = g.client;
  const Picture area = EditTextArea(src, g, rect, width - cl.left - (rect.Width() - cl.right));
  CopyPicture(out, cl.left, cl.top, area, Bounds(area));
  return out;
}

// ---------------------------------------------------------------------------
// The form frame

PlacedFrame PlaceFrame(const FrameSkin& skin, int width, int height) {
  PlacedFrame p;
  p.width = width;
  p.height = height;
  const int dx = p.dx = width - skin.pictureWidth;
  const int dy = p.dy = height - skin.pictureHeight;
  p.lt = skin.lt;
  p.rt = Point{skin.rt.x + dx, skin.rt.y};
  p.lb = Point{skin.lb.x, skin.lb.y + dy};
  p.rb = Point{skin.rb.x + dx, skin.rb.y + dy};
  p.client = Rect{skin.client.left, skin.client.top, skin.client.right + dx,
                  skin.client.bottom + dy};
  p.caption = skin.caption;
  if (!p.caption.IsEmpty()) p.caption.right += dx;
  p.buttons = skin.buttons;
  if (!p.buttons.IsEmpty() && p.buttons.left > skin.pictureWidth / 2) 
    p.buttons = Moved(p.buttons, dx, 0);
  p.hitLT = skin.hitLT;
  p.hitRT = Point{skin.hitRT.x + dx, skin.hitRT.y};
  p.hitLB = Point{skin.hitLB.x, skin.hitLB.y + dy};
  p.hitRB = Point{skin.hitRB.x + dx, skin.hitRB.y + dy};
  p.maskArea = Rect{skin.maskArea.left, skin.maskArea.top, skin.maskArea.right + dx,
                    skin.maskArea.bottom + dy};
  return p;
}

FrameMargins SkinnedMargins(const FrameSkin& skin) {
  return FrameMargins{skin.client.left, skin.client.top, skin.pictureWidth - skin.client.right,
                      skin.pictureHeight - skin.client.bottom};
}

FrameMargins PlainMargins(bool toolWindow) {
  const int caption = toolWindow ? kPlainToolCaptionHeight : kPlainCaptionHeight;
  return FrameMargins{3, caption + 3, 3, 3};
}

Rect ClientRectOf(const Rect& window, const FrameMargins& m) {
  const int left = std::min(window.left + m.left, window.right);
  const int top = std::min(window.top + m.top, window.bottom);
  return Rect{left, top, std::max(window.right - m.right, left),
              std::max(window.bottom - m.bottom, top)};
}

int FrameMinWidth(const FrameLimitInputs& in) {
  if (!in.skinned) return in.minWidth > 0 ? in.minWidth : 120;
  if (in.minWidth > in.pictureWidth && !in.minimized) return in.minWidth;
  return in.pictureWidth;
}

int FrameMinHeight(const FrameLimitInputs& in) {
  const int base = in.skinned ? in.pictureHeight - in.client.Height()
                              : (in.toolWindow ? kPlainToolCaptionHeight : kPlainCaptionHeight) + 6;
  if (in.minHeight > base && !in.rolledUp && !in.minimized) return in.minHeight;
  return base;
}

int FrameMaxWidth(const FrameLimitInputs& in) {
  return in.maxWidth > 0 && in.maxWidth < in.workArea.width ? in.maxWidth : in.workArea.width;
}

int FrameMaxHeight(const FrameLimitInputs& in) {
  return in.maxHeight > 0 && in.maxHeight < in.workArea.height ? in.maxHeight
                                                               : in.workArea.height;
}

namespace {

// The four strips of a W x H window cut from source at split: top rows
// [0, split.top), bottom rows [split.bottom, PH), left columns
// [0, split.left), right columns [split.right, PW). Each middle segment is
// stretched when allowed and flagged, else tiled; tiles start where the
// middle starts, so that at the picture's own size the strips (and the
// shape taken from a mask) are the picture itself. The end pieces are
// copied over the middle.
FrameStrips BuildStrips(const Picture& src, const FrameSkin& k, const Rect& split, int width,
                        int height, bool allowStretch) {
  const int pw = k.pictureWidth, ph = k.pictureHeight;
  const int dx = width - pw;
  const int ct = split.top, cb = ph - split.bottom;
  const int clw = split.left, cr = pw - split.right;
  const int sh = height - ct - cb;
  FrameStrips s;

  // Horizontal strips: rows [y0, y0 + h) of the source, ends [0, a) and [b, pw).
  auto horizontal = [&](int y0, int h, int a, int b, bool stretch) {
    if (width <= 0 || h <= 0 || b - a <= 0) return Picture();
    Picture p(width, h, 0);
    if (stretch)
      StretchPicture(p, Rect{a, 0, b + dx, h}, src, Rect{a, y0, b, y0 + h});
    else
      TilePicture(p, Rect{a, 0, b + dx, h}, src, Rect{a, y0, b, y0 + h});
    CopyPicture(p, 0, 0, src, Rect{0, y0, a, y0 + h});
    CopyPicture(p, b + dx, 0, src, Rect{b, y0, pw, y0 + h});
    return p;
  };
  // Vertical strips: columns [x0, x0 + w), ends [split.top, a) and [b, split.bottom).
  auto vertical = [&](int x0, int w, int a, int b, bool stretch) {
    if (w <= 0 || sh <= 0 || b - a <= 0) return Picture();
    Picture p(w, sh, 0);
    const int headEnd = a - split.top;          // strip rows of the top piece
    const int tailStart = sh - (split.bottom - b);
    if (stretch)
      StretchPicture(p, Rect{0, headEnd, w, tailStart}, src, Rect{x0, a, x0 + w, b});
    else
      TilePicture(p, Rect{0, headEnd, w, tailStart}, src, Rect{x0, a, x0 + w, b});
    CopyPicture(p, 0, 0, src, Rect{x0, split.top, x0 + w, a});
    CopyPicture(p, 0, tailStart, src, Rect{x0, b, x0 + w, split.bottom});
    return p;
  };

  s.top = horizontal(0, ct, k.lt.x, k.rt.x, allowStretch && k.topStretch);
  s.bottom = horizontal(ph - cb, cb, k.lb.x, k.rb.x, allowStretch && k.bottomStretch);
  s.left = vertical(0, clw, k.lt.y, k.lb.y, allowStretch && k.leftStretch);
  s.right = vertical(split.right, cr, k.rt.y, k.rb.y, allowStretch && k.rightStretch);
  return s;
}

StripPlaces PlacesFor(const Rect& split, const FrameSkin& k, int width, int height) {
  const int ct = split.top, cb = k.pictureHeight - split.bottom;
  const int cr = k.pictureWidth - split.right;
  return StripPlaces{Point{0, 0}, Point{0, height - cb}, Point{0, ct}, Point{width - cr, ct}};
}

}  // namespace

FrameStrips BuildFrameStrips(const Picture& source, const FrameSkin& skin, int width, int height) {
  return BuildStrips(source, skin, skin.client, width, height, true);
}

FrameStrips BuildMaskStrips(const Picture& mask, const FrameSkin& skin, int width, int height) {
  return BuildStrips(mask, skin, skin.maskArea, width, height, false);
}

StripPlaces FrameStripPlaces(const FrameSkin& skin, int width, int height) {
  return PlacesFor(skin.client, skin, width, height);
}

StripPlaces MaskStripPlaces(const PlacedFrame& placed) {
  const Rect& m = placed.maskArea;
  return StripPlaces{Point{0, 0}, Point{0, m.bottom}, Point{0, m.top}, Point{m.right, m.top}};
}

Picture RenderFrame(const Picture& source, const Picture* mask, const FrameSkin& skin, int width,
                    int height, Pixel clientFill, Pixel outside) {
  Picture out = Blank(width, height);
  if (out.Empty()) return out;
  const PlacedFrame placed = PlaceFrame(skin, width, height);
  const Rect cl = Intersect(skin.client, Bounds(source));
  if (cl.IsEmpty())
    std::fill(out.pixels.begin(), out.pixels.end(), clientFill);
  else
    TilePicture(out, placed.client, source, cl);
  const FrameStrips strips = BuildFrameStrips(source, skin, width, height);
  const StripPlaces at = FrameStripPlaces(skin, width, height);
  CopyPicture(out, at.top.x, at.top.y, strips.top, Bounds(strips.top));
  CopyPicture(out, at.left.x, at.left.y, strips.left, Bounds(strips.left));
  CopyPicture(out, at.right.x, at.right.y, strips.right, Bounds(strips.right));
  CopyPicture(out, at.bottom.x, at.bottom.y, strips.bottom, Bounds(strips.bottom));
  if (mask != nullptr && !mask->Empty()) {
    const FrameStrips shape = BuildMaskStrips(*mask, skin, width, height);
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x)
        if (!PointInShape(shape, placed, x, y)) out.Set(x, y, outside);
  }
  return out;
}

// ---------------------------------------------------------------------------
// The window shape

RunList BlackRuns(const Picture& strip, int x, int y, std::size_t maxRuns) {
  RunList list;
  for (int row = 0; row < strip.height; ++row) {
    const Pixel* line = &strip.pixels[static_cast<std::size_t>(row) * strip.width];
    int col = 0;
    while (col < strip.width) {
      if (!IsBlack(line[col])) { ++col; continue; }
      const int start = col;
      while (col < strip.width && IsBlack(line[col])) ++col;
      if (list.runs.size() >= maxRuns) {
        list.truncated = true;
        return list;
      }
      list.runs.push_back(Rect{x + start, y + row, x + col, y + row + 1});
    }
  }
  return list;
}

Region WindowRegion(const FrameStrips& maskStrips, const PlacedFrame& placed) {
  Region region;
  if (!placed.maskArea.IsEmpty()) region.rects.push_back(placed.maskArea);
  const StripPlaces at = MaskStripPlaces(placed);
  auto add = [&](const Picture& strip, Point p) {
    RunList runs = BlackRuns(strip, p.x, p.y);
    region.truncated = region.truncated || runs.truncated;
    region.rects.insert(region.rects.end(), runs.runs.begin(), runs.runs.end());
  };
  add(maskStrips.top, at.top);
  add(maskStrips.bottom, at.bottom);
  add(maskStrips.left, at.left);
  add(maskStrips.right, at.right);
  return region;
}

Region ControlRegion(const Picture& mask, const SectionGeometry& g, StretchMode mode, int width,
                     int height) {
  SectionGeometry own = g;
  if (mask.width == g.skinRect.Width() && mask.height == g.skinRect.Height())
    own.skinRect = Bounds(mask);
  const Picture fitted = BuildControlPicture(mask, own, mode, width, height);
  const RunList runs = BlackRuns(fitted, 0, 0);
  return Region{runs.runs, runs.truncated};
}

bool PointInShape(const FrameStrips& maskStrips, const PlacedFrame& placed, int x, int y) {
  const Rect& m = placed.maskArea;
  if (Contains(m, x, y)) return true;
  auto black = [](const Picture& p, int px, int py) {
    return px >= 0 && py >= 0 && px < p.width && py < p.height && IsBlack(p.At(px, py));
  };
  if (y < m.top) return black(maskStrips.top, x, y);
  if (y < m.bottom) {
    if (x >= m.left) return black(maskStrips.right, x - m.right, y - m.top);
    return black(maskStrips.left, x, y - m.top);
  }
  return black(maskStrips.bottom, x, y - m.bottom);
}

// ---------------------------------------------------------------------------
// Hit-testing

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

// ---------------------------------------------------------------------------
// Frame objects

Rect PlaceObjectRect(const Rect& skinRect, const FrameSkin& k, int width, int height) {
  const int pw = k.pictureWidth, ph = k.pictureHeight;
  const int dx = width - pw, dy = height - ph;
  enum Corner { None, TL, TR, BL, BR };
  const Rect regions[4] = {Rect{0, 0, k.lt.x, k.lt.y}, Rect{k.rt.x, 0, pw, k.rt.y},
                           Rect{0, k.lb.y, k.lb.x, ph}, Rect{k.rb.x, k.rb.y, pw, ph}};
  auto cornerOf = [&](int x, int y) {
    for (int i = 0; i < 4; ++i)
      if (Contains(regions[i], x, y)) return static_cast<Corner>(i + 1);
    return None;
  };
  // The rectangle's first and last pixel, so that a rectangle flush with a
  // region's far edge still counts as lying in it.
  const Corner a = cornerOf(skinRect.left, skinRect.top);
  const Corner b = cornerOf(skinRect.right - 1, skinRect.bottom - 1);
  Rect r = skinRect;
  if (a == TL && b == TL) return r;
  if (a == TR && b == TR) return Moved(r, dx, 0);
  if (a == BL && b == BL) return Moved(r, 0, dy);
  if (a == BR && b == BR) return Moved(r, dx, dy);
  if (a == TL && b == BR) { r.right += dx; r.bottom += dy; return r; }
  if (a == TL && b == TR) { r.right += dx; return r; }
  if (a == BL && b == BR) { r.right += dx; return Moved(r, 0, dy); }
  if (a == TL && b == BL) { r.bottom += dy; return r; }
  if (a == TR && b == BR) { r = Moved(r, dx, 0); r.bottom += dy; return r; }
  return r;
}

// ---------------------------------------------------------------------------
// Glyph and caption

GlyphTextPlace PlaceGlyphAndText(const GlyphTextInput& in) {
  const int n = std::max(in.numGlyphs, 1);
  const bool hasGlyph = in.glyph.width > 0 && in.glyph.height > 0;
  const int gw = hasGlyph ? in.glyph.width / n : 0;
  const int gh = hasGlyph ? in.glyph.height : 0;
  const int tw = in.text.width, th = in.text.height;
  const Rect& r = in.bounds;
  const int cx = r.left + r.Width() / 2, cy = r.top + r.Height() / 2;
  const int sp = in.spacing, m = in.margin;
  const bool centred = m == -1;
  GlyphTextPlace out;
  out.slice = Size{gw, gh};
  Point& g = out.glyph;
  Point& t = out.text;
  switch (in.layout) {
    case GlyphLayout::Left:
      if (centred) {
        g.x = cx - (gw + tw + sp) / 2;
        t.x = cx + (gw + tw + sp) / 2 - tw;
      } else {
        g.x = r.left + m;
        t.x = g.x + gw + sp;
      }
      break;
    case GlyphLayout::Right:
      if (centred) {
        t.x = cx - (gw + tw + sp) / 2;
        g.x = cx + (gw + tw + sp) / 2 - gw;
      } else {
        g.x = r.right - gw - m;
        t.x = g.x - sp - tw;
      }
      break;
    case GlyphLayout::Top:
      if (centred) {
        g.y = cy - (th + gh + sp) / 2;
        t.y = cy + (th + gh + sp) / 2 - th;
      } else {
        g.y = r.top + m;
        t.y = g.y + gh + sp;
      }
      break;
    case GlyphLayout::Bottom:
      if (centred) {
        t.y = cy - (th + gh + sp) / 2;
        g.y = cy + (th + gh + sp) / 2 - gh;
      } else {
        g.y = r.bottom - gh - m;
        t.y = g.y - sp - th;
      }
      break;
  }
  if (in.layout == GlyphLayout::Left || in.layout == GlyphLayout::Right) {
    g.y = cy - gh / 2;
    t.y = cy - th / 2;
  } else {
    g.x = cx - gw / 2;
    t.x = cx - tw / 2;
  }
  if (in.pressed) {
    g = Point{g.x + 1, g.y + 1};
    t = Point{t.x + 1, t.y + 1};
  }
  return out;
}

int GlyphImageNumber(bool pressedLook, bool activeLook, bool enabled, int numGlyphs) {
  if (pressedLook && activeLook && numGlyphs > 2) return 3;
  if (activeLook && numGlyphs > 3) return 4;
  return enabled || numGlyphs < 2 ? 1 : 2;
}

Rect GlyphSlice(Size glyph, int numGlyphs, int k) {
  const int n = std::max(numGlyphs, 1);
  k = std::min(std::max(k, 1), n);
  const int w = glyph.width / n;
  return Rect{(k - 1) * w, 0, k * w, glyph.height};
}

void DrawGlyph(Picture& dst, int x, int y, const Picture& glyph, const Rect& slice) {
  const Rect s = Intersect(slice, Bounds(glyph));
  if (s.IsEmpty()) return;
  const Pixel key = glyph.At(s.left, s.bottom - 1);
  for (int row = s.top; row < s.bottom; ++row) {
    const int ty = y + row - s.top;
    if (ty < 0 || ty >= dst.height) continue;
    for (int col = s.left; col < s.right; ++col) {
      const int tx = x + col - s.left;
      const Pixel p = glyph.At(col, row);
      if (tx >= 0 && tx < dst.width && p != key) dst.Set(tx, ty, p);
    }
  }
}

}  // namespace bs
