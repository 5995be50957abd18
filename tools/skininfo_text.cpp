#include "tools/skininfo_text.h"

#include <ft2build.h>
#include FT_FREETYPE_H

#include <algorithm>
#include <cmath>
#include <vector>

namespace skininfo {
namespace {

const char* const kLatin = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";
const char* const kLatinBold = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf";
const char* const kChinese = "/usr/share/fonts/truetype/wqy/wqy-microhei.ttc";

class Fonts {
 public:
  Fonts() {
    if (FT_Init_FreeType(&library_)) return;
    for (const char* path : {kLatin, kLatinBold, kChinese}) {
      FT_Face face = nullptr;
      faces_.push_back(FT_New_Face(library_, path, 0, &face) ? nullptr : face);
    }
  }
  ~Fonts() {
    for (FT_Face f : faces_)
      if (f) FT_Done_Face(f);
    if (library_) FT_Done_FreeType(library_);
  }
  Fonts(const Fonts&) = delete;
  Fonts& operator=(const Fonts&) = delete;

  // The face that has the character, sized for the style.
  FT_Face For(char32_t ch, const TextStyle& style) {
    FT_Face latin = faces_.size() > 1 ? faces_[style.bold ? 1 : 0] : nullptr;
    FT_Face face = latin && FT_Get_Char_Index(latin, ch) ? latin
                   : faces_.size() > 2                   ? faces_[2]
                                                         : nullptr;
    if (face) FT_Set_Pixel_Sizes(face, 0, static_cast<FT_UInt>(std::lround(style.height * 0.82)));
    return face;
  }

 private:
  FT_Library library_ = nullptr;
  std::vector<FT_Face> faces_;
};

Fonts& TheFonts() {
  static Fonts fonts;
  return fonts;
}

std::u32string Decode(const std::string& s) {
  std::u32string out;
  for (std::size_t i = 0; i < s.size();) {
    const unsigned char c = static_cast<unsigned char>(s[i]);
    int n = c < 0x80 ? 0 : c < 0xE0 ? 1 : c < 0xF0 ? 2 : 3;
    char32_t ch = n == 0 ? c : n == 1 ? c & 0x1F : n == 2 ? c & 0x0F : c & 0x07;
    for (int k = 1; k <= n && i + k < s.size(); ++k) ch = (ch << 6) | (s[i + k] & 0x3F);
    out.push_back(ch);
    i += n + 1;
  }
  return out;
}

// Renders or measures; returns the advance width.
int Run(bs::Picture* p, int x, int y, const std::string& text, const TextStyle& style,
        bs::Pixel colour) {
  int pen = x;
  const int baseline = y + static_cast<int>(std::lround(style.height * 0.8));
  for (char32_t ch : Decode(text)) {
    FT_Face face = TheFonts().For(ch, style);
    if (!face || FT_Load_Char(face, ch, FT_LOAD_RENDER)) continue;
    const FT_GlyphSlot g = face->glyph;
    if (p) {
      for (unsigned row = 0; row < g->bitmap.rows; ++row)
        for (unsigned col = 0; col < g->bitmap.width; ++col) {
          const int px = pen + g->bitmap_left + static_cast<int>(col);
          const int py = baseline - g->bitmap_top + static_cast<int>(row);
          if (px < 0 || py < 0 || px >= p->width || py >= p->height) continue;
          const double a = g->bitmap.buffer[row * g->bitmap.pitch + col] / 255.0;
          const bs::Pixel under = p->At(px, py);
          auto mix = [&](int u, int c) { return static_cast<int>(std::lround(u + (c - u) * a)); };
          p->Set(px, py, bs::Rgb(mix(bs::RedOf(under), bs::RedOf(colour)),
                                 mix(bs::GreenOf(under), bs::GreenOf(colour)),
                                 mix(bs::BlueOf(under), bs::BlueOf(colour))));
        }
    }
    pen += static_cast<int>(g->advance.x >> 6);
  }
  return pen - x;
}

}  // namespace

bs::Size MeasureText(const std::string& text, const TextStyle& style) {
  return bs::Size{Run(nullptr, 0, 0, text, style, 0), style.height};
}

void DrawText(bs::Picture& p, int x, int y, const std::string& text, const TextStyle& style,
              bs::Pixel colour) {
  Run(&p, x, y, text, style, colour);
}

std::string FitText(const std::string& text, const TextStyle& style, int width) {
  if (MeasureText(text, style).width <= width) return text;
  std::string cut = text;
  while (!cut.empty()) {
    // Drop the last character: its continuation bytes, then its first byte.
    while (!cut.empty() && (static_cast<unsigned char>(cut.back()) & 0xC0) == 0x80) cut.pop_back();
    if (!cut.empty()) cut.pop_back();
    if (MeasureText(cut + "...", style).width <= width) return cut + "...";
  }
  return "...";
}

}  // namespace skininfo
