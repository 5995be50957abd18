#include "app/bytetext.h"

#include <gtest/gtest.h>

#include <random>

namespace vellumo {
namespace {

// A small double-byte code page: ASCII except 0x00 and 0x7F; lead bytes
// 0x81-0xFE with trails 0x40-0x7E and 0x80-0xFE, of which the pairs with
// trail 0x40 stand for nothing; 0x80 alone is U+20AC; 0xA5 as a pair trail
// and 0xFF are never characters.
class ToyProbe : public ByteText::Probe {
 public:
  bool IsLeadByte(unsigned char b) const override { return b >= 0x81 && b <= 0xFE; }
  char16_t RoundTrip(const unsigned char* s, int n) const override {
    if (n == 1) {
      if (s[0] == 0x80) return 0x20AC;
      return s[0] >= 0x01 && s[0] < 0x7F ? s[0] : 0;
    }
    if (!IsLeadByte(s[0]) || s[1] < 0x41 || s[1] == 0x7F || s[1] == 0xFF || s[1] == 0xA5) return 0;
    return static_cast<char16_t>(0x4E00 + (s[0] - 0x81) * 192 + (s[1] - 0x40));
  }
};

const ByteText& Toy() {
  static ByteText mapping{ToyProbe()};
  return mapping;
}

std::u16string Decode(const std::string& bytes) {
  std::u16string text;
  Toy().Decode(bytes.data(), bytes.size(), text);
  return text;
}

std::string Encode(const std::u16string& text) { return Toy().Encode(text.data(), text.size()); }

TEST(ByteText, CharactersOfTheCodePageBecomeText) {
  EXPECT_EQ(Decode("Ab\x81\x41\x80"), u"Ab\u4E01\u20AC");
  EXPECT_EQ(Encode(u"Ab\u4E01\u20AC"), "Ab\x81\x41\x80");
}

TEST(ByteText, BytesThatAreNoCharacterBecomePlaceholdersAndComeBack) {
  // NUL, DEL, 0xFF, a pair with a bad trail, a lead byte at the end.
  std::string bytes("\x00\x7F\xFF\x81\x40\x81\xFFz\x82", 9);
  std::u16string text = Decode(bytes);
  EXPECT_EQ(text, (std::u16string{0xDC00, 0xDC7F, 0xDCFF, 0xDC81, u'@', 0xDC81, 0xDCFF, u'z',
                                  0xDC82}));
  EXPECT_EQ(Encode(text), bytes);
}

TEST(ByteText, EveryByteStringSurvivesAndEditsElsewhereKeepIt) {
  std::mt19937 random(7);
  for (int round = 0; round < 200; ++round) {
    std::string bytes(random() % 64, '\0');
    for (char& b : bytes) b = static_cast<char>(random() % 256);
    std::u16string text = Decode(bytes);
    ASSERT_EQ(Encode(text), bytes);
    ASSERT_EQ(Toy().ByteLength(text.data(), text.size()), bytes.size());
    // Text typed in front keeps the rest byte for byte.
    std::u16string edited = u"\u4E01x" + text;
    ASSERT_EQ(Encode(edited), "\x81\x41x" + bytes);
  }
}

TEST(ByteText, CharactersTheCodePageLacksAreWrittenAsQuestionMarks) {
  EXPECT_EQ(Encode(u"a\u00E9b"), "a?b");
  EXPECT_EQ(Encode(u"\U0001F600!"), "?!");   // one mark for a surrogate pair
  EXPECT_EQ(Encode(std::u16string{0xD800}), "?");  // a lone high surrogate
  EXPECT_EQ(Toy().ByteLength(u"a\u00E9\U0001F600", 4), 3u);
}

TEST(ByteText, TypedTextIsShownAsItWillBeSaved) {
  auto asSaved = [](const std::u16string& t) { return Toy().AsSaved(t.data(), t.size()); };
  // Kept: characters of the code page, line ends, placeholders (their byte).
  const std::u16string kept = {u'a', 0x4E01, 0x20AC, u'\r', u'\n', u'\t', 0xDC81, u'?'};
  EXPECT_EQ(asSaved(kept), kept);
  // Lacking: one "?" each, one for a surrogate pair, one for a lone surrogate.
  EXPECT_EQ(asSaved(u"\u00E9x\U0001F600y"), u"?x?y");
  EXPECT_EQ(asSaved(std::u16string{0xD800, u'z', 0xDE00}), u"?z?");
  // What is shown is what Save As writes, whatever was typed.
  std::mt19937 random(11);
  for (int round = 0; round < 200; ++round) {
    std::u16string typed(random() % 16, u'\0');
    for (char16_t& c : typed) c = static_cast<char16_t>(random() % 0x10000);
    const std::u16string shown = asSaved(typed);
    ASSERT_EQ(Encode(shown), Encode(typed));
    ASSERT_EQ(asSaved(shown), shown);
  }
  EXPECT_TRUE(Toy().Holds(0x4E01));
  EXPECT_FALSE(Toy().Holds(0x00E9));
  EXPECT_FALSE(Toy().Holds(0xDC81));
}

}  // namespace
}  // namespace vellumo
