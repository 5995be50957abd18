// Lossless mapping between the bytes of a display code page and the UTF-16
// text of a Unicode edit control. A byte sequence that stands for one
// character and converts back to exactly the same bytes becomes that
// character; every other byte becomes a placeholder U+DC00 + byte (a lone low
// surrogate, which no code page produces and which is drawn as a box) and is
// written back as that byte. Portable: the platform supplies the probe.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace vellumo {

class ByteText {
 public:
  class Probe {
   public:
    virtual ~Probe() = default;
    virtual bool IsLeadByte(unsigned char b) const = 0;
    // The single UTF-16 unit that the n bytes stand for when converting them
    // to text and back gives the same bytes; 0 when they do not.
    virtual char16_t RoundTrip(const unsigned char* bytes, int n) const = 0;
  };

  explicit ByteText(const Probe& probe);

  static constexpr char16_t kPlaceholderBase = 0xDC00;
  static bool IsPlaceholder(char16_t c) { return c >= 0xDC00 && c <= 0xDCFF; }

  // Appends the text for the bytes to out (Char: a 16-bit character type).
  template <class Char>
  void Decode(const char* bytes, std::size_t n, std::basic_string<Char>& out) const;

  // The bytes for the text; a character the code page lacks becomes "?", as
  // an ANSI edit control would hold it.
  template <class Char>
  std::string Encode(const Char* text, std::size_t n) const;

  // The length in bytes of Encode(text, n).
  template <class Char>
  std::size_t ByteLength(const Char* text, std::size_t n) const;

  // The text as Save As will write it, read back: each character the code
  // page lacks (a surrogate pair too) becomes one "?"; characters it holds
  // and placeholders stay. For text typed or pasted into the text box, so
  // that the screen never shows what the file will not hold.
  template <class Char>
  std::basic_string<Char> AsSaved(const Char* text, std::size_t n) const;
  // Whether the code page holds the character (a surrogate never).
  bool Holds(char16_t c) const { return (c < 0xD800 || c > 0xDFFF) && encode_[c].length; }

 private:
  // Byte length and bytes (big-endian for pairs) of a unit; 0 length: absent.
  struct Code {
    std::uint8_t length = 0;
    std::uint8_t bytes[2] = {0, 0};
  };
  template <class Char>
  std::size_t NextUnit(const Char* text, std::size_t n, std::size_t i, Code& code) const;

  std::array<char16_t, 256> single_{};
  std::array<bool, 256> lead_{};
  std::vector<char16_t> double_;  // lead << 8 | trail
  std::vector<Code> encode_;      // by UTF-16 unit
};

template <class Char>
void ByteText::Decode(const char* bytes, std::size_t n, std::basic_string<Char>& out) const {
  static_assert(sizeof(Char) == 2, "UTF-16 text");
  const auto* p = reinterpret_cast<const unsigned char*>(bytes);
  for (std::size_t i = 0; i < n;) {
    unsigned char b = p[i];
    if (lead_[b] && i + 1 < n) {
      char16_t c = double_[(b << 8) | p[i + 1]];
      if (c) {
        out.push_back(static_cast<Char>(c));
        i += 2;
        continue;
      }
    }
    char16_t c = single_[b];
    out.push_back(static_cast<Char>(c ? c : kPlaceholderBase + b));
    ++i;
  }
}

// Reads the unit (or surrogate pair) at i; returns how many units it took.
template <class Char>
std::size_t ByteText::NextUnit(const Char* text, std::size_t n, std::size_t i, Code& code) const {
  auto c = static_cast<char16_t>(text[i]);
  if (c >= 0xD800 && c <= 0xDBFF && i + 1 < n) {
    auto d = static_cast<char16_t>(text[i + 1]);
    if (d >= 0xDC00 && d <= 0xDFFF) {
      code = Code{1, {'?', 0}};
      return 2;
    }
  }
  if (IsPlaceholder(c)) {
    code = Code{1, {static_cast<std::uint8_t>(c - kPlaceholderBase), 0}};
  } else {
    code = encode_[c];
    if (!code.length) code = Code{1, {'?', 0}};
  }
  return 1;
}

template <class Char>
std::string ByteText::Encode(const Char* text, std::size_t n) const {
  std::string out;
  out.reserve(n * 2);
  Code code;
  for (std::size_t i = 0; i < n;) {
    i += NextUnit(text, n, i, code);
    out.append(reinterpret_cast<const char*>(code.bytes), code.length);
  }
  return out;
}

template <class Char>
std::size_t ByteText::ByteLength(const Char* text, std::size_t n) const {
  std::size_t length = 0;
  Code code;
  for (std::size_t i = 0; i < n;) {
    i += NextUnit(text, n, i, code);
    length += code.length;
  }
  return length;
}

template <class Char>
std::basic_string<Char> ByteText::AsSaved(const Char* text, std::size_t n) const {
  std::basic_string<Char> out;
  out.reserve(n);
  Code code;
  for (std::size_t i = 0; i < n;) {
    const auto c = static_cast<char16_t>(text[i]);
    const std::size_t units = NextUnit(text, n, i, code);
    const bool kept = units == 1 && (IsPlaceholder(c) || Holds(c));
    out.push_back(kept ? text[i] : static_cast<Char>(u'?'));
    i += units;
  }
  return out;
}

}  // namespace vellumo
