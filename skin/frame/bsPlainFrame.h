// The plain frame of a window without a skin, drawn on pictures: three raised
// lines around the window, the caption bar with its grip, a patch behind the
// caption text and the built-in buttons, in the system's colours. Portable;
// the Win32 half writes the caption text and the window's icon over it.
#pragma once

#include "skin/draw/bsPlainDraw.h"
#include "skin/frame/bsFrameObjects.h"
#include "skin/frame/bsFrameStrips.h"

namespace bs {

struct PlainFrame {
  Size window;
  bool toolWindow = false;
  Rect captionArea;   // the caption bar less its buttons
  Rect captionPatch;  // behind the caption text; empty without one
  TbsWindowState windowState = TbsWindowState::wsNormal;
  bool rolledUp = false;
  bool showIcon = false;  // the system-menu button shows the window's icon instead of a glyph
  SystemColors colours;
};

// The caption text of a size in the caption area: a patch 5 pixels wider
// than the text, centred in the area and as high as the bar, and the text 3
// pixels into it, centred in the bar's height.
struct PlainCaptionPlace {
  Rect patch;
  Point text;
};
PlainCaptionPlace PlacePlainCaption(const Rect& captionArea, Size text, bool toolWindow);

// One built-in button drawn into p, whose top-left corner lies at origin on
// the window: its fill, its frame under the mouse and its glyph.
void DrawPlainButton(Picture& p, Point origin, const TbsSkinStdButtonObject& button,
                     const PlainFrame& frame);

// The four strips around the client area, each with its part of the frame
// and of the visible built-in buttons of objects, and where they go.
FrameStrips PlainFrameStrips(const PlainFrame& frame, const TbsFrameObjects& objects,
                             StripPlaces* at);

}  // namespace bs
