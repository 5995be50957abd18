// Code mapping tables and the conversion that turns UTF-8 and UTF-16LE text
// into bytes of the display code page. Portable.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <unordered_map>
#include <vector>

namespace vellumo {

// The lines of a table file, comments removed, with an index by the key of
// columns 9-12 in which the first line of each key wins and lines shorter
// than 12 bytes take no part.
struct CodeTableData {
  std::vector<std::string> lines;
  // One entry per code unit whose key is four upper-case hex digits: the
  // display bytes in memory order in bits 0-15, their number (1 or 2) in bits
  // 16-23. Units without a line hold "**" and kMissing. Empty until indexed.
  std::vector<std::uint32_t> units;
  static constexpr std::uint32_t kMissing = 0x80000000u;
  // Keys of columns 9-12 that are not four upper-case hex digits (they match
  // only themselves), with the display bytes of their first line.
  std::unordered_map<std::string, std::string> otherKeys;
  void Clear();
};

// Unit-level state of the conversion unit: the table of the display code
// page in force, and whether it loaded. The functions below take the table
// they work on; the program passes these.
extern CodeTableData CodeTable;
extern bool TableLoaded;

// Reads the table file at path into table. False, with table empty, when it
// cannot be read.
bool LoadCodeTable(const std::filesystem::path& path, CodeTableData& table);
bool LoadCodeTable(const std::string&, CodeTableData&) = delete;  // UTF-8 text: PathFromUtf8
bool LoadCodeTable(const char*, CodeTableData&) = delete;

// The display bytes of the code unit key (four upper-case hex digits) in
// table, or "**". A null table (none loaded) gives "**" for every key.
std::string LookupCode(const std::string& key, const CodeTableData* table);

// The table reader on the bytes of a table file: the line split (CR, LF or
// CR LF; a NUL ends the text), comment removal and the index. The second form
// reuses table's storage.
CodeTableData ParseCodeTable(const std::string& fileBytes);
void ParseCodeTable(const std::string& fileBytes, CodeTableData& table);

// Characters in a row that conversion showed as "**" (the table lacks them,
// or a malformed sequence): count of them from this byte offset.
struct UnshownRun {
  std::uint64_t offset;
  std::uint64_t count;
};

// Byte-level conversion, proved equal byte for byte to the HexText pipeline
// (tests/support/pipeline.h) with token mode 2: BytesToHex,
// Utf8HexToUnicodeHex (or SwapHexPairs) and UnicodeHexToNative of the bytes.
// out is replaced. Returns how many characters conversion showed as "**";
// runs, when given, gets their runs (offsets in out) appended.
std::uint64_t Utf8BytesToNative(const char* bytes, std::size_t size, const CodeTableData* table,
                                std::string& out, std::vector<UnshownRun>* runs = nullptr);
std::uint64_t Utf16BytesToNative(const char* bytes, std::size_t size, const CodeTableData* table,
                                 std::string& out, std::vector<UnshownRun>* runs = nullptr);

}  // namespace vellumo
