// The one UTF-8/UTF-16 conversion: well-formed text both ways, and the rule
// for malformed input (one U+FFFD per maximal subpart or unpaired surrogate).
#include <gtest/gtest.h>

#include <random>

#include "convert/utf16.h"

namespace vellumo {
namespace {

TEST(Utf16, WellFormedBothWays) {
  const std::string utf8 = "a\xC3\xA9\xE4\xB8\xAD\xF0\x9F\x98\x80z";  // a, e-acute, zhong, U+1F600, z
  const std::u16string utf16 = u"a\u00E9\u4E2D\U0001F600z";
  EXPECT_EQ(Utf8ToUtf16(utf8), utf16);
  EXPECT_EQ(Utf16ToUtf8(utf16), utf8);
  EXPECT_EQ(Utf8ToUtf16(""), u"");
  EXPECT_EQ(Utf16ToUtf8(u""), "");
  EXPECT_EQ(Utf8ToUtf16(std::string("a\0b", 3)), std::u16string(u"a\0b", 3));  // NUL kept
  EXPECT_EQ(Utf8ToUtf16("\xEF\xBF\xBF\xF4\x8F\xBF\xBF"), u"\uFFFF\U0010FFFF");
}

TEST(Utf16, MalformedUtf8GivesOneReplacementPerMaximalSubpart) {
  EXPECT_EQ(Utf8ToUtf16("\xE4\xB8" "A"), u"\uFFFDA");            // cut short
  EXPECT_EQ(Utf8ToUtf16("A\xF0\x9F\x98"), u"A\uFFFD");           // cut by the end
  EXPECT_EQ(Utf8ToUtf16("\x80\xBF"), u"\uFFFD\uFFFD");           // stray continuations
  EXPECT_EQ(Utf8ToUtf16("\xC0\xAF"), u"\uFFFD\uFFFD");           // overlong lead
  EXPECT_EQ(Utf8ToUtf16("\xE0\x80\x80"), u"\uFFFD\uFFFD\uFFFD");  // overlong three-byte
  EXPECT_EQ(Utf8ToUtf16("\xED\xA0\x80"), u"\uFFFD\uFFFD\uFFFD");  // encoded surrogate
  EXPECT_EQ(Utf8ToUtf16("\xF4\x90\x80\x80"), u"\uFFFD\uFFFD\uFFFD\uFFFD");  // above 10FFFF
  EXPECT_EQ(Utf8ToUtf16("\xF5\xFF"), u"\uFFFD\uFFFD");
  EXPECT_EQ(Utf8ToUtf16("\xE4\xB8\xE4\xB8\xAD"), u"\uFFFD\u4E2D");  // the next lead starts anew
}

TEST(Utf16, UnpairedSurrogatesBecomeReplacements) {
  EXPECT_EQ(Utf16ToUtf8(std::u16string{0xD800}), "\xEF\xBF\xBD");
  EXPECT_EQ(Utf16ToUtf8(std::u16string{0xDC00, 'a'}), "\xEF\xBF\xBD" "a");
  EXPECT_EQ(Utf16ToUtf8(std::u16string{0xDC00, 0xD800}), "\xEF\xBF\xBD\xEF\xBF\xBD");  // reversed
  EXPECT_EQ(Utf16ToUtf8(std::u16string{0xD83D, 0xDE00}), "\xF0\x9F\x98\x80");
}

// Any well-formed UTF-16 survives the trip through UTF-8, and what comes back
// from any bytes is well-formed UTF-16 that goes on round-tripping.
TEST(Utf16, RoundTripsOnRandomText) {
  std::mt19937 rng(5);
  for (int round = 0; round < 2000; ++round) {
    std::u16string text;
    const int n = rng() % 12;
    for (int i = 0; i < n; ++i) {
      char32_t c = rng() % 0x110000;
      if (c >= 0xD800 && c <= 0xDFFF) c = 0x41;
      if (c < 0x10000) {
        text += static_cast<char16_t>(c);
      } else {
        text += static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10));
        text += static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF));
      }
    }
    ASSERT_EQ(Utf8ToUtf16(Utf16ToUtf8(text)), text);
    std::string bytes;
    for (int i = 0; i < n; ++i) bytes += static_cast<char>(rng() & 0xFF);
    const std::u16string mended = Utf8ToUtf16(bytes);
    ASSERT_EQ(Utf8ToUtf16(Utf16ToUtf8(mended)), mended);
  }
}

}  // namespace
}  // namespace vellumo
