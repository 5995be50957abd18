// A BMP file from the fuzzer: reading either works or raises EInvalidGraphic,
// never more than the stated file size is taken, and a picture written back
// reads and writes the same bytes again.
#include <algorithm>
#include <cstdlib>

#include "skin/draw/bsGraphics.h"

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
  // And as the body of a file whose headers the first bytes choose, so that
  // every depth, direction and colour table is reached quickly.
  if (size >= 6) {
    static const int depths[] = {1, 4, 8, 16, 24, 32};
    const std::uint32_t width = data[0] % 40 + 1, height = data[1] % 40 + 1;
    const int bpp = depths[data[2] % 6];
    const std::uint32_t compression = data[3] % 4 == 3 ? 3 : 0, colorsUsed = data[4] % 3 == 0 ? 0 : data[4];
    const std::uint32_t infoSize = data[5] % 3 == 0 ? 12 : data[5] % 3 == 1 ? 40 : 124;
    std::vector<std::uint8_t> file(14 + infoSize, 0);
    auto put = [&file](std::size_t at, std::uint32_t v, int n) {
      for (int i = 0; i < n; ++i) file[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
    };
    file[0] = 'B', file[1] = 'M';
    put(14, infoSize, 4);
    if (infoSize == 12) {
      put(18, width, 2), put(20, height, 2), put(22, 1, 2), put(24, bpp, 2);
    } else {
      const std::uint32_t h = data[1] & 0x80 ? 0u - height : height;  // top-down
      put(18, width, 4), put(22, h, 4), put(26, 1, 2), put(28, bpp, 2), put(30, compression, 4);
      put(46, colorsUsed, 4);
    }
    file.insert(file.end(), data + 6, data + size);
    const std::size_t body = size - 6;
    const std::size_t palette = bpp <= 8 ? std::min<std::size_t>(body, (infoSize == 12 ? 3u : 4u) << bpp) : 0;
    put(2, static_cast<std::uint32_t>(file.size()), 4);
    put(10, static_cast<std::uint32_t>(14 + infoSize + palette + (compression == 3 && infoSize == 40 ? 12 : 0)), 4);
    Check(file.data(), file.size());
  }
  return 0;
}
