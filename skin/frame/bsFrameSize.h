// The frame's margins around the client area, skinned and plain, and the
// window's size limits. Portable.
#pragma once

#include "skin/frame/bsFramePlace.h"

namespace bs {

// Widths of the frame around the client area.
struct FrameMargins {
  int left = 0, top = 0, right = 0, bottom = 0;
};
constexpr int kPlainCaptionHeight = 19;
constexpr int kPlainToolCaptionHeight = 15;
FrameMargins SkinnedMargins(const FrameSkin& skin);
FrameMargins PlainMargins(bool toolWindow);
// The client rectangle of a window rectangle (WM_NCCALCSIZE); empty, inside
// the window, when the window is smaller than its margins.
Rect ClientRectOf(const Rect& window, const FrameMargins& margins);

// What the size limits depend on.
struct FrameLimitInputs {
  bool skinned = false;
  int pictureWidth = 0, pictureHeight = 0;
  Rect client;  // the skin's clientrect
  int minWidth = 0, minHeight = 0, maxWidth = 0, maxHeight = 0;
  bool minimized = false, rolledUp = false;
  bool toolWindow = false;
  Size workArea;  // of the window's monitor (or the monitor itself)
};
int FrameMinWidth(const FrameLimitInputs& in);
int FrameMinHeight(const FrameLimitInputs& in);
int FrameMaxWidth(const FrameLimitInputs& in);
int FrameMaxHeight(const FrameLimitInputs& in);

}  // namespace bs
