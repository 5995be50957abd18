#include "skinwin/bsSkinCtrls.h"

#include <commctrl.h>
#include <windowsx.h>

#include <algorithm>

#include "skinwin/bsPaint.h"

namespace bs {

namespace {

constexpr UINT_PTR kGraphicTimerBase = 0x6B00;  // two timers per hosted control
constexpr int kMaxGraphics = 0x80;

Size SizeOf(const Rect& r) { return Size{r.Width(), r.Height()}; }

// p, in the host's client coordinates, relative to the hosted control g.
Point Local(const TbsGraphicControl* g, Point p) {
  return Point{p.x - g->Bounds().left, p.y - g->Bounds().top};
}

}  // namespace

// ---- TbsSkinControl -------------------------------------------------------------

TbsSkinControl::~TbsSkinControl() {
  for (TbsGraphicControl* g : graphics_) g->host_ = nullptr;
  if (tips_ && IsWindow(tips_)) DestroyWindow(tips_);
}

bool TbsSkinControl::CreateControl(HWND parent, const Rect& bounds) {
  const Size size = Section().InForce() ? FitSize(SizeOf(bounds)) : SizeOf(bounds);
  const vellumo::WindowClass cls = {ClassName(), GetModuleHandleW(nullptr),
                                    LoadCursorW(nullptr, IDC_ARROW)};
  if (!CreateHandle(cls, 0, L"", Style(), bounds.left, bounds.top, size.width, size.height, parent,
                    nullptr))
    return false;
  UpdateRegion();
  for (TbsGraphicControl* g : graphics_) UpdateHint(g);
  return true;
}

void TbsSkinControl::SkinChange() {
  if (!Handle()) return;
  const Size now = ClientSize();
  const Size size = SizeAfterSkinChange(now);
  if (size != now)
    SetWindowPos(Handle(), nullptr, 0, 0, size.width, size.height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  UpdateRegion();
  Repaint();
}

void TbsSkinControl::SetBounds(const Rect& r) {
  Size size = SizeOf(r);
  if (Section().InForce()) size = FitSize(size);
  if (!Handle()) return;
  const Size before = ClientSize();
  MoveWindow(Handle(), r.left, r.top, size.width, size.height, TRUE);
  if (size != before) UpdateRegion();
}

Rect TbsSkinControl::Bounds() const { return BoundsInParent(Handle()); }

Size TbsSkinControl::ClientSize() const { return WindowSize(Handle()); }

bool TbsSkinControl::Enabled() const { return Handle() && IsWindowEnabled(Handle()); }

void TbsSkinControl::SetEnabled(bool enabled) {
  if (Handle()) EnableWindow(Handle(), enabled);
}

void TbsSkinControl::Repaint() const {
  if (Handle()) InvalidateRect(Handle(), nullptr, FALSE);
}

void TbsSkinControl::UpdateRegion() {
  HWND hwnd = Handle();
  if (!hwnd) return;
  const Size size = ClientSize();
  const ControlSection s = Section();
  if (!s.InForce() || s.mask == nullptr || s.mask->Empty()) {
    // Only a region of ours is removed: the window never had one otherwise.
    HRGN probe = CreateRectRgn(0, 0, 0, 0);
    if (GetWindowRgn(hwnd, probe) != ERROR) SetWindowRgn(hwnd, nullptr, TRUE);
    DeleteObject(probe);
    return;
  }
  SetWindowRegion(hwnd, ControlRegion(*s.mask, s.geometry, s.mode, size.width, size.height));
}

// The control and the window-less ones it hosts, off-screen, then r of it
// to dc in one step.
void TbsSkinControl::PaintTo(HDC dc, const Rect& r) {
  const Size size = ClientSize();
  if (size.width <= 0 || size.height <= 0) return;
  TbsCanvas canvas(size.width, size.height);
  PaintControl(canvas);
  for (TbsGraphicControl* g : graphics_) {
    if (!g->Visible()) continue;
    TbsCanvas::Place place(canvas, g->Bounds());
    g->Paint(canvas);
  }
  canvas.CopyTo(dc, r);
}

void TbsSkinControl::Paint() {
  PAINTSTRUCT ps;
  HDC dc = BeginPaint(Handle(), &ps);
  PaintTo(dc, FromRECT(ps.rcPaint));
  EndPaint(Handle(), &ps);
}

// ---- hosted window-less controls ---------------------------------------------------

void TbsSkinControl::AddGraphic(TbsGraphicControl* g) {
  if (IndexOf(g) >= 0 || static_cast<int>(graphics_.size()) >= kMaxGraphics) return;
  graphics_.push_back(g);
  UpdateHint(g);
  InvalidateArea(g->Bounds());
}

void TbsSkinControl::RemoveGraphic(TbsGraphicControl* g) {
  const int i = IndexOf(g);
  if (i < 0) return;
  StopGraphicTimer(g, 0);
  StopGraphicTimer(g, 1);
  if (tips_) {
    TOOLINFOW ti = {};
    ti.cbSize = TTTOOLINFOW_V2_SIZE;
    ti.hwnd = Handle();
    ti.uId = static_cast<UINT_PTR>(i) + 1;
    SendMessageW(tips_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
  }
  if (hot_ == g) hot_ = nullptr;
  if (captured_ == g) captured_ = nullptr;
  InvalidateArea(g->Bounds());
  graphics_.erase(graphics_.begin() + i);
}

int TbsSkinControl::IndexOf(const TbsGraphicControl* g) const {
  const auto it = std::find(graphics_.begin(), graphics_.end(), g);
  return it == graphics_.end() ? -1 : static_cast<int>(it - graphics_.begin());
}

void TbsSkinControl::InvalidateArea(const Rect& r) const {
  if (!Handle() || r.IsEmpty()) return;
  const RECT rc = ToRECT(r);
  InvalidateRect(Handle(), &rc, FALSE);
}

TbsGraphicControl* TbsSkinControl::GraphicAt(Point p) const {
  for (auto it = graphics_.rbegin(); it != graphics_.rend(); ++it)
    if ((*it)->Visible() && Contains((*it)->Bounds(), p)) return *it;
  return nullptr;
}

void TbsSkinControl::StartGraphicTimer(const TbsGraphicControl* g, int which, UINT ms) {
  const int i = IndexOf(g);
  if (i >= 0 && Handle()) SetTimer(Handle(), kGraphicTimerBase + i * 2 + which, ms, nullptr);
}

void TbsSkinControl::StopGraphicTimer(const TbsGraphicControl* g, int which) {
  const int i = IndexOf(g);
  if (i >= 0 && Handle()) KillTimer(Handle(), kGraphicTimerBase + i * 2 + which);
}

// Standard tooltips: one tool per hosted control with a hint.
void TbsSkinControl::UpdateHint(const TbsGraphicControl* g) {
  const int i = IndexOf(g);
  if (i < 0 || !Handle()) return;
  const bool wanted = g->ShowHint && !g->Hint().empty();
  if (!tips_ && !wanted) return;
  if (!tips_) {
    INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_BAR_CLASSES};
    InitCommonControlsEx(&icc);
    tips_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr,
                            WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                            CW_USEDEFAULT, CW_USEDEFAULT, Handle(), nullptr,
                            GetModuleHandleW(nullptr), nullptr);
    if (!tips_) return;
  }
  TOOLINFOW ti = {};
  ti.cbSize = TTTOOLINFOW_V2_SIZE;
  ti.hwnd = Handle();
  ti.uId = static_cast<UINT_PTR>(i) + 1;
  SendMessageW(tips_, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
  if (!wanted) return;
  ti.rect = ToRECT(g->Bounds());
  std::wstring text = g->Hint();
  ti.lpszText = text.data();
  SendMessageW(tips_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
}

void TbsSkinControl::RelayToHints(UINT msg, WPARAM wp, LPARAM lp) {
  if (!tips_) return;
  MSG m = {Handle(), msg, wp, lp, static_cast<DWORD>(GetMessageTime()), {}};
  const DWORD pos = GetMessagePos();
  m.pt = POINT{GET_X_LPARAM(pos), GET_Y_LPARAM(pos)};
  SendMessageW(tips_, TTM_RELAYEVENT, 0, reinterpret_cast<LPARAM>(&m));
}

void TbsSkinControl::MouseMove(LPARAM lp) {
  const Point p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
  if (!mouseInside_) {
    TRACKMOUSEEVENT t = {sizeof t, TME_LEAVE, Handle(), 0};
    TrackMouseEvent(&t);
    mouseInside_ = true;
    MouseEntered();
    TellMouseEnter();
  }
  TbsGraphicControl* under = InClient(lp) ? GraphicAt(p) : nullptr;
  if (under != hot_) {
    TbsGraphicControl* left = hot_;
    hot_ = under;
    if (left) left->MouseLeave();
    if (under) under->MouseEnter();
  }
  if (TbsGraphicControl* g = captured_ ? captured_ : hot_)
    g->MouseMove(Local(g, p));
}

bool TbsSkinControl::InClient(LPARAM lp) const {
  const int x = GET_X_LPARAM(lp), y = GET_Y_LPARAM(lp);
  const Size s = ClientSize();
  return x >= 0 && y >= 0 && x < s.width && y < s.height;
}

void TbsSkinControl::MouseOut() {
  mouseInside_ = false;
  if (hot_ && !captured_) {
    TbsGraphicControl* left = hot_;
    hot_ = nullptr;
    left->MouseLeave();
  }
  MouseLeft();
  TellMouseLeave();
}

LRESULT TbsSkinControl::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_ERASEBKGND:
      return 1;  // every paint covers all pixels
    case WM_PAINT:
      Paint();
      return 0;
    case WM_PRINTCLIENT:
      PaintTo(reinterpret_cast<HDC>(wp), Rect{0, 0, ClientSize().width, ClientSize().height});
      return 0;
    case WM_ENABLE:
      EnabledChanged();
      return 0;
    case WM_MOUSEMOVE:
      RelayToHints(msg, wp, lp);
      MouseMove(lp);
      return 0;
    case WM_MOUSELEAVE:
      MouseOut();
      return 0;
    case WM_LBUTTONDOWN: {
      RelayToHints(msg, wp, lp);
      const Point p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
      TbsGraphicControl* g = GraphicAt(p);
      if (g && g->Enabled()) {
        captured_ = g;
        SetCapture(Handle());
        g->MouseDown(Local(g, p));
        return 0;
      }
      break;
    }
    case WM_LBUTTONUP: {
      RelayToHints(msg, wp, lp);
      TbsGraphicControl* g = captured_;
      if (!g) break;
      captured_ = nullptr;
      ReleaseCapture();
      const Point p{GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
      g->MouseUp(Local(g, p), InClient(lp) && Contains(g->Bounds(), p));
      return 0;
    }
    case WM_CAPTURECHANGED:
      if (TbsGraphicControl* g = captured_) {
        captured_ = nullptr;
        g->CaptureLost();
      }
      break;
    case WM_TIMER:
      if (wp >= kGraphicTimerBase && wp < kGraphicTimerBase + kMaxGraphics * 2) {
        const std::size_t i = (wp - kGraphicTimerBase) / 2;
        if (i < graphics_.size()) graphics_[i]->TimerTick(static_cast<int>((wp - kGraphicTimerBase) % 2));
        else KillTimer(Handle(), wp);
        return 0;
      }
      break;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC:
      if (lp) {
        if (LRESULT brush = SendMessageW(reinterpret_cast<HWND>(lp), kReflectBase + msg, wp, lp))
          return brush;
      }
      break;
    default:
      if (msg == SkinChanging || msg == SkinChanged) {
        auto* data = reinterpret_cast<TbsSkinData*>(wp);
        TakeSkinNotice(msg, data);
        for (TbsGraphicControl* g : std::vector<TbsGraphicControl*>(graphics_))
          g->SkinNotify(msg, data);
        return 0;
      }
      break;
  }
  return DefaultProc(msg, wp, lp);
}

// ---- TbsSkinCustomControl --------------------------------------------------------

void TbsSkinCustomControl::SetDefaultWidth(int w) {
  DefaultWidth = w;
  if (w > 0 && !Section().InForce() && Handle()) {
    const Rect b = Bounds();
    SetBounds(Rect{b.left, b.top, b.left + w, b.bottom});
  }
}

void TbsSkinCustomControl::SetDefaultHeight(int h) {
  DefaultHeight = h;
  if (h > 0 && !Section().InForce() && Handle()) {
    const Rect b = Bounds();
    SetBounds(Rect{b.left, b.top, b.right, b.top + h});
  }
}

// ---- TbsGraphicControl -------------------------------------------------------------

TbsGraphicControl::~TbsGraphicControl() {
  if (host_) host_->RemoveGraphic(this);
}

void TbsGraphicControl::SetParent(TbsSkinControl* host) {
  if (host_ == host) return;
  if (host_) host_->RemoveGraphic(this);
  host_ = host;
  if (host_) host_->AddGraphic(this);
}

void TbsGraphicControl::SetBounds(const Rect& r) {
  const Size size = FitSize(SizeOf(r));
  const Rect next{r.left, r.top, r.left + size.width, r.top + size.height};
  if (next == bounds_) return;
  Invalidate();
  bounds_ = next;
  Invalidate();
  if (host_) host_->UpdateHint(this);
}

void TbsGraphicControl::SetVisible(bool visible) {
  if (visible_ == visible) return;
  visible_ = visible;
  if (host_) host_->InvalidateArea(bounds_);
}

void TbsGraphicControl::SetEnabled(bool enabled) {
  if (enabled_ == enabled) return;
  enabled_ = enabled;
  EnabledChanged();
}

void TbsGraphicControl::SetHint(const std::wstring& hint) {
  hint_ = hint;
  if (host_) host_->UpdateHint(this);
}

void TbsGraphicControl::Invalidate() const {
  if (host_) host_->InvalidateArea(bounds_);
}

void TbsGraphicControl::StartTimer(int which, UINT ms) {
  if (host_) host_->StartGraphicTimer(this, which, ms);
}

void TbsGraphicControl::StopTimer(int which) {
  if (host_) host_->StopGraphicTimer(this, which);
}

// ---- TbsGraphicSkinControl ---------------------------------------------------------

void TbsGraphicSkinControl::SkinChange() {
  const Rect b = Bounds();
  const Size size = SizeAfterSkinChange(SizeOf(b));
  SetBounds(Rect{b.left, b.top, b.left + size.width, b.top + size.height});
  Invalidate();
}

}  // namespace bs
