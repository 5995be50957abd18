#include "convert/convert.h"

#include <cstring>

#include "convert/fileio.h"

namespace vellumo {

CodeTableData CodeTable;
bool TableLoaded = false;

namespace {

// An index entry: the display bytes in memory order in bits 0-15 (one 16-bit
// store writes them), their number in bits 16-23.
std::uint32_t Entry(char first, char second, unsigned count) {
  const char bytes[2] = {first, second};
  std::uint16_t v;
  std::memcpy(&v, bytes, 2);
  return v | (count << 16);
}
constexpr std::uint32_t kMissing = CodeTableData::kMissing;
const std::uint32_t kStars = Entry('*', '*', 2) | kMissing;
constexpr std::uint32_t kReplacement = 0xFFFD;  // U+FFFD: no table maps it, so it shows "**"

int UpperHexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

// The code unit of four upper-case hex digits, or -1.
long UpperHexUnit(const char* k) {
  long v = 0;
  for (int i = 0; i < 4; ++i) {
    int d = UpperHexValue(k[i]);
    if (d < 0) return -1;
    v = v * 16 + d;
  }
  return v;
}

void AddLine(CodeTableData& table, const char* p, std::size_t len) {
  if (len > 0 && p[0] == '#') return;
  table.lines.emplace_back(p, len);
  if (len < 12) return;
  const char* key = p + 8;
  const std::uint32_t entry = p[0] == ' ' ? Entry(p[1], 0, 1) : Entry(p[0], p[1], 2);
  long unit = UpperHexUnit(key);
  if (unit >= 0) {
    if (table.units[unit] & kMissing) table.units[unit] = entry;  // the first line wins
  } else {
    table.otherKeys.emplace(std::string(key, 4), p[0] == ' ' ? std::string(p + 1, 1)
                                                             : std::string(p, 2));
  }
}

// The index of a table without lines: "**" for every unit.
const std::vector<std::uint32_t>& AllStars() {
  static const std::vector<std::uint32_t> stars(65536, kStars);
  return stars;
}

const std::uint32_t* UnitMap(const CodeTableData* table) {
  if (!table || table->units.size() != 65536) return AllStars().data();
  return table->units.data();
}

// Counts the "**" that conversion writes and, when asked, their runs.
class Unshown {
 public:
  Unshown(const char* start, std::vector<UnshownRun>* runs) : start_(start), runs_(runs) {}
#if defined(__GNUC__)
  __attribute__((noinline, cold))
#endif
  void Add(const char* at) {
    ++count_;
    if (!runs_) return;
    const std::uint64_t offset = static_cast<std::uint64_t>(at - start_);
    if (!runs_->empty() && runs_->back().offset + 2 * runs_->back().count == offset)
      ++runs_->back().count;
    else
      runs_->push_back({offset, 1});
  }
  std::uint64_t count() const { return count_; }

 private:
  const char* start_;
  std::vector<UnshownRun>* runs_;
  std::uint64_t count_ = 0;
};

inline char* Emit(char* d, const std::uint32_t* map, std::uint32_t unit, Unshown& unshown) {
  const std::uint32_t e = map[unit];
  const std::uint16_t bytes = static_cast<std::uint16_t>(e);
  std::memcpy(d, &bytes, 2);
  if (__builtin_expect((e & kMissing) != 0, 0)) unshown.Add(d);
  return d + ((e >> 16) & 0xFF);
}

}  // namespace

void CodeTableData::Clear() {
  lines.clear();
  units.clear();
  otherKeys.clear();
}

CodeTableData ParseCodeTable(const std::string& fileBytes) {
  CodeTableData table;
  ParseCodeTable(fileBytes, table);
  return table;
}

void ParseCodeTable(const std::string& fileBytes, CodeTableData& table) {
  table.lines.clear();
  table.otherKeys.clear();
  table.units = AllStars();  // one block copy
  const char* s = fileBytes.data();
  const void* nul = std::memchr(s, 0, fileBytes.size());
  const std::size_t end = nul ? static_cast<std::size_t>(static_cast<const char*>(nul) - s)
                              : fileBytes.size();
  std::size_t pos = 0;
  while (pos < end) {
    std::size_t q = pos;
    while (q < end && s[q] != '\r' && s[q] != '\n') ++q;
    AddLine(table, s + pos, q - pos);
    pos = q;
    if (pos < end && s[pos] == '\r') ++pos;
    if (pos < end && s[pos] == '\n') ++pos;
  }
}

bool LoadCodeTable(const std::filesystem::path& path, CodeTableData& table) {
  table.Clear();
  if (path.empty()) return false;
  std::string bytes;
  if (ReadWholeFile(path, bytes) != 0) return false;
  ParseCodeTable(bytes, table);
  return true;
}

std::string LookupCode(const std::string& key, const CodeTableData* table) {
  if (key.size() != 4 || !table) return "**";
  long unit = UpperHexUnit(key.data());
  if (unit >= 0) {
    if (table->units.size() != 65536) return "**";
    const std::uint32_t e = table->units[unit];
    char bytes[2];
    const std::uint16_t v = static_cast<std::uint16_t>(e);
    std::memcpy(bytes, &v, 2);
    return std::string(bytes, (e >> 16) & 0xFF);
  }
  auto it = table->otherKeys.find(key);
  return it == table->otherKeys.end() ? "**" : it->second;
}

std::uint64_t Utf8BytesToNative(const char* bytes, std::size_t size, const CodeTableData* table,
                                std::string& out, std::vector<UnshownRun>* runs) {
  out.resize(2 * size);  // at most one code unit per byte
  const std::uint32_t* map = UnitMap(table);
  const unsigned char* p = reinterpret_cast<const unsigned char*>(bytes);
  char* d = out.empty() ? nullptr : &out[0];
  char* const start = d;
  Unshown unshown(start, runs);
  std::size_t i = 0;
  while (i < size) {
    // Text comes in runs of one kind (ASCII words, CJK phrases): a loop per
    // kind keeps its branches predictable.
    while (i + 8 <= size) {
      std::uint64_t w;
      std::memcpy(&w, p + i, 8);
      if (w & 0x8080808080808080ull) break;
      for (int k = 0; k < 8; ++k) d = Emit(d, map, p[i + k], unshown);
      i += 8;
    }
    while (i < size && p[i] < 0x80) d = Emit(d, map, p[i++], unshown);
    // Well-formed three-byte sequences; the range test on the unit excludes
    // overlongs and surrogates.
    while (i + 3 <= size) {
      const std::uint32_t w = p[i] | (std::uint32_t(p[i + 1]) << 8) | (std::uint32_t(p[i + 2]) << 16);
      const std::uint32_t u = ((w & 0x0F) << 12) | ((w & 0x3F00) >> 2) | ((w >> 16) & 0x3F);
      if ((w & 0xC0C0F0) != 0x8080E0 || u < 0x800 || u - 0xD800 < 0x800) break;
      d = Emit(d, map, u, unshown);
      i += 3;
    }
    if (i >= size) break;
    if (p[i] < 0x80) continue;
    // Everything else, and the last two bytes of the line.
    const unsigned b = p[i];
    std::uint32_t unit = kReplacement;
    std::size_t len = 1;
    auto cont = [&](std::size_t k) { return i + k < size && (p[i + k] & 0xC0) == 0x80; };
    if (b < 0x80) {
      unit = b;
    } else if (b < 0xC2) {
      // stray continuation byte or overlong lead
    } else if (b < 0xE0) {
      if (cont(1)) {
        unit = ((b & 0x1F) << 6) | (p[i + 1] & 0x3F);
        len = 2;
      }
    } else if (b < 0xF0) {
      const unsigned lo = b == 0xE0 ? 0xA0 : 0x80, hi = b == 0xED ? 0x9F : 0xBF;
      if (i + 1 < size && p[i + 1] >= lo && p[i + 1] <= hi) {
        if (cont(2)) {
          unit = ((b & 0x0F) << 12) | ((p[i + 1] & 0x3F) << 6) | (p[i + 2] & 0x3F);
          len = 3;
        } else {
          len = 2;
        }
      }
    } else if (b < 0xF5) {
      const unsigned lo = b == 0xF0 ? 0x90 : 0x80, hi = b == 0xF4 ? 0x8F : 0xBF;
      if (i + 1 < size && p[i + 1] >= lo && p[i + 1] <= hi) {
        len = cont(2) ? (cont(3) ? 4 : 3) : 2;  // outside the tables either way
      }
    }
    d = Emit(d, map, unit, unshown);
    i += len;
  }
  out.resize(static_cast<std::size_t>(d - start));
  return unshown.count();
}

std::uint64_t Utf16BytesToNative(const char* bytes, std::size_t size, const CodeTableData* table,
                                 std::string& out, std::vector<UnshownRun>* runs) {
  out.resize(size + 1);  // at most two bytes per code unit
  const std::uint32_t* map = UnitMap(table);
  const unsigned char* p = reinterpret_cast<const unsigned char*>(bytes);
  char* d = &out[0];
  char* const start = d;
  Unshown unshown(start, runs);
  std::size_t i = 0;
  for (; i + 1 < size; i += 2) d = Emit(d, map, p[i] | (std::uint32_t(p[i + 1]) << 8), unshown);
  if (i < size) d = Emit(d, map, p[i], unshown);  // an odd last byte reads as 00xx
  out.resize(static_cast<std::size_t>(d - start));
  return unshown.count();
}

}  // namespace vellumo
