#include "app/textrows.h"

#include <gtest/gtest.h>

#include <random>

namespace vellumo {
namespace {

std::u16string InRows(const std::u16string& line, std::size_t longest) {
  std::u16string out;
  AppendInRows(out, line.data(), line.size(), longest);
  return out;
}

TEST(TextRows, LongLinesAreCutIntoRowsWithSoftBreaks) {
  EXPECT_EQ(InRows(u"abcd", 4), u"abcd");
  EXPECT_EQ(InRows(u"abcde", 4), u"abcd\r\r\ne");
  EXPECT_EQ(InRows(u"abcdefgh", 4), u"abcd\r\r\nefgh");  // no empty last row
  EXPECT_EQ(InRows(u"", 4), u"");
  std::u16string out = u"x\r\n";
  EXPECT_TRUE(AppendInRows(out, u"123456789", 9, 3));
  EXPECT_EQ(out, u"x\r\n123\r\r\n456\r\r\n789");
  EXPECT_FALSE(AppendInRows(out, u"12", 2, 3));
}

TEST(TextRows, SoftBreaksLeaveTheLinesAsTheyWere) {
  EXPECT_EQ(WithoutSoftBreaks(std::u16string(u"ab\r\r\ncd\r\nef\r\r\n")), u"abcd\r\nef");
  // Only the whole mark: CR LF, a lone CR and CR CR without LF stay.
  EXPECT_EQ(WithoutSoftBreaks(std::u16string(u"a\r\nb\rc\r\rd\r\r")), u"a\r\nb\rc\r\rd\r\r");
  EXPECT_EQ(WithoutSoftBreaks(std::u16string(u"\r\r\r\n")), u"\r");
  EXPECT_FALSE(HasSoftBreaks(std::u16string(u"a\r\nb\r\r")));
  EXPECT_TRUE(HasSoftBreaks(std::u16string(u"a\r\r\nb")));

  // Any text of lines without CR, cut and put back together, is the same text.
  std::mt19937 random(5);
  for (int round = 0; round < 300; ++round) {
    std::u16string text, shown;
    const std::size_t longest = 1 + random() % 8;
    for (int line = random() % 5; line > 0; --line) {
      std::u16string l(random() % 30, u'\0');
      static const char16_t kChars[] = {u'a', u'b', 0x4E2D, 0xDC81, u' '};
      for (char16_t& c : l) c = kChars[random() % 5];
      text += l + u"\r\n";
      AppendInRows(shown, l.data(), l.size(), longest);
      shown += u"\r\n";
    }
    ASSERT_EQ(WithoutSoftBreaks(shown), text);
    // Every row, before its soft break or line end, is at most longest.
    std::size_t row = 0;
    for (char16_t c : shown) {
      row = c == u'\r' || c == u'\n' ? 0 : row + 1;
      ASSERT_LE(row, longest);
    }
  }
}

// Bytes as a plain one-byte page: every byte its own character.
class BytesProbe : public ByteText::Probe {
 public:
  bool IsLeadByte(unsigned char) const override { return false; }
  char16_t RoundTrip(const unsigned char* s, int n) const override {
    return n == 1 && s[0] ? s[0] : 0;
  }
};

TEST(TextRows, BytesAreDecodedInRowsAndComeBackWhole) {
  static const ByteText mapping{BytesProbe()};
  std::u16string out;
  EXPECT_TRUE(DecodeInRows("abcdefg\r\nxy\r\n", mapping, out, 3));
  EXPECT_EQ(out, u"abc\r\r\ndef\r\r\ng\r\nxy\r\n");
  out.clear();
  EXPECT_FALSE(DecodeInRows("ab\r\n\ncd\r", mapping, out, 4));  // lone LF and CR stay
  EXPECT_EQ(out, u"ab\r\n\ncd\r");

  std::mt19937 random(9);
  for (int round = 0; round < 300; ++round) {
    // Any bytes but a CR right before CR LF, which the text box reads as a soft break.
    std::string bytes;
    for (int n = random() % 30; n > 0; --n) {
      static const char* const kPieces[] = {"a", "b", "\r\n", "\n", "\x01", "\rb"};
      bytes += kPieces[random() % 6];
    }
    std::u16string shown;
    DecodeInRows(bytes, mapping, shown, 1 + random() % 6);
    const std::u16string plain = WithoutSoftBreaks(shown);
    ASSERT_EQ(mapping.Encode(plain.data(), plain.size()), bytes);
  }
}

}  // namespace
}  // namespace vellumo
