#include "skin/draw/bsGraphics.h"

#include <gtest/gtest.h>

#include <cstring>

namespace bs {
namespace {

void Put32(std::vector<std::uint8_t>& b, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) b[at + i] = (v >> (8 * i)) & 255;
}

// A hand-made 2 x 2 24-bit file, rows padded to 8 bytes; height given by caller.
std::vector<std::uint8_t> Hand24(std::int32_t height) {
  std::vector<std::uint8_t> b(54 + 16, 0);
  b[0] = 'B', b[1] = 'M';
  Put32(b, 2, static_cast<std::uint32_t>(b.size()));
  Put32(b, 10, 54);
  Put32(b, 14, 40);
  Put32(b, 18, 2);
  Put32(b, 22, static_cast<std::uint32_t>(height));
  b[26] = 1;
  b[28] = 24;
  // First stored row: blue, green. Second: red, white.
  const std::uint8_t rows[16] = {255, 0, 0, 0, 255, 0, 0, 0, 0, 0, 255, 255, 255, 255, 0, 0};
  std::memcpy(b.data() + 54, rows, 16);
  return b;
}

Picture Checker(int w, int h, int bpp, std::vector<Pixel> colours) {
  Picture p(w, h);
  p.bitsPerPixel = bpp;
  if (bpp <= 8) p.palette = colours;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) p.Set(x, y, colours[(x * 7 + y * 3) % colours.size()]);
  return p;
}

TEST(ReadBmp, BottomUpAndTopDownRowOrder) {
  std::size_t used = 0;
  auto bottomUp = Hand24(2);
  Picture a = ReadBmp(bottomUp.data(), bottomUp.size(), &used);
  EXPECT_EQ(used, bottomUp.size());
  ASSERT_EQ(a.width, 2);
  EXPECT_EQ(a.At(0, 1), Rgb(0, 0, 255));  // first stored row is the bottom one
  EXPECT_EQ(a.At(1, 1), Rgb(0, 255, 0));
  EXPECT_EQ(a.At(0, 0), Rgb(255, 0, 0));
  EXPECT_EQ(a.At(1, 0), Rgb(255, 255, 255));

  auto topDown = Hand24(-2);
  Picture b = ReadBmp(topDown.data(), topDown.size(), &used);
  EXPECT_EQ(b.height, 2);
  EXPECT_EQ(b.At(0, 0), Rgb(0, 0, 255));
  EXPECT_EQ(b.At(0, 1), Rgb(255, 0, 0));
}

TEST(ReadBmp, ConsumesExactlyTheStatedFileSize) {
  auto file = Hand24(2);
  const std::size_t size = file.size();
  file.insert(file.end(), {1, 2, 3, 4, 5});
  std::size_t used = 0;
  ReadBmp(file.data(), file.size(), &used);
  EXPECT_EQ(used, size);
}

TEST(WriteBmp, EveryDepthRoundTripsWithDepthAndPalette) {
  const std::vector<Pixel> two = {Rgb(0, 0, 0), Rgb(255, 255, 255)};
  std::vector<Pixel> many;
  for (int i = 0; i < 256; ++i) many.push_back(Rgb(i, 255 - i, (i * 37) & 255));
  const std::vector<Pixel> sixteen(many.begin(), many.begin() + 16);
  const std::vector<Pixel> free = {Rgb(1, 2, 3), Rgb(200, 100, 50), Rgb(8, 248, 128), Rgb(255, 255, 255)};
  // Colours that 5 bits a channel hold exactly.
  const std::vector<Pixel> five = {Rgb(0, 0, 0), Rgb(255, 255, 255), Rgb(132, 66, 255), Rgb(8, 0, 0)};
  struct Case { int bpp; std::vector<Pixel> colours; } cases[] = {
      {1, two}, {4, sixteen}, {8, many}, {16, five}, {24, free}, {32, free}};
  for (const auto& c : cases) {
    for (int w : {1, 3, 9, 33}) {
      Picture in = Checker(w, 5, c.bpp, c.colours);
      auto file = WriteBmp(in);
      std::size_t used = 0;
      Picture out = ReadBmp(file.data(), file.size(), &used);
      SCOPED_TRACE(testing::Message() << c.bpp << " bpp, width " << w);
      EXPECT_EQ(used, file.size());
      EXPECT_EQ(out.bitsPerPixel, c.bpp);
      EXPECT_EQ(out.palette, in.palette);
      EXPECT_EQ(out.width, w);
      EXPECT_EQ(out.pixels, in.pixels);
      EXPECT_EQ(WriteBmp(out), file);  // written back as read
    }
  }
}

TEST(WriteBmp, PaletteFromColoursAndNearestEntry) {
  Picture p(4, 1, Rgb(10, 10, 10));
  p.bitsPerPixel = 8;
  p.Set(3, 0, Rgb(250, 250, 250));
  auto file = WriteBmp(p);
  Picture back = ReadBmp(file.data(), file.size(), nullptr);
  EXPECT_EQ(back.palette, (std::vector<Pixel>{Rgb(10, 10, 10), Rgb(250, 250, 250)}));
  EXPECT_EQ(back.pixels, p.pixels);

  p.bitsPerPixel = 1;
  p.palette = {0, Rgb(255, 255, 255)};
  file = WriteBmp(p);
  back = ReadBmp(file.data(), file.size(), nullptr);
  EXPECT_EQ(back.At(0, 0), 0u);
  EXPECT_EQ(back.At(3, 0), Rgb(255, 255, 255));
}

TEST(ReadBmp, MalformedHeadersAreRefused) {
  const auto good = Hand24(2);
  auto expectInvalid = [](std::vector<std::uint8_t> b, const char* what) {
    SCOPED_TRACE(what);
    EXPECT_THROW(ReadBmp(b.data(), b.size(), nullptr), EInvalidGraphic);
  };
  expectInvalid({}, "empty");
  expectInvalid(std::vector<std::uint8_t>(good.begin(), good.begin() + 30), "truncated header");
  expectInvalid(std::vector<std::uint8_t>(good.begin(), good.end() - 1), "file size beyond data");
  auto b = good;
  b[0] = 'X';
  expectInvalid(b, "signature");
  b = good;
  Put32(b, 14, 20);
  expectInvalid(b, "info header size");
  b = good;
  b[28] = 7;
  expectInvalid(b, "depth");
  b = good;
  Put32(b, 30, 1);
  expectInvalid(b, "RLE");
  b = good;
  Put32(b, 18, 0);
  expectInvalid(b, "zero width");
  b = good;
  Put32(b, 10, 1000);
  expectInvalid(b, "pixel offset beyond file");
  b = good;
  Put32(b, 2, 60);
  expectInvalid(b, "rows beyond stated size");
  // Hostile sizes: refused by arithmetic, nothing allocated.
  b = good;
  Put32(b, 18, 0x7FFFFFFF);
  Put32(b, 22, 0x7FFFFFFF);
  expectInvalid(b, "huge");
  b = good;
  Put32(b, 22, 0x80000000u);
  expectInvalid(b, "most negative height");
  b = good;
  Put32(b, 18, 60000);
  Put32(b, 22, 60000);
  expectInvalid(b, "large");
}

TEST(ReadBmp, ShortColourTableAndBitfields) {
  // 8-bit with a two-entry table (colorsUsed = 2) and an index past it.
  std::vector<std::uint8_t> b(54 + 8 + 4, 0);
  b[0] = 'B', b[1] = 'M';
  Put32(b, 2, static_cast<std::uint32_t>(b.size()));
  Put32(b, 10, 62);
  Put32(b, 14, 40);
  Put32(b, 18, 3);
  Put32(b, 22, 1);
  b[26] = 1;
  b[28] = 8;
  Put32(b, 46, 2);
  b[54 + 4 + 2] = 255;  // entry 1 red
  b[62] = 1, b[63] = 0, b[64] = 9;
  Picture p = ReadBmp(b.data(), b.size(), nullptr);
  EXPECT_EQ(p.palette.size(), 2u);
  EXPECT_EQ(p.At(0, 0), Rgb(255, 0, 0));
  EXPECT_EQ(p.At(2, 0), 0u);

  // 16-bit 5-6-5 bit fields.
  std::vector<std::uint8_t> c(66 + 4, 0);
  c[0] = 'B', c[1] = 'M';
  Put32(c, 2, static_cast<std::uint32_t>(c.size()));
  Put32(c, 10, 66);
  Put32(c, 14, 40);
  Put32(c, 18, 1);
  Put32(c, 22, 1);
  c[26] = 1;
  c[28] = 16;
  Put32(c, 30, 3);
  Put32(c, 54, 0xF800);
  Put32(c, 58, 0x07E0);
  Put32(c, 62, 0x001F);
  c[66] = 0xE0, c[67] = 0x07;  // full green
  Picture g = ReadBmp(c.data(), c.size(), nullptr);
  EXPECT_EQ(g.At(0, 0), Rgb(0, 255, 0));
}

}  // namespace
}  // namespace bs
