#include "win32/window.h"

namespace vellumo {

namespace {

// The window property that holds the bound object: it serves windows of the
// program's classes and subclassed ones alike, whose GWLP_USERDATA belongs
// to their owner.
const wchar_t kSelf[] = L"Vellumo.Window";

}  // namespace

Window::~Window() {
  if (!hwnd_) return;
  if (oldProc_) {
    if (!Unsubclass()) Detach();  // messages then go to DefWindowProc, never to a gone object
    return;
  }
  HWND hwnd = hwnd_;
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
  Attach(hwnd);
  SetLastError(0);
  LONG_PTR old = SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Procedure));
  if (!old && GetLastError()) {
    Detach();
    return false;
  }
  oldProc_ = reinterpret_cast<WNDPROC>(old);
  return true;
}

bool Window::Unsubclass() {
  if (!hwnd_ || !oldProc_) return false;
  if (reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hwnd_, GWLP_WNDPROC)) != Procedure) return false;
  SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(oldProc_));
  Detach();
  return true;
}

LRESULT Window::OnMessage(UINT msg, WPARAM wp, LPARAM lp) { return DefaultProc(msg, wp, lp); }

LRESULT Window::DefaultProc(UINT msg, WPARAM wp, LPARAM lp) {
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
  const LRESULT result = self->OnMessage(msg, wp, lp);
  if (msg == WM_NCDESTROY) {
    // The last message: the window is gone, the object stays.
    if (self->oldProc_)
      SetWindowLongPtrW(hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(self->oldProc_));
    self->Detach();
  }
  return result;
}

void Window::Attach(HWND hwnd) {
  hwnd_ = hwnd;
  SetPropW(hwnd, kSelf, this);
}

void Window::Detach() {
  RemovePropW(hwnd_, kSelf);
  hwnd_ = nullptr;
  oldProc_ = nullptr;
}

}  // namespace vellumo
