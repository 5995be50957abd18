// The frame's hit test, skinned and plain, in the platform's own answers.
// Portable.
#pragma once

#include <vector>

#include "skin/frame/bsFrameSize.h"
#include "skin/frame/bsFrameStrips.h"

namespace bs {

// Hit-testing. The values are those the platform uses for the same answers,
// so the Win32 layer returns them unchanged. ht::Object is a frame area that
// is neither caption, border nor client: the system attaches no action to it.
namespace ht {
constexpr int Nowhere = 0;
constexpr int Client = 1;
constexpr int Caption = 2;
constexpr int Left = 10;
constexpr int Right = 11;
constexpr int Top = 12;
constexpr int TopLeft = 13;
constexpr int TopRight = 14;
constexpr int Bottom = 15;
constexpr int BottomLeft = 16;
constexpr int BottomRight = 17;
constexpr int Object = 19;
}  // namespace ht

// What both hit tests read of the window and the mouse.
struct HitState {
  Point point;                   // window coordinates
  bool rolledUp = false, minimized = false, maximized = false;
  bool sizeable = false;         // sizeable or sizeable tool window border
  bool objectUnderMouse = false;
};

struct FrameHitInput : HitState {
  bool sizeMoveUnderWay = false;
  std::vector<Rect> captionRects;     // ObjectRects of the caption objects
  const FrameStrips* mask = nullptr;  // mask strips when the skin has a mask
};
int FrameHitTest(const PlacedFrame& placed, int borderWidth, const FrameHitInput& in);

// The plain frame's hit test (no skin): 3-pixel borders, resizable only when
// sizeable and in the normal state; captionArea is the caption bar less its
// buttons.
struct PlainHitInput : HitState {
  int width = 0, height = 0;
  Rect captionArea;
  int captionHeight = kPlainCaptionHeight;
};
int PlainFrameHitTest(const PlainHitInput& in);

}  // namespace bs
