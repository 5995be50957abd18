#include "skin/data/bszlibcompress.h"

#include <gtest/gtest.h>

#include <random>

namespace bs {
namespace {

std::vector<std::uint8_t> Noise(std::size_t n, unsigned seed = 1) {
  std::mt19937 gen(seed);
  std::vector<std::uint8_t> v(n);
  for (auto& b : v) b = static_cast<std::uint8_t>(gen());
  return v;
}

std::vector<std::uint8_t> Deflate(const std::vector<std::uint8_t>& data) {
  TMemoryStream source(data), dest;
  DeflateStream(source, dest);
  return dest.Bytes();
}

std::vector<std::uint8_t> Inflate(const std::vector<std::uint8_t>& zdata) {
  TMemoryStream source(zdata), dest;
  InflateStream(dest, source);
  return dest.Bytes();
}

template <typename E>
void ExpectMessage(const std::function<void()>& f, const char* message) {
  try {
    f();
    ADD_FAILURE() << "no exception";
  } catch (const E& e) {
    EXPECT_STREQ(e.what(), message);
  }
}

TEST(ZlibStreams, LevelsMapToZlibAndTheStoredSkinHeader) {
  EXPECT_EQ(ZlibLevel(TCompressionLevel::clNone), 0);
  EXPECT_EQ(ZlibLevel(TCompressionLevel::clFastest), 1);
  EXPECT_EQ(ZlibLevel(TCompressionLevel::clDefault), -1);
  EXPECT_EQ(ZlibLevel(TCompressionLevel::clMax), 9);
  auto z = Deflate({'a', 'b', 'c'});
  ASSERT_GE(z.size(), 2u);
  EXPECT_EQ(z[0], 0x78);
  EXPECT_EQ(z[1], 0xDA);
}

TEST(ZlibStreams, EmptySourceGivesValidEmptyStream) {
  auto z = Deflate({});
  EXPECT_EQ(z, (std::vector<std::uint8_t>{0x78, 0xDA, 0x03, 0x00, 0x00, 0x00, 0x00, 0x01}));
  EXPECT_TRUE(Inflate(z).empty());
}

TEST(ZlibStreams, RoundTripAcrossManyBuffersWithProgress) {
  const auto data = Noise(50000);
  TMemoryStream dest;
  int compressProgress = 0;
  std::int64_t beforeFinish = 0;
  {
    TCompressionStream c(TCompressionLevel::clNone, dest);
    c.OnProgress = [&](TCustomZlibStream&) { ++compressProgress; };
    for (std::size_t at = 0; at < data.size(); at += 1000)
      c.WriteBuffer(data.data() + at, std::min<std::size_t>(1000, data.size() - at));
    EXPECT_EQ(c.Position(), 50000);  // bytes taken in
    beforeFinish = dest.Size();
    c.Finish();
  }
  EXPECT_GT(compressProgress, 5);
  EXPECT_EQ(beforeFinish, 4096 * compressProgress);  // one notification per full buffer

  int inflateProgress = 0;
  dest.SetPosition(0);
  TDecompressionStream d(dest);
  d.OnProgress = [&](TCustomZlibStream&) { ++inflateProgress; };
  std::vector<std::uint8_t> out(60000);
  EXPECT_EQ(d.Read(out.data(), out.size()), data.size());
  out.resize(data.size());
  EXPECT_EQ(out, data);
  EXPECT_EQ(inflateProgress, static_cast<int>((dest.Size() + 4095) / 4096));
  EXPECT_EQ(d.Read(out.data(), 10), 0u);
}

TEST(ZlibStreams, CompressionWritesWhereItLeftTheUnderlyingStream) {
  TMemoryStream dest;
  dest.WriteBuffer("head", 4);
  {
    TCompressionStream c(TCompressionLevel::clDefault, dest);
    c.WriteBuffer("hello", 5);
    dest.SetPosition(0);  // someone else moves it
    c.Finish();
  }
  ASSERT_GT(dest.Size(), 4);
  EXPECT_EQ(std::string(dest.Bytes().begin(), dest.Bytes().begin() + 4), "head");
  dest.SetPosition(4);
  TDecompressionStream d(dest);
  char text[5];
  d.ReadBuffer(text, 5);
  EXPECT_EQ(std::string(text, 5), "hello");
}

TEST(ZlibStreams, CompressionSeekRules) {
  TMemoryStream dest;
  TCompressionStream c(TCompressionLevel::clMax, dest);
  c.WriteBuffer("12345", 5);
  EXPECT_EQ(c.Seek(0, TSeekOrigin::soCurrent), 5);
  char b;
  ExpectMessage<ECompressionError>([&] { c.Read(&b, 1); }, "Invalid stream operation");
  ExpectMessage<ECompressionError>([&] { c.Seek(0, TSeekOrigin::soBeginning); }, "Invalid stream operation");
  ExpectMessage<ECompressionError>([&] { c.Seek(1, TSeekOrigin::soCurrent); }, "Invalid stream operation");
  ExpectMessage<ECompressionError>([&] { c.Size(); }, "Invalid stream operation");
}

TEST(ZlibStreams, DecompressionSeekRules) {
  std::vector<std::uint8_t> data = Noise(10000, 7);
  // Starts after a prefix: a restart goes back to where the zlib data begins.
  auto z = Deflate(data);
  z.insert(z.begin(), {9, 9, 9});
  TMemoryStream source(z);
  source.SetPosition(3);
  TDecompressionStream d(source);
  std::uint8_t b = 0;
  EXPECT_EQ(d.Seek(5000, TSeekOrigin::soCurrent), 5000);
  d.ReadBuffer(&b, 1);
  EXPECT_EQ(b, data[5000]);
  EXPECT_EQ(d.Seek(8000, TSeekOrigin::soBeginning), 8000);
  d.ReadBuffer(&b, 1);
  EXPECT_EQ(b, data[8000]);
  EXPECT_EQ(d.Seek(8001, TSeekOrigin::soBeginning), 8001);  // to where it is
  ExpectMessage<EDecompressionError>([&] { d.Seek(10, TSeekOrigin::soBeginning); }, "Invalid stream operation");
  ExpectMessage<EDecompressionError>([&] { d.Seek(-1, TSeekOrigin::soCurrent); }, "Invalid stream operation");
  ExpectMessage<EDecompressionError>([&] { d.Seek(0, TSeekOrigin::soEnd); }, "Invalid stream operation");
  ExpectMessage<EDecompressionError>([&] { d.Write(&b, 1); }, "Invalid stream operation");
  EXPECT_EQ(d.Seek(0, TSeekOrigin::soBeginning), 0);
  d.ReadBuffer(&b, 1);
  EXPECT_EQ(b, data[0]);
  EXPECT_THROW(d.Seek(20000, TSeekOrigin::soCurrent), EReadError);  // past the end
}

TEST(ZlibStreams, BadDataRaisesAndTrailingBytesAreLeft) {
  auto z = Deflate(Noise(3000, 3));
  auto corrupt = z;
  corrupt[10] ^= 0xFF;
  corrupt[11] ^= 0x55;
  ExpectMessage<EDecompressionError>([&] { Inflate(corrupt); }, "compression error");
  ExpectMessage<EDecompressionError>([&] { Inflate({0x12, 0x34, 0x56}); }, "compression error");
  // Cut short.
  EXPECT_THROW(Inflate(std::vector<std::uint8_t>(z.begin(), z.end() - 6)), EDecompressionError);
  EXPECT_THROW(Inflate({}), EDecompressionError);
  // A header asking for a preset dictionary must not spin.
  EXPECT_THROW(Inflate({0x78, 0x20, 0, 0, 0, 1, 0, 0}), EDecompressionError);
  // Bytes after the end of the zlib stream are ignored.
  auto trailing = z;
  trailing.insert(trailing.end(), 5000, 0xAB);
  EXPECT_EQ(Inflate(trailing), Noise(3000, 3));
}

}  // namespace
}  // namespace bs
