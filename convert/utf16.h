// UTF-8 to UTF-16 and back, with one rule for malformed input: each maximal
// subpart of an ill-formed UTF-8 sequence, and each unpaired surrogate,
// becomes U+FFFD. Portable; the Windows layer's Widen and Narrow use it.
#pragma once

#include <cstddef>
#include <string>

namespace vellumo {

// How many bytes of UTF-8 at b (n > 0 bytes available) one character
// covers, and whether they form a complete well-formed sequence (the Unicode
// standard's table). A malformed sequence covers its maximal subpart: the
// lead and the continuation bytes that are valid where they stand, at least
// one byte.
std::size_t Utf8Coverage(const unsigned char* b, std::size_t n, bool& complete);

std::u16string Utf8ToUtf16(const std::string& utf8);
std::string Utf16ToUtf8(const std::u16string& utf16);

}  // namespace vellumo
