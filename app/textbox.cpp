#include "app/textbox.h"

namespace vellumo {

TextBoxLines::TextBoxLines(const std::wstring& text, const ByteText& mapping)
    : text_(text), mapping_(mapping) {
  std::size_t start = 0;
  for (;;) {
    std::size_t end = text.find(L"\r\n", start);
    std::size_t stop = end == std::wstring::npos ? text.size() : end;
    if (end != std::wstring::npos || stop > start)
      lines_.push_back({start, stop - start, mapping.ByteLength(text.data() + start, stop - start)});
    if (end == std::wstring::npos) break;
    start = end + 2;
  }
}

int TextBoxLines::AnyLineWider(int width, HWND box, bool wraps) const {
  for (const Line& line : lines_) {
    if (static_cast<long long>(line.bytes) * 8 <= width) continue;
    if (!wraps) return 1;
    if (!box) return -1;
    // Pieces of a wrapped line are measured one by one.
    auto k = SendMessageW(box, EM_LINEFROMCHAR, line.start, 0);
    for (;; ++k) {
      auto index = SendMessageW(box, EM_LINEINDEX, k, 0);
      if (index < 0 || static_cast<std::size_t>(index) >= line.start + line.length) break;
      auto length = SendMessageW(box, EM_LINELENGTH, index, 0);
      if (static_cast<std::size_t>(index + length) > text_.size()) break;
      if (static_cast<long long>(mapping_.ByteLength(text_.data() + index, length)) * 8 > width)
        return 1;
    }
  }
  return 0;
}

int TextBoxLines::MoreLinesThan(int height, HWND box, bool wraps) const {
  if (static_cast<long long>(lines_.size()) * 8 > height) return 1;
  if (!wraps) return 0;
  if (!box) return -1;
  auto count = SendMessageW(box, EM_GETLINECOUNT, 0, 0);
  if (count > 0) {
    auto last = SendMessageW(box, EM_LINEINDEX, count - 1, 0);
    if (SendMessageW(box, EM_LINELENGTH, last, 0) == 0) --count;
  }
  return static_cast<long long>(count) * 8 > height ? 1 : 0;
}

}  // namespace vellumo
