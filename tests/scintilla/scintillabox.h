// A Scintilla window with a display code page's font, and text of that code
// page's scripts, for the wrap proof and the wrap benchmark.
#pragma once

#include <windows.h>

#include <Scintilla.h>

#include <random>
#include <stdexcept>
#include <string>

namespace scibox {

struct DisplayFont {
  int codePage;
  const char* nameUtf8;
  int charset;
};

// The viewer's four display code pages with their fonts.
inline constexpr DisplayFont kDisplayFonts[] = {
    {936, "宋体", GB2312_CHARSET},
    {949, "GulimChe", HANGEUL_CHARSET},
    {932, "MS PMincho", SHIFTJIS_CHARSET},
    {950, "MingLiU", CHINESEBIG5_CHARSET},
};

class Box {
 public:
  // A hidden box lays text out without painting; a shown one paints.
  Box(int width, int height, bool shown) {
    static const bool registered = Scintilla_RegisterClasses(GetModuleHandleW(nullptr)) != 0;
    if (!registered) throw std::runtime_error("Scintilla_RegisterClasses failed");
    hwnd_ = CreateWindowExW(0, L"Scintilla", L"", WS_POPUP | (shown ? WS_VISIBLE : 0), 0, 0, width,
                            height, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!hwnd_) throw std::runtime_error("creating the Scintilla window failed");
    // Called directly, as Scintilla allows its own thread: no message per call.
    fn_ = reinterpret_cast<SciFnDirect>(SendMessageW(hwnd_, SCI_GETDIRECTFUNCTION, 0, 0));
    ptr_ = SendMessageW(hwnd_, SCI_GETDIRECTPOINTER, 0, 0);
    if (!fn_ || !ptr_) throw std::runtime_error("Scintilla gave no direct function");
    // The text area is the whole client area: no margins, no scroll bars.
    Send(SCI_SETMARGINWIDTHN, 1, 0);
    Send(SCI_SETVSCROLLBAR, 0);
    Send(SCI_SETHSCROLLBAR, 0);
  }
  ~Box() { DestroyWindow(hwnd_); }
  Box(const Box&) = delete;
  Box& operator=(const Box&) = delete;

  HWND Handle() const { return hwnd_; }
  sptr_t Send(unsigned int msg, uptr_t w = 0, sptr_t l = 0) const { return fn_(ptr_, msg, w, l); }

  void SetFont(const DisplayFont& font, int pixels) {
    Send(SCI_SETCODEPAGE, font.codePage);
    Send(SCI_STYLESETFONT, STYLE_DEFAULT, reinterpret_cast<sptr_t>(font.nameUtf8));
    Send(SCI_STYLESETCHARACTERSET, STYLE_DEFAULT, font.charset);
    // Hundredths of a point at 96 dots per inch.
    Send(SCI_STYLESETSIZEFRACTIONAL, STYLE_DEFAULT, pixels * 75);
    Send(SCI_STYLECLEARALL);
  }
  // Every byte, NUL included.
  void SetBytes(const std::string& bytes) {
    Send(SCI_CLEARALL);
    Send(SCI_ADDTEXT, bytes.size(), reinterpret_cast<sptr_t>(bytes.data()));
  }
  void Resize(int width, int height) {
    SetWindowPos(hwnd_, nullptr, 0, 0, width, height, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  }

 private:
  HWND hwnd_ = nullptr;
  SciFnDirect fn_ = nullptr;
  sptr_t ptr_ = 0;
};

// Characters of a code page's own script, each two bytes: Hanzi (936, 950),
// Hangul (949), kana and kanji (932); punctuation, when asked for, the page's
// full-width comma and full stop now and then.
inline std::string NativeText(std::mt19937& rng, int codePage, size_t chars, bool punctuation) {
  auto pick = [&](int lo, int hi) { return static_cast<char>(std::uniform_int_distribution<int>(lo, hi)(rng)); };
  std::string s;
  s.reserve(chars * 2);
  for (size_t i = 0; i < chars; ++i) {
    if (punctuation && std::uniform_int_distribution<int>(0, 11)(rng) == 0) {
      const bool stop = (rng() & 1) != 0;
      switch (codePage) {
        case 936: s += stop ? "\xA1\xA3" : "\xA3\xAC"; break;
        case 950: s += stop ? "\xA1\x43" : "\xA1\x41"; break;
        case 932: s += stop ? "\x81\x42" : "\x81\x41"; break;
        default: s += stop ? ". " : ", "; break;  // Korean prose uses ASCII punctuation
      }
      continue;
    }
    switch (codePage) {
      case 936: s += pick(0xB0, 0xF7); s += pick(0xA1, 0xFE); break;
      case 949: s += pick(0xB0, 0xC8); s += pick(0xA1, 0xFE); break;
      case 950: s += pick(0xA4, 0xF9); s += (rng() & 1) ? pick(0x40, 0x7E) : pick(0xA1, 0xFE); break;
      default:
        if (rng() & 1) { s += '\x82'; s += pick(0x9F, 0xF1); }  // hiragana
        else { s += pick(0x88, 0x9F); s += (rng() & 1) ? pick(0x40, 0x7E) : pick(0x80, 0xFC); }
        break;
    }
  }
  return s;
}

}  // namespace scibox
