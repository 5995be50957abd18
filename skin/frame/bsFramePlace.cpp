#include "skin/frame/bsFramePlace.h"

namespace bs {

PlacedFrame PlaceFrame(const FrameSkin& skin, int width, int height) {
  PlacedFrame p;
  p.width = width;
  p.height = height;
  const int dx = p.dx = width - skin.pictureWidth;
  const int dy = p.dy = height - skin.pictureHeight;
  // Right points move with the width, lower ones with the height; the
  // client and mask areas grow with both.
  auto right = [dx](Point q) { return Point{q.x + dx, q.y}; };
  auto lower = [dy](Point q) { return Point{q.x, q.y + dy}; };
  auto grown = [dx, dy](Rect r) { return Rect{r.left, r.top, r.right + dx, r.bottom + dy}; };
  p.lt = skin.lt;
  p.rt = right(skin.rt);
  p.lb = lower(skin.lb);
  p.rb = right(lower(skin.rb));
  p.hitLT = skin.hitLT;
  p.hitRT = right(skin.hitRT);
  p.hitLB = lower(skin.hitLB);
  p.hitRB = right(lower(skin.hitRB));
  p.client = grown(skin.client);
  p.maskArea = grown(skin.maskArea);
  p.caption = skin.caption;
  if (!p.caption.IsEmpty()) p.caption.right += dx;
  p.buttons = skin.buttons;
  if (!p.buttons.IsEmpty() && p.buttons.left > skin.pictureWidth / 2)
    p.buttons = Moved(p.buttons, dx, 0);
  return p;
}

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

}  // namespace bs
