#include "skinwin/bsSkinForm.h"

#include <windowsx.h>

#include <algorithm>

#include "skin/bsEffects.h"
#include "skin/bsFormGeometry.h"
#include "skinwin/bsPaint.h"

namespace bs {

void TbsFormNotifier::SkinDataNotify(TbsSkinData& sender, unsigned message, int param) {
  if (form_) SendMessageW(form_, message, reinterpret_cast<WPARAM>(&sender), param);
}

namespace {

bool IsEmptyRECT(const RECT& r) { return r.right <= r.left || r.bottom <= r.top; }

}  // namespace

TbsSkinForm::~TbsSkinForm() {
  if (Handle()) StopTimers();
}

bool TbsSkinForm::Attach(HWND form) {
  if (!Subclass(form)) return false;
  // The frame draws caption and buttons; the system draws none of its own.
  LONG_PTR style = GetWindowLongPtrW(form, GWL_STYLE);
  style &= ~static_cast<LONG_PTR>(WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
  SetWindowLongPtrW(form, GWL_STYLE, style);
  RECT r;
  GetWindowRect(form, &r);
  width_ = r.right - r.left;
  height_ = r.bottom - r.top;
  active_ = GetActiveWindow() == form;
  SetWindowPos(form, nullptr, 0, 0, 0, 0,
               SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  return true;
}

void TbsSkinForm::SetSkinData(TbsSkinData* data) {
  skinData_ = data;
  ApplySkin();
}

// ---- geometry -----------------------------------------------------------------

Rect TbsSkinForm::WindowBounds() const {
  RECT r = {};
  GetWindowRect(Handle(), &r);
  return FromRECT(r);
}

Rect TbsSkinForm::WorkArea() const {
  MONITORINFO mi = {};
  mi.cbSize = sizeof mi;
  HMONITOR monitor = MonitorFromWindow(Handle(), MONITOR_DEFAULTTONEAREST);
  if (!monitor || !GetMonitorInfoW(monitor, &mi)) {
    RECT r;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0);
    return FromRECT(r);
  }
  return FromRECT(MaximizeOnFullScreen ? mi.rcMonitor : mi.rcWork);
}

bool TbsSkinForm::Sizeable() const {
  return (GetWindowLongPtrW(Handle(), GWL_STYLE) & WS_THICKFRAME) != 0;
}

FrameLimitInputs TbsSkinForm::LimitInputs() const {
  FrameLimitInputs in;
  in.skinned = skinned_;
  in.pictureWidth = skin_.pictureWidth;
  in.pictureHeight = skin_.pictureHeight;
  in.client = skin_.client;
  in.minWidth = MinWidth;
  in.minHeight = MinHeight;
  in.maxWidth = MaxWidth;
  in.maxHeight = MaxHeight;
  in.minimized = state_ == FrameState::Minimized;
  in.rolledUp = rolledUp_;
  in.toolWindow = (GetWindowLongPtrW(Handle(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW) != 0;
  const Rect work = WorkArea();
  in.workArea = Size{work.Width(), work.Height()};
  return in;
}

int TbsSkinForm::FrameMinWidth() const { return bs::FrameMinWidth(LimitInputs()); }
int TbsSkinForm::FrameMinHeight() const { return bs::FrameMinHeight(LimitInputs()); }
int TbsSkinForm::FrameMaxWidth() const { return bs::FrameMaxWidth(LimitInputs()); }
int TbsSkinForm::FrameMaxHeight() const { return bs::FrameMaxHeight(LimitInputs()); }

void TbsSkinForm::PlaceFrameNow() {
  if (skinned_) placed_ = PlaceFrame(skin_, width_, height_);
}

// ---- skin -------------------------------------------------------------------

void TbsSkinForm::ApplySkin() {
  HWND hwnd = Handle();
  skinned_ = skinData_ && !skinData_->Empty() && !skinData_->picture.Empty();
  skin_ = skinned_ ? FrameSkinOf(*skinData_) : FrameSkin{};
  stripsWidth_ = -1;
  if (!hwnd) return;
  if (!skinned_) {
    maskStrips_ = FrameStrips{};
    SetWindowRgn(hwnd, nullptr, TRUE);
  }
  // The frame's margins changed: the system asks WM_NCCALCSIZE again.
  SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
               SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);

  const Rect bounds = WindowBounds();
  int w = bounds.Width(), h = bounds.Height();
  const int minW = FrameMinWidth(), minH = FrameMinHeight();
  if (rolledUp_ || state_ == FrameState::Minimized) h = minH;
  if (state_ == FrameState::Minimized) w = minW;
  w = std::max(w, minW);
  h = std::max(h, minH);
  if (w != bounds.Width() || h != bounds.Height())
    SetWindowPos(hwnd, nullptr, 0, 0, w, h, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  else
    NudgeFrame();

  const Rect now = WindowBounds();
  width_ = now.Width();
  height_ = now.Height();
  if (skinned_) {
    PlaceFrameNow();
    ShapeWindow();
  }
  RedrawWindow(hwnd, nullptr, nullptr,
               RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  SetTimer(hwnd, kMouseTimer, 50, nullptr);

  if (ClientWidth > 0 || ClientHeight > 0) {
    RECT client;
    GetClientRect(hwnd, &client);
    const int cw = ClientWidth > 0 ? ClientWidth : client.right;
    const int ch = ClientHeight > 0 ? ClientHeight : client.bottom;
    SetWindowPos(hwnd, nullptr, 0, 0, width_ + cw - client.right, height_ + ch - client.bottom,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

// One pixel narrower (or wider at the minimum) and back: the system then
// measures the frame again.
void TbsSkinForm::NudgeFrame() {
  const Rect b = WindowBounds();
  const int step = b.Width() - 1 < FrameMinWidth() ? 1 : -1;
  SetWindowPos(Handle(), nullptr, 0, 0, b.Width() + step, b.Height(),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  SetWindowPos(Handle(), nullptr, 0, 0, b.Width(), b.Height(),
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void TbsSkinForm::ShapeWindow() {
  HWND hwnd = Handle();
  if (!skinned_ || skinData_->mask.Empty()) {
    maskStrips_ = FrameStrips{};
    SetWindowRgn(hwnd, nullptr, TRUE);
    return;
  }
  maskStrips_ = BuildMaskStrips(skinData_->mask, skin_, width_, height_);
  const Region region = WindowRegion(maskStrips_, placed_);
  // One buffer sized from the rectangles it holds.
  std::vector<unsigned char> data(sizeof(RGNDATAHEADER) + region.rects.size() * sizeof(RECT));
  auto* rd = reinterpret_cast<RGNDATA*>(data.data());
  rd->rdh.dwSize = sizeof(RGNDATAHEADER);
  rd->rdh.iType = RDH_RECTANGLES;
  rd->rdh.nCount = static_cast<DWORD>(region.rects.size());
  rd->rdh.rcBound = RECT{0, 0, width_, height_};
  auto* rects = reinterpret_cast<RECT*>(rd->Buffer);
  for (std::size_t i = 0; i < region.rects.size(); ++i) rects[i] = ToRECT(region.rects[i]);
  HRGN rgn = ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()), rd);
  // The system owns the region from here and deletes the one it replaces.
  if (rgn && !SetWindowRgn(hwnd, rgn, TRUE)) DeleteObject(rgn);
}

// ---- painting ------------------------------------------------------------------

const Picture& TbsSkinForm::FrameSource() const {
  if (!active_ && !skinData_->inactivepicture.Empty()) return skinData_->inactivepicture;
  return skinData_->picture;
}

const FrameStrips& TbsSkinForm::Strips() const {
  if (stripsWidth_ != width_ || stripsHeight_ != height_ || stripsActive_ != active_) {
    strips_ = BuildFrameStrips(FrameSource(), skin_, width_, height_);
    if (!active_ && skinData_->FormInfo.autorenderinginactiveimage) {
      const RandomSource random = SystemRandom();
      for (Picture* p : {&strips_.top, &strips_.bottom, &strips_.left, &strips_.right})
        if (!p->Empty()) ApplyInactiveEffect(*p, skinData_->FormInfo.inactiveeffect, random);
    }
    stripsWidth_ = width_;
    stripsHeight_ = height_;
    stripsActive_ = active_;
  }
  return strips_;
}

void TbsSkinForm::PaintFrame(HDC dc) {
  if (width_ < FrameMinWidth() || height_ < FrameMinHeight()) return;
  PlaceFrameNow();
  const FrameStrips& s = Strips();
  const StripPlaces at = FrameStripPlaces(skin_, width_, height_);
  const int saved = SaveDC(dc);
  ExcludeClipRect(dc, placed_.client.left, placed_.client.top, placed_.client.right,
                  placed_.client.bottom);
  DrawPicture(dc, at.top.x, at.top.y, s.top);
  DrawPicture(dc, at.left.x, at.left.y, s.left);
  DrawPicture(dc, at.right.x, at.right.y, s.right);
  DrawPicture(dc, at.bottom.x, at.bottom.y, s.bottom);
  RestoreDC(dc, saved);
}

void TbsSkinForm::PaintPlainFrame(HDC dc) {
  const int w = width_, h = height_;
  const bool tool = (GetWindowLongPtrW(Handle(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW) != 0;
  const int captionH = tool ? kPlainToolCaptionHeight : kPlainCaptionHeight;
  const int saved = SaveDC(dc);
  ExcludeClipRect(dc, 3, captionH + 3, w - 3, h - 3);
  auto line = [&](int x1, int y1, int x2, int y2, int colour) {
    HPEN pen = CreatePen(PS_SOLID, 1, GetSysColor(colour));
    HGDIOBJ old = SelectObject(dc, pen);
    MoveToEx(dc, x1, y1, nullptr);
    LineTo(dc, x2, y2);
    SelectObject(dc, old);
    DeleteObject(pen);
  };
  // Three raised lines, outer to inner: light and dark shadow, highlight
  // and shadow, face.
  const int light[3] = {COLOR_3DLIGHT, COLOR_BTNHIGHLIGHT, COLOR_BTNFACE};
  const int dark[3] = {COLOR_3DDKSHADOW, COLOR_BTNSHADOW, COLOR_BTNFACE};
  for (int i = 0; i < 3; ++i) {
    line(i, h - 1 - i, i, i, light[i]);
    line(i, i, w - 1 - i, i, light[i]);
    line(w - 1 - i, i, w - 1 - i, h - 1 - i, dark[i]);
    line(w - 1 - i, h - 1 - i, i - 1, h - 1 - i, dark[i]);
  }
  RECT bar = {3, 3, w - 3, 3 + captionH};
  FillRect(dc, &bar, GetSysColorBrush(COLOR_BTNFACE));
  // The grip: alternating highlight and shadow rows across the caption bar.
  for (int y = 2, i = 0; y <= captionH - 4; ++y, ++i)
    line(3 + 2, 3 + y, w - 3 - 2, 3 + y, i % 2 == 0 ? COLOR_BTNHIGHLIGHT : COLOR_BTNSHADOW);
  RestoreDC(dc, saved);
}

void TbsSkinForm::RepaintFrame() {
  RedrawWindow(Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW | RDW_NOCHILDREN);
}

Picture TbsSkinForm::RenderCurrentFrame() const {
  if (!skinned_) return Picture{};
  const FrameStrips& s = Strips();
  const StripPlaces at = FrameStripPlaces(skin_, width_, height_);
  Picture out(width_, height_);
  CopyPicture(out, at.top.x, at.top.y, s.top, Rect{0, 0, s.top.width, s.top.height});
  CopyPicture(out, at.left.x, at.left.y, s.left, Rect{0, 0, s.left.width, s.left.height});
  CopyPicture(out, at.right.x, at.right.y, s.right, Rect{0, 0, s.right.width, s.right.height});
  CopyPicture(out, at.bottom.x, at.bottom.y, s.bottom,
              Rect{0, 0, s.bottom.width, s.bottom.height});
  return out;
}

void TbsSkinForm::WMEraseBkgnd(HDC dc) {
  RECT client;
  GetClientRect(Handle(), &client);
  if (!skinned_) {
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    return;
  }
  const Picture* tile = skinData_->ExtraPicture(skinData_->FormInfo.bgpictureindex);
  Rect from = tile ? Rect{0, 0, tile->width, tile->height} : skin_.client;
  if (!tile) tile = &skinData_->picture;
  from.right = std::min(from.right, tile->width);
  from.bottom = std::min(from.bottom, tile->height);
  if (from.IsEmpty()) {
    FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
    return;
  }
  for (int y = 0; y < client.bottom; y += from.Height())
    for (int x = 0; x < client.right; x += from.Width()) DrawPicture(dc, x, y, *tile, from);
}

// WM_PRINT with PRF_NONCLIENT: the frame into the given context, as on screen.
void TbsSkinForm::WMPrint(HDC dc, LPARAM flags) {
  if (flags & PRF_NONCLIENT) {
    if (skinned_) PaintFrame(dc);
    else PaintPlainFrame(dc);
  }
  if (flags & (PRF_CLIENT | PRF_ERASEBKGND)) {
    RECT window, client;
    GetWindowRect(Handle(), &window);
    GetClientRect(Handle(), &client);
    POINT origin = {0, 0};
    ClientToScreen(Handle(), &origin);
    const int dx = origin.x - window.left, dy = origin.y - window.top;
    const int saved = SaveDC(dc);
    SetViewportOrgEx(dc, dx, dy, nullptr);
    IntersectClipRect(dc, 0, 0, client.right, client.bottom);
    if (flags & PRF_ERASEBKGND) WMEraseBkgnd(dc);
    if (flags & PRF_CLIENT) DefaultProc(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), flags);
    RestoreDC(dc, saved);
  }
}

// ---- window states ---------------------------------------------------------

void TbsSkinForm::ChangeWindowState(FrameState state) {
  HWND hwnd = Handle();
  if (state == state_) return;
  if (state == FrameState::Normal) {
    if (!IsEmptyRECT(restoreBounds_)) {
      const RECT b = restoreBounds_;
      restoreBounds_ = RECT{};
      state_ = FrameState::Normal;
      SetWindowPos(hwnd, nullptr, b.left, b.top, b.right - b.left, b.bottom - b.top,
                   SWP_NOZORDER | SWP_NOACTIVATE);
    }
    state_ = FrameState::Normal;
    SetTimer(hwnd, kMouseTimer, 50, nullptr);
    RepaintFrame();
    return;
  }
  if (IsEmptyRECT(restoreBounds_)) GetWindowRect(hwnd, &restoreBounds_);
  Rect to;
  if (state == FrameState::Maximized) {
    to = WorkArea();
    // A work area that is the whole primary screen loses a pixel on each
    // side, so that an auto-hiding taskbar can still come up.
    MONITORINFO mi = {};
    mi.cbSize = sizeof mi;
    HMONITOR monitor = MonitorFromWindow(hwnd, MONITOR_DEFAULTTONEAREST);
    if (monitor && GetMonitorInfoW(monitor, &mi) && FromRECT(mi.rcMonitor) == to &&
        (mi.dwFlags & MONITORINFOF_PRIMARY))
      to = Rect{to.left + 1, to.top + 1, to.right - 1, to.bottom - 1};
  } else {
    const Rect work = WorkArea();
    state_ = FrameState::Minimized;  // the limits of a minimized window
    const int w = FrameMinWidth(), h = FrameMinHeight();
    to = Rect{work.left, work.bottom - h, work.left + w, work.bottom};
  }
  state_ = state;
  SetWindowPos(hwnd, nullptr, to.left, to.top, to.Width(), to.Height(),
               SWP_NOZORDER | SWP_NOACTIVATE);
  RepaintFrame();
}

void TbsSkinForm::ToggleRollUp() {
  if (!(BorderIcons & biRollUp) || state_ == FrameState::Minimized) return;
  const Rect b = WindowBounds();
  if (!rolledUp_) {
    rollUpHeight_ = b.Height();
    rolledUp_ = true;
    SetWindowPos(Handle(), nullptr, 0, 0, b.Width(), FrameMinHeight(),
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  } else {
    rolledUp_ = false;
    SetWindowPos(Handle(), nullptr, 0, 0, b.Width(), rollUpHeight_,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }
}

// ---- messages -----------------------------------------------------------------

void TbsSkinForm::StopTimers() {
  KillTimer(Handle(), kMouseTimer);
  KillTimer(Handle(), kMorphTimer);
  KillTimer(Handle(), kAnimationTimer);
}

namespace {
struct ControlMessage {
  UINT msg;
  WPARAM data;
};
BOOL CALLBACK TellChild(HWND child, LPARAM lp) {
  const auto* m = reinterpret_cast<const ControlMessage*>(lp);
  SendMessageW(child, m->msg, m->data, kSkinNotifyParam);
  return TRUE;
}
}  // namespace

void TbsSkinForm::TellControls(UINT msg, WPARAM data) {
  ControlMessage m{msg, data};
  EnumChildWindows(Handle(), TellChild, reinterpret_cast<LPARAM>(&m));
}

LRESULT TbsSkinForm::WMNCCalcSize(WPARAM wp, LPARAM lp) {
  RECT* r = wp ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(lp)->rgrc[0] : reinterpret_cast<RECT*>(lp);
  const bool tool = (GetWindowLongPtrW(Handle(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW) != 0;
  const FrameMargins m = skinned_ ? SkinnedMargins(skin_) : PlainMargins(tool);
  Rect c = ClientRectOf(FromRECT(*r), m);
  // A window smaller than its margins has an empty client area, not a
  // reversed one.
  c.right = std::max(c.right, c.left);
  c.bottom = std::max(c.bottom, c.top);
  *r = ToRECT(c);
  return 0;
}

LRESULT TbsSkinForm::WMNCHitTest(LPARAM lp) {
  const Rect b = WindowBounds();
  const Point p{GET_X_LPARAM(lp) - b.left, GET_Y_LPARAM(lp) - b.top};
  if (!skinned_) {
    PlainHitInput in;
    in.point = p;
    in.width = b.Width();
    in.height = b.Height();
    in.rolledUp = rolledUp_;
    in.minimized = state_ == FrameState::Minimized;
    in.maximized = state_ == FrameState::Maximized;
    in.sizeable = Sizeable();
    in.captionArea = Rect{3, 3, b.Width() - 3, 3 + kPlainCaptionHeight};
    return PlainFrameHitTest(in);
  }
  PlaceFrameNow();
  FrameHitInput in;
  in.point = p;
  in.rolledUp = rolledUp_;
  in.minimized = state_ == FrameState::Minimized;
  in.maximized = state_ == FrameState::Maximized;
  in.sizeable = Sizeable();
  in.sizeMoveUnderWay = sizeMove_;
  in.mask = skinData_->mask.Empty() ? nullptr : &maskStrips_;
  return FrameHitTest(placed_, skin_.borderWidth, in);
}

void TbsSkinForm::WMSize() {
  const Rect b = WindowBounds();
  width_ = b.Width();
  height_ = b.Height();
  if (skinned_) {
    if (width_ >= FrameMinWidth() && height_ >= FrameMinHeight()) {
      PlaceFrameNow();
      ShapeWindow();
    }
  } else {
    RepaintFrame();
  }
}

void TbsSkinForm::WMGetMinMaxInfo(LPARAM lp) {
  auto* mmi = reinterpret_cast<MINMAXINFO*>(lp);
  mmi->ptMinTrackSize = POINT{FrameMinWidth(), FrameMinHeight()};
  mmi->ptMaxTrackSize = POINT{FrameMaxWidth(), FrameMaxHeight()};
}

LRESULT TbsSkinForm::WMNCLButtonDblClk(WPARAM wp, LPARAM lp) {
  (void)lp;
  if (wp != HTCAPTION || !Sizeable()) return 0;
  if (state_ == FrameState::Minimized) ChangeWindowState(FrameState::Normal);
  else if (state_ == FrameState::Normal && !rolledUp_ && (BorderIcons & biMaximize))
    ChangeWindowState(FrameState::Maximized);
  else if (state_ == FrameState::Maximized) ChangeWindowState(FrameState::Normal);
  else ToggleRollUp();
  return 0;
}

LRESULT TbsSkinForm::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
  HWND hwnd = Handle();
  switch (msg) {
    case WM_DESTROY:
      StopTimers();
      break;
    case WM_SIZE: {
      LRESULT r = DefaultProc(msg, wp, lp);
      WMSize();
      return r;
    }
    case WM_ACTIVATE: {
      LRESULT r = DefaultProc(msg, wp, lp);
      RepaintFrame();
      return r;
    }
    case WM_SETTEXT: {
      LRESULT r = DefaultProc(msg, wp, lp);
      RepaintFrame();
      return r;
    }
    case WM_ERASEBKGND:
      WMEraseBkgnd(reinterpret_cast<HDC>(wp));
      return 1;
    case WM_SHOWWINDOW:
      if (wp) NudgeFrame();
      break;
    case WM_GETMINMAXINFO: {
      LRESULT r = DefaultProc(msg, wp, lp);
      WMGetMinMaxInfo(lp);
      return r;
    }
    case WM_NCCALCSIZE:
      return WMNCCalcSize(wp, lp);
    case WM_NCHITTEST:
      return WMNCHitTest(lp);
    case WM_NCPAINT: {
      WindowDC dc(hwnd);
      if (skinned_) PaintFrame(dc.get());
      else PaintPlainFrame(dc.get());
      return 0;
    }
    case WM_PRINT: {
      WMPrint(reinterpret_cast<HDC>(wp), lp);
      return 0;
    }
    case WM_NCACTIVATE:
      active_ = wp != 0;
      RepaintFrame();
      return TRUE;  // no caption of the system's
    case WM_MOVING:
      if (state_ == FrameState::Maximized) GetWindowRect(hwnd, reinterpret_cast<RECT*>(lp));
      return TRUE;
    case WM_ENTERSIZEMOVE:
      sizeMove_ = true;
      KillTimer(hwnd, kMouseTimer);
      break;
    case WM_EXITSIZEMOVE:
      sizeMove_ = false;
      RepaintFrame();
      break;
    case WM_NCLBUTTONDBLCLK:
      return WMNCLButtonDblClk(wp, lp);
    case WM_TIMER:
      if (wp == kMouseTimer || wp == kMorphTimer || wp == kAnimationTimer) return 0;
      break;
    default:
      if (msg == SkinChanging && reinterpret_cast<TbsSkinData*>(wp) == skinData_) {
        skinned_ = false;
        StopTimers();
        TellControls(msg, wp);
        return 0;
      }
      if (msg == SkinChanged) {
        if (reinterpret_cast<TbsSkinData*>(wp) == skinData_) ApplySkin();
        TellControls(msg, wp);
        return 0;
      }
      break;
  }
  return DefaultProc(msg, wp, lp);
}

}  // namespace bs
