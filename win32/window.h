// The base of every window of the program: a window class registered once,
// the C++ object bound to its HWND from WM_NCCREATE on, every message handed
// to OnMessage with its failures reported, and the taking over of an
// existing window's procedure.
#pragma once

#include <windows.h>

namespace vellumo {

// A window class of the program; registered the first time a window of it
// is created.
struct WindowClass {
  const wchar_t* name;
  HINSTANCE instance;
  HCURSOR cursor = nullptr;
  HICON icon = nullptr;
  HBRUSH background = nullptr;
  UINT style = 0;
};

class Window {
 public:
  Window() = default;
  // A window still bound is destroyed (its own class) or given its old
  // procedure back (subclassed).
  virtual ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  HWND Handle() const { return hwnd_; }

 protected:
  // Creates a window of cls, registering cls on first use. OnMessage sees
  // every message from WM_NCCREATE on. False when the class or the window
  // cannot be made, or cls's name belongs to a class of another procedure.
  bool CreateHandle(const WindowClass& cls, DWORD exStyle, const wchar_t* caption, DWORD style,
                    int x, int y, int width, int height, HWND parent, HMENU menu);

  // Takes over the procedure of an existing window of this thread (an EDIT,
  // a form's frame): OnMessage sees its messages, and what it leaves to
  // DefaultProc goes to the old procedure, or to the object of a window of
  // ours it took over.
  bool Subclass(HWND hwnd);
  // Gives a subclassed window its old procedure back. False, and still
  // bound, when another procedure has since been put on top of this one.
  bool Unsubclass();

  // The window's messages. Handles what it wants and leaves the rest to
  // DefaultProc, as this base does with all of them. An exception ends the
  // message: it is reported in the error box (once while the same message of
  // the window keeps failing, and not while another such box is up), and the
  // message answers 0 (WM_CREATE -1, so the window is not made).
  virtual LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp);
  // DefWindowProc, or the old procedure of a subclassed window.
  LRESULT DefaultProc(UINT msg, WPARAM wp, LPARAM lp);

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  void Attach(HWND hwnd);
  void Detach();

  HWND hwnd_ = nullptr;
  WNDPROC oldProc_ = nullptr;  // set while subclassing
  Window* below_ = nullptr;    // the object of a window of ours taken over
};

}  // namespace vellumo
