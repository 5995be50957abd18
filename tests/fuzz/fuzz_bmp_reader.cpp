// A BMP file from the fuzzer: reading either works or raises EInvalidGraphic,
// never more than the stated file size is taken, and a picture written back
// reads and writes the same bytes again.
#include <cstdlib>

#include "skin/bsGraphics.h"

namespace {

void Check(const std::uint8_t* data, std::size_t size) {
  bs::Picture p;
  std::size_t used = 0;
  try {
    p = bs::ReadBmp(data, size, &used);
  } catch (const bs::EInvalidGraphic&) {
    return;
  }
  if (used > size || p.Empty() || p.pixels.size() != static_cast<std::size_t>(p.width) * p.height) std::abort();
  // Pictures too large to write twice quickly are not interesting here.
  if (p.pixels.size() > (1u << 20)) return;
  const auto once = bs::WriteBmp(p);
  const bs::Picture q = bs::ReadBmp(once.data(), once.size(), &used);
  if (used != once.size() || q.width != p.width || q.height != p.height || q.bitsPerPixel != p.bitsPerPixel)
    std::abort();
  if (bs::WriteBmp(q) != once) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Check(data, size);
  // Again with a signature and the true file size, to reach the info header.
  if (size >= 14) {
    std::vector<std::uint8_t> patched(data, data + size);
    patched[0] = 'B', patched[1] = 'M';
    for (int i = 0; i < 4; ++i) patched[2 + i] = static_cast<std::uint8_t>(size >> (8 * i));
    Check(patched.data(), patched.size());
  }
  return 0;
}
