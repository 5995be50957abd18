// Lays a corpus out wrapped in each display code page, wrap mode and a few
// widths, and writes the start of every display line to the file it is given.
// Built twice, on the patched and on the untouched Scintilla: the dumps must
// be equal. Exits non-zero when it cannot write or nothing wrapped.
#include <cstdio>
#include <string>
#include <vector>

#include "scintillabox.h"

namespace {

const char* const kWords[] = {"the", "quick", "brown", "fox", "jumps", "over", "lazy", "dog,",
                              "wrapping", "a", "line", "of", "English", "words.", "extraordinarily"};

std::string English(std::mt19937& rng, size_t chars) {
  std::string s;
  while (s.size() < chars) {
    if (!s.empty()) s += (rng() % 9 == 0) ? "  " : " ";
    s += kWords[rng() % std::size(kWords)];
  }
  return s;
}

// Bytes of any kind but line ends and NUL: invalid pairs, lone lead and trail
// bytes, the single-byte kana of 932.
std::string Soup(std::mt19937& rng, size_t bytes) {
  std::string s;
  while (s.size() < bytes) {
    const int b = std::uniform_int_distribution<int>(0x09, 0xFF)(rng);
    if (b != '\r' && b != '\n') s += static_cast<char>(b);
  }
  return s;
}

std::string Corpus(int codePage) {
  std::mt19937 rng(static_cast<unsigned>(codePage));
  const char lead = codePage == 932 ? '\x88' : '\xB0';
  std::string c;
  for (size_t n : {40, 300, 3000}) c += English(rng, n) + "\r\n";
  for (size_t n : {1, 30, 500, 8000}) c += scibox::NativeText(rng, codePage, n, false) + "\r\n";
  for (size_t n : {60, 2000}) c += scibox::NativeText(rng, codePage, n, true) + "\n";
  for (int i = 0; i < 40; ++i) {  // mixed, with and without spaces between the scripts
    c += scibox::NativeText(rng, codePage, 1 + rng() % 12, rng() & 1);
    c += (rng() & 1) ? " " : "";
    c += English(rng, 1 + rng() % 30);
    c += (rng() & 1) ? " " : "";
  }
  c += "\r\n";
  c += Soup(rng, 3000) + "\r\n";
  c += scibox::NativeText(rng, codePage, 200, false) + "\x80\xFF" + lead + "\x7F" + lead + " " +
       scibox::NativeText(rng, codePage, 200, false) + "\r";
  for (const char* end : {"\r\n", "\n", "\r"}) c += scibox::NativeText(rng, codePage, 150, false) + lead + end;
  c += scibox::NativeText(rng, codePage, 700, true) + lead;  // a lone lead byte ends the text
  return c;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 2) {
    std::fputs("usage: wrapdump DUMPFILE\n", stderr);
    return 2;
  }
  FILE* out = _wfopen(argv[1], L"wb");
  if (!out) {
    std::fputs("wrapdump: cannot write the dump file\n", stderr);
    return 1;
  }
  long wrappedLines = 0;
  try {
    scibox::Box box(420, 271, false);
    box.Send(SCI_SETLAYOUTCACHE, SC_CACHE_DOCUMENT);  // each line laid out once
    for (const scibox::DisplayFont& font : scibox::kDisplayFonts) {
      box.SetFont(font, 13);
      box.SetBytes(Corpus(font.codePage));
      for (int mode : {SC_WRAP_WORD, SC_WRAP_CHAR, SC_WRAP_WHITESPACE}) {
        box.Send(SCI_SETWRAPMODE, mode);
        for (int width : {97, 420, 1003}) {
          box.Resize(width, 271);
          box.Send(SCI_ENSUREVISIBLE, 0);  // wraps the whole text
          std::fprintf(out, "code page %d, wrap mode %d, width %d\n", font.codePage, mode, width);
          // A display line starts where a position's y differs from the one before.
          const sptr_t lines = box.Send(SCI_GETLINECOUNT);
          for (sptr_t line = 0; line < lines; ++line) {
            const sptr_t count = box.Send(SCI_WRAPCOUNT, line);
            wrappedLines += count - 1;
            std::fprintf(out, "%lld (%lld):", static_cast<long long>(line), static_cast<long long>(count));
            sptr_t yBefore = -1;
            const sptr_t end = box.Send(SCI_GETLINEENDPOSITION, line);
            for (sptr_t pos = box.Send(SCI_POSITIONFROMLINE, line); pos <= end; ++pos) {
              const sptr_t y = box.Send(SCI_POINTYFROMPOSITION, 0, pos);
              if (y != yBefore) std::fprintf(out, " %lld", static_cast<long long>(pos));
              yBefore = y;
            }
            std::fputc('\n', out);
          }
        }
      }
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "wrapdump: %s\n", e.what());
    std::fclose(out);
    return 1;
  }
  std::fprintf(out, "end\n");
  if (std::fclose(out) != 0 || wrappedLines == 0) {
    std::fputs(wrappedLines == 0 ? "wrapdump: no line wrapped\n" : "wrapdump: writing the dump failed\n", stderr);
    return 1;
  }
  return 0;
}
