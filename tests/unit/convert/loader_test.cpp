// The line rules, the kind of a file, the first-line rules and load failures.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

#include "convert/convert.h"
#include "convert/linerule.h"
#include "convert/loader.h"
#include "tests/support/pipeline.h"
#include "support.h"

namespace vellumo {
namespace {

using testing::ReferenceLines;
using testing::SmallTable;
using V = std::vector<std::string>;

template <class Cutter = LineCutter>
V Cut(const std::string& text, std::size_t piece = 0) {
  return testing::CutInPieces<Cutter>(text, piece);
}

V Convert(const std::string& text, const CodeTableData& table, SourceKind* kind = nullptr) {
  V lines;
  const LoadResult r = ConvertTextTo(text, &table, [&](const char* l, std::size_t n) { lines.emplace_back(l, n); });
  if (kind) *kind = r.kind;
  return lines;
}

std::string Bytes(const char16_t* units) {
  std::string s;
  for (; *units; ++units) s += {char(*units & 0xFF), char(*units >> 8)};
  return s;
}

TEST(LineRule, Cases) {
  EXPECT_EQ(Cut("A\r\nB"), (V{"A", "B"}));
  EXPECT_EQ(Cut("A\nB"), (V{"A", "B"}));
  EXPECT_EQ(Cut("A\rB\n"), (V{"AB"}));
  EXPECT_EQ(Cut("A\n\r"), (V{"A", ""}));
  EXPECT_EQ(Cut(""), V{});
  EXPECT_EQ(Cut("\n"), (V{""}));
  EXPECT_EQ(Cut("\r"), (V{""}));
  EXPECT_EQ(Cut("A\rB\rC"), (V{"ABC"}));  // CR-only line ends: one line
  EXPECT_EQ(Cut("A\nB\x1A" "C\nD"), (V{"A", "B"}));
  EXPECT_EQ(Cut("A\n\x1A" "B"), (V{"A"}));
  EXPECT_EQ(Cut(std::string(300, 'x') + "\n"), (V{std::string(300, 'x')}));
  EXPECT_EQ(Cut(std::string("a\0b\n", 4)), (V{std::string("a\0b", 3)}));
}

// The same rule on 16-bit units: only whole units 000A, 000D and 001A count.
TEST(UnitRule, Cases) {
  auto cut = [](const char16_t* units) { return Cut<UnitLineCutter>(Bytes(units)); };
  auto v = [](std::initializer_list<const char16_t*> lines) {
    V out;
    for (const char16_t* l : lines) out.push_back(Bytes(l));
    return out;
  };
  EXPECT_EQ(cut(u"A\r\nB\r\n"), v({u"A", u"B"}));
  EXPECT_EQ(cut(u"A\rB\rC"), v({u"ABC"}));
  EXPECT_EQ(cut(u"A\n\r"), v({u"A", u""}));
  EXPECT_EQ(cut(u"A\nB\x1A" u"C\nD"), v({u"A", u"B"}));
  EXPECT_EQ(cut(u""), V{});
  // \u4E0A, \u4E0D and \u4E1A hold the bytes 0A, 0D and 1A: characters like any other.
  EXPECT_EQ(cut(u"\u4E0A\u4E0D\u4E1A\r\n\u0A0D"), v({u"\u4E0A\u4E0D\u4E1A", u"\u0A0D"}));
  // An odd last byte is dropped; the units before it stay whole.
  EXPECT_EQ(Cut<UnitLineCutter>(Bytes(u"A\u4E2D") + "\x0A"), v({u"A\u4E2D"}));
}

TEST(LineRule, PiecesOfAnySizeChangeNothing) {
  std::mt19937 rng(11);
  const char alphabet[] = "ab\r\n\x1A";
  for (int round = 0; round < 500; ++round) {
    std::string text;
    const int n = rng() % 60;
    for (int i = 0; i < n; ++i) {
      text += alphabet[rng() % (rng() % 7 == 0 ? 5 : 4)];
      if (rng() % 3 == 0) text += rng() % 2 ? '\0' : alphabet[rng() % 5];
    }
    for (std::size_t chunk : {1, 2, 3, 7, 64}) {
      ASSERT_EQ(Cut(text, chunk), ReferenceLines(text)) << "chunk " << chunk;
      ASSERT_EQ(Cut<UnitLineCutter>(text, chunk), ReferenceLines(text, 2)) << "chunk " << chunk;
    }
  }
}

TEST(SourceKindOf, FirstBytes) {
  EXPECT_EQ(DetectSourceKind("", ""), SourceKind::Ansi);
  EXPECT_EQ(DetectSourceKind("\xEF\xBB\xBF", "\xEF\xBB\xBF"), SourceKind::Ansi);  // three bytes
  EXPECT_EQ(DetectSourceKind("\xEF\xBB\xBF" "A", "\xEF\xBB\xBF" "A"), SourceKind::Utf8);
  EXPECT_EQ(DetectSourceKind("\xEF\r\xBB\xBF", "\xEF\xBB\xBF" "A"), SourceKind::Utf8);  // by the line
  EXPECT_EQ(DetectSourceKind("\xFF\xFE" "A", "\xFF\xFE" "A"), SourceKind::Ansi);  // no whole unit
  EXPECT_EQ(DetectSourceKind(std::string("\xFF\xFE\x0A\x4E", 4), "\xFF\xFE"), SourceKind::Unicode);
  EXPECT_EQ(DetectSourceKind("\xFE\xFF" "AB", "\xFE\xFF" "AB"), SourceKind::Ansi);
  EXPECT_STREQ(SourceKindText(SourceKind::Utf8), "UTF-8");
  EXPECT_STREQ(SourceKindText(SourceKind::Ansi), "ANSI");
  EXPECT_STREQ(SourceKindText(SourceKind::Unicode), "Unicode");
}

TEST(SourceKindOf, FilesByTheirFirstBytes) {
  const CodeTableData table = ParseCodeTable(SmallTable());
  SourceKind kind;
  EXPECT_EQ(Convert("", table, &kind), V{});
  EXPECT_EQ(kind, SourceKind::Ansi);
  EXPECT_EQ(Convert("\xEF\xBB\xBF", table, &kind), (V{"\xEF\xBB\xBF"}));
  EXPECT_EQ(kind, SourceKind::Ansi);
  EXPECT_EQ(Convert("\xEF\xBB\xBF\r\nx", table, &kind), (V{"\xEF\xBB\xBF", "x"}));
  EXPECT_EQ(kind, SourceKind::Ansi);
  Convert("\xFF\xFE", table, &kind);
  EXPECT_EQ(kind, SourceKind::Ansi);
  EXPECT_EQ(Convert(std::string("\xFF\xFE\x0A\x00", 4), table, &kind), V{""});
  EXPECT_EQ(kind, SourceKind::Unicode);
  Convert(std::string("\xFF\xFE\x00\x00", 4), table, &kind);
  EXPECT_EQ(kind, SourceKind::Unicode);
  Convert(std::string("\xEF\r\r\xBB\xBF\r" "A", 7), table, &kind);  // CR bytes are not part of the line
  EXPECT_EQ(kind, SourceKind::Utf8);
}

TEST(FirstLineRules, Utf8DropsTheSignatureBytes) {
  const CodeTableData table = ParseCodeTable(SmallTable());
  SourceKind kind;
  // FEFF converts to two display bytes, which go; later lines convert whole.
  EXPECT_EQ(Convert("\xEF\xBB\xBF" "A\r\n\xE4\xB8\xAD" "b\r\n", table, &kind), (V{"A", "\xD6\xD0" "b"}));
  EXPECT_EQ(kind, SourceKind::Utf8);
  // A signature the table lacks is "**", which goes just the same.
  const CodeTableData plain = ParseCodeTable(testing::TableLine(0x41, "A"));
  EXPECT_EQ(Convert("\xEF\xBB\xBF" "AA", plain), (V{"AA"}));
}

TEST(UnicodeFiles, ReadByUnitsAfterTheSignature) {
  const CodeTableData table = ParseCodeTable(SmallTable() + testing::TableLine(0x4E0A, "\xC9\xCF") + "\n" +
                                             testing::TableLine(0x4E1A, "\xD2\xB5"));
  SourceKind kind;
  // AB and CD, each followed by CR LF: no empty line after them.
  EXPECT_EQ(Convert("\xFF\xFE" + Bytes(u"AB\r\nCD\r\n"), table, &kind), (V{"AB", "CD"}));
  EXPECT_EQ(kind, SourceKind::Unicode);
  EXPECT_EQ(Convert("\xFF\xFE" + Bytes(u"AB\r\nCD"), table), (V{"AB", "CD"}));
  // A file that begins with \u4E0A is Unicode, and \u4E1A ends nothing.
  EXPECT_EQ(Convert("\xFF\xFE" + Bytes(u"\u4E0A\u4E1A\u4E2D"), table, &kind), (V{"\xC9\xCF\xD2\xB5\xD6\xD0"}));
  EXPECT_EQ(kind, SourceKind::Unicode);
  // An odd number of bytes loses only the stray last one.
  EXPECT_EQ(Convert("\xFF\xFE" + Bytes(u"A\u4E2D") + "\x41", table), (V{"A\xD6\xD0"}));
}

using Runs = std::vector<std::pair<std::uint64_t, std::uint64_t>>;

LoadResult Load(const std::string& text, const CodeTableData& table, LoadOptions options = {},
                std::string* document = nullptr) {
  std::string doc;
  LoadResult r = ConvertTextTo(text, &table, [&](const char* l, std::size_t n) {
    doc.append(l, n);
    doc += "\r\n";
  }, options);
  if (document) *document = doc;
  return r;
}

Runs RunsOf(const LoadResult& r) {
  Runs runs;
  for (const UnshownRun& run : r.unshownRuns) runs.emplace_back(run.offset, run.count);
  return runs;
}

// What conversion could not show: characters the table lacks and malformed
// sequences, by offset in the document of lines each followed by CR LF.
TEST(Unshown, CountsWhatConversionMade) {
  const CodeTableData table = ParseCodeTable(SmallTable());
  std::string doc;
  // U+AC00 and U+AC01 (lacking), "**" from the file, a stray continuation byte.
  LoadResult r = Load("\xEF\xBB\xBF" "a\xEA\xB0\x80\xEA\xB0\x81" "b\r\n**\x80\xE4\xB8\xAD\n", table, {}, &doc);
  EXPECT_EQ(doc, "a****b\r\n****\xD6\xD0\r\n");
  EXPECT_EQ(r.unshown, 3u);
  EXPECT_EQ(RunsOf(r), (Runs{{1, 2}, {10, 1}}));
  // The signature's "**" goes with the first two bytes and is not counted.
  const CodeTableData noSignature = ParseCodeTable(testing::TableLine(0x41, "A"));
  r = Load("\xEF\xBB\xBF" "\xE4\xB8\xAD" "A", noSignature);
  EXPECT_EQ(RunsOf(r), (Runs{{0, 1}}));
  // A one-byte signature takes half of the "**" after it, which then counts no more.
  const CodeTableData oneByte = ParseCodeTable(testing::TableLine(0xFEFF, "Z"));
  r = Load("\xEF\xBB\xBF" "\xEA\xB0\x80\xEA\xB0\x80", oneByte, {}, &doc);
  EXPECT_EQ(doc, "***\r\n");
  EXPECT_EQ(RunsOf(r), (Runs{{1, 1}}));
  EXPECT_EQ(r.unshown, 1u);
  // Unicode: each unit the table lacks.
  r = Load("\xFF\xFE" + Bytes(u"A\uAC00\r\n\uAC00\uAC01"), table);
  EXPECT_EQ(RunsOf(r), (Runs{{1, 1}, {5, 2}}));
  EXPECT_EQ(r.unshown, 3u);
  // ANSI shows bytes as they are; nothing to count.
  EXPECT_EQ(Load("**\xEA\xB0", table).unshown, 0u);
}

TEST(Unshown, FileWithoutSignatureReadAsUtf8) {
  const CodeTableData table = ParseCodeTable(SmallTable());
  std::string doc;
  LoadResult r = Load("\xE4\xB8\xAD" "a\xEA\xB0\x80", table, {true}, &doc);
  EXPECT_EQ(r.kind, SourceKind::Utf8);
  EXPECT_EQ(doc, "\xD6\xD0" "a**\r\n");  // nothing dropped from the first line
  EXPECT_EQ(RunsOf(r), (Runs{{3, 1}}));
  // A signature still decides.
  EXPECT_EQ(Load("\xFF\xFE" + Bytes(u"AB"), table, {true}, &doc).kind, SourceKind::Unicode);
  EXPECT_EQ(doc, "AB\r\n");
  EXPECT_EQ(Load("\xEF\xBB\xBF" "AB", table, {true}, &doc).kind, SourceKind::Utf8);
  EXPECT_EQ(doc, "AB\r\n");
}

// The fast path gives the pipeline's bytes for every line.
TEST(FastPath, EqualsThePipelineOnRandomLines) {
  std::mt19937 rng(3);
  const unsigned char pool[] = {0x00, 0x41, 0x61, 0x7F, 0x80, 0x8F, 0x90, 0x9F, 0xA0, 0xA9, 0xAD,
                                0xB8, 0xBB, 0xBF, 0xC0, 0xC1, 0xC2, 0xC3, 0xDF, 0xE0, 0xE4, 0xE6,
                                0xED, 0xEE, 0xEF, 0xF0, 0xF1, 0xF4, 0xF5, 0xFE, 0xFF, 0x2D, 0x4E};
  const CodeTableData parsed = ParseCodeTable(SmallTable() + "#\n" + testing::TableLine(0xFFFD, "?!"));
  for (const CodeTableData* table : {&parsed, static_cast<const CodeTableData*>(nullptr)}) {
    std::string out;
    for (int round = 0; round < 20000; ++round) {
      std::string line;
      const int n = rng() % 24;
      for (int i = 0; i < n; ++i)
        line += rng() % 3 ? char(pool[rng() % sizeof pool]) : char(rng() & 0xFF);
      for (SourceKind kind : {SourceKind::Utf8, SourceKind::Unicode, SourceKind::Ansi})
        for (bool first : {true, false}) {
          ConvertLine(kind, line, first, table, out);
          ASSERT_EQ(out, ConvertLineByPipeline(kind, line, first, table))
              << "kind " << int(kind) << " first " << first << " line " << BytesToHex(line);
        }
    }
  }
}

class LoadFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = std::filesystem::temp_directory_path() /
           ("vellumo-load-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    std::filesystem::create_directories(dir_);
  }
  void TearDown() override { std::filesystem::remove_all(dir_); }
  std::filesystem::path Write(const std::string& name, const std::string& bytes) {
    std::ofstream(dir_ / name, std::ios::binary) << bytes;
    return dir_ / name;
  }
  std::filesystem::path dir_;
};

TEST_F(LoadFiles, ReadsAcrossBufferBoundaries) {
  const CodeTableData table = ParseCodeTable(SmallTable());
  std::string text = "\xEF\xBB\xBF";
  V expected;
  for (int i = 0; i < 20000; ++i) {
    std::string line = std::to_string(i) + (i % 3 ? "\xE4\xB8\xAD" : "\xE6\x96\x87");
    text += line + "\r\n";
  }
  const std::filesystem::path path = Write("big.txt", text);
  const LoadedText loaded = LoadLines(path, &table);
  EXPECT_EQ(loaded.kind, SourceKind::Utf8);
  EXPECT_EQ(loaded.lines, Convert(text, table));
  ASSERT_EQ(loaded.lines.size(), 20000u);
  EXPECT_EQ(loaded.lines[1], "1\xD6\xD0");
}

TEST_F(LoadFiles, LongFirstLineOfCarriageReturnsStillFindsTheKind) {
  const CodeTableData table = ParseCodeTable(SmallTable());
  const std::filesystem::path path = Write("cr.txt", std::string(200000, '\r') + "\xEF\xBB\xBF" "AB\n" "C");
  const LoadedText loaded = LoadLines(path, &table);
  EXPECT_EQ(loaded.kind, SourceKind::Utf8);
  EXPECT_EQ(loaded.lines, (V{"AB", "C"}));
}

TEST_F(LoadFiles, FailuresCarryTheSystemCode) {
  auto codeOf = [](const std::filesystem::path& path) {
    try {
      LoadLines(path, nullptr);
    } catch (const LoadError& e) {
      return std::make_pair(e.code(), std::string(e.what()));
    }
    return std::make_pair(0, std::string());
  };
  EXPECT_EQ(codeOf(dir_ / "missing.txt"), std::make_pair(2, std::string("File not found")));
  EXPECT_EQ(codeOf(dir_).first, 5);  // a folder is not a file
  EXPECT_EQ(codeOf(dir_ / "no" / "such.txt").first, 2);
  EXPECT_EQ(codeOf(Write("f", "x") / "sub").first, 3);
  EXPECT_EQ(codeOf(PathFromUtf8(PathToUtf8(dir_) + "\\missing.txt")).first, 2);  // a backslash reads as "/"
  EXPECT_EQ(codeOf({}).first, 3);
}

}  // namespace
}  // namespace vellumo
