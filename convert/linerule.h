// The line rules: a text cut into lines by bytes (ANSI and UTF-8 files) or by
// 16-bit little-endian units (Unicode files). Portable.
#pragma once

#include <cstddef>
#include <functional>
#include <string>

namespace vellumo {

// Cuts a stream of units Width bytes wide (1: bytes, 2: UTF-16LE units) into
// lines: the text ends at the first unit 1A, an LF unit ends a line, CR units
// are dropped wherever they stand, and units after the last LF (even CR units
// only) make one more line. A unit that merely holds such a byte is a
// character like any other. A line is handed over as bytes that stay valid
// only during the call (often straight from the buffer fed).
template <std::size_t Width>
class BasicLineCutter {
 public:
  using LineFn = std::function<void(const char* data, std::size_t size)>;
  explicit BasicLineCutter(LineFn onLine) : onLine_(std::move(onLine)) {}
  // Cuts the next bytes of the text, in pieces of any size. Returns false once
  // a 1A has ended it.
  bool Feed(const char* data, std::size_t size);
  // The end of the file: hands over the last line if one is pending. A stray
  // last byte of a unit is dropped.
  void Finish();
  // Lines are handed over cut to their first bytes (whole units), and what
  // is beyond is not kept.
  void SetLimit(std::size_t bytes) { limit_ = bytes / Width * Width; }

 private:
  bool FeedUnits(const char* data, std::size_t size);
  void Append(const char* data, std::size_t size) {
    line_.append(data, size < limit_ - line_.size() ? size : limit_ - line_.size());
  }
  void Emit(const char* data, std::size_t size);
  LineFn onLine_;
  std::size_t limit_ = static_cast<std::size_t>(-1);
  std::string line_;      // a line that spans pieces or holds CR units
  bool pending_ = false;  // a unit (perhaps a CR) came after the last LF
  bool ended_ = false;
  bool haveOdd_ = false;  // the first byte of a unit cut by the end of a piece
  char odd_ = 0;
};

using LineCutter = BasicLineCutter<1>;
using UnitLineCutter = BasicLineCutter<2>;

extern template class BasicLineCutter<1>;
extern template class BasicLineCutter<2>;

}  // namespace vellumo
