#include "convert/utf16.h"

namespace vellumo {

namespace {

constexpr char16_t kReplacement = 0xFFFD;

void AppendUtf8(std::string& out, char32_t c) {
  if (c < 0x80) {
    out += static_cast<char>(c);
  } else if (c < 0x800) {
    out += static_cast<char>(0xC0 | (c >> 6));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else if (c < 0x10000) {
    out += static_cast<char>(0xE0 | (c >> 12));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (c >> 18));
    out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (c & 0x3F));
  }
}

}  // namespace

std::size_t Utf8Coverage(const unsigned char* b, std::size_t n, bool& complete) {
  const unsigned char lead = b[0];
  complete = false;
  if (lead <= 0x7F) {
    complete = true;
    return 1;
  }
  std::size_t trail;
  unsigned char lo = 0x80, hi = 0xBF;  // range of the first continuation byte
  if (lead >= 0xC2 && lead <= 0xDF) {
    trail = 1;
  } else if (lead >= 0xE0 && lead <= 0xEF) {
    trail = 2;
    if (lead == 0xE0) lo = 0xA0;  // no overlongs
    if (lead == 0xED) hi = 0x9F;  // no surrogates
  } else if (lead >= 0xF0 && lead <= 0xF4) {
    trail = 3;
    if (lead == 0xF0) lo = 0x90;
    if (lead == 0xF4) hi = 0x8F;  // nothing above 10FFFF
  } else {
    return 1;  // C0, C1, F5-FF and stray continuation bytes
  }
  std::size_t i = 1;
  for (; i <= trail && i < n; ++i) {
    const unsigned char l = i == 1 ? lo : 0x80, h = i == 1 ? hi : 0xBF;
    if (b[i] < l || b[i] > h) break;
  }
  complete = i == trail + 1;
  return i;
}

std::u16string Utf8ToUtf16(const std::string& utf8) {
  std::u16string out;
  out.reserve(utf8.size());
  const unsigned char* p = reinterpret_cast<const unsigned char*>(utf8.data());
  const std::size_t n = utf8.size();
  for (std::size_t i = 0; i < n;) {
    bool complete = false;
    const std::size_t len = Utf8Coverage(p + i, n - i, complete);
    if (!complete) {
      out += kReplacement;
    } else {
      char32_t c = len == 1 ? p[i] : p[i] & (0x7F >> len);
      for (std::size_t k = 1; k < len; ++k) c = (c << 6) | (p[i + k] & 0x3F);
      if (c < 0x10000) {
        out += static_cast<char16_t>(c);
      } else {
        c -= 0x10000;
        out += static_cast<char16_t>(0xD800 | (c >> 10));
        out += static_cast<char16_t>(0xDC00 | (c & 0x3FF));
      }
    }
    i += len;
  }
  return out;
}

std::string Utf16ToUtf8(const std::u16string& utf16) {
  std::string out;
  out.reserve(utf16.size() * 3);
  const std::size_t n = utf16.size();
  for (std::size_t i = 0; i < n; ++i) {
    char32_t c = utf16[i];
    if (c >= 0xD800 && c <= 0xDBFF && i + 1 < n && utf16[i + 1] >= 0xDC00 && utf16[i + 1] <= 0xDFFF) {
      c = 0x10000 + ((c - 0xD800) << 10) + (utf16[++i] - 0xDC00);
    } else if (c >= 0xD800 && c <= 0xDFFF) {
      c = kReplacement;  // unpaired surrogate
    }
    AppendUtf8(out, c);
  }
  return out;
}

}  // namespace vellumo
