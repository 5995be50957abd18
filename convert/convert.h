// Code mapping tables and the HexText conversion pipeline that turns UTF-8 and
// UTF-16LE lines into bytes of the display code page. Portable.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

namespace vellumo {

// The display code page: 0 GB2312, 1 Korean, 2 Japanese, 3 Big5.
using CodeType = std::uint8_t;

// The lines of a table file, comments removed, with an index by the key of
// columns 9-12 in which the first line of each key wins and lines shorter
// than 12 bytes take no part.
struct CodeTableData {
  std::vector<std::string> lines;
  // One entry per code unit whose key is four upper-case hex digits: the
  // display bytes in memory order in bits 0-15, their number (1 or 2) in bits
  // 16-23. Units without a line hold "**". Empty until indexed.
  std::vector<std::uint32_t> units;
  // Keys of columns 9-12 that are not four upper-case hex digits (they match
  // only themselves), with the display bytes of their first line.
  std::unordered_map<std::string, std::string> otherKeys;
  void Clear();
};

// Unit-level state of the conversion unit.
extern CodeTableData CodeTable;
extern bool TableLoaded;
extern std::uint8_t TokenMode;  // 0 cuts UTF-8 sequences, 2 cuts four-digit code units
extern CodeType CurrentCodeType;

std::string CodeTableFileName(CodeType codeType);  // ProgramDir + "dll\\Gb2312.dll", ...
// Loads the table of CurrentCodeType into CodeTable; returns the new value of
// TableLoaded (also stored there). On failure CodeTable is empty.
bool LoadCodeTable();
std::string LookupCode(const std::string& key);  // display bytes, or "**"

// The table reader on the bytes of a table file: the line split (CR, LF or
// CR LF; a NUL ends the text), comment removal and the index.
CodeTableData ParseCodeTable(const std::string& fileBytes);

// Pipeline stages on HexText.
std::string BytesToHex(const std::string& bytes);
bool IsHexDigit(char c);
std::string NextHexPair(std::string& hex);
std::string NextHexToken(std::string& hex, std::uint8_t mode);
std::string Utf8HexToUnicodeHex(const std::string& hex);
std::string Utf8Hex2ToUnicodeHex(const std::string& digits);
std::string Utf8Hex3ToUnicodeHex(const std::string& digits);
std::string SwapHexPairs(const std::string& hex);
std::string UnicodeHexToNative(const std::string& unicodeHex);

// Fused byte-level conversion giving exactly what the pipeline gives with
// TokenMode 2: BytesToHex, Utf8HexToUnicodeHex (or SwapHexPairs) and
// UnicodeHexToNative of the bytes. out is replaced.
void Utf8BytesToNative(const char* bytes, std::size_t size, std::string& out);
void Utf16BytesToNative(const char* bytes, std::size_t size, std::string& out);

}  // namespace vellumo
