// Support for the pixel tests: pictures whose pixels tell where they came
// from, and which source column a tiled axis shows.
#pragma once

#include "skin/draw/bsGraphics.h"

namespace bs {

// Every pixel tells where it came from: 1000 + 100 y + x.
inline Picture Coded(int w, int h) {
  Picture p(w, h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) p.Set(x, y, 1000 + 100 * y + x);
  return p;
}
inline Pixel Code(int x, int y) { return 1000 + 100 * y + x; }

// The column (or row) of the source that a tiled axis shows at position i:
// fixed ends [0, a) and [len - b, len), the middle [a, srcLen - b) tiled.
inline int Tiled(int i, int len, int srcLen, int a, int b) {
  if (i < a) return i;
  if (i >= len - b) return i - (len - srcLen);
  return a + (i - a) % (srcLen - a - b);
}

}  // namespace bs
