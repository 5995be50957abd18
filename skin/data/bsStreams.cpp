#include "skin/data/bsStreams.h"

#include <algorithm>
#include <cstring>

namespace bs {

std::int64_t TStream::Size() {
  const std::int64_t position = Seek(0, TSeekOrigin::soCurrent);
  const std::int64_t size = Seek(0, TSeekOrigin::soEnd);
  Seek(position, TSeekOrigin::soBeginning);
  return size;
}

void TStream::ReadBuffer(void* buffer, std::size_t count) {
  if (count != 0 && Read(buffer, count) != count) throw EReadError();
}

void TStream::WriteBuffer(const void* buffer, std::size_t count) {
  if (count != 0 && Write(buffer, count) != count) throw EWriteError();
}

std::size_t TMemoryStream::Read(void* buffer, std::size_t count) {
  if (position_ >= data_.size()) return 0;
  const std::size_t n = std::min(count, data_.size() - position_);
  std::memcpy(buffer, data_.data() + position_, n);
  position_ += n;
  return n;
}

std::size_t TMemoryStream::Write(const void* buffer, std::size_t count) {
  if (count == 0) return 0;
  if (position_ + count > data_.size()) data_.resize(position_ + count);
  std::memcpy(data_.data() + position_, buffer, count);
  position_ += count;
  return count;
}

std::int64_t TMemoryStream::Seek(std::int64_t offset, TSeekOrigin origin) {
  std::int64_t base = 0;
  if (origin == TSeekOrigin::soCurrent) base = static_cast<std::int64_t>(position_);
  if (origin == TSeekOrigin::soEnd) base = static_cast<std::int64_t>(data_.size());
  const std::int64_t target = base + offset;
  if (target < 0) throw EStreamError("Invalid stream position");
  position_ = static_cast<std::size_t>(target);
  return target;
}

void TMemoryStream::SetSize(std::size_t size) {
  data_.resize(size);
  position_ = std::min(position_, size);
}

void TMemoryStream::LoadFromStream(TStream& source) {
  source.SetPosition(0);
  const std::int64_t size = source.Size();
  data_.assign(static_cast<std::size_t>(size), 0);
  position_ = 0;
  source.ReadBuffer(data_.data(), data_.size());
}

void TMemoryStream::LoadFromFile(const std::string& path) {
  TFileStream file(path, TFileStream::fmOpenRead);
  LoadFromStream(file);
}

TFileStream::TFileStream(const std::string& path, Mode mode) {
  const char* how = mode == fmOpenRead ? "rb" : mode == fmOpenReadWrite ? "r+b" : "wb";
  file_.reset(std::fopen(path.c_str(), how));
  if (!file_) {
    if (mode == fmCreate) throw EFCreateError("Cannot create file \"" + path + "\"");
    throw EFOpenError("Cannot open file \"" + path + "\"");
  }
}

std::size_t TFileStream::Read(void* buffer, std::size_t count) {
  return std::fread(buffer, 1, count, file_.get());
}

std::size_t TFileStream::Write(const void* buffer, std::size_t count) {
  return std::fwrite(buffer, 1, count, file_.get());
}

std::int64_t TFileStream::Seek(std::int64_t offset, TSeekOrigin origin) {
  const int whence = origin == TSeekOrigin::soBeginning ? SEEK_SET
                     : origin == TSeekOrigin::soCurrent ? SEEK_CUR
                                                         : SEEK_END;
  if (std::fseek(file_.get(), static_cast<long>(offset), whence) != 0)
    throw EStreamError("Invalid stream position");
  return static_cast<std::int64_t>(std::ftell(file_.get()));
}

}  // namespace bs
