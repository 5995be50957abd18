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

using namespace vellumo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::size_t chunk = 1 + data[0] % 17;
  const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
  const std::vector<std::string> expected = testing::ReferenceLines(text);

  std::vector<std::string> lines;
  LineCutter cutter([&](const char* l, std::size_t n) { lines.emplace_back(l, n); });
  for (std::size_t i = 0; i < text.size(); i += chunk)
    if (!cutter.Feed(text.data() + i, std::min(chunk, text.size() - i))) break;
  cutter.Finish();
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
