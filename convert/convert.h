// Code mapping tables and the HexText conversion pipeline that turns UTF-8 and
// UTF-16LE lines into bytes of the display code page. Portable.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

namespace vellumo {

// The display code page: 0 GB2312, 1 Korean, 2 Japanese, 3 Big5.
using CodeType = std::uint8_t;

// The lines of the loaded table file, comments removed, with an index by the
// Unicode key of columns 9-12 (the first line of each key wins).
struct CodeTableData {
  std::vector<std::string> lines;
  // Per code unit: the display bytes of its first line, empty when absent.
  // (Fast path; keys that are four upper-case hex digits.)
  std::vector<std::string> byUnit;  // 65536 entries once loaded, else empty
  // Keys of columns 9-12 that are not four upper-case hex digits.
  std::unordered_map<std::string, std::string> otherKeys;
  void Clear();
};

// Unit-level state of the conversion unit.
extern CodeTableData CodeTable;
extern bool TableLoaded;
extern std::uint8_t TokenMode;  // 0 cuts UTF-8 sequences, 2 cuts four-digit code units
extern CodeType CurrentCodeType;

std::string CodeTableFileName(CodeType codeType);  // ProgramDir + "dll\\Gb2312.dll", ...
bool LoadCodeTable();                              // the table of CurrentCodeType
std::string LookupCode(const std::string& key);    // display bytes, or "**"

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

}  // namespace vellumo
