#include "app/cmdline.h"

#include <gtest/gtest.h>

namespace vellumo {
namespace {

std::u16string Arg(const char16_t* line, int index) { return CommandLineArgument(line, index); }

TEST(CommandLine, BlanksAndControlCharactersSeparate) {
  EXPECT_EQ(Arg(u"prog a.txt b.txt", 1), u"a.txt");
  EXPECT_EQ(Arg(u"prog\ta.txt\x01" u"b.txt", 2), u"b.txt");
  EXPECT_EQ(Arg(u"prog  ", 1), u"");
  EXPECT_EQ(Arg(u"prog", 1), u"");
}

TEST(CommandLine, QuotesKeepBlanksAndAreDropped) {
  EXPECT_EQ(Arg(u"\"C:\\my prog\\x.exe\" \"C:\\my docs\\a b.txt\"", 1), u"C:\\my docs\\a b.txt");
  EXPECT_EQ(Arg(u"\"C:\\my prog\\x.exe\" \"C:\\my docs\\a b.txt\"", 0), u"C:\\my prog\\x.exe");
  EXPECT_EQ(Arg(u"prog C:\\my\" docs\"\\a.txt", 1), u"C:\\my docs\\a.txt");
  EXPECT_EQ(Arg(u"prog \"open", 1), u"open");
}

TEST(CommandLine, UnquotedPathIsCutAtItsFirstBlank) {
  EXPECT_EQ(Arg(u"prog C:\\my docs\\a b.txt", 1), u"C:\\my");
}

TEST(CommandLine, EmptyQuotePairsBetweenArgumentsAreSkipped) {
  EXPECT_EQ(Arg(u"prog \"\" a.txt", 1), u"a.txt");
  EXPECT_EQ(Arg(u"prog \"\"\"\" a.txt", 1), u"a.txt");
  EXPECT_EQ(Arg(u"prog a\"\"b", 1), u"ab");
}

}  // namespace
}  // namespace vellumo
