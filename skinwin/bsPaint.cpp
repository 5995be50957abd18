#include "skinwin/bsPaint.h"

#include <algorithm>
#include <vector>

#include "skin/draw/bsRegionData.h"

namespace bs {

BITMAPINFO TopDown32(int width, int height) {
  BITMAPINFO bi = {};
  bi.bmiHeader.biSize = sizeof bi.bmiHeader;
  bi.bmiHeader.biWidth = width;
  bi.bmiHeader.biHeight = -height;  // top row first, as Picture keeps them
  bi.bmiHeader.biPlanes = 1;
  bi.bmiHeader.biBitCount = 32;     // 0x00RRGGBB is B, G, R, 0 in memory
  bi.bmiHeader.biCompression = BI_RGB;
  return bi;
}

void DrawPicture(HDC dc, int x, int y, const Picture& picture) {
  if (picture.Empty()) return;
  BITMAPINFO bi = TopDown32(picture.width, picture.height);
  SetDIBitsToDevice(dc, x, y, picture.width, picture.height, 0, 0, 0, picture.height,
                    picture.pixels.data(), &bi, DIB_RGB_COLORS);
}

void DrawPicture(HDC dc, int x, int y, const Picture& picture, const Rect& from) {
  Rect r{std::max(from.left, 0), std::max(from.top, 0), std::min(from.right, picture.width),
         std::min(from.bottom, picture.height)};
  if (r.IsEmpty()) return;
  // Rows r.top.. of a top-down picture: hand over those rows alone.
  BITMAPINFO bi = TopDown32(picture.width, r.Height());
  const Pixel* rows = picture.pixels.data() + static_cast<std::size_t>(r.top) * picture.width;
  SetDIBitsToDevice(dc, x, y, r.Width(), r.Height(), r.left, 0, 0, r.Height(), rows, &bi,
                    DIB_RGB_COLORS);
}

std::wstring WideFromGbk(const std::string& s) {
  if (s.empty()) return {};
  const int n = MultiByteToWideChar(936, 0, s.data(), static_cast<int>(s.size()), nullptr, 0);
  std::wstring w(static_cast<std::size_t>(n), L'\0');
  MultiByteToWideChar(936, 0, s.data(), static_cast<int>(s.size()), w.data(), n);
  return w;
}

SystemColors CurrentSystemColors() {
  SystemColors c;
  c.btnFace = ColorRefToPixel(GetSysColor(COLOR_BTNFACE));
  c.btnShadow = ColorRefToPixel(GetSysColor(COLOR_BTNSHADOW));
  c.btnHighlight = ColorRefToPixel(GetSysColor(COLOR_BTNHIGHLIGHT));
  c.light3d = ColorRefToPixel(GetSysColor(COLOR_3DLIGHT));
  c.darkShadow3d = ColorRefToPixel(GetSysColor(COLOR_3DDKSHADOW));
  c.btnText = ColorRefToPixel(GetSysColor(COLOR_BTNTEXT));
  c.window = ColorRefToPixel(GetSysColor(COLOR_WINDOW));
  c.windowText = ColorRefToPixel(GetSysColor(COLOR_WINDOWTEXT));
  c.grayText = ColorRefToPixel(GetSysColor(COLOR_GRAYTEXT));
  return c;
}

Picture ReadPicture(HDC dc, const Rect& area) {
  Picture p(area.Width(), area.Height());
  if (p.Empty()) return p;
  HDC memory = CreateCompatibleDC(dc);
  HBITMAP bitmap = CreateCompatibleBitmap(dc, p.width, p.height);
  HGDIOBJ old = SelectObject(memory, bitmap);
  BitBlt(memory, 0, 0, p.width, p.height, dc, area.left, area.top, SRCCOPY);
  SelectObject(memory, old);
  BITMAPINFO bi = TopDown32(p.width, p.height);
  GetDIBits(memory, bitmap, 0, p.height, p.pixels.data(), &bi, DIB_RGB_COLORS);
  for (Pixel& px : p.pixels) px &= 0x00FFFFFF;
  DeleteObject(bitmap);
  DeleteDC(memory);
  return p;
}

void SetWindowRegion(HWND hwnd, const Region& region) {
  const std::vector<std::uint8_t> data = RegionData(region);
  HRGN rgn = ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()),
                             reinterpret_cast<const RGNDATA*>(data.data()));
  if (rgn && !SetWindowRgn(hwnd, rgn, TRUE)) DeleteObject(rgn);
}

Rect BoundsInParent(HWND hwnd) {
  RECT w = {};
  GetWindowRect(hwnd, &w);
  MapWindowPoints(HWND_DESKTOP, GetParent(hwnd), reinterpret_cast<POINT*>(&w), 2);
  return FromRECT(w);
}

Size WindowSize(HWND hwnd) {
  RECT w = {};
  GetWindowRect(hwnd, &w);
  return Size{w.right - w.left, w.bottom - w.top};
}

}  // namespace bs
