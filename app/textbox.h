// The text box's lines as the scroll-bar rule counts them: lines of the text,
// or the wrapped pieces of a text box that wraps, measured in bytes of the
// display code page.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "app/bytetext.h"

namespace vellumo {

class TextBoxLines {
 public:
  TextBoxLines(const std::wstring& text, const ByteText& mapping);

  // Whether a line's byte length × 8 exceeds width: 1 yes, 0 no, -1 when it
  // depends on wrapped pieces and no text box is given to measure them.
  int AnyLineWider(int width, HWND box, bool wraps) const;
  // Whether the number of lines × 8 exceeds height (an empty last line not
  // counted): 1 yes, 0 no, -1 undecided without the text box.
  int MoreLinesThan(int height, HWND box, bool wraps) const;

 private:
  struct Line {
    std::size_t start, length, bytes;
  };
  const std::wstring& text_;
  const ByteText& mapping_;
  std::vector<Line> lines_;  // split at CR LF, the empty last one left out
};

}  // namespace vellumo
