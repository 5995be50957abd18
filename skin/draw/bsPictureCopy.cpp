#include "skin/draw/bsPictureCopy.h"

#include <algorithm>
#include <cstdint>

namespace bs {

namespace {

// First tile start at or after the first visible position, keeping the phase
// of tiles that start at origin with step length.
int FirstTile(int origin, int visible, int length) {
  if (visible <= origin) return origin;
  return origin + (visible - origin) / length * length;
}

}  // namespace

Picture Blank(int width, int height) {
  if (width <= 0 || height <= 0) return Picture();
  return Picture(width, height, 0);
}

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
  const Rect visible = Intersect(to, PictureRect(dst));
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
  const Rect t = Intersect(tile, PictureRect(src));
  if (t.IsEmpty() || area.IsEmpty()) return;
  const int tw = t.Width(), th = t.Height();
  const Rect visible = Intersect(area, PictureRect(dst));
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

}  // namespace bs
