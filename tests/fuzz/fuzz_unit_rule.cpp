// The Unicode line rule on any bytes, fed in pieces of any size, against the
// rule written out plainly unit by unit.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "convert/linerule.h"
#include "tests/unit/convert/support.h"
#include "tests/fuzz/fuzz_defaults.h"

using namespace vellumo;

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
  return fuzzing::SetDefaults(argc, argv, {"-max_len=512"});
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
  const std::size_t piece = 1 + data[0] % 17;
  if (testing::CutInPieces<UnitLineCutter>(text, piece) != testing::ReferenceLines(text, 2)) std::abort();
  return 0;
}
