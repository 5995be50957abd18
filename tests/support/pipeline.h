// The HexText conversion pipeline, stage by stage: the reference that the
// byte-level conversion (convert/convert.h) and the loader's lines are proved
// equal to by the unit tests and the differential fuzz target.
#pragma once

#include <cstdint>
#include <string>

#include "convert/convert.h"
#include "convert/loader.h"

namespace vellumo {

std::string BytesToHex(const std::string& bytes);
bool IsHexDigit(char c);
std::string NextHexPair(std::string& hex);
std::string NextHexToken(std::string& hex, std::uint8_t mode);
std::string Utf8HexToUnicodeHex(const std::string& hex);
std::string Utf8Hex2ToUnicodeHex(const std::string& digits);
std::string Utf8Hex3ToUnicodeHex(const std::string& digits);
std::string SwapHexPairs(const std::string& hex);
// tokenMode: 0 cuts UTF-8 sequences, 2 cuts four-digit code units.
std::string UnicodeHexToNative(const std::string& unicodeHex, const CodeTableData* table,
                               std::uint8_t tokenMode);

// One line of a file of the given kind through the pipeline, as the loader's
// ConvertLine must give it byte for byte: a Unicode line is its units' bytes.
std::string ConvertLineByPipeline(SourceKind kind, const std::string& line, bool firstLine,
                                  const CodeTableData* table);

}  // namespace vellumo
