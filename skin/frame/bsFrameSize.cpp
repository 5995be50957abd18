#include "skin/frame/bsFrameSize.h"

#include <algorithm>

namespace bs {

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

}  // namespace bs
