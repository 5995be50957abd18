// The loader's byte line rule on any bytes, fed in chunks of any size, against
// the rule written out plainly; and the kind the first bytes give.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "convert/linerule.h"
#include "convert/loader.h"
#include "convert/convert.h"
#include "tests/unit/convert/support.h"
#include "tests/fuzz/fuzz_defaults.h"

using namespace vellumo;

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  return fuzzing::SetDefaults(argc, argv, {"-max_len=512"});
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
  const std::vector<std::string> expected = testing::ReferenceLines(text);
  const std::vector<std::string> lines = testing::CutInPieces<LineCutter>(text, 1 + data[0] % 17);
  if (lines != expected) std::abort();
  for (const std::string& l : lines)
    if (l.find_first_of("\r\n\x1A") != std::string::npos) std::abort();

  // The loader decides the kind from the first bytes and the first line (no
  // table: ANSI lines pass as they are, and the kind does not depend on it).
  std::vector<std::string> loaded;
  const SourceKind kind =
      ConvertTextTo(text, nullptr, [&](const char* l, std::size_t n) { loaded.emplace_back(l, n); }).kind;
  if (kind != DetectSourceKind(text.substr(0, 4), expected.empty() ? std::string() : expected[0]))
    std::abort();
  if (kind == SourceKind::Unicode) return 0;  // fuzz_unit_rule
  if (loaded.size() != expected.size()) std::abort();
  if (kind == SourceKind::Ansi && loaded != expected) std::abort();
  return 0;
}
