// Lines too long for the text box, shown in rows: a line of more than
// kLongestRow characters is cut into rows of that length joined by soft
// breaks (CR CR LF, the edit control's own mark of a break that is not in
// the text), which Save As and a re-read leave out. A load never puts a CR
// of its own into the text box, so the mark cannot stand for file bytes.
// Portable.
#pragma once

#include <cstddef>
#include <string>

#include "app/bytetext.h"

namespace vellumo {

// Above about this many characters on one line the edit control's layout
// time grows with the square of the line's length (measured under Wine:
// bench/edit_bench.cpp), and it wraps a line in quadratic time at any length.
constexpr std::size_t kLongestRow = 1024;

// Appends the line to out, cut into rows of at most longest characters with
// a soft break between them; returns whether it was cut.
template <class Char>
bool AppendInRows(std::basic_string<Char>& out, const Char* line, std::size_t n,
                  std::size_t longest = kLongestRow) {
  static const Char kBreak[] = {Char('\r'), Char('\r'), Char('\n')};
  if (n <= longest) {
    out.append(line, n);
    return false;
  }
  for (std::size_t at = 0; at < n; at += longest) {
    if (at) out.append(kBreak, 3);
    out.append(line + at, n - at < longest ? n - at : longest);
  }
  return true;
}

// Appends the display bytes of one line, decoded, in rows; returns whether
// it was cut. Lines of ordinary length are decoded straight into out.
template <class Char>
bool AppendLineInRows(std::basic_string<Char>& out, const char* bytes, std::size_t n,
                      const ByteText& mapping, std::size_t longest = kLongestRow) {
  const std::size_t start = out.size();
  mapping.Decode(bytes, n, out);
  if (out.size() - start <= longest) return false;
  const std::basic_string<Char> line = out.substr(start);
  out.resize(start);
  return AppendInRows(out, line.data(), line.size(), longest);
}

// Bytes of the display code page (lines separated by CR LF, as the text box
// saves them) as the text box shows them; returns whether a line was cut.
template <class Char>
bool DecodeInRows(const std::string& bytes, const ByteText& mapping, std::basic_string<Char>& out,
                  std::size_t longest = kLongestRow) {
  static const Char kLineEnd[] = {Char('\r'), Char('\n')};
  bool cut = false;
  for (std::size_t at = 0;;) {
    const std::size_t end = bytes.find("\r\n", at);
    const std::size_t stop = end == std::string::npos ? bytes.size() : end;
    cut |= AppendLineInRows(out, bytes.data() + at, stop - at, mapping, longest);
    if (end == std::string::npos) return cut;
    out.append(kLineEnd, 2);
    at = end + 2;
  }
}

// Whether the text holds a soft break.
template <class Char>
bool HasSoftBreaks(const std::basic_string<Char>& text) {
  static const Char kBreak[] = {Char('\r'), Char('\r'), Char('\n'), Char(0)};
  return text.find(kBreak) != std::basic_string<Char>::npos;
}

// The text without its soft breaks: the lines as the file holds them.
template <class Char>
std::basic_string<Char> WithoutSoftBreaks(const std::basic_string<Char>& text) {
  std::basic_string<Char> out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    if (text[i] == Char('\r') && i + 2 < text.size() && text[i + 1] == Char('\r') &&
        text[i + 2] == Char('\n')) {
      i += 3;
      continue;
    }
    out.push_back(text[i++]);
  }
  return out;
}

}  // namespace vellumo
