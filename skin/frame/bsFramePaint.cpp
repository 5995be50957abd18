#include "skin/draw/bsPictureCopy.h"
#include "skin/frame/bsFramePaint.h"
#include "skin/frame/bsFrameStrips.h"

namespace bs {

namespace {

bool InBottomStrip(const Rect& object, const Rect& placedClient) {
  return object.bottom > placedClient.top;
}

}  // namespace

FrameStrips ComposeFrameStrips(const FrameStrips& strips, const TbsFrameObjects& objects,
                               const Rect& placedClient) {
  FrameStrips out = strips;
  for (const auto& o : objects.Objects) {
    if (!o->Visible || o->ObjectRect.IsEmpty()) continue;
    const ObjectImage image = o->Draw(false);
    const Rect& r = o->ObjectRect;
    if (InBottomStrip(r, placedClient))
      DrawObjectImage(out.bottom, Point{r.left, r.top - placedClient.bottom}, image);
    else
      DrawObjectImage(out.top, Point{r.left, r.top}, image);
  }
  return out;
}

Picture ObjectPicture(const FrameStrips& composed, const Rect& placedClient,
                      const TbsActiveSkinObject& object, bool drawNormalState) {
  const Rect& r = object.ObjectRect;
  const bool bottom = InBottomStrip(r, placedClient);
  const Picture& strip = bottom ? composed.bottom : composed.top;
  const int top = bottom ? r.top - placedClient.bottom : r.top;
  Picture out(r.Width(), r.Height());
  if (out.Empty()) return out;
  CopyPicture(out, 0, 0, strip, Rect{r.left, top, r.right, top + r.Height()});
  DrawObjectImage(out, Point{0, 0}, object.Draw(drawNormalState));
  return out;
}

}  // namespace bs
