// Pictures of the skin engine: device-independent pixels the drawing code
// works on, read from and written to complete BMP files. Portable.
#pragma once

#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "skin/draw/bsGeometry.h"

namespace bs {

// 0x00RRGGBB.
using Pixel = std::uint32_t;
constexpr Pixel Rgb(int r, int g, int b) {
  return (static_cast<Pixel>(r & 255) << 16) | (static_cast<Pixel>(g & 255) << 8) |
         static_cast<Pixel>(b & 255);
}
constexpr int RedOf(Pixel p) { return (p >> 16) & 255; }
constexpr int GreenOf(Pixel p) { return (p >> 8) & 255; }
constexpr int BlueOf(Pixel p) { return p & 255; }

// The graphics layer's error for an invalid bitmap.
class EInvalidGraphic : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// A picture: top-down rows of pixels. A BMP read keeps its depth and colour
// table so that it is written back as it was read.
struct Picture {
  int width = 0;
  int height = 0;
  std::vector<Pixel> pixels;  // width * height, row-major, top row first
  int bitsPerPixel = 24;      // depth of the BMP it came from / is written as
  std::vector<Pixel> palette; // colour table for depths up to 8

  Picture() = default;
  Picture(int w, int h, Pixel fill = 0)
      : width(w), height(h), pixels(static_cast<std::size_t>(w) * h, fill) {}
  bool Empty() const { return width <= 0 || height <= 0; }
  Pixel At(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
  void Set(int x, int y, Pixel p) { pixels[static_cast<std::size_t>(y) * width + x] = p; }
};

// Reads one complete BMP file from data[0..size): consumes exactly the file
// size its header states (returned in consumed). Throws EInvalidGraphic.
// Depths read: 1, 4, 8, 16, 24 and 32 bits per pixel, uncompressed (16 and 32
// also with bit-field masks), bottom-up or top-down, with a core, info, v4 or
// v5 header. A header whose sizes the data cannot back is refused before any
// pixel memory is allocated.
Picture ReadBmp(const std::uint8_t* data, std::size_t size, std::size_t* consumed);

// Writes a complete BMP file (info header, bottom-up) at the picture's depth
// (1, 4, 8, 16 as 5-5-5, 24 or 32). Depths up to 8 use the picture's
// palette (or its distinct colours when it has none); a colour missing from
// the palette takes the nearest entry.
std::vector<std::uint8_t> WriteBmp(const Picture& picture);

}  // namespace bs
