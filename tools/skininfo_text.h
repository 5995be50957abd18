// Text for skininfo's previews, drawn with FreeType from the system's
// fonts (DejaVu Sans for Latin text, WenQuanYi Micro Hei for Chinese),
// standing in for the platform's text drawing. Without those fonts the
// previews simply show no text.
#pragma once

#include <string>

#include "skin/draw/bsGeometry.h"
#include "skin/draw/bsGraphics.h"

namespace skininfo {

struct TextStyle {
  int height = 14;  // the skin's fontheight: the character cell in pixels
  bool bold = false;
};

// Width and height of UTF-8 text.
bs::Size MeasureText(const std::string& text, const TextStyle& style);
// Draws text with its cell's top-left corner at (x, y), anti-aliased over p.
void DrawText(bs::Picture& p, int x, int y, const std::string& text, const TextStyle& style,
              bs::Pixel colour);
// text shortened from its end with "..." to fit width, as the caption does.
std::string FitText(const std::string& text, const TextStyle& style, int width);

}  // namespace skininfo
