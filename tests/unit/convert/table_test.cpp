// The table file format, LookupCode and LoadCodeTable from disk.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>

#include "app/displaycodepage.h"
#include "convert/convert.h"
#include "convert/fileio.h"
#include "support.h"

namespace vellumo {
namespace {

using testing::ReferenceLookup;
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
  const CodeTableData table =
      ParseCodeTable(TableLine(0x4E2D, "\xD6\xD0") + "\n" + TableLine(0x4E2D, "XY") + "\n" +
                     TableLine(0x0041, "A") + "\n" + "   0020 0020\n" + "*A 0000 1234\n");
  EXPECT_EQ(LookupCode("4E2D", &table), "\xD6\xD0");
  EXPECT_EQ(LookupCode("0041", &table), "A");
  EXPECT_EQ(LookupCode("0020", &table), " ");  // two spaces give one space
  EXPECT_EQ(LookupCode("1234", &table), "*A");
  EXPECT_EQ(LookupCode("0042", &table), "**");
  EXPECT_EQ(LookupCode("4E2", &table), "**");
  EXPECT_EQ(LookupCode("04E2D", &table), "**");
  EXPECT_EQ(LookupCode("", &table), "**");
}

TEST(Lookup, ShortAndLowerCaseLinesNeverMatch) {
  const CodeTableData table = ParseCodeTable(
      "\xD6\xD0 D6D0 4e2d\n" "AB 0000 123\n" "CD 0000 ABCD\n" "EF 0000 zz!?\n");
  EXPECT_EQ(LookupCode("4E2D", &table), "**");
  EXPECT_EQ(LookupCode("4e2d", &table), "\xD6\xD0");  // keys match byte for byte
  EXPECT_EQ(LookupCode("0123", &table), "**");
  EXPECT_EQ(LookupCode("123", &table), "**");
  EXPECT_EQ(LookupCode("ABCD", &table), "CD");
  EXPECT_EQ(LookupCode("zz!?", &table), "EF");
}

TEST(Lookup, NotLoadedGivesStarsEvenForKnownKeys) {
  const CodeTableData table = ParseCodeTable(TableLine(0x41, "A"));
  EXPECT_EQ(LookupCode("0041", &table), "A");
  EXPECT_EQ(LookupCode("0041", nullptr), "**");  // none loaded
}

// The index answers exactly as a scan of the lines from the top would.
TEST(Lookup, IndexEqualsLinearScan) {
  std::mt19937 rng(7);
  const char alphabet[] = "0123456789ABCDEFabcdef #\r\n\x80\xFF";
  for (int round = 0; round < 200; ++round) {
    std::string file;
    const int n = rng() % 200;
    for (int i = 0; i < n; ++i) file += alphabet[rng() % (sizeof alphabet - 1)];
    const CodeTableData table = ParseCodeTable(file);
    for (int i = 0; i < 200; ++i) {
      std::string key;
      const int len = 3 + rng() % 3;
      for (int k = 0; k < len; ++k) key += alphabet[rng() % 16];
      if (rng() % 4 == 0 && !table.lines.empty()) {
        const std::string& l = table.lines[rng() % table.lines.size()];
        if (l.size() >= 12) key = l.substr(8, 4);
      }
      ASSERT_EQ(LookupCode(key, &table), ReferenceLookup(table.lines, true, key)) << key;
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
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  void Write(const std::string& name, const std::string& bytes) {
    std::ofstream(dir_ / "dll" / name, std::ios::binary) << bytes;
  }
  // Loads the table file of codeType from the folder, as the program does.
  bool Load(CodeType codeType) {
    return LoadCodeTable(PathFromUtf8(PathToUtf8(dir_) + "/" + DisplayCodePageOf(codeType).tableFile),
                         table_);
  }
  std::filesystem::path dir_;
  CodeTableData table_;
};

TEST_F(TableFiles, NamesFollowTheCodeType) {
  EXPECT_STREQ(DisplayCodePageOf(CodeType::Gb2312).tableFile, "dll\\Gb2312.dll");
  EXPECT_STREQ(DisplayCodePageOf(CodeType::Korean).tableFile, "dll\\KOREAN.dll");
  EXPECT_STREQ(DisplayCodePageOf(CodeType::Japanese).tableFile, "dll\\JIS.DLL");
  EXPECT_STREQ(DisplayCodePageOf(CodeType::Big5).tableFile, "dll\\BIG5.DLL");
  // A value outside the enumeration reads the GB2312 row.
  EXPECT_STREQ(DisplayCodePageOf(static_cast<CodeType>(4)).tableFile, "dll\\Gb2312.dll");
}

TEST_F(TableFiles, LoadsAndReplaces) {
  Write("Gb2312.dll", "# gb\r\n" + TableLine(0x4E2D, "\xD6\xD0") + "\r\n");
  Write("BIG5.DLL", TableLine(0x4E2D, "\xA4\xA4") + "\n");
  EXPECT_TRUE(Load(CodeType::Gb2312));
  EXPECT_EQ(table_.lines.size(), 1u);
  EXPECT_EQ(LookupCode("4E2D", &table_), "\xD6\xD0");
  EXPECT_TRUE(Load(CodeType::Big5));
  EXPECT_EQ(table_.lines.size(), 1u);
  EXPECT_EQ(LookupCode("4E2D", &table_), "\xA4\xA4");
}

TEST_F(TableFiles, MissingTableFailsSilentlyAndEmpties) {
  Write("Gb2312.dll", TableLine(0x4E2D, "\xD6\xD0") + "\n");
  ASSERT_TRUE(Load(CodeType::Gb2312));
  EXPECT_FALSE(Load(CodeType::Korean));  // no KOREAN.dll
  EXPECT_TRUE(table_.lines.empty());
  EXPECT_TRUE(table_.units.empty());
  EXPECT_EQ(LookupCode("4E2D", &table_), "**");  // even if passed as loaded
  EXPECT_FALSE(LoadCodeTable(std::filesystem::path(), table_));  // no file name at all
  std::filesystem::create_directories(dir_ / "dll" / "JIS.DLL");  // a folder, not a file
  EXPECT_FALSE(Load(CodeType::Japanese));
  EXPECT_TRUE(Load(CodeType::Gb2312));  // a table that opens restores the conversion
  EXPECT_EQ(LookupCode("4E2D", &table_), "\xD6\xD0");
}

}  // namespace
}  // namespace vellumo
