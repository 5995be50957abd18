#include "skinwin/bsSkinForm.h"

#include <windowsx.h>

#include <algorithm>

#include "skin/draw/bsEffects.h"
#include "skin/draw/bsGeometry.h"
#include "skin/frame/bsCaption.h"
#include "skin/frame/bsFormGeometry.h"
#include "skin/frame/bsFrameHitTest.h"
#include "skin/frame/bsFramePaint.h"
#include "skin/frame/bsFramePlace.h"
#include "skin/frame/bsFrameShape.h"
#include "skin/frame/bsFrameSize.h"
#include "skin/frame/bsFrameStrips.h"
#include "skin/frame/bsPlainFrame.h"
#include "skinwin/bsPaint.h"

namespace bs {

void TbsFormNotifier::SkinDataNotify(TbsSkinData& sender, unsigned message, int param) {
  if (form_) SendMessageW(form_, message, reinterpret_cast<WPARAM>(&sender), param);
}

namespace {

// Every frame of the program, for the minimise slots they take.
std::vector<TbsSkinForm*>& AllFrames() {
  static std::vector<TbsSkinForm*> frames;
  return frames;
}

// A skin colour: a COLORREF, or a system colour when its high byte is set.
COLORREF ColorOf(TColor c) {
  return (static_cast<std::uint32_t>(c) & 0xFF000000u) ? GetSysColor(c & 0xFF)
                                                       : static_cast<COLORREF>(c);
}

std::wstring WindowCaption(HWND hwnd) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(hwnd)) + 1, L'\0');
  text.resize(GetWindowTextW(hwnd, text.data(), static_cast<int>(text.size())));
  return text;
}

vellumo::UniqueFont CaptionFont(const std::wstring& face, int height, bool bold, bool italic,
                                bool underline, bool strikeOut) {
  LOGFONTW lf = {};
  lf.lfHeight = height;  // the cell height, as the skin gives it
  lf.lfWeight = bold ? FW_BOLD : FW_NORMAL;
  lf.lfItalic = italic;
  lf.lfUnderline = underline;
  lf.lfStrikeOut = strikeOut;
  lf.lfCharSet = DEFAULT_CHARSET;
  lstrcpynW(lf.lfFaceName, face.c_str(), LF_FACESIZE);
  return vellumo::UniqueFont(CreateFontIndirectW(&lf));
}

SIZE TextSize(HDC dc, const std::wstring& text) {
  SIZE size = {};
  GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
  return size;
}

// The caption shortened with "..." by whole characters to fit maxWidth in
// the font selected into dc.
std::wstring FitCaption(HDC dc, const std::wstring& caption, int maxWidth) {
  auto width = [dc](const std::u16string& t) {
    return static_cast<int>(TextSize(dc, std::wstring(t.begin(), t.end())).cx);
  };
  const std::u16string fitted = ShortenCaption(std::u16string(caption.begin(), caption.end()),
                                               maxWidth, width);
  return std::wstring(fitted.begin(), fitted.end());
}

// The four strips to dc, one copy each: no GDI object is made.
void DrawStrips(HDC dc, const FrameStrips& s, const StripPlaces& at) {
  DrawPicture(dc, at.top.x, at.top.y, s.top);
  DrawPicture(dc, at.left.x, at.left.y, s.left);
  DrawPicture(dc, at.right.x, at.right.y, s.right);
  DrawPicture(dc, at.bottom.x, at.bottom.y, s.bottom);
}

// The window's icon (the system's application icon) over r.
void DrawWindowIcon(HDC dc, const Rect& r) {
  DrawIconEx(dc, r.left, r.top, LoadIconW(nullptr, IDI_APPLICATION), r.Width(), r.Height(), 0,
             nullptr, DI_NORMAL);
}

// Draws text shortened to fit into rect, by the alignment, with an optional
// shadow one pixel right and down.
void DrawShortenedText(HDC dc, const std::wstring& caption, const Rect& rect, TAlignment alignment,
                       COLORREF colour, bool shadow, COLORREF shadowColour) {
  const std::wstring text = FitCaption(dc, caption, rect.Width());
  const SIZE size = TextSize(dc, text);
  const CaptionTextPlace at =
      PlaceCaptionText(rect, Size{static_cast<int>(size.cx), static_cast<int>(size.cy)}, alignment);
  const int length = static_cast<int>(text.size());
  SetBkMode(dc, TRANSPARENT);
  if (shadow) {
    SetTextColor(dc, shadowColour);
    TextOutW(dc, at.shadow.x, at.shadow.y, text.c_str(), length);
  }
  SetTextColor(dc, colour);
  TextOutW(dc, at.text.x, at.text.y, text.c_str(), length);
}

}  // namespace

TbsSkinForm::TbsSkinForm() { AllFrames().push_back(this); }

TbsSkinForm::~TbsSkinForm() {
  auto& frames = AllFrames();
  frames.erase(std::remove(frames.begin(), frames.end(), this), frames.end());
  if (Handle()) StopTimers();
}

bool TbsSkinForm::Attach(HWND form) {
  if (!Subclass(form)) return false;
  menu_.SetForm(form);
  // The frame draws caption and buttons; the system draws none of its own.
  LONG_PTR style = GetWindowLongPtrW(form, GWL_STYLE);
  style &= ~static_cast<LONG_PTR>(WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX);
  SetWindowLongPtrW(form, GWL_STYLE, style);
  const Rect b = WindowBounds();
  width_ = b.Width();
  height_ = b.Height();
  active_ = GetActiveWindow() == form;
  SetWindowPos(form, nullptr, 0, 0, 0, 0,
               SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  return true;
}

void TbsSkinForm::SetSkinData(TbsSkinData* data) {
  skinData_ = data;
  menu_.FormSkinData = data;
  ApplySkin();
}

// ---- geometry -----------------------------------------------------------------

Rect TbsSkinForm::WindowBounds() const {
  RECT r = {};
  GetWindowRect(Handle(), &r);
  return FromRECT(r);
}

Point TbsSkinForm::WindowPoint(LPARAM screen) const {
  const Rect b = WindowBounds();
  return Point{GET_X_LPARAM(screen) - b.left, GET_Y_LPARAM(screen) - b.top};
}

void TbsSkinForm::SetBounds(const Rect& r) {
  SetWindowPos(Handle(), nullptr, r.left, r.top, r.Width(), r.Height(),
               SWP_NOZORDER | SWP_NOACTIVATE);
}

MonitorArea TbsSkinForm::Monitor() const {
  MonitorArea m;
  MONITORINFO mi = {};
  mi.cbSize = sizeof mi;
  HMONITOR monitor = MonitorFromWindow(Handle(), MONITOR_DEFAULTTONEAREST);
  if (monitor && GetMonitorInfoW(monitor, &mi)) {
    m.monitor = FromRECT(mi.rcMonitor);
    m.work = FromRECT(mi.rcWork);
    m.primary = (mi.dwFlags & MONITORINFOF_PRIMARY) != 0;
  } else {
    RECT work;
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &work, 0);
    m.work = FromRECT(work);
    m.monitor = Rect{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
  }
  return m;
}

bool TbsSkinForm::Sizeable() const {
  return (GetWindowLongPtrW(Handle(), GWL_STYLE) & WS_THICKFRAME) != 0;
}

bool TbsSkinForm::ToolWindow() const {
  return (GetWindowLongPtrW(Handle(), GWL_EXSTYLE) & WS_EX_TOOLWINDOW) != 0;
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
  in.minimized = state_.WindowState() == TbsWindowState::wsMinimized;
  in.rolledUp = state_.RollUpState();
  in.toolWindow = ToolWindow();
  const MonitorArea m = Monitor();
  const Rect area = MaximizeOnFullScreen ? m.monitor : m.work;
  in.workArea = Size{area.Width(), area.Height()};
  return in;
}

int TbsSkinForm::FrameMinWidth() const { return bs::FrameMinWidth(LimitInputs()); }
int TbsSkinForm::FrameMinHeight() const { return bs::FrameMinHeight(LimitInputs()); }
int TbsSkinForm::FrameMaxWidth() const { return bs::FrameMaxWidth(LimitInputs()); }
int TbsSkinForm::FrameMaxHeight() const { return bs::FrameMaxHeight(LimitInputs()); }

void TbsSkinForm::PlaceFrameNow() {
  if (skinned_) placed_ = PlaceFrame(skin_, width_, height_);
}

void TbsSkinForm::PlaceObjects() {
  SyncStatus();
  if (skinned_)
    objects_.PlaceObjects(skin_, width_, height_, skinData_->FormInfo.buttonsoffset,
                          skinData_->FormInfo.buttonsinleft);
  else
    objects_.PlacePlainButtons(width_, ToolWindow());
}

void TbsSkinForm::SyncStatus() {
  objects_.Status.windowActive = active_;
  objects_.Status.windowState = state_.WindowState();
  objects_.Status.rolledUp = state_.RollUpState();
  objects_.Status.showIcon = ShowIcon;
  objects_.Status.iconSize = Size{GetSystemMetrics(SM_CXSMICON), GetSystemMetrics(SM_CYSMICON)};
  objects_.Status.sizeMoveUnderWay = sizeMove_;
}

// ---- skin -------------------------------------------------------------------

void TbsSkinForm::ApplySkin() {
  HWND hwnd = Handle();
  skinned_ = skinData_ && !skinData_->Empty() && !skinData_->picture.Empty();
  skin_ = skinned_ ? FrameSkinOf(*skinData_) : FrameSkin{};
  stripsWidth_ = -1;
  if (skinned_) objects_.CreateObjects(*skinData_);
  else objects_.CreatePlainButtons();
  SyncStatus();
  objects_.ApplyBorderIcons(BorderIcons, HideCaptionButtons,
                            [](const std::string&) { return false; },
                            skinned_ ? skinData_->ResourceStrData() : nullptr);
  objects_.TakeRequests();  // nothing to redraw yet: the whole frame follows
  if (!hwnd) return;
  if (!skinned_) {
    maskStrips_ = FrameStrips{};
    SetWindowRgn(hwnd, nullptr, TRUE);
  }
  // The frame's margins changed: the system asks WM_NCCALCSIZE again.
  SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
               SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);

  const Rect bounds = WindowBounds();
  const AppliedSize applied =
      ApplySkinSize(Size{bounds.Width(), bounds.Height()}, Size{FrameMinWidth(), FrameMinHeight()},
                    state_.RollUpState(), state_.WindowState() == TbsWindowState::wsMinimized);
  if (applied.nudge)
    NudgeFrame();
  else
    SetWindowPos(hwnd, nullptr, 0, 0, applied.size.width, applied.size.height,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);

  const Rect now = WindowBounds();
  width_ = now.Width();
  height_ = now.Height();
  PlaceFrameNow();
  PlaceObjects();
  if (skinned_) ShapeWindow();
  RedrawWindow(hwnd, nullptr, nullptr,
               RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  SetTimer(hwnd, kMouseTimer, 50, nullptr);
  mouseTimerOn_ = true;

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
  const int step = NudgeFirstStep(b.Width(), FrameMinWidth());
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
  SetWindowRegion(hwnd, WindowRegion(maskStrips_, placed_));
}

// ---- painting ------------------------------------------------------------------

const FrameStrips& TbsSkinForm::Strips() const {
  if (stripsWidth_ != width_ || stripsHeight_ != height_ || stripsActive_ != active_) {
    const Picture& source = !active_ && !skinData_->inactivepicture.Empty()
                                ? skinData_->inactivepicture
                                : skinData_->picture;
    strips_ = BuildFrameStrips(source, skin_, width_, height_);
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
  PlaceObjects();
  const FrameStrips s = ComposeFrameStrips(Strips(), objects_, placed_.client);
  const StripPlaces at = FrameStripPlaces(skin_, width_, height_);
  const int saved = SaveDC(dc);
  ExcludeClipRect(dc, placed_.client.left, placed_.client.top, placed_.client.right,
                  placed_.client.bottom);
  DrawStrips(dc, s, at);
  DrawCaptionText(dc);
  for (const auto& o : objects_.Objects)
    if (o->Visible && o->Draw(false).kind == ObjectImage::Icon) DrawWindowIcon(dc, o->ObjectRect);
  RestoreDC(dc, saved);
}

void TbsSkinForm::DrawCaptionText(HDC dc) {
  const TbsSkinCaptionObject* c = objects_.Caption();
  if (!c || !c->Visible) return;
  const TbsDataSkinCaption& k = c->Keys;
  vellumo::UniqueFont font = CaptionFont(
      WideFromGbk(k.fontname), k.fontheight, k.fontstyle.Has(fsBold), k.fontstyle.Has(fsItalic),
      k.fontstyle.Has(fsUnderline), k.fontstyle.Has(fsStrikeOut));
  HGDIOBJ old = SelectObject(dc, font.get());
  DrawShortenedText(dc, WindowCaption(Handle()), c->TextRect(), k.alignment,
                    ColorOf(active_ ? k.activefontcolor : k.fontcolor), k.shadow,
                    ColorOf(active_ ? k.activeshadowcolor : k.shadowcolor));
  SelectObject(dc, old);
}

PlainFrame TbsSkinForm::PlainLook(const Rect& captionPatch) const {
  PlainFrame f;
  f.window = Size{width_, height_};
  f.toolWindow = ToolWindow();
  f.captionArea = objects_.PlainCaptionArea(width_, f.toolWindow);
  f.captionPatch = captionPatch;
  f.windowState = state_.WindowState();
  f.rolledUp = state_.RollUpState();
  f.showIcon = ShowIcon;
  f.colours = CurrentSystemColors();
  return f;
}

void TbsSkinForm::PaintPlainFrame(HDC dc) {
  PlaceObjects();
  const bool tool = ToolWindow();
  const int saved = SaveDC(dc);
  const Rect client = ClientRectOf(Rect{0, 0, width_, height_}, PlainMargins(tool));
  ExcludeClipRect(dc, client.left, client.top, client.right, client.bottom);
  // The caption, bold, shortened to the caption area less 10 pixels.
  vellumo::UniqueFont font =
      CaptionFont(DefCaptionFontName, DefCaptionFontHeight, true, false, false, false);
  HGDIOBJ oldFont = SelectObject(dc, font.get());
  const Rect area = objects_.PlainCaptionArea(width_, tool);
  const std::wstring caption = WindowCaption(Handle());
  std::wstring fitted;
  PlainCaptionPlace place;
  if (!caption.empty() && area.Width() > 10) {
    fitted = FitCaption(dc, caption, area.Width() - 10);
    const SIZE size = TextSize(dc, fitted);
    place = PlacePlainCaption(area, Size{static_cast<int>(size.cx), static_cast<int>(size.cy)}, tool);
  }
  StripPlaces at;
  DrawStrips(dc, PlainFrameStrips(PlainLook(place.patch), objects_, &at), at);
  if (!fitted.empty()) {
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, GetSysColor(active_ ? COLOR_BTNTEXT : COLOR_BTNSHADOW));
    TextOutW(dc, place.text.x, place.text.y, fitted.c_str(), static_cast<int>(fitted.size()));
  }
  SelectObject(dc, oldFont);
  for (const auto& o : objects_.Objects)
    if (auto* b = dynamic_cast<const TbsSkinStdButtonObject*>(o.get()); b && b->Visible)
      DrawPlainIcon(dc, *b);
  RestoreDC(dc, saved);
}

// The system-menu button showing the window's icon: the icon over its fill.
void TbsSkinForm::DrawPlainIcon(HDC dc, const TbsSkinStdButtonObject& b) const {
  if (ShowIcon && b.command == TbsStdCommand::cmSysMenu) DrawWindowIcon(dc, b.ObjectRect);
}

void TbsSkinForm::RedrawObject(int index) {
  const TbsActiveSkinObject* o = objects_.ObjectAt(index);
  if (!o || !o->Visible || o->ObjectRect.IsEmpty()) return;
  WindowDC dc(Handle());
  if (!skinned_) {
    if (auto* b = dynamic_cast<const TbsSkinStdButtonObject*>(o)) {
      const Rect& r = b->ObjectRect;
      Picture button(r.Width(), r.Height());
      DrawPlainButton(button, Point{r.left, r.top}, *b, PlainLook(Rect{}));
      DrawPicture(dc.get(), r.left, r.top, button);
      DrawPlainIcon(dc.get(), *b);
    }
    return;
  }
  if (dynamic_cast<const TbsSkinCaptionObject*>(o)) {
    RepaintFrame();  // the text goes with it
    return;
  }
  const FrameStrips composed = ComposeFrameStrips(Strips(), objects_, placed_.client);
  const Picture image = ObjectPicture(composed, placed_.client, *o, true);
  DrawPicture(dc.get(), o->ObjectRect.left, o->ObjectRect.top, image);
}

void TbsSkinForm::RepaintFrame() {
  RedrawWindow(Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW | RDW_NOCHILDREN);
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

// WM_PRINT: the frame into the given context as on screen (the system's
// default does not know an own-painted frame), then the client area.
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
    const int saved = SaveDC(dc);
    OffsetViewportOrgEx(dc, origin.x - window.left, origin.y - window.top, nullptr);
    IntersectClipRect(dc, 0, 0, client.right, client.bottom);
    if (flags & PRF_ERASEBKGND) WMEraseBkgnd(dc);
    if (flags & PRF_CLIENT) DefaultProc(WM_PRINTCLIENT, reinterpret_cast<WPARAM>(dc), flags);
    RestoreDC(dc, saved);
  }
}

// ---- window states ---------------------------------------------------------

void TbsSkinForm::ChangeWindowState(TbsWindowState state) {
  if (state == state_.WindowState()) return;
  const Rect bounds = WindowBounds();
  switch (state) {
    case TbsWindowState::wsNormal:
      SetBounds(state_.Restore(bounds));
      SetTimer(Handle(), kMouseTimer, 50, nullptr);
      mouseTimerOn_ = true;
      break;
    case TbsWindowState::wsMaximized:
      SetBounds(state_.Maximize(bounds, Monitor(), MaximizeOnFullScreen));
      break;
    case TbsWindowState::wsMinimized: {
      std::vector<Point> occupied;
      for (TbsSkinForm* f : AllFrames())
        if (f != this && f->Handle() && IsWindowVisible(f->Handle()) &&
            f->WindowState() == TbsWindowState::wsMinimized) {
          const Rect b = f->WindowBounds();
          occupied.push_back(Point{b.left, b.top});
        }
      FrameLimitInputs in = LimitInputs();
      in.minimized = true;
      const Size size{bs::FrameMinWidth(in), bs::FrameMinHeight(in)};
      SetBounds(state_.Minimize(bounds, size, Monitor().work, occupied));
      break;
    }
  }
  SyncStatus();
  RepaintFrame();
}

void TbsSkinForm::ToggleRollUp() {
  FrameLimitInputs in = LimitInputs();
  in.rolledUp = true;
  if (auto to = state_.ToggleRollUp(WindowBounds(), bs::FrameMinHeight(in),
                                    (BorderIcons & biRollUp) != 0)) {
    SetBounds(*to);
    SyncStatus();
    RepaintFrame();
  }
}

void TbsSkinForm::RunWindowAction(WindowAction action) {
  switch (action) {
    case WindowAction::Close:
      PostMessageW(Handle(), WM_CLOSE, 0, 0);
      break;
    case WindowAction::Maximize: ChangeWindowState(TbsWindowState::wsMaximized); break;
    case WindowAction::Minimize:
    case WindowAction::MinimizeToTray: ChangeWindowState(TbsWindowState::wsMinimized); break;
    case WindowAction::Restore: ChangeWindowState(TbsWindowState::wsNormal); break;
    case WindowAction::ToggleRollUp: ToggleRollUp(); break;
    case WindowAction::None: break;
  }
}

// The system menu through the skinned popup menu; the chosen item runs once
// the menu has closed.
void TbsSkinForm::ShowSystemMenu(POINT at, int object) {
  SysMenuState state;
  state.windowState = state_.WindowState();
  state.rolledUp = state_.RollUpState();
  state.borderIcons = BorderIcons;
  std::vector<MenuItem> items;
  for (const SysMenuEntry& e : BuildSystemMenu(state, skinned_ ? skinData_->ResourceStrData() : nullptr)) {
    if (e.item == SysMenuItem::Separator) {
      items.push_back(Separator());
      continue;
    }
    static const char* const kNames[] = {"BSF_MINITEM", "BSF_MAXITEM", "BSF_RESTORE", "BSF_ROLLUP",
                                         "BSF_MINTOTRAY", "", "BSF_CLOSE"};
    MenuItem m;
    m.caption = e.caption;
    m.name = kNames[static_cast<int>(e.item)];
    m.command = static_cast<int>(e.item) + 1;
    items.push_back(std::move(m));
  }
  MenuOpening opening;
  opening.onCommand = [this](int command, const std::string&) {
    if (command > 0) RunSystemMenuItem(static_cast<SysMenuItem>(command - 1));
  };
  if (object >= 0)
    opening.onClosed = [this, object] {
      objects_.MenuClosed(object);
      RunRequests();
    };
  menu_.Popup(skinned_ ? skinData_ : nullptr, std::move(items), at, std::move(opening));
}

void TbsSkinForm::RunSystemMenuItem(SysMenuItem item) {
  switch (item) {
    case SysMenuItem::BSF_MINITEM: RunWindowAction(WindowAction::Minimize); break;
    case SysMenuItem::BSF_MAXITEM: RunWindowAction(WindowAction::Maximize); break;
    case SysMenuItem::BSF_RESTORE:
      if (state_.WindowState() != TbsWindowState::wsNormal) RunWindowAction(WindowAction::Restore);
      else RunWindowAction(WindowAction::ToggleRollUp);
      break;
    case SysMenuItem::BSF_ROLLUP: RunWindowAction(WindowAction::ToggleRollUp); break;
    case SysMenuItem::BSF_MINTOTRAY: RunWindowAction(WindowAction::MinimizeToTray); break;
    case SysMenuItem::BSF_CLOSE: RunWindowAction(WindowAction::Close); break;
    case SysMenuItem::Separator: break;
  }
}

void TbsSkinForm::ShowSystemMenuFromKeyboard() {
  if (!(BorderIcons & biSystemMenu)) return;
  const Rect b = WindowBounds();
  for (const auto& o : objects_.Objects)
    if (auto* button = dynamic_cast<const TbsSkinStdButtonObject*>(o.get());
        button && button->command == TbsStdCommand::cmSysMenu && button->Visible &&
        button->Enabled && !button->ObjectRect.IsEmpty()) {
      ShowSystemMenu(POINT{b.left + button->ObjectRect.left, b.top + button->ObjectRect.bottom});
      return;
    }
  const int top = skinned_ ? placed_.client.top : PlainMargins(ToolWindow()).top;
  ShowSystemMenu(POINT{b.left, b.top + top});
}

void TbsSkinForm::RunRequests() {
  if (inRequests_) return;  // a window action's own messages come back here
  inRequests_ = true;
  for (;;) {
    std::vector<FrameRequest> requests = objects_.TakeRequests();
    if (requests.empty()) break;
    for (const FrameRequest& r : requests) {
      switch (r.kind) {
        case FrameRequestKind::RedrawObject: RedrawObject(r.object); break;
        case FrameRequestKind::StartMorphTimer: SetTimer(Handle(), kMorphTimer, 20, nullptr); break;
        case FrameRequestKind::StartAnimationTimer:
          SetTimer(Handle(), kAnimationTimer, 25, nullptr);
          break;
        case FrameRequestKind::RunWindowAction: RunWindowAction(r.action); break;
        case FrameRequestKind::CaptureMouse: SetCapture(Handle()); break;
        case FrameRequestKind::ReleaseCapture:
          if (GetCapture() == Handle()) ReleaseCapture();
          break;
        case FrameRequestKind::DropSystemMenu:
        case FrameRequestKind::DropObjectMenu: {
          const TbsActiveSkinObject* o = objects_.ObjectAt(r.object);
          const Rect b = WindowBounds();
          POINT at = {b.left + (o ? o->ObjectRect.left : 0), b.top + (o ? o->ObjectRect.bottom : 0)};
          // The button stays down until its menu closes.
          if (r.kind == FrameRequestKind::DropSystemMenu) ShowSystemMenu(at, r.object);
          else objects_.MenuClosed(r.object);
          break;
        }
        case FrameRequestKind::SystemMenuAtCursor: {
          POINT at;
          GetCursorPos(&at);
          ShowSystemMenu(at);
          break;
        }
        default:  // hints and events: the About window uses none
          break;
      }
    }
  }
  inRequests_ = false;
}

// ---- messages -----------------------------------------------------------------

void TbsSkinForm::StopTimers() {
  KillTimer(Handle(), kMouseTimer);
  KillTimer(Handle(), kMorphTimer);
  KillTimer(Handle(), kAnimationTimer);
  mouseTimerOn_ = false;
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
  const FrameMargins m = skinned_ ? SkinnedMargins(skin_) : PlainMargins(ToolWindow());
  *r = ToRECT(ClientRectOf(FromRECT(*r), m));
  return 0;
}

LRESULT TbsSkinForm::WMNCHitTest(LPARAM lp) {
  const Point p = WindowPoint(lp);
  if (skinned_) PlaceFrameNow();
  PlaceObjects();
  HitState state;
  state.point = p;
  state.rolledUp = state_.RollUpState();
  state.minimized = state_.WindowState() == TbsWindowState::wsMinimized;
  state.maximized = state_.WindowState() == TbsWindowState::wsMaximized;
  state.sizeable = Sizeable();
  state.objectUnderMouse = objects_.ObjectUnderMouse() >= 0;
  int hit;
  if (!skinned_) {
    PlainHitInput in;
    static_cast<HitState&>(in) = state;
    in.width = width_;
    in.height = height_;
    in.captionArea = objects_.PlainCaptionArea(width_, ToolWindow());
    in.captionHeight = ToolWindow() ? kPlainToolCaptionHeight : kPlainCaptionHeight;
    hit = PlainFrameHitTest(in);
  } else {
    FrameHitInput in;
    static_cast<HitState&>(in) = state;
    in.sizeMoveUnderWay = sizeMove_;
    in.captionRects = objects_.CaptionRects();
    in.mask = skinData_->mask.Empty() ? nullptr : &maskStrips_;
    hit = FrameHitTest(placed_, skin_.borderWidth, in);
  }
  if (hit == ht::Object && !mouseTimerOn_ && !sizeMove_) {
    objects_.TrackObjectUnderMouse(p.x, p.y);
    RunRequests();
    SetTimer(Handle(), kMouseTimer, 50, nullptr);
    mouseTimerOn_ = true;
  }
  return hit;
}

void TbsSkinForm::WMSize() {
  const Rect b = WindowBounds();
  width_ = b.Width();
  height_ = b.Height();
  if (skinned_) {
    if (width_ >= FrameMinWidth() && height_ >= FrameMinHeight()) {
      PlaceFrameNow();
      PlaceObjects();
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

void TbsSkinForm::WMNCActivate(bool active) {
  active_ = active;
  SyncStatus();
  if (TbsSkinCaptionObject* c = objects_.Caption()) c->SetWindowActive(active);
  objects_.SetWindowActive(active);
  objects_.TakeRequests();  // the whole frame is painted next
  RepaintFrame();
}

void TbsSkinForm::WMNCLButtonDblClk(WPARAM hit) {
  objects_.DoubleClick();
  RunRequests();
  if (hit != HTCAPTION) return;
  switch (CaptionDoubleClick(state_.WindowState(), state_.RollUpState(),
                             (BorderIcons & biMaximize) != 0, Sizeable())) {
    case CaptionDoubleClickAction::Restore: ChangeWindowState(TbsWindowState::wsNormal); break;
    case CaptionDoubleClickAction::Maximize: ChangeWindowState(TbsWindowState::wsMaximized); break;
    case CaptionDoubleClickAction::ToggleRollUp: ToggleRollUp(); break;
  }
}

void TbsSkinForm::WMTimer(UINT_PTR id) {
  HWND hwnd = Handle();
  if (id == kMouseTimer) {
    if (sizeMove_) return;
    POINT cursor;
    GetCursorPos(&cursor);
    const Point p = WindowPoint(MAKELPARAM(cursor.x, cursor.y));
    const Rect client = skinned_ ? placed_.client : ClientRectOf(Rect{0, 0, width_, height_},
                                                                  PlainMargins(ToolWindow()));
    // Inside the client area no object is under the mouse.
    if (Contains(client, p)) objects_.TrackObjectUnderMouse(-1, -1);
    else objects_.TrackObjectUnderMouse(p.x, p.y);
  } else if (id == kMorphTimer) {
    if (!objects_.MorphTimerTick()) KillTimer(hwnd, kMorphTimer);
  } else if (id == kAnimationTimer) {
    if (!objects_.AnimationTimerTick()) KillTimer(hwnd, kAnimationTimer);
  }
  RunRequests();
}

LRESULT TbsSkinForm::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
  HWND hwnd = Handle();
  switch (msg) {
    case WM_DESTROY:
      menu_.CloseAll();
      StopTimers();
      break;
    case WM_SIZE: {
      LRESULT r = DefaultProc(msg, wp, lp);
      WMSize();
      return r;
    }
    case WM_ACTIVATE:
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
    case WM_PRINT:
      WMPrint(reinterpret_cast<HDC>(wp), lp);
      return 0;
    case WM_NCACTIVATE:
      WMNCActivate(wp != 0);
      return TRUE;  // no caption of the system's
    case WM_MOVING:
      if (state_.WindowState() == TbsWindowState::wsMaximized)
        GetWindowRect(hwnd, reinterpret_cast<RECT*>(lp));
      return TRUE;
    case WM_ENTERSIZEMOVE:
      sizeMove_ = true;
      objects_.EnterSizeMove();
      RunRequests();
      KillTimer(hwnd, kMouseTimer);
      mouseTimerOn_ = false;
      break;
    case WM_EXITSIZEMOVE:
      sizeMove_ = false;
      objects_.ExitSizeMove();
      objects_.TakeRequests();
      RepaintFrame();
      break;
    case WM_NCMOUSEMOVE: {
      const Point p = WindowPoint(lp);
      objects_.MouseMove(p.x, p.y);
      RunRequests();
      break;
    }
    case WM_MOUSEMOVE:
      // While an object holds the capture the mouse reports here: keep its
      // mouse-over state current.
      if (GetCapture() == hwnd && objects_.CapturedObject() >= 0) {
        POINT s = {GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
        ClientToScreen(hwnd, &s);
        const Point p = WindowPoint(MAKELPARAM(s.x, s.y));
        objects_.TrackObjectUnderMouse(p.x, p.y);
        objects_.MouseMove(p.x, p.y);
        RunRequests();
        return 0;
      }
      break;
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN: {
      const Point p = WindowPoint(lp);
      objects_.MouseDown(p.x, p.y, msg == WM_NCLBUTTONDOWN ? TMouseButton::mbLeft
                                                            : TMouseButton::mbRight);
      RunRequests();
      if (msg == WM_NCRBUTTONDOWN) return 0;
      if (wp != HTCAPTION && wp != HTLEFT && wp != HTRIGHT && wp != HTTOP && wp != HTBOTTOM &&
          wp != HTTOPLEFT && wp != HTTOPRIGHT && wp != HTBOTTOMLEFT && wp != HTBOTTOMRIGHT)
        return 0;
      break;  // the system moves or sizes the window
    }
    case WM_NCLBUTTONUP:
    case WM_NCRBUTTONUP:
    case WM_LBUTTONUP:
    case WM_RBUTTONUP: {
      const bool nc = msg == WM_NCLBUTTONUP || msg == WM_NCRBUTTONUP;
      const bool captured = objects_.CapturedObject() >= 0;
      const Point p = nc ? WindowPoint(lp) : Point{-1, -1};
      objects_.MouseUp(p.x, p.y, msg == WM_NCLBUTTONUP || msg == WM_LBUTTONUP
                                     ? TMouseButton::mbLeft
                                     : TMouseButton::mbRight);
      RunRequests();
      if (nc || captured) return 0;
      break;
    }
    case WM_NCRBUTTONDBLCLK:
      return 0;
    case WM_NCLBUTTONDBLCLK:
      WMNCLButtonDblClk(wp);
      return 0;
    case WM_CONTEXTMENU:
      return 0;  // the frame's menu is its own
    case WM_SYSCOMMAND:
      if ((wp & 0xFFF0) == SC_KEYMENU && lp == VK_SPACE) {
        ShowSystemMenuFromKeyboard();
        return 0;
      }
      break;
    case WM_TIMER:
      if (wp == kMouseTimer || wp == kMorphTimer || wp == kAnimationTimer) {
        WMTimer(wp);
        return 0;
      }
      break;
    default:
      if (msg == SkinChanging && reinterpret_cast<TbsSkinData*>(wp) == skinData_) {
        skinned_ = false;
        StopTimers();
        objects_.SkinChanging();
        RunRequests();
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
