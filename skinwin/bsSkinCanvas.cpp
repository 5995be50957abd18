#include "skinwin/bsSkinCanvas.h"

#include <algorithm>
#include <cstring>

#include "skinwin/bsPaint.h"

namespace bs {

vellumo::UniqueFont FontOf(const FontSpec& f) {
  LOGFONTW lf = {};
  lf.lfHeight = f.height;
  lf.lfWeight = f.style.Has(fsBold) ? FW_BOLD : FW_NORMAL;
  lf.lfItalic = f.style.Has(fsItalic);
  lf.lfUnderline = f.style.Has(fsUnderline);
  lf.lfStrikeOut = f.style.Has(fsStrikeOut);
  lf.lfCharSet = static_cast<BYTE>(f.charSet);
  lstrcpynW(lf.lfFaceName, WideFromGbk(f.name).c_str(), LF_FACESIZE);
  return vellumo::UniqueFont(CreateFontIndirectW(&lf));
}

TbsCanvas::TbsCanvas(int width, int height)
    : width_(std::max(width, 0)), height_(std::max(height, 0)), clip_{0, 0, width_, height_} {
  if (width_ == 0 || height_ == 0) return;
  const BITMAPINFO bi = TopDown32(width_, height_);
  dc_.reset(CreateCompatibleDC(nullptr));
  void* bits = nullptr;
  bitmap_.reset(CreateDIBSection(dc_.get(), &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!dc_ || !bitmap_ || !bits) return;
  oldBitmap_ = SelectObject(dc_.get(), bitmap_.get());
  bits_ = static_cast<Pixel*>(bits);
  std::memset(bits_, 0, static_cast<std::size_t>(width_) * height_ * sizeof(Pixel));
  SetBkMode(dc_.get(), TRANSPARENT);
}

TbsCanvas::~TbsCanvas() {
  if (oldBitmap_) SelectObject(dc_.get(), oldBitmap_);
}

void TbsCanvas::Put(const Picture& p, int x, int y) {
  if (!Ok() || p.Empty()) return;
  GdiFlush();  // text drawn before lands first
  x += origin_.x;
  y += origin_.y;
  const int left = std::max(x, clip_.left), right = std::min(x + p.width, clip_.right);
  const int top = std::max(y, clip_.top), bottom = std::min(y + p.height, clip_.bottom);
  if (left >= right) return;
  for (int row = top; row < bottom; ++row)
    std::memcpy(Row(row) + left, &p.pixels[static_cast<std::size_t>(row - y) * p.width + (left - x)],
                static_cast<std::size_t>(right - left) * sizeof(Pixel));
}

Picture TbsCanvas::Take(const Rect& r) const {
  Picture p(r.Width(), r.Height());
  if (!Ok() || p.Empty()) return p;
  GdiFlush();
  for (int y = 0; y < p.height; ++y)
    for (int x = 0; x < p.width; ++x) {
      const int cx = r.left + x + origin_.x, cy = r.top + y + origin_.y;
      if (cx >= 0 && cx < width_ && cy >= 0 && cy < height_)
        p.Set(x, y, Row(cy)[cx] & 0x00FFFFFF);
    }
  return p;
}

Size TbsCanvas::MeasureText(HFONT font, const std::wstring& text, UINT flags) const {
  if (!Ok()) return Size{};
  HGDIOBJ old = SelectObject(dc_.get(), font);
  RECT r = {0, 0, 0, 0};
  DrawTextW(dc_.get(), text.c_str(), static_cast<int>(text.size()), &r, flags | DT_CALCRECT);
  SelectObject(dc_.get(), old);
  return Size{r.right - r.left, r.bottom - r.top};
}

void TbsCanvas::Text(HFONT font, const std::wstring& text, const Rect& r, UINT flags,
                     Pixel colour) {
  if (!Ok() || text.empty()) return;
  HGDIOBJ old = SelectObject(dc_.get(), font);
  SetTextColor(dc_.get(), PixelToColorRef(colour));
  RECT rc = {r.left, r.top, r.right, r.bottom};
  DrawTextW(dc_.get(), text.c_str(), static_cast<int>(text.size()), &rc, flags);
  SelectObject(dc_.get(), old);
}

void TbsCanvas::CopyTo(HDC dc, const Rect& r) const {
  if (Ok()) BitBlt(dc, r.left, r.top, r.Width(), r.Height(), dc_.get(), r.left, r.top, SRCCOPY);
}

TbsCanvas::Place::Place(TbsCanvas& c, const Rect& r)
    : c_(c), origin_(c.origin_), clip_(c.clip_), saved_(c.Ok() ? SaveDC(c.DC()) : 0) {
  const Rect at = Moved(r, c.origin_.x, c.origin_.y);
  c.clip_ = Rect{std::max(at.left, clip_.left), std::max(at.top, clip_.top),
                 std::min(at.right, clip_.right), std::min(at.bottom, clip_.bottom)};
  if (c.clip_.IsEmpty()) c.clip_ = Rect{};
  c.origin_ = Point{at.left, at.top};
  if (!c.Ok()) return;
  SetViewportOrgEx(c.DC(), c.origin_.x, c.origin_.y, nullptr);
  // Clip rectangles are in logical units: the place's own coordinates.
  IntersectClipRect(c.DC(), c.clip_.left - c.origin_.x, c.clip_.top - c.origin_.y,
                    c.clip_.right - c.origin_.x, c.clip_.bottom - c.origin_.y);
}

TbsCanvas::Place::~Place() {
  if (c_.Ok()) RestoreDC(c_.DC(), saved_);
  c_.origin_ = origin_;
  c_.clip_ = clip_;
}

void DrawTextOn(Picture& picture, HFONT font, const std::wstring& text, const Rect& r, UINT flags,
                Pixel colour) {
  if (text.empty() || picture.Empty()) return;
  TbsCanvas c(picture.width, picture.height);
  c.Put(picture, 0, 0);
  c.Text(font, text, r, flags, colour);
  picture = c.Take(Rect{0, 0, picture.width, picture.height});
}

}  // namespace bs
