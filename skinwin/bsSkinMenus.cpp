#include "skinwin/bsSkinMenus.h"

#include <algorithm>

#include "skinwin/bsPaint.h"
#include "win32/errorbox.h"

namespace bs {

namespace {

constexpr UINT kReapClosed = WM_APP + 1;  // frees closed level objects

std::vector<TbsSkinMenu*>& AllMenus() {
  static std::vector<TbsSkinMenu*> menus;
  return menus;
}

// The keyboard route: while a menu is open, a message hook of this thread
// hands its keys to the menu's innermost level and swallows them.
TbsSkinMenu* keyboardMenu = nullptr;
HHOOK hook = nullptr;
bool inHook = false;

void Unhook() {
  if (hook && !inHook) {
    UnhookWindowsHookEx(hook);
    hook = nullptr;
  }
}

bool IsButtonDown(UINT m) {
  switch (m) {
    case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN: case WM_NCRBUTTONDOWN: case WM_NCMBUTTONDOWN:
      return true;
    default:
      return false;
  }
}

// One message of the thread while a menu is open: keys and characters go to
// the menu and no further.
void Route(TbsSkinMenu* menu, MSG* m) {
  const MSG taken = *m;
  switch (m->message) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      m->message = WM_NULL;
      // Keys the menu does not take may still make characters.
      if (!menu->KeyDown(static_cast<UINT>(taken.wParam))) TranslateMessage(&taken);
      break;
    case WM_KEYUP:
    case WM_SYSKEYUP:
      m->message = WM_NULL;
      break;
    case WM_CHAR:
    case WM_SYSCHAR:
      m->message = WM_NULL;
      menu->Char(static_cast<wchar_t>(taken.wParam));
      break;
    default:
      // A click on any other window of this thread closes the menu and
      // goes on to that window.
      if (IsButtonDown(m->message) && !menu->OwnsWindow(m->hwnd)) menu->CloseAll();
      break;
  }
}

LRESULT CALLBACK KeyboardRoute(int code, WPARAM wp, LPARAM lp) {
  if (code == HC_ACTION && wp == PM_REMOVE && keyboardMenu) {
    TbsSkinMenu* menu = keyboardMenu;
    inHook = true;
    // A command chosen by key runs in here: its failure must not go back
    // into the platform.
    try {
      Route(menu, reinterpret_cast<MSG*>(lp));
    } catch (...) {
      vellumo::ReportAtBoundary(menu->Form());
    }
    inHook = false;
    if (!keyboardMenu) Unhook();
  }
  return CallNextHookEx(nullptr, code, wp, lp);
}

int ButtonsDown() {
  return ((GetAsyncKeyState(VK_LBUTTON) & 0x8000) ? 1 : 0) |
         ((GetAsyncKeyState(VK_RBUTTON) & 0x8000) ? 2 : 0) |
         ((GetAsyncKeyState(VK_MBUTTON) & 0x8000) ? 4 : 0);
}

// A memory device context with the level font selected, for measuring.
class MeasureDC {
 public:
  explicit MeasureDC(HFONT font) : dc_(CreateCompatibleDC(nullptr)), old_(SelectObject(dc_, font)) {}
  ~MeasureDC() {
    SelectObject(dc_, old_);
    DeleteDC(dc_);
  }
  MeasureDC(const MeasureDC&) = delete;
  MeasureDC& operator=(const MeasureDC&) = delete;
  int Width(const MenuItem& item) const {
    const std::wstring text = WideFromGbk(MeasuredText(item));
    RECT r = {0, 0, 0, 0};
    DrawTextW(dc_, text.c_str(), static_cast<int>(text.size()), &r, DT_SINGLELINE | DT_CALCRECT);
    return r.right - r.left;
  }

 private:
  HDC dc_;
  HGDIOBJ old_;
};

}  // namespace

TbsSkinMenu::TbsSkinMenu() {
  AllMenus().push_back(this);
  const vellumo::WindowClass cls = {L"TbsSkinMenu", GetModuleHandleW(nullptr)};
  CreateHandle(cls, 0, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr);
}

TbsSkinMenu::~TbsSkinMenu() {
  auto& menus = AllMenus();
  menus.erase(std::remove(menus.begin(), menus.end(), this), menus.end());
  StopKeyboardRoute();
  levels_.clear();
  closed_.clear();
}

void TbsSkinMenu::SetForm(HWND form) { form_ = form; }

TbsSkinMenu* TbsSkinMenu::OfForm(HWND form) {
  for (TbsSkinMenu* m : AllMenus())
    if (form && m->form_ == form) return m;
  return nullptr;
}

void TbsSkinMenu::SetDefaultItemHeight(int height) {
  if (height > 0) defaultItemHeight_ = height;
}

bool TbsSkinMenu::OwnsWindow(HWND hwnd) const {
  for (const auto& l : levels_)
    if (hwnd && l->Handle() == hwnd) return true;
  return false;
}

Rect TbsSkinMenu::WorkArea() const {
  if (workArea_) return *workArea_;
  MONITORINFO mi = {};
  mi.cbSize = sizeof mi;
  POINT cursor = {};
  GetCursorPos(&cursor);
  HMONITOR monitor = form_ ? MonitorFromWindow(form_, MONITOR_DEFAULTTONEAREST)
                           : MonitorFromPoint(cursor, MONITOR_DEFAULTTONEAREST);
  if (!GetMonitorInfoW(monitor, &mi)) {
    RECT r = {};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &r, 0);
    return FromRECT(r);
  }
  return FromRECT(mi.rcWork);
}

vellumo::UniqueFont TbsSkinMenu::MakeFont(const TbsSkinData* data) const {
  LOGFONTW lf = {};
  lf.lfCharSet = DEFAULT_CHARSET;
  const TbsDataSkinMenuItem* item = drawing_.itemDescriptor;
  if (item && drawing_.skinned && UseSkinFont) {
    lf.lfHeight = item->fontheight;
    lf.lfWeight = item->fontstyle.Has(fsBold) ? FW_BOLD : FW_NORMAL;
    lf.lfItalic = item->fontstyle.Has(fsItalic);
    lf.lfUnderline = item->fontstyle.Has(fsUnderline);
    lf.lfStrikeOut = item->fontstyle.Has(fsStrikeOut);
    lstrcpynW(lf.lfFaceName, WideFromGbk(item->fontname).c_str(), LF_FACESIZE);
  } else {
    lf.lfHeight = DefaultFontHeight;
    lf.lfWeight = FW_NORMAL;
    lstrcpynW(lf.lfFaceName, DefaultFontName.c_str(), LF_FACESIZE);
  }
  if (data && data->ResourceStrData()) lf.lfCharSet = GB2312_CHARSET;
  return vellumo::UniqueFont(CreateFontIndirectW(&lf));
}

void TbsSkinMenu::Popup(TbsSkinData* data, std::vector<MenuItem> items, POINT at,
                        MenuOpening opening) {
  CloseAll();
  session_.reset();  // its measuring context lets go of the old font first
  if (items.empty()) {
    if (opening.onClosed) opening.onClosed();
    return;
  }
  const std::optional<PopupSkin> skin = PopupSkinOf(data);
  drawing_ = PopupDrawing{};
  drawing_.data = data;
  drawing_.skinned = skin.has_value();
  drawing_.itemDescriptor = skin ? MenuItemDescriptorOf(data) : nullptr;
  drawing_.colours = CurrentSystemColors();
  font_ = MakeFont(data);
  drawing_.font = font_.get();

  PopupMetrics metrics;
  metrics.defaultItemHeight = defaultItemHeight_;
  metrics.maxItemsInWindow = MaxMenuItemsInWindow;
  auto measure = std::make_shared<MeasureDC>(font_.get());
  session_ = std::make_unique<MenuSession>(
      [measure](const MenuItem& item) { return measure->Width(item); }, skin, metrics);
  opening_ = std::make_shared<MenuOpening>(std::move(opening));
  firstLevel_ = true;
  Run(session_->Open(std::move(items), Point{at.x, at.y}, WorkArea(), opening_->control != nullptr));
}

void TbsSkinMenu::CloseAll() {
  if (session_) Run(session_->CloseAll());
}

void TbsSkinMenu::Run(std::vector<MenuEffect> effects) {
  // The opening these effects belong to stays alive to the last of them,
  // whatever its command does to this service.
  const std::shared_ptr<MenuOpening> opening = opening_;
  for (const MenuEffect& e : effects) {
    switch (e.kind) {
      case MenuEffect::OpenLevel:
        OpenLevelWindow(e.level);
        break;
      case MenuEffect::CloseLevel:
        CloseLevelWindows(e.level);
        if (e.level == 0) {
          StopKeyboardRoute();
          KillTimer(Handle(), kPollTimer);
          if (opening && opening->onClosed) opening->onClosed();
        }
        break;
      case MenuEffect::Repaint:
        if (e.level < LevelCount()) levels_[e.level]->Repaint();
        break;
      case MenuEffect::SendClosedToControl:
        if (opening && IsWindow(opening->control))
          SendMessageW(opening->control, kMenuClosedMessage, 0, 0);
        break;
      case MenuEffect::SendClosedToForm:
        if (IsWindow(form_)) SendMessageW(form_, kMenuClosedMessage, 0, 0);
        break;
      case MenuEffect::RunCommand:
        if (opening && opening->onCommand) opening->onCommand(e.command, e.name);
        break;
      case MenuEffect::SendDoneToControl:
        if (opening && IsWindow(opening->control))
          SendMessageW(opening->control, kCommandDoneMessage, 0, 0);
        break;
    }
  }
  if (opening && opening_ == opening && !Visible()) opening_.reset();
}

void TbsSkinMenu::OpenLevelWindow(int level) {
  CloseLevelWindows(level);
  auto window = std::make_unique<TbsSkinPopupWindow>(*this, level);
  const bool first = firstLevel_ && level == 0;
  firstLevel_ = false;
  if (!window->Create(form_, drawing_, first)) return;
  levels_.push_back(std::move(window));
  if (level == 0) {
    GetCursorPos(&lastCursor_);
    lastTick_ = GetTickCount();
    hoverLevel_ = -1;
    buttons_ = ButtonsDown();
    formWasActive_ = form_ && GetForegroundWindow() == form_;
    SetTimer(Handle(), kPollTimer, kPollInterval, nullptr);
    StartKeyboardRoute();
  }
}

void TbsSkinMenu::CloseLevelWindows(int from) {
  bool closed = false;
  while (LevelCount() > std::max(from, 0)) {
    std::unique_ptr<TbsSkinPopupWindow> w = std::move(levels_.back());
    levels_.pop_back();
    if (HWND h = w->Handle()) DestroyWindow(h);
    closed_.push_back(std::move(w));
    closed = true;
  }
  // The object may be running a message of its own: it goes later.
  if (closed) PostMessageW(Handle(), kReapClosed, 0, 0);
}

void TbsSkinMenu::Poll() {
  if (!Visible()) {
    KillTimer(Handle(), kPollTimer);
    return;
  }
  const DWORD now = GetTickCount();
  const int elapsed = static_cast<int>(now - lastTick_);
  lastTick_ = now;
  POINT cursor = {};
  GetCursorPos(&cursor);
  int over = -1;
  for (int i = LevelCount() - 1; i >= 0 && over < 0; --i)
    if (Contains(session_->LevelRect(i), cursor.x, cursor.y)) over = i;

  // Another window took the activation, or a button went down elsewhere.
  const HWND foreground = GetForegroundWindow();
  const int buttons = ButtonsDown();
  const bool pressed = (buttons & ~buttons_) != 0;
  buttons_ = buttons;
  if ((formWasActive_ && foreground != form_) || (pressed && over < 0)) {
    CloseAll();
    return;
  }

  const bool moved = cursor.x != lastCursor_.x || cursor.y != lastCursor_.y;
  lastCursor_ = cursor;
  if (hoverLevel_ >= 0 && hoverLevel_ != over) Run(session_->MouseLeft(hoverLevel_));
  const bool entered = over != hoverLevel_;
  hoverLevel_ = over;
  if (over >= 0 && (moved || entered) && Visible()) {
    const Rect r = session_->LevelRect(over);
    Run(session_->MouseAt(over, Point{cursor.x - r.left, cursor.y - r.top}));
  }
  if (Visible()) Run(session_->Tick(elapsed));
}

void TbsSkinMenu::StartKeyboardRoute() {
  keyboardMenu = this;
  if (!hook) hook = SetWindowsHookExW(WH_GETMESSAGE, KeyboardRoute, nullptr, GetCurrentThreadId());
}

void TbsSkinMenu::StopKeyboardRoute() {
  if (keyboardMenu != this) return;
  keyboardMenu = nullptr;
  Unhook();  // or once the hook call running now returns
}

void TbsSkinMenu::LevelMouseUp(int level, Point p) {
  if (session_) Run(session_->MouseUp(level, p));
}

bool TbsSkinMenu::KeyDown(UINT vk) {
  MenuKey key;
  switch (vk) {
    case VK_DOWN: key = MenuKey::Down; break;
    case VK_UP: key = MenuKey::Up; break;
    case VK_LEFT: key = MenuKey::Left; break;
    case VK_RIGHT: key = MenuKey::Right; break;
    case VK_ESCAPE: key = MenuKey::Escape; break;
    case VK_RETURN: key = MenuKey::Enter; break;
    default: return false;
  }
  if (session_) Run(session_->Key(key));
  return true;
}

void TbsSkinMenu::Char(wchar_t ch) {
  if (session_ && ch > 32 && ch < 128) Run(session_->Char(static_cast<char>(ch)));
}

LRESULT TbsSkinMenu::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_TIMER:
      if (wp == kPollTimer) {
        Poll();
        return 0;
      }
      break;
    case kReapClosed:
      closed_.clear();
      return 0;
    default:
      break;
  }
  return DefaultProc(msg, wp, lp);
}

// ---- TbsSkinPopupMenu ------------------------------------------------------------

TbsSkinMenu* TbsSkinPopupMenu::Service() { return TbsSkinMenu::OfForm(Form); }

bool TbsSkinPopupMenu::Popup(int x, int y) {
  if (OnPopup) OnPopup();
  TbsSkinMenu* service = Service();
  if (!service) return false;
  if (!SkinData) SkinData = service->FormSkinData;
  MenuOpening opening;
  opening.onCommand = [this](int command, const std::string& name) {
    if (OnClick) OnClick(command, name);
  };
  service->Popup(SkinData, Items, POINT{x, y}, std::move(opening));
  return true;
}

bool TbsSkinPopupMenu::Popup(HWND control, int x, int y, std::shared_ptr<void> keepAlive) {
  if (!Form && control) Form = GetAncestor(control, GA_ROOT);
  if (OnPopup) OnPopup();
  TbsSkinMenu* service = Service();
  if (!service) return false;
  if (!SkinData) SkinData = service->FormSkinData;
  if (!SkinData || SkinData->Empty()) return false;
  MenuOpening opening;
  opening.control = control;
  opening.keepAlive = std::move(keepAlive);
  opening.onCommand = [this](int command, const std::string& name) {
    if (OnClick) OnClick(command, name);
  };
  service->Popup(SkinData, Items, POINT{x, y}, std::move(opening));
  return true;
}

}  // namespace bs
