#include "skin/data/bsStreams.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "skin/data/bszlibcompress.h"

namespace bs {
namespace {

TEST(MemoryStream, ReadWriteSeek) {
  TMemoryStream m;
  m.WriteBuffer("abcdef", 6);
  EXPECT_EQ(m.Size(), 6);
  EXPECT_EQ(m.Position(), 6);
  m.SetPosition(2);
  char b[8] = {};
  EXPECT_EQ(m.Read(b, 8), 4u);
  EXPECT_STREQ(b, "cdef");
  EXPECT_EQ(m.Read(b, 1), 0u);
  EXPECT_THROW(m.ReadBuffer(b, 1), EReadError);
  EXPECT_EQ(m.Seek(-1, TSeekOrigin::soEnd), 5);
  EXPECT_THROW(m.Seek(-7, TSeekOrigin::soCurrent), EStreamError);
  m.Seek(8, TSeekOrigin::soBeginning);  // past the end: a write fills the gap
  m.WriteBuffer("z", 1);
  EXPECT_EQ(m.Size(), 9);
  EXPECT_EQ(m.Bytes()[7], 0);
}

TEST(FileStream, CreateReadAndErrors) {
  const auto path = (std::filesystem::temp_directory_path() / "bsStreams_test.bin").string();
  {
    TFileStream f(path, TFileStream::fmCreate);
    f.WriteBuffer("hello", 5);
  }
  TMemoryStream m;
  m.LoadFromFile(path);
  EXPECT_EQ(std::string(m.Bytes().begin(), m.Bytes().end()), "hello");
  TFileStream f(path, TFileStream::fmOpenRead);
  EXPECT_EQ(f.Size(), 5);
  EXPECT_EQ(f.Seek(1, TSeekOrigin::soBeginning), 1);
  char b[4];
  f.ReadBuffer(b, 4);
  EXPECT_EQ(std::string(b, 4), "ello");
  std::filesystem::remove(path);
  EXPECT_THROW(TFileStream(path, TFileStream::fmOpenRead), EFOpenError);
  EXPECT_THROW(TFileStream("/nonexistent-dir/x", TFileStream::fmCreate), EFCreateError);
}

// A destination that fails after a few writes.
class FailingStream : public TMemoryStream {
 public:
  std::size_t Write(const void* buffer, std::size_t count) override {
    if (++writes_ > 2) return 0;
    return TMemoryStream::Write(buffer, count);
  }

 private:
  int writes_ = 0;
};

TEST(ZlibStreamLifetime, FinishedOnDestructionAndSafeOnFailure) {
  TMemoryStream dest;
  {
    TCompressionStream c(TCompressionLevel::clDefault, dest);
    c.WriteBuffer("left to the destructor", 22);
  }
  TMemoryStream out;
  InflateStream(out, dest);
  EXPECT_EQ(std::string(out.Bytes().begin(), out.Bytes().end()), "left to the destructor");

  // A failing destination: the error passes and the stream still ends cleanly.
  FailingStream failing;
  std::vector<std::uint8_t> noise(100000);
  for (std::size_t i = 0; i < noise.size(); ++i) noise[i] = static_cast<std::uint8_t>(i * 2654435761u >> 13);
  EXPECT_THROW(
      {
        TCompressionStream c(TCompressionLevel::clNone, failing);
        c.WriteBuffer(noise.data(), noise.size());
      },
      EWriteError);
}

}  // namespace
}  // namespace bs
