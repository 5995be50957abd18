// The off-screen picture a skinned control paints into (a DIB section with
// its memory DC, pictures copied into its pixels, text through GDI) and
// copies to the screen in one step; the fonts and colours its text uses.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "skin/controls/bsControlSection.h"
#include "skin/draw/bsGraphics.h"
#include "skinwin/bsPaint.h"
#include "win32/handles.h"

namespace bs {

// A font as the skin describes it; the height is the cell height.
vellumo::UniqueFont FontOf(const FontSpec& f);

class TbsCanvas {
 public:
  TbsCanvas(int width, int height);
  TbsCanvas(const TbsCanvas&) = delete;
  TbsCanvas& operator=(const TbsCanvas&) = delete;
  ~TbsCanvas();

  bool Ok() const { return bits_ != nullptr; }
  int Width() const { return width_; }
  int Height() const { return height_; }
  HDC DC() const { return dc_.get(); }

  // Pixel work in the current drawing place (see Place), clipped to it.
  void Put(const Picture& p, int x, int y);
  Picture Take(const Rect& r) const;
  // Text in the current place: measured (DrawText's measuring mode) and
  // drawn with a clear background.
  Size MeasureText(HFONT font, const std::wstring& text, UINT flags = 0) const;
  void Text(HFONT font, const std::wstring& text, const Rect& r, UINT flags, Pixel colour);

  // Copies r of the canvas to dc at r's place: the one step to the screen.
  void CopyTo(HDC dc, const Rect& r) const;

  // While it lives, drawing goes to r (canvas coordinates) with r's top-left
  // corner as origin, clipped to r and to the place it was made in.
  class Place {
   public:
    Place(TbsCanvas& c, const Rect& r);
    ~Place();
    Place(const Place&) = delete;
    Place& operator=(const Place&) = delete;

   private:
    TbsCanvas& c_;
    Point origin_;
    Rect clip_;
    int saved_;
  };

 private:
  Pixel* Row(int y) const { return bits_ + static_cast<std::size_t>(y) * width_; }

  int width_, height_;
  vellumo::UniqueDC dc_;
  vellumo::UniqueBitmap bitmap_;
  HGDIOBJ oldBitmap_ = nullptr;
  Pixel* bits_ = nullptr;
  Point origin_;
  Rect clip_;
};

// A picture with text drawn on it (for pictures that are blended after
// their caption is in: the fade of a button).
void DrawTextOn(Picture& picture, HFONT font, const std::wstring& text, const Rect& r, UINT flags,
                Pixel colour);

}  // namespace bs
