// The page-fit scanner on any bytes, fed in pieces of any size, against its
// rule written out plainly: each page's reading of the bytes as they are, and
// the conversion of the text (UTF-8, with or without signature, or UTF-16LE)
// through each page's table.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "convert/pagefit.h"
#include "tests/unit/convert/support.h"
#include "tests/fuzz/fuzz_defaults.h"

using namespace vellumo;

namespace {

using testing::TableLine;

// Four small pages of different shapes: double-byte with ASCII trails and a
// few frequent characters; one lacking some ASCII; one with one-byte
// characters above 80 beside pairs; and one not loaded.
struct Pages {
  CodeTableData data[3];
  const CodeTableData* tables[4];
  Pages() {
    std::string gb, kr, jp;
    for (unsigned c = 0x20; c < 0x7F; ++c) {
      gb += TableLine(c, std::string(1, char(c))) + "\n";
      jp += TableLine(c, std::string(1, char(c))) + "\n";
      if (c % 3) kr += TableLine(c, std::string(1, char(c))) + "\n";
    }
    gb += TableLine(0x7684, "\x81\x40") + "\n" + TableLine(0x4E00, "\x81\x41") + "\n" +
          TableLine(0x4E2D, "\x82\x80") + "\n" + TableLine(0x00E9, "\xA8\xA6") + "\n" +
          TableLine(0x20AC, "\x80") + "\n";
    kr += TableLine(0xAC00, "\xB0\xA1") + "\n" + TableLine(0xC774, "\xC0\xCC") + "\n" +
          TableLine(0x4E00, "\xEC\xE9") + "\n";
    jp += TableLine(0xFF61, "\xA1") + "\n" + TableLine(0xFF71, "\xB1") + "\n" +
          TableLine(0x3042, "\x82\xA0") + "\n" + TableLine(0x65E5, "\x93\xFA") + "\n";
    data[0] = ParseCodeTable(gb);
    data[1] = ParseCodeTable(kr);
    data[2] = ParseCodeTable(jp);
    tables[0] = &data[0];
    tables[1] = &data[1];
    tables[2] = &data[2];
    tables[3] = nullptr;
  }
};

bool Same(const FitCounts& a, const testing::ReferenceFit& b) {
  return a.invalid == b.invalid && a.unshown == b.unshown && a.characters == b.characters &&
         a.common == b.common;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  return fuzzing::SetDefaults(argc, argv, {"-max_len=128"});
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  static const Pages pages;
  static PageFitScanner scanner(pages.tables);
  const std::uint8_t flags = data[0];
  const std::size_t piece = 1 + (flags >> 2) % 13;
  const SourceKind kind = flags % 3 == 0 ? SourceKind::Ansi
                          : flags % 3 == 1 ? SourceKind::Utf8
                                           : SourceKind::Unicode;
  std::string text(kind == SourceKind::Utf8 ? "\xEF\xBB\xBF" : kind == SourceKind::Unicode ? "\xFF\xFE" : "");
  text.append(reinterpret_cast<const char*>(data) + 1, size - 1);

  scanner.Reset(kind);
  for (std::size_t i = 0; i < text.size(); i += piece)
    if (!scanner.Feed(text.data() + i, std::min(piece, text.size() - i))) break;
  scanner.Finish();

  static const testing::ReferencePage reference[4] = {{pages.tables[0], 0}, {pages.tables[1], 1},
                                                      {pages.tables[2], 2}, {pages.tables[3], 3}};
  const bool utf16 = kind == SourceKind::Unicode;
  const std::string body = utf16 ? text.substr(2) : text;
  for (int k = 0; k < 4; ++k) {
    if (kind == SourceKind::Ansi && !Same(scanner.AsPage(k), reference[k].AsPage(text))) std::abort();
    const testing::ReferenceFit converted =
        reference[k].Converted(body, utf16, kind == SourceKind::Utf8, kind == SourceKind::Ansi);
    if (!Same(scanner.Converted(k), converted)) std::abort();
  }
  return 0;
}
