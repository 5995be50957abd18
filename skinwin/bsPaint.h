// Copies the skin engine's pictures to a device context, and the small GDI
// owners the skinned windows use.
#pragma once

#include <windows.h>

#include <string>

#include "skin/controls/bsControlSection.h"
#include "skin/draw/bsGraphics.h"
#include "skin/draw/bsShape.h"
#include "win32/handles.h"

namespace bs {

// The header of a top-down 32-bit picture: rows as Picture keeps them.
BITMAPINFO TopDown32(int width, int height);

// Copies the picture (or its part from) to dc at (x, y) in one step. The
// pixels go straight from memory: no GDI object is made.
void DrawPicture(HDC dc, int x, int y, const Picture& picture);
void DrawPicture(HDC dc, int x, int y, const Picture& picture, const Rect& from);

// The pixels a device context shows in a rectangle (for tests and previews).
Picture ReadPicture(HDC dc, const Rect& area);

// Text of the skin (GBK bytes, as the skin and the program's strings keep
// it) for GDI.
std::wstring WideFromGbk(const std::string& gbk);
// The system's colours now, for the plain looks.
SystemColors CurrentSystemColors();

inline RECT ToRECT(const Rect& r) { return RECT{r.left, r.top, r.right, r.bottom}; }
inline Rect FromRECT(const RECT& r) { return Rect{r.left, r.top, r.right, r.bottom}; }
// A child window's rectangle in its parent's client coordinates, and its
// whole size (frame included).
Rect BoundsInParent(HWND hwnd);
Size WindowSize(HWND hwnd);
// COLORREF from a skin colour (0x00BBGGRR, as the skin stores it) or a Pixel.
inline COLORREF PixelToColorRef(Pixel p) { return RGB(RedOf(p), GreenOf(p), BlueOf(p)); }
inline Pixel ColorRefToPixel(COLORREF c) { return Rgb(GetRValue(c), GetGValue(c), GetBValue(c)); }

// Sets the window's region to these rectangles; the system owns it from
// there and deletes the one it replaces.
void SetWindowRegion(HWND hwnd, const Region& region);

// A window's device context, released on destruction.
class WindowDC {
 public:
  explicit WindowDC(HWND hwnd) : hwnd_(hwnd), dc_(GetWindowDC(hwnd)) {}
  ~WindowDC() {
    if (dc_) ReleaseDC(hwnd_, dc_);
  }
  WindowDC(const WindowDC&) = delete;
  WindowDC& operator=(const WindowDC&) = delete;
  HDC get() const { return dc_; }

 private:
  HWND hwnd_;
  HDC dc_;
};

}  // namespace bs
