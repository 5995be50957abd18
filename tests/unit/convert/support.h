// Helpers shared by the convert tests and the fuzz targets: small tables
// built in memory or on disk, and plain reference versions of the rules.
#pragma once

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "convert/convert.h"

namespace vellumo::testing {

// A table line for code unit `unit` shown as `display` (one or two bytes).
inline std::string TableLine(unsigned unit, const std::string& display) {
  char buf[32];
  const std::string cols = display.size() == 1 ? " " + display : display;
  unsigned native = display.size() == 1 ? static_cast<unsigned char>(display[0])
                                        : (static_cast<unsigned char>(display[0]) << 8) |
                                              static_cast<unsigned char>(display[1]);
  std::snprintf(buf, sizeof buf, " %04X %04X", native, unit);
  return cols + buf;
}

// ASCII 01-7F (no CR, LF), a few CJK characters, e-acute, as a GB2312-like table.
inline std::string SmallTable() {
  std::string t = "# test table\r\n";
  for (unsigned c = 1; c < 0x80; ++c)
    if (c != '\r' && c != '\n' && c != 0x1A) t += TableLine(c, std::string(1, char(c))) + "\r\n";
  t += TableLine(0x4E2D, "\xD6\xD0") + "\r\n";  // zhong
  t += TableLine(0x6587, "\xCE\xC4") + "\r\n";  // wen
  t += TableLine(0x00E9, "\xA8\xA6") + "\r\n";  // e acute
  t += TableLine(0xFEFF, "\xA1\xA1") + "\r\n";  // the signature shows as something
  return t;
}

// The line rule written out plainly, unit by unit: on bytes (width 1) or on
// UTF-16LE units (width 2, a stray last byte ignored).
inline std::vector<std::string> ReferenceLines(const std::string& text, std::size_t width = 1) {
  std::vector<std::string> lines;
  std::string line;
  bool pending = false;
  for (std::size_t i = 0; i + width <= text.size(); i += width) {
    unsigned unit = static_cast<unsigned char>(text[i]);
    if (width == 2) unit |= static_cast<unsigned>(static_cast<unsigned char>(text[i + 1])) << 8;
    if (unit == 0x1A) break;
    if (unit == '\n') {
      lines.push_back(line);
      line.clear();
      pending = false;
      continue;
    }
    pending = true;
    if (unit != '\r') line.append(text, i, width);
  }
  if (pending) lines.push_back(line);
  return lines;
}

// The table file's line split and comment removal, written out plainly.
inline std::vector<std::string> ReferenceTableLines(const std::string& file) {
  std::vector<std::string> lines;
  std::string line;
  bool open = false;
  const std::size_t end = std::min(file.find('\0'), file.size());
  for (std::size_t i = 0; i < end; ++i) {
    const char c = file[i];
    if (c == '\r' || c == '\n') {
      lines.push_back(line);
      line.clear();
      open = false;
      if (c == '\r' && i + 1 < end && file[i + 1] == '\n') ++i;
    } else {
      line += c;
      open = true;
    }
  }
  if (open) lines.push_back(line);
  std::vector<std::string> kept;
  for (const std::string& l : lines)
    if (l.empty() || l[0] != '#') kept.push_back(l);
  return kept;
}

// LookupCode as a scan of the table's lines from the top.
inline std::string ReferenceLookup(const std::vector<std::string>& lines, bool loaded,
                                   const std::string& key) {
  if (key.size() != 4 || !loaded) return "**";
  for (const std::string& line : lines) {
    if (line.size() < 12 || line.compare(8, 4, key) != 0) continue;
    return line[0] == ' ' ? line.substr(1, 1) : line.substr(0, 2);
  }
  return "**";
}

}  // namespace vellumo::testing
