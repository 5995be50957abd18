#include "skin/frame/bsFrameStrips.h"

#include <algorithm>

#include "skin/draw/bsPictureCopy.h"
#include "skin/frame/bsFrameShape.h"

namespace bs {

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
  const Rect cl = Intersect(skin.client, PictureRect(source));
  if (cl.IsEmpty())
    std::fill(out.pixels.begin(), out.pixels.end(), clientFill);
  else
    TilePicture(out, placed.client, source, cl);
  const FrameStrips strips = BuildFrameStrips(source, skin, width, height);
  const StripPlaces at = FrameStripPlaces(skin, width, height);
  CopyPicture(out, at.top.x, at.top.y, strips.top, PictureRect(strips.top));
  CopyPicture(out, at.left.x, at.left.y, strips.left, PictureRect(strips.left));
  CopyPicture(out, at.right.x, at.right.y, strips.right, PictureRect(strips.right));
  CopyPicture(out, at.bottom.x, at.bottom.y, strips.bottom, PictureRect(strips.bottom));
  if (mask != nullptr && !mask->Empty()) {
    const FrameStrips shape = BuildMaskStrips(*mask, skin, width, height);
    for (int y = 0; y < height; ++y)
      for (int x = 0; x < width; ++x)
        if (!PointInShape(shape, placed, x, y)) out.Set(x, y, outside);
  }
  return out;
}

}  // namespace bs
