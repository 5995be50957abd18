#include "skin/draw/bsTiling.h"

#include <algorithm>

#include "skin/draw/bsPictureCopy.h"

namespace bs {

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

}  // namespace bs
