// The HexText stages, their worked examples and the malformed UTF-8 mend.
#include <gtest/gtest.h>

#include "convert/convert.h"
#include "tests/support/pipeline.h"
#include "support.h"

namespace vellumo {
namespace {

using testing::SmallTable;

// UTF-8 bytes through the first two stages.
std::string Utf8Units(const std::string& bytes) { return Utf8HexToUnicodeHex(BytesToHex(bytes)); }

TEST(HexStages, BytesToHexAndPairs) {
  EXPECT_EQ(BytesToHex(std::string("\x00\x0A\xFF", 3)), "000AFF");
  EXPECT_EQ(BytesToHex(""), "");
  EXPECT_TRUE(IsHexDigit('a') && IsHexDigit('F') && IsHexDigit('0'));
  EXPECT_FALSE(IsHexDigit('g') || IsHexDigit('G') || IsHexDigit(' '));
  std::string h = "4x1Z2";
  EXPECT_EQ(NextHexPair(h), "41");
  EXPECT_EQ(h, "Z2");
  EXPECT_EQ(NextHexPair(h), "2");
  EXPECT_EQ(h, "");
  EXPECT_EQ(SwapHexPairs("41002D4E"), "00414E2D");
  EXPECT_EQ(SwapHexPairs("410042"), "004142");
  EXPECT_EQ(SwapHexPairs("FFFE"), "FEFF");
  EXPECT_EQ(SwapHexPairs("41"), "41");
}

TEST(HexStages, NextHexTokenCutsByMode) {
  std::string h = "41C3A9E4B8AD";
  EXPECT_EQ(NextHexToken(h, 0), "41");
  EXPECT_EQ(NextHexToken(h, 0), "C3A9");
  EXPECT_EQ(NextHexToken(h, 0), "E4B8AD");
  EXPECT_EQ(h, "");
  h = "8041";  // a byte that begins no sequence is skipped whole
  EXPECT_EQ(NextHexToken(h, 0), "");
  EXPECT_EQ(h, "41");
  h = "4";
  EXPECT_EQ(NextHexToken(h, 0), "");
  EXPECT_EQ(h, "4");
  h = "00414E";
  EXPECT_EQ(NextHexToken(h, 2), "0041");
  EXPECT_EQ(NextHexToken(h, 2), "4E");
  EXPECT_EQ(h, "");
}

TEST(HexStages, ThreeByteArithmetic) {
  EXPECT_EQ(Utf8Hex3ToUnicodeHex("E4B8AD"), "4E2D");
  EXPECT_EQ(Utf8Hex3ToUnicodeHex("EFBBBF"), "FEFF");
  EXPECT_EQ(Utf8Hex3ToUnicodeHex("E0A080"), "0800");
  // A second byte of C0 or above makes a two digits long: only well-formed
  // sequences ever reach this arithmetic.
  EXPECT_EQ(Utf8Hex3ToUnicodeHex("E4C080").size(), 5u);
  // A negative value is written as 32-bit two's complement.
  EXPECT_EQ(Utf8Hex3ToUnicodeHex("E40000"), "4FFFFFFE0FFFFFF80");
}

TEST(HexStages, TwoByteDecodes) {
  EXPECT_EQ(Utf8Hex2ToUnicodeHex("C3A9"), "00E9");
  EXPECT_EQ(Utf8Hex2ToUnicodeHex("C280"), "0080");
  EXPECT_EQ(Utf8Hex2ToUnicodeHex("DFBF"), "07FF");
}

TEST(Utf8ToUnits, WellFormed) {
  EXPECT_EQ(Utf8HexToUnicodeHex("41"), "0041");
  EXPECT_EQ(Utf8HexToUnicodeHex("E4B8AD41"), "4E2D0041");
  EXPECT_EQ(Utf8HexToUnicodeHex("EFBBBF"), "FEFF");
  EXPECT_EQ(Utf8HexToUnicodeHex(""), "");
  EXPECT_EQ(Utf8Units("a\xC3\xA9\xE6\x96\x87"), "006100E96587");
}

// Each malformed sequence is one FFFD and what follows converts in step.
TEST(Utf8ToUnits, MalformedSequencesMend) {
  EXPECT_EQ(Utf8Units("\xE4\xB8" "A"), "FFFD0041");           // cut by a non-continuation
  EXPECT_EQ(Utf8Units("\x80" "A"), "FFFD0041");               // stray continuation
  EXPECT_EQ(Utf8Units("\xF0\x9F\x98\x80" "A"), "FFFD0041");   // four-byte: one character
  EXPECT_EQ(Utf8Units("A\xF0\x9F\x98"), "0041FFFD");          // four-byte cut by the line end
  EXPECT_EQ(Utf8Units("\xE4\xB8"), "FFFD");                   // three-byte cut by the line end
  EXPECT_EQ(Utf8Units("\xC3"), "FFFD");
  EXPECT_EQ(Utf8Units("\xC0\xAF" "A"), "FFFDFFFD0041");       // C0 is never a lead
  EXPECT_EQ(Utf8Units("\xE0\x80\x80"), "FFFDFFFDFFFD");       // overlong three-byte
  EXPECT_EQ(Utf8Units("\xED\xA0\x80" "A"), "FFFDFFFDFFFD0041");  // surrogate D800
  EXPECT_EQ(Utf8Units("\xED\x9F\xBF"), "D7FF");
  EXPECT_EQ(Utf8Units("\xF4\x90\x80\x80"), "FFFDFFFDFFFDFFFD");  // above 10FFFF
  EXPECT_EQ(Utf8Units("\xF5\xFF\xFE"), "FFFDFFFDFFFD");
  EXPECT_EQ(Utf8Units("\xE4\xB8\xE4\xB8\xAD"), "FFFD4E2D");
  // Odd or foreign HexText never hangs: a single digit left over is dropped.
  EXPECT_EQ(Utf8HexToUnicodeHex("414"), "0041");
  EXPECT_EQ(Utf8HexToUnicodeHex("zz41"), "FFFD0041");
}

TEST(UnitsToNative, LooksUpEachUnit) {
  const CodeTableData table = ParseCodeTable(SmallTable());
  EXPECT_EQ(UnicodeHexToNative("00614E2D", &table, 2), "a\xD6\xD0");
  EXPECT_EQ(UnicodeHexToNative("42", &table, 2), "B");      // read as 0042
  EXPECT_EQ(UnicodeHexToNative("004", &table, 2), "**");    // three digits
  EXPECT_EQ(UnicodeHexToNative("00414", &table, 2), "A4");  // a single digit passes on
  EXPECT_EQ(UnicodeHexToNative("FFFD", &table, 2), "**");
  EXPECT_EQ(UnicodeHexToNative("4e2d", &table, 2), "**");   // lower-case keys never match
  EXPECT_EQ(UnicodeHexToNative("", &table, 2), "");
}

TEST(UnitsToNative, WorkedExampleBothPaths) {
  const CodeTableData table = ParseCodeTable(SmallTable());
  const std::string viaUtf8 = UnicodeHexToNative(Utf8HexToUnicodeHex(BytesToHex("a\xE4\xB8\xAD")), &table, 2);
  const std::string viaUtf16 =
      UnicodeHexToNative(SwapHexPairs(BytesToHex(std::string("a\x00\x2D\x4E", 4))), &table, 2);
  EXPECT_EQ(viaUtf8, "a\xD6\xD0");
  EXPECT_EQ(viaUtf16, "a\xD6\xD0");
  // A table without 0061 shows "**" for the letter.
  const CodeTableData without = ParseCodeTable(testing::TableLine(0x4E2D, "\xD6\xD0"));
  EXPECT_EQ(UnicodeHexToNative("00614E2D", &without, 2), "**\xD6\xD0");
}

TEST(UnitsToNative, TableNotLoadedGivesStarsPerUnit) {
  EXPECT_EQ(UnicodeHexToNative("004100424E2D", nullptr, 2), "******");
}

TEST(UnitsToNative, MalformedLineKeepsTheRestReadable) {
  const CodeTableData table = ParseCodeTable(SmallTable());
  EXPECT_EQ(UnicodeHexToNative(Utf8Units("\xE4\xB8" "AB\xE4\xB8\xAD"), &table, 2), "**AB\xD6\xD0");
  EXPECT_EQ(UnicodeHexToNative(Utf8Units("x\xF0\x9F\x98\x80y"), &table, 2), "x**y");
}

}  // namespace
}  // namespace vellumo
