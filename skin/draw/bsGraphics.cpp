#include "skin/draw/bsGraphics.h"

#include <algorithm>
#include <limits>
#include <unordered_map>

namespace bs {
namespace {

constexpr std::size_t kFileHeaderSize = 14;
constexpr std::uint32_t kBiRgb = 0;
constexpr std::uint32_t kBiBitfields = 3;

std::uint16_t U16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }
std::uint32_t U32(const std::uint8_t* p) {
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
         (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
std::int32_t I32(const std::uint8_t* p) { return static_cast<std::int32_t>(U32(p)); }

[[noreturn]] void Invalid(const char* why) { throw EInvalidGraphic(std::string("Bitmap image is not valid: ") + why); }

// Maps a channel selected by a bit-field mask to 0..255.
struct Channel {
  std::uint32_t mask = 0;
  int shift = 0;
  int bits = 0;
  explicit Channel(std::uint32_t m) : mask(m) {
    if (!m) return;
    while (!((m >> shift) & 1)) ++shift;
    while (bits < 32 - shift && ((m >> (shift + bits)) & 1)) ++bits;
  }
  int Value(std::uint32_t px) const {
    if (!bits) return 0;
    std::uint32_t v = (px & mask) >> shift;
    if (bits >= 8) return static_cast<int>(v >> (bits - 8));
    // Spread the bits over the whole byte so that the top value is 255.
    std::uint32_t out = 0;
    for (int filled = 0; filled < 8; filled += bits) out = (out << bits) | v;
    return static_cast<int>((out >> (((8 + bits - 1) / bits) * bits - 8)) & 255);
  }
};

std::size_t Stride(int width, int bpp) {
  return ((static_cast<std::size_t>(width) * bpp + 31) / 32) * 4;
}

}  // namespace

Picture ReadBmp(const std::uint8_t* data, std::size_t size, std::size_t* consumed) {
  if (consumed) *consumed = 0;
  if (!data || size < kFileHeaderSize + 12) Invalid("too short");
  if (data[0] != 'B' || data[1] != 'M') Invalid("no BM signature");
  const std::uint32_t fileSize = U32(data + 2);
  const std::uint32_t bitsOffset = U32(data + 10);
  if (fileSize > size) Invalid("file size beyond the data");
  const std::uint8_t* info = data + kFileHeaderSize;
  const std::uint32_t infoSize = U32(info);
  if (infoSize != 12 && (infoSize < 40 || infoSize > 1024)) Invalid("unknown info header");
  if (fileSize < kFileHeaderSize + infoSize) Invalid("file size below the header");

  std::int64_t width, height;
  int bpp;
  std::uint32_t compression = kBiRgb, colorsUsed = 0;
  std::size_t paletteEntrySize = 4;
  if (infoSize == 12) {
    width = U16(info + 4);
    height = static_cast<std::int16_t>(U16(info + 6));
    if (U16(info + 8) != 1) Invalid("planes");
    bpp = U16(info + 10);
    paletteEntrySize = 3;
  } else {
    width = I32(info + 4);
    height = I32(info + 8);
    if (U16(info + 12) != 1) Invalid("planes");
    bpp = U16(info + 14);
    compression = U32(info + 16);
    colorsUsed = U32(info + 32);
  }
  const bool topDown = height < 0;
  if (topDown) height = -height;
  if (width <= 0 || height <= 0) Invalid("empty size");
  if (width > std::numeric_limits<std::int32_t>::max() / 32 || height > std::numeric_limits<std::int32_t>::max())
    Invalid("size too large");
  if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32) Invalid("depth");
  if (compression != kBiRgb && !(compression == kBiBitfields && (bpp == 16 || bpp == 32)))
    Invalid("compressed bitmaps are not supported");

  // Bit-field masks follow a plain info header; larger headers hold them.
  std::size_t pos = kFileHeaderSize + infoSize;
  std::uint32_t masks[3] = {0x7C00, 0x03E0, 0x001F};
  if (bpp == 32) masks[0] = 0xFF0000, masks[1] = 0xFF00, masks[2] = 0xFF;
  if (compression == kBiBitfields) {
    const std::uint8_t* m = info + 40;
    if (infoSize == 40) {
      if (pos + 12 > fileSize) Invalid("masks beyond the file");
      pos += 12;
    } else if (infoSize < 52) {
      Invalid("bit-field masks");
    }
    for (int i = 0; i < 3; ++i) masks[i] = U32(m + 4 * i);
  }

  Picture picture;
  picture.bitsPerPixel = bpp;
  if (bpp <= 8) {
    const std::uint32_t maxColors = 1u << bpp;
    std::uint32_t count = colorsUsed == 0 || colorsUsed > maxColors ? maxColors : colorsUsed;
    // Writers that leave colorsUsed at 0 sometimes store a shorter table: take
    // what lies between the header and the pixel bits.
    if (bitsOffset >= pos && bitsOffset <= fileSize) {
      const std::size_t room = (bitsOffset - pos) / paletteEntrySize;
      if (room < count) count = static_cast<std::uint32_t>(room);
    }
    if (count == 0) Invalid("no colour table");
    if (pos + count * paletteEntrySize > fileSize) Invalid("colour table beyond the file");
    picture.palette.reserve(count);
    for (std::uint32_t i = 0; i < count; ++i) {
      const std::uint8_t* e = data + pos + i * paletteEntrySize;
      picture.palette.push_back(Rgb(e[2], e[1], e[0]));
    }
    pos += count * paletteEntrySize;
  }

  const std::size_t stride = Stride(static_cast<int>(width), bpp);
  if (bitsOffset < pos || bitsOffset > fileSize) Invalid("pixel offset");
  if (static_cast<std::uint64_t>(stride) * static_cast<std::uint64_t>(height) > fileSize - bitsOffset)
    Invalid("pixel rows beyond the file");

  picture.width = static_cast<int>(width);
  picture.height = static_cast<int>(height);
  picture.pixels.assign(static_cast<std::size_t>(width) * static_cast<std::size_t>(height), 0);
  const Channel red(masks[0]), green(masks[1]), blue(masks[2]);
  const std::size_t paletteSize = picture.palette.size();
  for (int y = 0; y < picture.height; ++y) {
    const std::uint8_t* row = data + bitsOffset + stride * static_cast<std::size_t>(topDown ? y : picture.height - 1 - y);
    Pixel* out = &picture.pixels[static_cast<std::size_t>(y) * picture.width];
    const int w = picture.width;
    switch (bpp) {
      case 1:
      case 4:
      case 8: {
        const int perByte = 8 / bpp;
        const unsigned indexMask = (1u << bpp) - 1;
        for (int x = 0; x < w; ++x) {
          const int shift = 8 - bpp * (x % perByte + 1);
          const std::size_t index = (row[x / perByte] >> shift) & indexMask;
          // An index past a short colour table shows black.
          out[x] = index < paletteSize ? picture.palette[index] : 0;
        }
        break;
      }
      case 16:
        for (int x = 0; x < w; ++x) {
          const std::uint32_t v = U16(row + 2 * x);
          out[x] = Rgb(red.Value(v), green.Value(v), blue.Value(v));
        }
        break;
      case 24:
        for (int x = 0; x < w; ++x) out[x] = Rgb(row[3 * x + 2], row[3 * x + 1], row[3 * x]);
        break;
      case 32:
        for (int x = 0; x < w; ++x) {
          const std::uint32_t v = U32(row + 4 * x);
          out[x] = Rgb(red.Value(v), green.Value(v), blue.Value(v));
        }
        break;
    }
  }
  if (consumed) *consumed = fileSize;
  return picture;
}

namespace {

// Assigns each colour of the picture a palette index: exact matches first,
// otherwise the nearest entry.
class PaletteMapper {
 public:
  explicit PaletteMapper(const std::vector<Pixel>& palette) : palette_(palette) {
    for (std::size_t i = palette_.size(); i-- > 0;) exact_[palette_[i]] = static_cast<int>(i);
  }
  int IndexOf(Pixel p) {
    auto it = exact_.find(p);
    if (it != exact_.end()) return it->second;
    int best = 0;
    long bestDistance = std::numeric_limits<long>::max();
    for (std::size_t i = 0; i < palette_.size(); ++i) {
      const long dr = RedOf(p) - RedOf(palette_[i]), dg = GreenOf(p) - GreenOf(palette_[i]),
                 db = BlueOf(p) - BlueOf(palette_[i]);
      const long d = dr * dr + dg * dg + db * db;
      if (d < bestDistance) bestDistance = d, best = static_cast<int>(i);
    }
    exact_[p] = best;
    return best;
  }

 private:
  std::vector<Pixel> palette_;
  std::unordered_map<Pixel, int> exact_;
};

std::vector<Pixel> PaletteFor(const Picture& picture, std::size_t maxColors) {
  std::vector<Pixel> palette = picture.palette;
  if (palette.empty()) {
    std::unordered_map<Pixel, bool> seen;
    for (Pixel p : picture.pixels) {
      if (palette.size() == maxColors) break;
      if (seen.emplace(p & 0xFFFFFF, true).second) palette.push_back(p & 0xFFFFFF);
    }
    if (palette.empty()) palette.push_back(0);
    if (maxColors == 2 && palette.size() == 1) palette.push_back(palette[0] ? 0 : 0xFFFFFF);
  }
  if (palette.size() > maxColors) palette.resize(maxColors);
  return palette;
}

void Put16(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v) {
  out[at] = v & 255;
  out[at + 1] = (v >> 8) & 255;
}
void Put32(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out[at + i] = (v >> (8 * i)) & 255;
}

}  // namespace

std::vector<std::uint8_t> WriteBmp(const Picture& picture) {
  const int bpp = picture.bitsPerPixel;
  if (bpp != 1 && bpp != 4 && bpp != 8 && bpp != 16 && bpp != 24 && bpp != 32)
    throw EInvalidGraphic("Bitmap image is not valid: depth");
  if (picture.Empty() || picture.pixels.size() != static_cast<std::size_t>(picture.width) * picture.height)
    throw EInvalidGraphic("Bitmap image is not valid: empty picture");
  std::vector<Pixel> palette;
  if (bpp <= 8) palette = PaletteFor(picture, std::size_t{1} << bpp);
  const std::size_t stride = Stride(picture.width, bpp);
  const std::size_t bitsOffset = kFileHeaderSize + 40 + palette.size() * 4;
  const std::size_t imageSize = stride * static_cast<std::size_t>(picture.height);
  const std::size_t fileSize = bitsOffset + imageSize;
  if (fileSize > std::numeric_limits<std::uint32_t>::max())
    throw EInvalidGraphic("Bitmap image is not valid: too large");

  std::vector<std::uint8_t> out(fileSize, 0);
  out[0] = 'B';
  out[1] = 'M';
  Put32(out, 2, static_cast<std::uint32_t>(fileSize));
  Put32(out, 10, static_cast<std::uint32_t>(bitsOffset));
  Put32(out, 14, 40);
  Put32(out, 18, static_cast<std::uint32_t>(picture.width));
  Put32(out, 22, static_cast<std::uint32_t>(picture.height));
  Put16(out, 26, 1);
  Put16(out, 28, static_cast<std::uint32_t>(bpp));
  Put32(out, 30, kBiRgb);
  Put32(out, 34, static_cast<std::uint32_t>(imageSize));
  Put32(out, 38, 2835);  // 72 dpi
  Put32(out, 42, 2835);
  Put32(out, 46, static_cast<std::uint32_t>(palette.size()));
  for (std::size_t i = 0; i < palette.size(); ++i) {
    const std::size_t at = kFileHeaderSize + 40 + 4 * i;
    out[at] = BlueOf(palette[i]);
    out[at + 1] = GreenOf(palette[i]);
    out[at + 2] = RedOf(palette[i]);
  }
  PaletteMapper mapper(palette);
  for (int y = 0; y < picture.height; ++y) {
    std::uint8_t* row = out.data() + bitsOffset + stride * static_cast<std::size_t>(picture.height - 1 - y);
    const Pixel* in = &picture.pixels[static_cast<std::size_t>(y) * picture.width];
    for (int x = 0; x < picture.width; ++x) {
      const Pixel p = in[x];
      switch (bpp) {
        case 1:
        case 4:
        case 8: {
          const int perByte = 8 / bpp;
          const int shift = 8 - bpp * (x % perByte + 1);
          row[x / perByte] |= static_cast<std::uint8_t>(mapper.IndexOf(p & 0xFFFFFF) << shift);
          break;
        }
        case 16: {
          const std::uint32_t v = ((RedOf(p) >> 3) << 10) | ((GreenOf(p) >> 3) << 5) | (BlueOf(p) >> 3);
          row[2 * x] = v & 255;
          row[2 * x + 1] = static_cast<std::uint8_t>(v >> 8);
          break;
        }
        case 24:
        case 32: {
          std::uint8_t* px = row + (bpp / 8) * x;
          px[0] = BlueOf(p);
          px[1] = GreenOf(p);
          px[2] = RedOf(p);
          break;
        }
      }
    }
  }
  return out;
}

}  // namespace bs
