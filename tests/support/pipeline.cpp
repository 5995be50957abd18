// The HexText conversion pipeline, stage by stage as written: the reference
// that the loader's byte-level conversion is proved equal to.
#include "tests/support/pipeline.h"

#include <cstdio>

#include "convert/utf16.h"

namespace vellumo {

namespace {

const char kHexDigits[] = "0123456789ABCDEF";
constexpr std::uint32_t kReplacement = 0xFFFD;

int UpperHexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

int HexValue(char c) {
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  int v = UpperHexValue(c);
  return v < 0 ? 0 : v;
}

std::string UnitHex(std::uint32_t unit) {
  char s[5] = {kHexDigits[(unit >> 12) & 15], kHexDigits[(unit >> 8) & 15],
               kHexDigits[(unit >> 4) & 15], kHexDigits[unit & 15], 0};
  return s;
}

}  // namespace

std::string BytesToHex(const std::string& bytes) {
  std::string hex(bytes.size() * 2, '0');
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const unsigned char b = static_cast<unsigned char>(bytes[i]);
    hex[2 * i] = kHexDigits[b >> 4];
    hex[2 * i + 1] = kHexDigits[b & 15];
  }
  return hex;
}

bool IsHexDigit(char c) {
  return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F');
}

std::string NextHexPair(std::string& hex) {
  std::string result;
  std::size_t i = 0;
  while (i < hex.size() && result.size() < 2) {
    const char c = hex[i++];
    if (IsHexDigit(c)) result += c;
  }
  hex.erase(0, i);
  return result;
}

std::string NextHexToken(std::string& hex, std::uint8_t mode) {
  if (hex.size() < 2) return std::string();
  std::size_t n;
  if (mode != 0) {
    n = 4;
  } else {
    const char c = hex[0];
    if (c >= '0' && c <= '7') {
      n = 2;
    } else if (c == 'C' || c == 'D') {
      n = 4;
    } else if (c == 'E') {
      n = 6;
    } else {
      hex.erase(0, 2);  // a byte that begins no sequence goes whole
      return std::string();
    }
  }
  std::string token = hex.substr(0, n);
  hex.erase(0, token.size());
  return token;
}

std::string Utf8HexToUnicodeHex(const std::string& hex) {
  std::string rest = hex;
  std::string result;
  while (rest.size() >= 2) {
    // Decide well-formedness on the bytes before cutting a token, so that a
    // malformed sequence costs one replacement and nothing after it.
    unsigned char bytes[4];
    std::size_t have = 0;
    while (have < 4 && 2 * have + 1 < rest.size()) {
      const int hi = UpperHexValue(rest[2 * have]), lo = UpperHexValue(rest[2 * have + 1]);
      if (hi < 0 || lo < 0) break;
      bytes[have++] = static_cast<unsigned char>(hi * 16 + lo);
    }
    bool complete = false;
    const std::size_t covered = have ? Utf8Coverage(bytes, have, complete) : 1;
    if (!complete || covered == 4) {
      rest.erase(0, 2 * covered);
      result += UnitHex(kReplacement);
      continue;
    }
    const std::string token = NextHexToken(rest, 0);
    if (token.size() == 2)
      result += "00" + token;
    else if (token.size() == 4)
      result += Utf8Hex2ToUnicodeHex(token);
    else if (token.size() == 6)
      result += Utf8Hex3ToUnicodeHex(token);
  }
  return result;  // a single digit left over is dropped
}

std::string Utf8Hex2ToUnicodeHex(const std::string& digits) {
  if (digits.size() != 4) return digits;
  for (char c : digits)
    if (!IsHexDigit(c)) return digits;
  const int b1 = HexValue(digits[0]) * 16 + HexValue(digits[1]);
  const int b2 = HexValue(digits[2]) * 16 + HexValue(digits[3]);
  return UnitHex(static_cast<std::uint32_t>(((b1 & 0x1F) << 6) | (b2 & 0x3F)));
}

std::string Utf8Hex3ToUnicodeHex(const std::string& digits) {
  auto digit = [&](std::size_t i) { return i < digits.size() ? digits[i] : '0'; };
  const char n = digit(1);
  std::int32_t a = HexValue(digit(2)) * 16 + HexValue(digit(3)) - 128;
  std::int32_t b = HexValue(digit(4)) * 16 + HexValue(digit(5)) - 128;
  b = b + (a % 4) * 64;
  a = a / 4;
  char buf[24];
  std::snprintf(buf, sizeof buf, "%X%02X", static_cast<unsigned>(a), static_cast<unsigned>(b));
  return std::string(1, n) + buf;
}

std::string SwapHexPairs(const std::string& hex) {
  std::string rest = hex;
  std::string result;
  while (!rest.empty()) {
    const std::string a = NextHexPair(rest);
    const std::string b = NextHexPair(rest);
    result += b;
    result += a;
  }
  return result;
}

std::string UnicodeHexToNative(const std::string& unicodeHex, const CodeTableData* table,
                               std::uint8_t tokenMode) {
  std::string rest = unicodeHex;
  std::string result;
  while (rest.size() >= 2) {
    std::string token = NextHexToken(rest, tokenMode);
    if (token.size() == 2) token = "00" + token;
    result += LookupCode(token, table);
  }
  result += rest;
  return result;
}

std::string ConvertLineByPipeline(SourceKind kind, const std::string& line, bool firstLine,
                                  const CodeTableData* table) {
  auto drop = [](const std::string& s, std::size_t n) { return s.size() <= n ? std::string() : s.substr(n); };
  switch (kind) {
    case SourceKind::Utf8: {
      const std::string h = BytesToHex(line);
      const std::string t = UnicodeHexToNative(Utf8HexToUnicodeHex(h), table, 2);
      return firstLine ? drop(t, 2) : t;
    }
    case SourceKind::Unicode:
      return UnicodeHexToNative(SwapHexPairs(BytesToHex(line)), table, 2);
    default:
      return line;
  }
}

}  // namespace vellumo
