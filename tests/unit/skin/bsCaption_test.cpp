#include "skin/frame/bsCaption.h"

#include <gtest/gtest.h>

namespace bs {
namespace {

// Every code unit is 10 wide, "." 3 wide; a half character (a lone
// surrogate or a lone lead byte) measures 1000 so that one would show.
int Width16(const std::u16string& s) {
  int w = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const char16_t c = s[i];
    if (c >= 0xD800 && c <= 0xDBFF) {
      w += i + 1 < s.size() ? 10 : 1000;
      ++i;
    } else {
      w += c == u'.' ? 3 : 10;
    }
  }
  return w;
}

int WidthGbk(const std::string& s) {
  int w = 0;
  for (std::size_t i = 0; i < s.size(); ++i) {
    const unsigned char b = static_cast<unsigned char>(s[i]);
    if (IsGbkLeadByte(b)) {
      w += i + 1 < s.size() ? 20 : 1000;
      ++i;
    } else {
      w += b == '.' ? 3 : 10;
    }
  }
  return w;
}

TEST(Caption, ShortenedWithDotsByWholeCharacters) {
  const std::u16string text = u"About Vellumo";  // 130 wide
  EXPECT_EQ(ShortenCaption(text, 130, Width16), text);
  EXPECT_EQ(ShortenCaption(text, 129, Width16), u"About Vellum...");  // 120 + 9
  EXPECT_EQ(ShortenCaption(text, 128, Width16), u"About Vellu...");
  EXPECT_EQ(ShortenCaption(text, 60, Width16), u"About...");
  EXPECT_EQ(ShortenCaption(text, 19, Width16), u"A...");
  EXPECT_EQ(ShortenCaption(text, 18, Width16), u"...");  // not one character fits
  EXPECT_EQ(ShortenCaption(text, 0, Width16), u"...");
  EXPECT_EQ(ShortenCaption(u"", 0, Width16), u"");
}

TEST(Caption, NeverHalfASurrogatePairOrDoubleByteCharacter) {
  // "ab" then U+1F600 twice: cutting inside a pair would measure 1000.
  const std::u16string text = u"ab\U0001F600\U0001F600";
  EXPECT_EQ(CharStarts(text), (std::vector<std::size_t>{0, 1, 2, 4}));
  for (int width = 0; width < 40; ++width) {
    const std::u16string s = ShortenCaption(text, width, Width16);
    EXPECT_LE(Width16(s), std::max(width, 9)) << width;
  }
  EXPECT_EQ(ShortenCaption(text, 39, Width16), u"ab\U0001F600...");
  // A lone surrogate is a character of its own.
  EXPECT_EQ(CharStarts(u"\xD800x"), (std::vector<std::size_t>{0, 1}));

  // GBK: "关于" (two double-byte characters) then "ab".
  const std::string gbk = "\xB9\xD8\xD3\xDA" "ab";
  EXPECT_EQ(CharStarts(gbk, IsGbkLeadByte), (std::vector<std::size_t>{0, 2, 4, 5}));
  for (int width = 0; width < 60; ++width) {
    const std::string s = ShortenCaption(gbk, width, WidthGbk);
    EXPECT_LE(WidthGbk(s), std::max(width, 9)) << width;
  }
  EXPECT_EQ(ShortenCaption(gbk, 38, WidthGbk), "\xB9\xD8...");
  EXPECT_EQ(ShortenCaption(gbk, 49, WidthGbk), "\xB9\xD8\xD3\xDA...");
  // A trail byte that is itself a lead byte value stays with its lead.
  EXPECT_EQ(CharStarts("\x81\x81\x81", IsGbkLeadByte), (std::vector<std::size_t>{0, 2}));
}

TEST(Caption, TextRectangleWidensWithTheObject) {
  // The About skin's caption: a 90 x 19 text rectangle.
  const Rect skinrect{30, 6, 240, 25}, textrect{4, 0, 94, 19};
  EXPECT_EQ(CaptionTextRect(textrect, skinrect, skinrect), (Rect{34, 6, 124, 25}));
  const Rect wider{30, 6, 340, 25};
  EXPECT_EQ(CaptionTextRect(textrect, wider, skinrect), (Rect{34, 6, 224, 25}));
}

TEST(Caption, PlacedByAlignmentWithItsShadow) {
  const Rect r{34, 6, 124, 25};  // 90 x 19
  const Size text{41, 16};
  const CaptionTextPlace left = PlaceCaptionText(r, text, TAlignment::taLeftJustify);
  EXPECT_EQ(left.text, (Point{34, 7}));  // 6 + 9 - 8
  EXPECT_EQ(left.shadow, (Point{35, 8}));
  EXPECT_EQ(PlaceCaptionText(r, text, TAlignment::taRightJustify).text, (Point{83, 7}));
  EXPECT_EQ(PlaceCaptionText(r, text, TAlignment::taCenter).text, (Point{59, 7}));  // 34 + 45 - 20
}

}  // namespace
}  // namespace bs
