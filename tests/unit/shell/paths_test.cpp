#include "shell/paths.h"

#include <gtest/gtest.h>

namespace vellumo {
namespace {

TEST(StripPath, KeepsTextAfterLastBackslash) {
  EXPECT_EQ(StripPath("C:\\a\\b.txt"), "b.txt");
  EXPECT_EQ(StripPath("b.txt"), "b.txt");
  EXPECT_EQ(StripPath("C:\\a\\"), "");
  EXPECT_EQ(StripPath(""), "");
  EXPECT_EQ(StripPath("\\\\server\\share\\x"), "x");
}

TEST(StripPath, OnlyBackslashSeparates) {
  EXPECT_EQ(StripPath("C:/a/b.txt"), "C:/a/b.txt");
  EXPECT_EQ(StripPath("C:b.txt"), "C:b.txt");
}

TEST(StripPath, KeepsMultibyteNames) {
  EXPECT_EQ(StripPath("C:\\文件\\한국어 파일.txt"), "한국어 파일.txt");
}

TEST(NotepadCommand, QuotesPathWithBlanks) {
  EXPECT_EQ(NotepadCommand("new.txt"), "notepad new.txt");
  EXPECT_EQ(NotepadCommand("C:\\My Files\\a.txt"), "notepad \"C:\\My Files\\a.txt\"");
  EXPECT_EQ(NotepadCommand("C:\\x\ty.txt"), "notepad \"C:\\x\ty.txt\"");
}

TEST(AssociationCommand, QuotesExecutableAndArgument) {
  EXPECT_EQ(AssociationCommand("C:\\Tools\\Runeview.exe"), "\"C:\\Tools\\Runeview.exe\" \"%1\"");
  EXPECT_EQ(AssociationCommand("C:\\Program Files\\V\\Runeview.exe"),
            "\"C:\\Program Files\\V\\Runeview.exe\" \"%1\"");
  EXPECT_EQ(VerbKeyPath("txtfile", "Runeview"), "txtfile\\shell\\Runeview");
}

TEST(CompanionFiles, NineInCheckOrder) {
  const auto& names = CompanionFiles();
  ASSERT_EQ(names.size(), 9u);
  EXPECT_EQ(names.front(), "dll\\U2A.dll");
  EXPECT_EQ(names[3], "language\\Chinese_about.dll");
  EXPECT_EQ(names.back(), "bk.gif");
}

}  // namespace
}  // namespace vellumo
