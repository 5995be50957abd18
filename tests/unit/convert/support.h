// Helpers shared by the convert tests and the fuzz targets: small tables
// built in memory or on disk, and plain reference versions of the rules.
#pragma once

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <set>
#include <string>
#include <vector>

#include "convert/commonchars.h"
#include "convert/convert.h"
#include "convert/utf16.h"

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

// The lookup key of a code unit: four upper-case hex digits.
inline std::string UnitKey(unsigned unit) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "%04X", unit & 0xFFFF);
  return buf;
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

// The lines a cutter (LineCutter or UnitLineCutter) hands over for text fed
// in pieces of the given size (0: whole).
template <class Cutter>
std::vector<std::string> CutInPieces(const std::string& text, std::size_t piece = 0) {
  std::vector<std::string> lines;
  Cutter cutter([&](const char* l, std::size_t n) { lines.emplace_back(l, n); });
  if (piece == 0) piece = text.size() + 1;
  for (std::size_t i = 0; i < text.size(); i += piece)
    if (!cutter.Feed(text.data() + i, std::min(piece, text.size() - i))) break;
  cutter.Finish();
  return lines;
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

// The page-fit counts written out plainly, from sets of one page's byte
// sequences and frequent characters: a page's reading of the bytes as they
// are, line by line, and the conversion of a text's lines through its table
// (UTF-8: maximal subparts of malformed sequences invalid, four-byte
// characters FFFD; or UTF-16LE units).
struct ReferenceFit {
  std::uint64_t invalid = 0, unshown = 0, characters = 0, common = 0;
};

class ReferencePage {
 public:
  ReferencePage(const CodeTableData* table, int page) : table_(table), page_(page) {
    for (int k = 0; k < 4; ++k) {
      listed_[k].assign(65536, false);
      for (char16_t u : CommonCharacters(k)) listed_[k][u] = true;
    }
    if (!table) return;
    for (const std::string& l : table->lines) {
      if (!IsMappingLine(l)) continue;
      const unsigned a = static_cast<unsigned char>(l[0]), b = static_cast<unsigned char>(l[1]);
      if (a == ' ' && b != '\r' && b != '\n') singles_.insert(b);
      if (a != ' ' && a >= 0x80) {
        pairs_.insert(a << 8 | b);
        leads_.insert(a);
        if (b != '\n') trails_.insert(b);
      }
    }
    for (char16_t u : CommonCharacters(page)) {
      const std::string bytes = LookupCode(UnitKey(u), table);
      if (bytes == "**") continue;
      const unsigned b0 = static_cast<unsigned char>(bytes[0]);
      common_.insert(bytes.size() == 1 ? b0 : b0 << 8 | static_cast<unsigned char>(bytes[1]));
    }
  }

  ReferenceFit AsPage(const std::string& text) const {
    ReferenceFit fit;
    for (const std::string& line : ReferenceLines(text)) {
      for (std::size_t i = 0; i < line.size();) {
        const unsigned b = static_cast<unsigned char>(line[i]);
        if (singles_.count(b)) {
          if (b >= 0x80) {
            ++fit.characters;
            fit.common += common_.count(b);
          }
          ++i;
        } else if (leads_.count(b) && i + 1 < line.size()) {
          const unsigned next = static_cast<unsigned char>(line[i + 1]);
          if (pairs_.count(b << 8 | next)) {
            ++fit.characters;
            fit.common += common_.count(b << 8 | next);
            i += 2;
          } else {
            ++fit.invalid;
            i += trails_.count(next) ? 2 : 1;
          }
        } else {
          ++fit.invalid;
          ++i;
        }
      }
    }
    return fit;
  }

  // Frequent characters: of any language, or of the page's and shown.
  ReferenceFit Converted(const std::string& text, bool utf16, bool skipFirst, bool anyLanguage) const {
    ReferenceFit fit;
    auto unit = [&](unsigned u) {
      if (skipFirst) {
        skipFirst = false;
        return;
      }
      const bool shown = LookupCode(UnitKey(u), table_) != "**";
      fit.unshown += !shown;
      fit.characters += u >= 0x80;
      const bool any = listed_[0][u] || listed_[1][u] || listed_[2][u] || listed_[3][u];
      fit.common += anyLanguage ? any : shown && listed_[page_][u];
    };
    for (const std::string& line : ReferenceLines(text, utf16 ? 2 : 1)) {
      const auto* p = reinterpret_cast<const unsigned char*>(line.data());
      for (std::size_t i = 0; i < line.size();) {
        if (utf16) {
          unit(p[i] | unsigned(p[i + 1]) << 8);
          i += 2;
          continue;
        }
        bool complete = false;
        const std::size_t n = Utf8Coverage(p + i, line.size() - i, complete);
        if (!complete)
          ++fit.invalid;
        else
          unit(n == 4 ? 0xFFFD : Utf8ToUtf16(line.substr(i, n))[0]);
        i += n;
      }
    }
    return fit;
  }

 private:
  static bool IsMappingLine(const std::string& l) {
    if (l.size() < 12) return false;
    for (int i = 8; i < 12; ++i)
      if (!((l[i] >= '0' && l[i] <= '9') || (l[i] >= 'A' && l[i] <= 'F'))) return false;
    return true;
  }
  const CodeTableData* table_;
  int page_;
  std::set<unsigned> singles_, pairs_, trails_, leads_, common_;
  std::vector<bool> listed_[4];
};

}  // namespace vellumo::testing
