// Wrapping in Scintilla with the GBK font in a box of the viewer's size: set
// and first paint, then to the end, wrapped by word and by character, for
// large Chinese texts, a 1 MB Chinese line and a 1 MB line of digits; and
// where a line of English words breaks. Built on the patched library, and on
// the untouched one for comparison (which skips the cases it never finishes
// unless they are named). Usage: bench_scintilla [CASE...]
#include <chrono>
#include <cstdio>
#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "../tests/scintilla/scintillabox.h"
#include "messages.h"

namespace {

constexpr size_t kLarge = 20u << 20;

std::string Lines(size_t total, const std::function<size_t(std::mt19937&)>& chars, bool punctuation) {
  std::mt19937 rng(936);
  std::string s;
  s.reserve(total + 4096);
  while (s.size() < total) s += scibox::NativeText(rng, 936, chars(rng), punctuation) + "\r\n";
  return s;
}

struct Case {
  const char* name;
  const char* what;
  bool untouchedFinishes;
  std::function<std::string()> make;
};

double Seconds(const std::function<void()>& f) {
  const auto start = std::chrono::steady_clock::now();
  f();
  return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

void Run(const Case& c) {
  const std::string text = c.make();
  for (int mode : {SC_WRAP_WORD, SC_WRAP_CHAR}) {
    scibox::Box box(420, 271, true);
    box.SetFont(scibox::kDisplayFonts[0], 13);
    box.Send(SCI_SETWRAPMODE, mode);
    DrainMessages();
    const double shown = Seconds([&] {
      box.SetBytes(text);
      UpdateWindow(box.Handle());
    });
    const double end = Seconds([&] {
      box.Send(SCI_DOCUMENTEND);
      UpdateWindow(box.Handle());
    });
    std::printf("%-8s %-44s %-5s set + first paint %7.3f s, to the end %8.3f s, %lld display lines\n", c.name,
                c.what, mode == SC_WRAP_WORD ? "word" : "char", shown, end,
                static_cast<long long>(box.Send(SCI_VISIBLEFROMDOCLINE, box.Send(SCI_GETLINECOUNT))));
    std::fflush(stdout);
  }
}

// Where a line of English words breaks at the box's width: every display
// line after the first should start after a space.
void EnglishBreaks() {
  std::mt19937 rng(1);
  const char* const words[] = {"wrapping", "a", "line", "of", "English", "words", "at", "spaces,", "as", "before."};
  std::string line;
  while (line.size() < 4000) line += std::string(words[rng() % std::size(words)]) + " ";
  scibox::Box box(420, 271, false);
  box.SetFont(scibox::kDisplayFonts[0], 13);
  box.Send(SCI_SETWRAPMODE, SC_WRAP_WORD);
  box.SetBytes(line);
  box.Send(SCI_DOCUMENTEND);
  int rows = 1, afterSpace = 0;
  for (sptr_t pos = 1, y = box.Send(SCI_POINTYFROMPOSITION, 0, 0); pos < static_cast<sptr_t>(line.size()); ++pos) {
    const sptr_t yHere = box.Send(SCI_POINTYFROMPOSITION, 0, pos);
    if (yHere != y) {
      ++rows;
      afterSpace += line[pos - 1] == ' ' && line[pos] != ' ';
    }
    y = yHere;
  }
  std::printf("English words, 4,000 characters, word wrap: %d display lines, %d of the %d breaks after a space\n",
              rows, afterSpace, rows - 1);
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<Case> cases = {
      {"lines40", "20 MB of 40-character Chinese lines", true, [] { return Lines(kLarge, [](std::mt19937&) { return size_t{40}; }, false); }},
      {"prose", "20 MB of Chinese prose, paragraphs 20-400", true,
       [] { return Lines(kLarge, [](std::mt19937& r) { return size_t{20} + r() % 381; }, true); }},
      {"para2000", "20 MB of 2,000-character paragraphs", false, [] { return Lines(kLarge, [](std::mt19937&) { return size_t{2000}; }, true); }},
      {"line1mb", "a 1 MB Chinese line", false, [] { std::mt19937 r(1); return scibox::NativeText(r, 936, 512 * 1024, false); }},
      {"digits", "a 1 MB line of digits", true, [] {
         std::string s(1u << 20, '0');
         for (size_t i = 0; i < s.size(); ++i) s[i] = static_cast<char>('0' + i % 10);
         return s;
       }},
  };
  try {
    for (const Case& c : cases) {
      bool named = argc == 1 && (VELLUMO_SCINTILLA_PATCHED || c.untouchedFinishes);
      for (int i = 1; i < argc; ++i) named = named || std::strcmp(argv[i], c.name) == 0;
      if (named) Run(c);
    }
    if (argc == 1) EnglishBreaks();
  } catch (const std::exception& e) {
    std::fprintf(stderr, "bench_scintilla: %s\n", e.what());
    return 1;
  }
  return 0;
}
