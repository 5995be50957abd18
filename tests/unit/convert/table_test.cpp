// The table file format, LookupCode and LoadCodeTable from disk.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>

#include "app/programstate.h"
#include "convert/convert.h"
#include "support.h"

namespace vellumo {
namespace {

using testing::ReferenceLookup;
using testing::ScopedTable;
using testing::TableLine;

std::vector<std::string> Lines(const std::string& file) { return ParseCodeTable(file).lines; }

TEST(TableFormat, LineEndsAndNul) {
  using V = std::vector<std::string>;
  EXPECT_EQ(Lines("a\rb\nc\r\nd"), (V{"a", "b", "c", "d"}));
  EXPECT_EQ(Lines("a\r\n"), (V{"a"}));
  EXPECT_EQ(Lines("a\n\rb"), (V{"a", "", "b"}));  // LF then CR: an empty line between
  EXPECT_EQ(Lines("a\n\nb\n"), (V{"a", "", "b"}));
  EXPECT_EQ(Lines("\r\n"), (V{""}));
  EXPECT_EQ(Lines(""), V{});
  EXPECT_EQ(Lines(std::string("a\nb\0c\nd", 7)), (V{"a", "b"}));
  EXPECT_EQ(Lines(std::string("\0a", 2)), V{});
}

TEST(TableFormat, CommentsGoEmptyLinesStay) {
  using V = std::vector<std::string>;
  EXPECT_EQ(Lines("#one\n#two\nx\n\n#last"), (V{"x", ""}));
  EXPECT_EQ(Lines(" #x\n#\n"), (V{" #x"}));
}

TEST(TableFormat, SameLinesWhateverTheLineEnd) {
  const std::string body[] = {"# header", TableLine(0x41, "A"), TableLine(0x4E2D, "\xD6\xD0"), ""};
  std::vector<std::string> expected;
  for (const char* eol : {"\r", "\n", "\r\n"}) {
    std::string file;
    for (const auto& l : body) file += l + eol;
    auto lines = Lines(file);
    if (expected.empty()) expected = lines;
    EXPECT_EQ(lines, expected) << "line end " << int(eol[0]);
  }
  EXPECT_EQ(expected.size(), 3u);
}

TEST(Lookup, FirstLineWinsAndSingleBytes) {
  ScopedTable table(TableLine(0x4E2D, "\xD6\xD0") + "\n" + TableLine(0x4E2D, "XY") + "\n" +
                    TableLine(0x0041, "A") + "\n" + "   0020 0020\n" + "*A 0000 1234\n");
  EXPECT_EQ(LookupCode("4E2D"), "\xD6\xD0");
  EXPECT_EQ(LookupCode("0041"), "A");
  EXPECT_EQ(LookupCode("0020"), " ");  // two spaces give one space
  EXPECT_EQ(LookupCode("1234"), "*A");
  EXPECT_EQ(LookupCode("0042"), "**");
  EXPECT_EQ(LookupCode("4E2"), "**");
  EXPECT_EQ(LookupCode("04E2D"), "**");
  EXPECT_EQ(LookupCode(""), "**");
}

TEST(Lookup, ShortAndLowerCaseLinesNeverMatch) {
  ScopedTable table("\xD6\xD0 D6D0 4e2d\n" "AB 0000 123\n" "CD 0000 ABCD\n" "EF 0000 zz!?\n");
  EXPECT_EQ(LookupCode("4E2D"), "**");
  EXPECT_EQ(LookupCode("4e2d"), "\xD6\xD0");  // keys match byte for byte
  EXPECT_EQ(LookupCode("0123"), "**");
  EXPECT_EQ(LookupCode("123"), "**");
  EXPECT_EQ(LookupCode("ABCD"), "CD");
  EXPECT_EQ(LookupCode("zz!?"), "EF");
}

TEST(Lookup, NotLoadedGivesStarsEvenForKnownKeys) {
  ScopedTable table(TableLine(0x41, "A"), /*loaded=*/false);
  EXPECT_EQ(LookupCode("0041"), "**");
}

// The index answers exactly as a scan of the lines from the top would.
TEST(Lookup, IndexEqualsLinearScan) {
  std::mt19937 rng(7);
  const char alphabet[] = "0123456789ABCDEFabcdef #\r\n\x80\xFF";
  for (int round = 0; round < 200; ++round) {
    std::string file;
    const int n = rng() % 200;
    for (int i = 0; i < n; ++i) file += alphabet[rng() % (sizeof alphabet - 1)];
    ScopedTable table(file);
    for (int i = 0; i < 200; ++i) {
      std::string key;
      const int len = 3 + rng() % 3;
      for (int k = 0; k < len; ++k) key += alphabet[rng() % 16];
      if (rng() % 4 == 0 && !CodeTable.lines.empty()) {
        const std::string& l = CodeTable.lines[rng() % CodeTable.lines.size()];
        if (l.size() >= 12) key = l.substr(8, 4);
      }
      ASSERT_EQ(LookupCode(key), ReferenceLookup(CodeTable.lines, true, key)) << key;
    }
  }
}

class TableFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           ("vellumo-table-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
            "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(dir_ / "dll");
    ProgramDir = dir_.string() + "/";
  }
  void TearDown() override {
    std::filesystem::remove_all(dir_);
    ProgramDir.clear();
    CodeTable.Clear();
    TableLoaded = false;
    CurrentCodeType = 0;
  }
  void Write(const std::string& name, const std::string& bytes) {
    std::ofstream(dir_ / "dll" / name, std::ios::binary) << bytes;
  }
  std::filesystem::path dir_;
};

TEST_F(TableFiles, NamesFollowTheCodeType) {
  EXPECT_EQ(CodeTableFileName(0), ProgramDir + "dll\\Gb2312.dll");
  EXPECT_EQ(CodeTableFileName(1), ProgramDir + "dll\\KOREAN.dll");
  EXPECT_EQ(CodeTableFileName(2), ProgramDir + "dll\\JIS.DLL");
  EXPECT_EQ(CodeTableFileName(3), ProgramDir + "dll\\BIG5.DLL");
  EXPECT_EQ(CodeTableFileName(4), "");
}

TEST_F(TableFiles, LoadsAndReplaces) {
  Write("Gb2312.dll", "# gb\r\n" + TableLine(0x4E2D, "\xD6\xD0") + "\r\n");
  Write("BIG5.DLL", TableLine(0x4E2D, "\xA4\xA4") + "\n");
  CurrentCodeType = 0;
  EXPECT_TRUE(LoadCodeTable());
  EXPECT_TRUE(TableLoaded);
  EXPECT_EQ(CodeTable.lines.size(), 1u);
  EXPECT_EQ(LookupCode("4E2D"), "\xD6\xD0");
  CurrentCodeType = 3;
  EXPECT_TRUE(LoadCodeTable());
  EXPECT_EQ(LookupCode("4E2D"), "\xA4\xA4");
}

TEST_F(TableFiles, MissingTableFailsSilentlyAndEmpties) {
  Write("Gb2312.dll", TableLine(0x4E2D, "\xD6\xD0") + "\n");
  CurrentCodeType = 0;
  ASSERT_TRUE(LoadCodeTable());
  CurrentCodeType = 1;  // no KOREAN.dll
  EXPECT_FALSE(LoadCodeTable());
  EXPECT_FALSE(TableLoaded);
  EXPECT_TRUE(CodeTable.lines.empty());
  EXPECT_EQ(LookupCode("4E2D"), "**");
  CurrentCodeType = 9;  // no file name at all
  EXPECT_FALSE(LoadCodeTable());
  std::filesystem::create_directories(dir_ / "dll" / "JIS.DLL");  // a folder, not a file
  CurrentCodeType = 2;
  EXPECT_FALSE(LoadCodeTable());
  CurrentCodeType = 0;  // a table that opens restores the conversion
  EXPECT_TRUE(LoadCodeTable());
  EXPECT_EQ(LookupCode("4E2D"), "\xD6\xD0");
}

}  // namespace
}  // namespace vellumo
