// zlib stream adapters: a write-only stream that deflates into another
// stream and a read-only stream that inflates from one, each with a
// 4096-byte buffer, plus the whole-stream helpers the stored skin uses.
#pragma once

#include <functional>
#include <stdexcept>

#include <zlib.h>

#include "skin/data/bsStreams.h"

namespace bs {

class EZlibError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};
class ECompressionError : public EZlibError {
 public:
  using EZlibError::EZlibError;
};
class EDecompressionError : public EZlibError {
 public:
  using EZlibError::EZlibError;
};

enum class TCompressionLevel { clNone, clFastest, clDefault, clMax };
// zlib's level for each: 0, 1, Z_DEFAULT_COMPRESSION (-1), 9.
int ZlibLevel(TCompressionLevel level);

class TCustomZlibStream : public TStream {
 public:
  static constexpr std::size_t kBufferSize = 4096;
  // Fired after every full buffer moved to or from the underlying stream.
  std::function<void(TCustomZlibStream&)> OnProgress;

 protected:
  explicit TCustomZlibStream(TStream& strm);
  void Progress();

  TStream& strm_;
  std::int64_t strmPos_;  // where this stream last left the underlying one
  z_stream zrec_{};
  Bytef buffer_[kBufferSize];
};

class TCompressionStream : public TCustomZlibStream {
 public:
  TCompressionStream(TCompressionLevel level, TStream& dest);
  // Finishes the zlib stream if Finish was not called; errors are lost there.
  ~TCompressionStream() override;

  // Writes the end of the zlib stream to the underlying stream. Throws
  // ECompressionError. Later writes are refused.
  void Finish();

  std::size_t Read(void* buffer, std::size_t count) override;  // refused
  std::size_t Write(const void* buffer, std::size_t count) override;
  // Only Seek(0, soCurrent), which returns the bytes taken in so far.
  std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;

 private:
  bool finished_ = false;
};

class TDecompressionStream : public TCustomZlibStream {
 public:
  explicit TDecompressionStream(TStream& source);
  ~TDecompressionStream() override;

  // Returns fewer bytes than asked only at the end of the zlib stream; bytes
  // after its end are left unread. A source that ends before the zlib stream
  // does raises EDecompressionError.
  std::size_t Read(void* buffer, std::size_t count) override;
  std::size_t Write(const void* buffer, std::size_t count) override;  // refused
  // Seek(0, soBeginning) starts over; forward seeks read and drop the
  // difference; anything else is refused. Returns the bytes produced so far.
  std::int64_t Seek(std::int64_t offset, TSeekOrigin origin) override;

 private:
  std::int64_t startPos_;
  bool ended_ = false;
};

// Deflates the whole of source (from its start) into dest at level max.
void DeflateStream(TMemoryStream& source, TStream& dest);
// Inflates the whole of source (from its start) into dest.
void InflateStream(TStream& dest, TMemoryStream& source);

}  // namespace bs
