// The About window's seven 20 x 20 button pictures, drawn from code: back,
// forward, about, home, e-mail, guest book, export to the browser.
#pragma once

#include <array>

#include "skin/draw/bsGraphics.h"

namespace skingen {

constexpr int kGlyphSize = 20;
constexpr int kGlyphCount = 7;
// The file names, in the bottom row's order.
constexpr std::array<const char*, kGlyphCount> kGlyphFiles = {
    "back.bmp", "forward.bmp", "about.bmp", "home.bmp", "email.bmp", "bbs.bmp", "export.bmp"};
// The colour left out when a glyph is drawn (its bottom-left pixel's).
constexpr bs::Pixel kGlyphKey = bs::Rgb(255, 0, 255);

// 24-bit pictures; every pixel no shape touches is kGlyphKey.
std::array<bs::Picture, kGlyphCount> DrawGlyphs();

}  // namespace skingen
