// Which page a file is: the scanning rule, the counts of each reading, and the
// ranking of real text in each page through the shipped tables.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "convert/fileio.h"
#include "convert/pagefit.h"
#include "convert/utf16.h"
#include "support.h"

namespace vellumo {
namespace {

namespace fs = std::filesystem;

const std::string kTables = VELLUMO_SOURCE_DIR "/companion/files/dll/";

// The four shipped tables, loaded once.
const CodeTableData* const* Tables() {
  static CodeTableData data[4];
  static const CodeTableData* tables[4] = {};
  if (!tables[0]) {
    const char* names[] = {"Gb2312.dll", "KOREAN.dll", "JIS.DLL", "BIG5.DLL"};
    for (int k = 0; k < 4; ++k) {
      EXPECT_TRUE(LoadCodeTable(PathFromUtf8(kTables + names[k]), data[k])) << names[k];
      tables[k] = &data[k];
    }
  }
  return tables;
}

// UTF-8 text in the bytes of a page, through its own table.
std::string Encode(const std::string& utf8, int page) {
  std::string bytes;
  for (char16_t u : Utf8ToUtf16(utf8)) {
    const std::string b = u == '\n' ? "\n" : LookupCode(testing::UnitKey(u), Tables()[page]);
    EXPECT_NE(b, "**") << "page " << page << " lacks U+" << testing::UnitKey(u);
    bytes += b;
  }
  return bytes;
}

class RankFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("vellumo-rank-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::vector<PageCandidate> Rank(const std::string& bytes, int current = 0) {
    std::ofstream(dir_ / "f.txt", std::ios::binary) << bytes;
    return RankPages(dir_ / "f.txt", Tables(), current);
  }
  std::vector<int> Order(const std::string& bytes, int current = 0) {
    std::vector<int> pages;
    for (const PageCandidate& c : Rank(bytes, current)) pages.push_back(c.page);
    return pages;
  }
  fs::path dir_;
};

const char kSimplified[] =
    "今天天气很好，我们一起去公园散步吧。\n"
    "这个程序可以正确显示中文文本，也能保存文件。\n"
    "如果你有问题，请随时告诉我。\n";
const char kTraditional[] =
    "今天天氣很好，我們一起去公園散步吧。\n"
    "這個程式可以正確顯示中文文字，也能儲存檔案。\n"
    "如果你有問題，請隨時告訴我。\n";
const char kJapanese[] =
    "今日はとても良い天気ですね。\n"
    "このプログラムは日本語の文字を正しく表示します。\n"
    "何か質問があれば、いつでも聞いてください。\n";
const char kKorean[] =
    "오늘은 날씨가 정말 좋습니다.\n"
    "이 프로그램은 한국어 문자를 올바르게 표시합니다.\n"
    "궁금한 점이 있으면 언제든지 물어보세요.\n";

TEST_F(RankFiles, EachPageFirstOnItsOwnText) {
  EXPECT_EQ(Order(Encode(kSimplified, 0))[0], 0);
  EXPECT_EQ(Order(Encode(kKorean, 1))[0], 1);
  EXPECT_EQ(Order(Encode(kJapanese, 2))[0], 2);
  EXPECT_EQ(Order(Encode(kTraditional, 3))[0], 3);
  for (int current : {0, 1}) EXPECT_EQ(Order(kSimplified, current)[0], -1) << current;
  EXPECT_EQ(Order(kKorean, 1)[0], -1);
}

TEST_F(RankFiles, EachPageFirstOnThirtyBytes) {
  const std::string files[] = {Encode("今天天气很好，我们一起去公园散", 0),
                               Encode("날씨가 좋아요. 정말 감사합니다", 1),
                               Encode("今日は、とても良い天気ですね！", 2),
                               Encode("今天天氣很好，我們一起去公園散", 3), "我们一起去公园散步吧"};
  const int expected[] = {0, 1, 2, 3, -1};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(files[i].size(), 30u) << i;
    EXPECT_EQ(Order(files[i])[0], expected[i]) << i;
  }
}

TEST_F(RankFiles, WhatEachReadingCounts) {
  const std::vector<PageCandidate> ranked = Rank(Encode(kSimplified, 0));
  ASSERT_EQ(ranked.size(), 5u);
  EXPECT_EQ(ranked[0].invalid, 0u);
  EXPECT_EQ(ranked[0].unshown, 0u);
  std::string shown;
  for (char c : Encode(kSimplified, 0)) c == '\n' ? shown += "\r\n" : shown += c;
  EXPECT_EQ(ranked[0].preview, shown);
  const PageCandidate& utf8 = *std::find_if(ranked.begin(), ranked.end(),
                                            [](const PageCandidate& c) { return c.page == -1; });
  EXPECT_GT(utf8.invalid, 20u);
  // A signature: the four pages, each the file converted through its table.
  const std::vector<PageCandidate> signed8 = Rank("\xEF\xBB\xBF" + std::string(kSimplified), 3);
  ASSERT_EQ(signed8.size(), 4u);
  EXPECT_EQ(signed8[0].page, 0);
  EXPECT_EQ(signed8[0].unshown, 0u);
  EXPECT_EQ(signed8[0].preview, ranked[0].preview);
  EXPECT_GT(signed8[3].unshown, 0u);
  std::string utf16 = "\xFF\xFE";
  for (char16_t u : Utf8ToUtf16(kKorean)) utf16 += {char(u & 0xFF), char(u >> 8)};
  const std::vector<PageCandidate> signed16 = Rank(utf16);
  EXPECT_EQ(signed16[0].page, 1);
  EXPECT_EQ(signed16[0].unshown, 0u);
  EXPECT_EQ(signed16[0].invalid, 0u);
}

TEST_F(RankFiles, PreviewIsTheFirstScreenful) {
  std::string text;
  for (int i = 0; i < 30; ++i) text += "line " + std::to_string(i) + "\r\n";
  const std::vector<PageCandidate> ranked = Rank(text);
  EXPECT_EQ(ranked[0].page, 0);  // plain ASCII: the current page
  EXPECT_EQ(std::count(ranked[0].preview.begin(), ranked[0].preview.end(), '\n'), 20);
  EXPECT_EQ(ranked[0].preview.substr(0, 16), "line 0\r\nline 1\r\n");
  // A long line is cut after 4 KiB on a whole character: B0 B0 is a GBK one.
  for (const PageCandidate& c : Rank("a" + std::string(5000, '\xB0') + "\n"))
    if (c.page == 0) EXPECT_EQ(c.preview, "a" + std::string(4094, '\xB0') + "\r\n");
  EXPECT_THROW(RankPages(dir_ / "missing.txt", Tables(), 0), LoadError);
}

// The scanning rule on a small page: A, lead 81 with trails 40 and 41.
TEST(PageScan, LeadsTrailsAndLoneBytes) {
  const CodeTableData table = ParseCodeTable(testing::TableLine(0x41, "A") + "\n" +
                                             testing::TableLine(0x4E00, "\x81\x40") + "\n" +
                                             testing::TableLine(0x4E01, "\x82\x41") + "\n" +
                                             testing::TableLine(0x00C0, "\xC0"));
  const CodeTableData* tables[4] = {&table, nullptr, nullptr, nullptr};
  PageFitScanner scanner(tables);
  auto scan = [&](const std::string& text) {
    scanner.Reset(SourceKind::Ansi);
    scanner.Feed(text.data(), text.size());
    scanner.Finish();
    return scanner.AsPage(0);
  };
  EXPECT_EQ(scan("A\x81\x40\xC0").invalid, 0u);
  EXPECT_EQ(scan("A\x81\x40\xC0").characters, 2u);  // beyond ASCII
  EXPECT_EQ(scan("\x81\x41").invalid, 1u);          // a trail of the page: one sequence
  EXPECT_EQ(scan("\x81\xC0").invalid, 1u);          // a bad trail: the lead alone, C0 read afresh
  EXPECT_EQ(scan("\x81\xC0").characters, 1u);
  EXPECT_EQ(scan("\x81\nA\x82").invalid, 2u);       // leads last in their lines
  EXPECT_EQ(scan("\x81\r\x40").invalid, 0u);        // CR is dropped between them
  EXPECT_EQ(scan("B\x90\x1A\x90").invalid, 2u);     // neither; nothing after 1A
  EXPECT_EQ(scanner.AsPage(1).invalid, 2u);         // no table: no character at all
  // As UTF-8 through the page's table: malformed subparts and what it lacks.
  const std::string utf8 = "A\xE4\xB8\x80\xE4\xB8" "A\xC3\x80\xF0\x9F\x98\x80";
  scanner.Reset(SourceKind::Ansi);
  scanner.Feed(utf8.data(), utf8.size());
  scanner.Finish();
  EXPECT_EQ(scanner.Converted(0).invalid, 1u);
  EXPECT_EQ(scanner.Converted(0).unshown, 1u);  // the four-byte character
  EXPECT_EQ(scanner.Converted(0).characters, 3u);
}

}  // namespace
}  // namespace vellumo
