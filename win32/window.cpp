#include "win32/window.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "win32/errorbox.h"

namespace vellumo {

namespace {

// The window property that holds the bound object: it serves windows of the
// program's classes and subclassed ones alike, whose GWLP_USERDATA belongs
// to their owner.
const wchar_t kSelf[] = L"Vellumo.Window";

// The messages of a window whose failure was reported and that have not been
// handled without one since: a failure that comes back (a paint under the
// box, a timer) is reported once. Kept by handle, not in the object, which
// may be gone by the time the box closes.
thread_local std::vector<std::pair<HWND, UINT>> failing;

void Forget(HWND hwnd, UINT msg) {
  failing.erase(std::remove(failing.begin(), failing.end(), std::make_pair(hwnd, msg)),
                failing.end());
}

// Inside the catch block of a message that failed: the failure is reported
// in a box owned by the window's top-level window, and the message gets the
// answer of one not done.
LRESULT Failed(HWND hwnd, UINT msg) noexcept {
  // A failed paint is not asked for again at once.
  if (msg == WM_PAINT) ValidateRect(hwnd, nullptr);
  const auto key = std::make_pair(hwnd, msg);
  if (std::find(failing.begin(), failing.end(), key) == failing.end()) {
    try {
      failing.push_back(key);
    } catch (...) {
      // Unrecorded: reported again if it comes back.
    }
    // Another box is up: this failure is reported when it comes back.
    if (!ReportAtBoundary(GetAncestor(hwnd, GA_ROOT))) Forget(hwnd, msg);
  }
  return msg == WM_CREATE ? -1 : 0;  // a window whose creation failed is not made
}

}  // namespace

Window::~Window() {
  if (!hwnd_) return;
  if (oldProc_) {
    if (!Unsubclass()) Detach();  // messages then go to DefWindowProc, never to a gone object
    return;
  }
  HWND hwnd = hwnd_;
  // An object still on top of this one falls back to the default procedure.
  for (auto* w = static_cast<Window*>(GetPropW(hwnd, kSelf)); w && w != this; w = w->below_)
    if (w->below_ == this) {
      w->below_ = nullptr;
      w->oldProc_ = DefWindowProcW;
    }
  Detach();
  DestroyWindow(hwnd);
}

bool Window::CreateHandle(const WindowClass& cls, DWORD exStyle, const wchar_t* caption,
                          DWORD style, int x, int y, int width, int height, HWND parent,
                          HMENU menu) {
  if (hwnd_) return false;
  WNDCLASSEXW wc = {};
  wc.cbSize = sizeof wc;
  if (GetClassInfoExW(cls.instance, cls.name, &wc)) {
    if (wc.lpfnWndProc != Procedure) return false;
  } else {
    wc.style = cls.style;
    wc.lpfnWndProc = Procedure;
    wc.hInstance = cls.instance;
    wc.hCursor = cls.cursor;
    wc.hIcon = cls.icon;
    wc.hbrBackground = cls.background;
    wc.lpszClassName = cls.name;
    if (!RegisterClassExW(&wc)) return false;
  }
  return CreateWindowExW(exStyle, cls.name, caption, style, x, y, width, height, parent, menu,
                         cls.instance, this) != nullptr;
}

bool Window::Subclass(HWND hwnd) {
  if (hwnd_ || !IsWindow(hwnd)) return false;
  // A window of ours underneath (a form whose frame a skin takes over) keeps
  // its object: messages left to DefaultProc go to it.
  auto* below = static_cast<Window*>(GetPropW(hwnd, kSelf));
  if (reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hwnd, GWLP_WNDPROC)) != Procedure) below = nullptr;
  Attach(hwnd);
  SetLastError(0);
  LONG_PTR old = SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Procedure));
  if (!old && GetLastError()) {
    if (below) SetPropW(hwnd, kSelf, below);
    else RemovePropW(hwnd, kSelf);
    hwnd_ = nullptr;
    return false;
  }
  oldProc_ = reinterpret_cast<WNDPROC>(old);
  below_ = below;
  return true;
}

bool Window::Unsubclass() {
  if (!hwnd_ || !oldProc_) return false;
  if (reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hwnd_, GWLP_WNDPROC)) != Procedure ||
      GetPropW(hwnd_, kSelf) != this)
    return false;
  SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(oldProc_));
  Detach();
  return true;
}

LRESULT Window::OnMessage(UINT msg, WPARAM wp, LPARAM lp) { return DefaultProc(msg, wp, lp); }

LRESULT Window::DefaultProc(UINT msg, WPARAM wp, LPARAM lp) {
  if (below_) return below_->OnMessage(msg, wp, lp);
  return oldProc_ ? CallWindowProcW(oldProc_, hwnd_, msg, wp, lp)
                  : DefWindowProcW(hwnd_, msg, wp, lp);
}

LRESULT CALLBACK Window::Procedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  auto* self = static_cast<Window*>(GetPropW(hwnd, kSelf));
  if (!self && msg == WM_NCCREATE) {
    self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
    if (self) self->Attach(hwnd);
  }
  if (!self) return DefWindowProcW(hwnd, msg, wp, lp);
  // No exception goes back into the platform.
  LRESULT result;
  try {
    result = self->OnMessage(msg, wp, lp);
    if (!failing.empty()) Forget(hwnd, msg);
  } catch (...) {
    result = Failed(hwnd, msg);
  }
  if (msg == WM_NCDESTROY) {
    failing.erase(std::remove_if(failing.begin(), failing.end(),
                                 [hwnd](const std::pair<HWND, UINT>& f) { return f.first == hwnd; }),
                  failing.end());
    // The last message: the window is gone, the objects stay. The procedure
    // under the lowest of them comes back.
    Window* bottom = self;
    while (bottom->below_) bottom = bottom->below_;
    if (bottom->oldProc_)
      SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(bottom->oldProc_));
    RemovePropW(hwnd, kSelf);
    for (Window* w = self; w;) {
      Window* next = w->below_;
      w->hwnd_ = nullptr;
      w->oldProc_ = nullptr;
      w->below_ = nullptr;
      w = next;
    }
  }
  return result;
}

void Window::Attach(HWND hwnd) {
  hwnd_ = hwnd;
  SetPropW(hwnd, kSelf, this);
}

void Window::Detach() {
  if (GetPropW(hwnd_, kSelf) == this) {
    if (below_) SetPropW(hwnd_, kSelf, below_);
    else RemovePropW(hwnd_, kSelf);
  }
  hwnd_ = nullptr;
  oldProc_ = nullptr;
  below_ = nullptr;
}

}  // namespace vellumo
