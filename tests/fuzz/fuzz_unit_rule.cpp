// The Unicode line rule on any bytes, fed in pieces of any size, against the
// rule written out plainly unit by unit.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "convert/linerule.h"
#include "tests/unit/convert/support.h"

using namespace vellumo;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::size_t piece = 1 + data[0] % 17;
  const char* text = reinterpret_cast<const char*>(data) + 1;
  const std::size_t length = size - 1;

  static std::vector<std::string> lines;
  lines.clear();
  UnitLineCutter cutter([](const char* l, std::size_t n) { lines.emplace_back(l, n); });
  for (std::size_t i = 0; i < length; i += piece)
    if (!cutter.Feed(text + i, std::min(piece, length - i))) break;
  cutter.Finish();
  if (lines != testing::ReferenceLines(std::string(text, length), 2)) std::abort();
  return 0;
}
