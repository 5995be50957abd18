#include "skin/frame/bsPlainFrame.h"

#include "skin/draw/bsPictureCopy.h"
#include "skin/draw/bsWindowGlyphs.h"
#include "skin/frame/bsFrameSize.h"

namespace bs {

namespace {

int CaptionHeight(bool toolWindow) {
  return toolWindow ? kPlainToolCaptionHeight : kPlainCaptionHeight;
}

// The frame less its buttons into p, whose top-left corner lies at o.
void DrawFrame(Picture& p, Point o, const PlainFrame& f) {
  const int w = f.window.width, h = f.window.height;
  const int captionH = CaptionHeight(f.toolWindow);
  const SystemColors& c = f.colours;
  auto line = [&](int x1, int y1, int x2, int y2, Pixel colour) {
    Line(p, Point{x1 - o.x, y1 - o.y}, Point{x2 - o.x, y2 - o.y}, colour);
  };
  auto fill = [&](const Rect& r, Pixel colour) { FillRect(p, Moved(r, -o.x, -o.y), colour); };
  // Three raised lines, outer to inner: light and dark shadow, highlight and
  // shadow, face; the lower right colour takes the corners they share.
  const Pixel upperLeft[3] = {c.light3d, c.btnHighlight, c.btnFace};
  const Pixel lowerRight[3] = {c.darkShadow3d, c.btnShadow, c.btnFace};
  for (int i = 0; i < 3; ++i) {
    line(i, h - 1 - i, i, i, upperLeft[i]);
    line(i, i, w - 1 - i, i, upperLeft[i]);
    line(w - 1 - i, i, w - 1 - i, h - 1 - i, lowerRight[i]);
    line(w - 1 - i, h - 1 - i, i - 1, h - 1 - i, lowerRight[i]);
  }
  fill(Rect{3, 3, w - 3, 3 + captionH}, c.btnFace);
  // The grip: rows alternating highlight and shadow between the buttons.
  const Rect& area = f.captionArea;
  for (int y = 2, i = 0; y <= captionH - 4; ++y, ++i)
    line(area.left + 2, 3 + y, area.right - 2, 3 + y, i % 2 == 0 ? c.btnHighlight : c.btnShadow);
  fill(f.captionPatch, c.btnFace);
}

// The glyph a built-in button shows in the window's state; none for the
// system-menu button showing the icon.
bool GlyphOf(const TbsSkinStdButtonObject& b, const PlainFrame& f, WindowGlyph* g) {
  switch (b.command) {
    case TbsStdCommand::cmClose: *g = WindowGlyph::Close; return true;
    case TbsStdCommand::cmMaximize:
      *g = f.windowState == TbsWindowState::wsMaximized ? WindowGlyph::Restore : WindowGlyph::Maximize;
      return true;
    case TbsStdCommand::cmMinimize:
      *g = f.windowState == TbsWindowState::wsMinimized ? WindowGlyph::Restore : WindowGlyph::Minimize;
      return true;
    case TbsStdCommand::cmSysMenu: *g = WindowGlyph::SystemMenu; return !f.showIcon;
    case TbsStdCommand::cmRollUp: *g = f.rolledUp ? WindowGlyph::RollDown : WindowGlyph::RollUp; return true;
    case TbsStdCommand::cmMinimizeToTray: *g = WindowGlyph::ToTray; return true;
    case TbsStdCommand::cmDefault: break;
  }
  return false;
}

}  // namespace

PlainCaptionPlace PlacePlainCaption(const Rect& area, Size text, bool toolWindow) {
  const int captionH = CaptionHeight(toolWindow);
  const int left = area.left + area.Width() / 2 - (text.width + 5) / 2;
  return PlainCaptionPlace{Rect{left, 3, left + text.width + 5, 3 + captionH},
                           Point{left + 3, 3 + captionH / 2 - text.height / 2}};
}

void DrawPlainButton(Picture& p, Point o, const TbsSkinStdButtonObject& b, const PlainFrame& f) {
  const Rect r = Moved(b.ObjectRect, -o.x, -o.y);
  const bool over = b.MouseIn && b.Enabled;
  const bool pressed = over && b.Down;
  if (over) {
    FillRect(p, r, pressed ? kPlainDownFill : kPlainHotFill);
    FrameRect(p, r, kPlainHotFrame);
  } else {
    FillRect(p, r, f.colours.btnFace);
  }
  WindowGlyph g;
  if (!GlyphOf(b, f, &g)) return;
  // Pressed, the glyph moves one pixel right and down.
  const int a = r.left + r.Width() / 2 - (pressed ? 4 : 5);
  const int top = r.top + r.Height() / 2 - (pressed ? 3 : 4);
  DrawWindowGlyph(p, g, Rect{a, top, a + 11, top + 10},
                  b.Enabled ? f.colours.btnText : f.colours.btnShadow);
}

FrameStrips PlainFrameStrips(const PlainFrame& f, const TbsFrameObjects& objects, StripPlaces* at) {
  const int w = f.window.width, h = f.window.height;
  const Rect client = ClientRectOf(Rect{0, 0, w, h}, PlainMargins(f.toolWindow));
  const Rect top{0, 0, w, client.top}, bottom{0, client.bottom, w, h};
  const Rect left{0, client.top, client.left, client.bottom};
  const Rect right{client.right, client.top, w, client.bottom};
  auto strip = [&](const Rect& r) {
    Picture p = Blank(r.Width(), r.Height());
    if (p.Empty()) return p;
    const Point o{r.left, r.top};
    DrawFrame(p, o, f);
    for (const auto& object : objects.Objects)
      if (auto* b = dynamic_cast<const TbsSkinStdButtonObject*>(object.get()); b && b->Visible)
        DrawPlainButton(p, o, *b, f);
    return p;
  };
  if (at) *at = StripPlaces{Point{top.left, top.top}, Point{bottom.left, bottom.top},
                            Point{left.left, left.top}, Point{right.left, right.top}};
  return FrameStrips{strip(top), strip(bottom), strip(left), strip(right)};
}

}  // namespace bs
