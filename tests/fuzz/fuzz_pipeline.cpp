// The loader's fused conversion against the HexText pipeline, line by line and
// for whole files; and every stage on text that is not HexText at all.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "convert/loader.h"
#include "convert/convert.h"
#include "tests/support/pipeline.h"
#include "tests/unit/convert/support.h"
#include "tests/fuzz/fuzz_defaults.h"

using namespace vellumo;

namespace {

const CodeTableData& Table() {
  static const CodeTableData table =
      ParseCodeTable(testing::SmallTable() + testing::TableLine(0xD7FF, "\x81\x40") +
                     testing::TableLine(0x0800, "\x82\x41") + "\n" + testing::TableLine(0x07FF, "Z"));
  return table;
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  return fuzzing::SetDefaults(argc, argv, {"-max_len=64"});
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::uint8_t flags = data[0];
  const std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
  const CodeTableData* table = (flags & 1) == 0 ? &Table() : nullptr;

  // One line of each kind, first or not.
  std::string out;
  for (SourceKind kind : {SourceKind::Utf8, SourceKind::Unicode, SourceKind::Ansi})
    for (bool first : {true, false}) {
      ConvertLine(kind, bytes, first, table, out);
      if (out != ConvertLineByPipeline(kind, bytes, first, table)) std::abort();
    }

  // A whole file: the signature decides the kind, the line rule cuts it.
  std::string text = bytes;
  if (flags & 2) text.insert(0, "\xEF\xBB\xBF");
  else if (flags & 4) text.insert(0, "\xFF\xFE");
  std::vector<std::string> fast;
  const SourceKind kind =
      ConvertTextTo(text, table, [&](const char* l, std::size_t n) { fast.emplace_back(l, n); }).kind;
  const std::vector<std::string> lines = kind == SourceKind::Unicode
                                             ? testing::ReferenceLines(text.substr(2), 2)
                                             : testing::ReferenceLines(text);
  if (fast.size() != lines.size()) std::abort();
  for (std::size_t i = 0; i < lines.size(); ++i)
    if (fast[i] != ConvertLineByPipeline(kind, lines[i], i == 0, table)) std::abort();

  // The stages must end and stay in bounds on any characters.
  const std::uint8_t mode = flags & 8 ? 0 : 2;
  (void)UnicodeHexToNative(bytes, table, mode);
  (void)Utf8HexToUnicodeHex(bytes);
  (void)SwapHexPairs(bytes);
  (void)Utf8Hex2ToUnicodeHex(bytes.substr(0, 4));
  (void)Utf8Hex3ToUnicodeHex(bytes.substr(0, 6));
  std::string rest = bytes;
  while (!rest.empty()) {
    const std::size_t before = rest.size();
    NextHexToken(rest, mode);
    if (rest.size() == before) break;  // fewer than two characters left
  }
  return 0;
}
