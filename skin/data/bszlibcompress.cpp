#include "skin/data/bszlibcompress.h"

#include <algorithm>
#include <climits>

namespace bs {
namespace {

const char kInvalidOperation[] = "Invalid stream operation";

int CCheck(int code) {
  if (code < 0) throw ECompressionError("error");
  return code;
}

int DCheck(int code) {
  if (code < 0) throw EDecompressionError("compression error");
  return code;
}

// zlib counts in uInt; larger requests are served in slices.
uInt Slice(std::size_t count) { return static_cast<uInt>(std::min<std::size_t>(count, UINT_MAX)); }

}  // namespace

int ZlibLevel(TCompressionLevel level) {
  switch (level) {
    case TCompressionLevel::clNone: return Z_NO_COMPRESSION;
    case TCompressionLevel::clFastest: return Z_BEST_SPEED;
    case TCompressionLevel::clDefault: return Z_DEFAULT_COMPRESSION;
    case TCompressionLevel::clMax: return Z_BEST_COMPRESSION;
  }
  return Z_DEFAULT_COMPRESSION;
}

TCustomZlibStream::TCustomZlibStream(TStream& strm) : strm_(strm), strmPos_(strm.Position()) {}

void TCustomZlibStream::Progress() {
  if (OnProgress) OnProgress(*this);
}

TCompressionStream::TCompressionStream(TCompressionLevel level, TStream& dest) : TCustomZlibStream(dest) {
  zrec_.next_out = buffer_;
  zrec_.avail_out = kBufferSize;
  CCheck(deflateInit(&zrec_, ZlibLevel(level)));
}

TCompressionStream::~TCompressionStream() {
  try {
    Finish();
  } catch (...) {
    // A destructor cannot report; callers that care call Finish themselves.
  }
  deflateEnd(&zrec_);
}

void TCompressionStream::Finish() {
  if (finished_) return;
  finished_ = true;
  zrec_.next_in = nullptr;
  zrec_.avail_in = 0;
  if (strm_.Position() != strmPos_) strm_.SetPosition(strmPos_);
  while (CCheck(deflate(&zrec_, Z_FINISH)) != Z_STREAM_END && zrec_.avail_out == 0) {
    strm_.WriteBuffer(buffer_, kBufferSize);
    zrec_.next_out = buffer_;
    zrec_.avail_out = kBufferSize;
  }
  if (zrec_.avail_out < kBufferSize) strm_.WriteBuffer(buffer_, kBufferSize - zrec_.avail_out);
  zrec_.next_out = buffer_;
  zrec_.avail_out = kBufferSize;
  strmPos_ = strm_.Position();
}

std::size_t TCompressionStream::Read(void*, std::size_t) { throw ECompressionError(kInvalidOperation); }

std::size_t TCompressionStream::Write(const void* buffer, std::size_t count) {
  if (finished_) throw ECompressionError(kInvalidOperation);
  const Bytef* in = static_cast<const Bytef*>(buffer);
  std::size_t left = count;
  if (strm_.Position() != strmPos_) strm_.SetPosition(strmPos_);
  while (left > 0) {
    zrec_.next_in = const_cast<Bytef*>(in);
    zrec_.avail_in = Slice(left);
    const uInt given = zrec_.avail_in;
    while (zrec_.avail_in > 0) {
      CCheck(deflate(&zrec_, Z_NO_FLUSH));
      if (zrec_.avail_out == 0) {
        strm_.WriteBuffer(buffer_, kBufferSize);
        zrec_.next_out = buffer_;
        zrec_.avail_out = kBufferSize;
        strmPos_ = strm_.Position();
        Progress();
      }
    }
    in += given;
    left -= given;
  }
  return count;
}

std::int64_t TCompressionStream::Seek(std::int64_t offset, TSeekOrigin origin) {
  if (offset == 0 && origin == TSeekOrigin::soCurrent) return static_cast<std::int64_t>(zrec_.total_in);
  throw ECompressionError(kInvalidOperation);
}

TDecompressionStream::TDecompressionStream(TStream& source)
    : TCustomZlibStream(source), startPos_(strmPos_) {
  zrec_.next_in = buffer_;
  zrec_.avail_in = 0;
  DCheck(inflateInit(&zrec_));
}

TDecompressionStream::~TDecompressionStream() { inflateEnd(&zrec_); }

std::size_t TDecompressionStream::Read(void* buffer, std::size_t count) {
  if (ended_ || count == 0) return 0;
  Bytef* out = static_cast<Bytef*>(buffer);
  std::size_t produced = 0;
  if (strm_.Position() != strmPos_) strm_.SetPosition(strmPos_);
  while (produced < count) {
    if (zrec_.avail_in == 0) {
      zrec_.avail_in = static_cast<uInt>(strm_.Read(buffer_, kBufferSize));
      // The source ended inside the zlib stream: the data is cut short.
      if (zrec_.avail_in == 0) throw EDecompressionError("compression error");
      zrec_.next_in = buffer_;
      strmPos_ = strm_.Position();
      Progress();
    }
    zrec_.next_out = out + produced;
    zrec_.avail_out = Slice(count - produced);
    const uInt room = zrec_.avail_out;
    const int code = DCheck(inflate(&zrec_, Z_NO_FLUSH));
    // A preset dictionary is never supplied, so inflate could make no progress.
    if (code == Z_NEED_DICT) throw EDecompressionError("compression error");
    produced += room - zrec_.avail_out;
    if (code == Z_STREAM_END) {
      ended_ = true;
      break;
    }
  }
  return produced;
}

std::size_t TDecompressionStream::Write(const void*, std::size_t) { throw EDecompressionError(kInvalidOperation); }

std::int64_t TDecompressionStream::Seek(std::int64_t offset, TSeekOrigin origin) {
  const std::int64_t done = static_cast<std::int64_t>(zrec_.total_out);
  if (offset == 0 && origin == TSeekOrigin::soBeginning) {
    DCheck(inflateReset(&zrec_));
    zrec_.next_in = buffer_;
    zrec_.avail_in = 0;
    ended_ = false;
    strm_.SetPosition(startPos_);
    strmPos_ = startPos_;
  } else if ((origin == TSeekOrigin::soCurrent && offset >= 0) ||
             (origin == TSeekOrigin::soBeginning && offset >= done)) {
    std::int64_t skip = origin == TSeekOrigin::soCurrent ? offset : offset - done;
    Bytef scrap[kBufferSize];
    while (skip > 0) {
      const std::size_t n = static_cast<std::size_t>(std::min<std::int64_t>(skip, kBufferSize));
      ReadBuffer(scrap, n);
      skip -= static_cast<std::int64_t>(n);
    }
  } else {
    throw EDecompressionError(kInvalidOperation);
  }
  return static_cast<std::int64_t>(zrec_.total_out);
}

void DeflateStream(TMemoryStream& source, TStream& dest) {
  TCompressionStream compressor(TCompressionLevel::clMax, dest);
  source.SetPosition(0);
  if (source.Size() > 0) compressor.WriteBuffer(source.Memory(), static_cast<std::size_t>(source.Size()));
  compressor.Finish();
}

void InflateStream(TStream& dest, TMemoryStream& source) {
  source.SetPosition(0);
  TDecompressionStream decompressor(source);
  Bytef piece[TCustomZlibStream::kBufferSize];
  for (;;) {
    const std::size_t n = decompressor.Read(piece, sizeof piece);
    if (n == 0) break;
    dest.WriteBuffer(piece, n);
  }
}

}  // namespace bs
