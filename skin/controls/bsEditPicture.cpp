#include "skin/controls/bsEditPicture.h"

#include <algorithm>

#include "skin/draw/bsPictureCopy.h"

namespace bs {

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
  CopyPicture(out, cl.left, cl.top, area, PictureRect(area));
  return out;
}

}  // namespace bs
