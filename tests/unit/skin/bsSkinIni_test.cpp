#include "skin/data/bsSkinIni.h"

#include <gtest/gtest.h>

namespace bs {
namespace {

TEST(SkinValues, Integers) {
  EXPECT_EQ(ParseInteger("42"), 42);
  EXPECT_EQ(ParseInteger("-12"), -12);
  EXPECT_EQ(ParseInteger("$1F"), 31);
  EXPECT_EQ(ParseInteger("0x1f"), 31);
  EXPECT_EQ(ParseInteger("$FFFFFFFF"), -1);
  EXPECT_EQ(ParseInteger("2147483647"), 2147483647);
  EXPECT_EQ(ParseInteger("-2147483648"), INT32_MIN);
  for (const char* bad : {"", "-", "$", "0x", "12a", "1 2", "2147483648", "$100000000", "true"})
    EXPECT_FALSE(ParseInteger(bad).has_value()) << bad;
}

TEST(SkinValues, PointsAndRectanglesKeepOnlyDigits) {
  EXPECT_EQ(ParsePoint("12,  34"), (Point{12, 34}));
  EXPECT_EQ(ParsePoint("-5,3"), (Point{5, 3}));
  EXPECT_EQ(ParseRect(" 13, 46 ,265,107"), (Rect{13, 46, 265, 107}));
  EXPECT_EQ(ParseRect("1,2,3,4,5"), (Rect{1, 2, 3, 4}));  // extra fields ignored
  for (const char* bad : {"12", "5,", "", ",3", "a,b"}) EXPECT_THROW(ParsePoint(bad), EConvertError) << bad;
  EXPECT_THROW(ParseRect("1,2,3"), EConvertError);
  EXPECT_THROW(ParseRect("1,2,,4"), EConvertError);
  EXPECT_THROW(ParsePoint("99999999999,1"), EConvertError);
}

TEST(SkinValues, EnumeratedTexts) {
  TFontStyles s = ParseFontStyle("fsbold,fsunderline");
  EXPECT_TRUE(s.Has(fsBold));
  EXPECT_TRUE(s.Has(fsUnderline));
  EXPECT_FALSE(s.Has(fsItalic));
  EXPECT_EQ(ParseFontStyle("").bits, 0u);
  EXPECT_EQ(ParseFontStyle("FSBOLD").bits, 0u);
  EXPECT_EQ(FontStyleToText(ParseFontStyle("fsstrikeout fsitalic fsbold")), "fsbold,fsitalic,fsstrikeout");

  EXPECT_EQ(ParseAlignment("tacenter"), TAlignment::taCenter);
  EXPECT_EQ(ParseAlignment("taleftjustify"), TAlignment::taLeftJustify);
  EXPECT_EQ(ParseAlignment("middle"), TAlignment::taRightJustify);
  EXPECT_EQ(ParseMorphKind("mkpush"), MorphKind::mkpush);
  EXPECT_EQ(ParseMorphKind("mkPush"), MorphKind::mkdefault);
  EXPECT_EQ(ParseEffect("ieinvert"), InactiveEffect::ieinvert);
  EXPECT_EQ(ParseEffect("blur"), InactiveEffect::iegrayscale);
  EXPECT_EQ(ParseCommand("cmrollup"), TbsStdCommand::cmRollUp);
  EXPECT_EQ(ParseCommand("cmminimizetotray"), TbsStdCommand::cmMinimizeToTray);
  EXPECT_EQ(ParseCommand("cmhelp"), TbsStdCommand::cmMinimizeToTray);
}

TEST(SkinIni, ReadingRules) {
  const TbsIniFile ini({"ignored=before any section", "  [Alpha]  ", " ; comment=1", "", "Key = a = b ",
                        "empty=", "key=second", "noequals", "[ beta ]", "x=1", "[ALPHA]", "more=yes"});
  EXPECT_EQ(ini.ReadString("alpha", "KEY", "d"), "a = b");  // first "=" splits, first duplicate wins
  EXPECT_EQ(ini.ReadString("Alpha", "empty", "d"), "");     // present but empty
  EXPECT_EQ(ini.ReadString("Alpha", "missing", "d"), "d");
  EXPECT_EQ(ini.ReadString("Alpha", "; comment", "d"), "d");
  EXPECT_EQ(ini.ReadString("Alpha", "ignored", "d"), "d");
  EXPECT_EQ(ini.ReadString("BETA", "x", ""), "1");
  EXPECT_EQ(ini.ReadString("alpha", "more", ""), "yes");  // a repeated section continues
  EXPECT_FALSE(ini.SectionExists("gamma"));
  EXPECT_EQ(ini.ReadInteger("alpha", "key", 7), 7);  // not an integer: the default
}

TEST(SkinIni, WriteEraseAndLists) {
  TbsIniFile ini;
  WriteList(ini, "PICTURES", "activepictures", {"a.bmp", "b.bmp"});
  ini.WriteString("pictures", "Picture", "main.bmp");
  ini.WriteString("PICTURES", "picture", "other.bmp");
  const TbsIniFile back(ini.ToLines());
  EXPECT_EQ(ReadList(back, "Pictures", "activepictures"), (std::vector<std::string>{"a.bmp", "b.bmp"}));
  EXPECT_EQ(back.ReadString("PICTURES", "picture", ""), "other.bmp");
  ini.EraseSection("Pictures");
  EXPECT_FALSE(ini.SectionExists("PICTURES"));

  // Absent entries read as empty texts; hostile counts are cut.
  const TbsIniFile gaps({"[s]", "lcount=3", "1=x"});
  EXPECT_EQ(ReadList(gaps, "s", "l"), (std::vector<std::string>{"", "x", ""}));
  const TbsIniFile huge({"[s]", "lcount=2147483647"});
  EXPECT_EQ(ReadList(huge, "s", "l").size(), static_cast<std::size_t>(kMaxListCount));
}

TEST(SkinIni, LinesSplitAtAnyEnd) {
  EXPECT_EQ(SplitLines("a\r\nb\nc\rd"), (std::vector<std::string>{"a", "b", "c", "d"}));
  EXPECT_EQ(SplitLines("a\r\n\r\n"), (std::vector<std::string>{"a", ""}));
  EXPECT_TRUE(SplitLines("").empty());
}

}  // namespace
}  // namespace bs
