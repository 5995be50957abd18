// Checks the shipped code mapping tables against the platform's own
// conversion: every line's bytes decode to its key, the first line of each
// key holds the bytes the platform writes for it, and every character of the
// code page that converts both ways has a line.

#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "tests/e2e/harness.h"

namespace {

struct TableCase {
  UINT codePage;
  const wchar_t* file;
};

const TableCase kCases[] = {
    {936, L"dll\\Gb2312.dll"},
    {949, L"dll\\KOREAN.dll"},
    {932, L"dll\\JIS.DLL"},
    {950, L"dll\\BIG5.DLL"},
};

void PrintTo(const TableCase& c, std::ostream* os) { *os << "code page " << c.codePage; }

struct Line {
  std::string text;
  int number;  // 1-based, in the file
};

std::string ReadAll(const std::wstring& path) {
  std::string data;
  FILE* f = _wfopen(path.c_str(), L"rb");
  if (!f) return data;
  char buf[65536];
  size_t n;
  while ((n = fread(buf, 1, sizeof buf, f)) > 0) data.append(buf, n);
  fclose(f);
  return data;
}

// Splits as the program's reader does: at CR, LF and CR LF.
std::vector<Line> SplitLines(const std::string& data) {
  std::vector<Line> lines;
  size_t i = 0;
  int number = 0;
  while (i < data.size()) {
    size_t end = data.find_first_of("\r\n", i);
    if (end == std::string::npos) end = data.size();
    lines.push_back({data.substr(i, end - i), ++number});
    i = end;
    if (i < data.size() && data[i] == '\r') ++i;
    if (i < data.size() && data[i] == '\n') ++i;
  }
  return lines;
}

int HexValue(const std::string& s) {
  int v = 0;
  for (char c : s) {
    if (c >= '0' && c <= '9') v = v * 16 + (c - '0');
    else if (c >= 'A' && c <= 'F') v = v * 16 + (c - 'A' + 10);
    else return -1;  // lower case never matches a lookup key
  }
  return v;
}

std::string Hex(const std::string& bytes) {
  std::string s;
  char b[4];
  for (unsigned char c : bytes) {
    snprintf(b, sizeof b, "%02X", c);
    s += b;
  }
  return s;
}

bool Decode(UINT cp, const std::string& bytes, std::wstring* out) {
  wchar_t buf[8];
  int n = MultiByteToWideChar(cp, MB_ERR_INVALID_CHARS, bytes.data(),
                              static_cast<int>(bytes.size()), buf, 8);
  if (n <= 0) return false;
  out->assign(buf, n);
  return true;
}

bool Encode(UINT cp, wchar_t unit, std::string* out) {
  char buf[8];
  BOOL usedDefault = FALSE;
  int n = WideCharToMultiByte(cp, WC_NO_BEST_FIT_CHARS, &unit, 1, buf, sizeof buf, nullptr,
                              &usedDefault);
  if (n <= 0 || usedDefault) return false;
  out->assign(buf, n);
  return true;
}

bool LeftOut(wchar_t u) {
  return u == 0x0000 || u == 0x000A || u == 0x000D || u == 0x001A || u == 0xFFFD;
}

// One table as the program sees it, with the checks' view of each line.
struct Mapping {
  std::string bytes;  // columns 1-2, the space of a single byte removed
  wchar_t key;
  int number;
};

class TableTest : public ::testing::TestWithParam<TableCase> {
 protected:
  void SetUp() override {
    std::wstring path = e2e::DistDir() + GetParam().file;
    data_ = ReadAll(path);
    ASSERT_FALSE(data_.empty()) << "cannot read the table in the distribution folder";
    lines_ = SplitLines(data_);
    for (const Line& l : lines_) {
      if (!l.text.empty() && l.text[0] == '#') continue;
      if (l.text.size() < 12) continue;  // reported by the format test
      Mapping m;
      m.bytes = l.text[0] == ' ' ? l.text.substr(1, 1) : l.text.substr(0, 2);
      m.key = static_cast<wchar_t>(HexValue(l.text.substr(8, 4)));
      m.number = l.number;
      mappings_.push_back(m);
      firstForKey_.emplace(m.key, m);  // the reader's "first line wins"
    }
  }

  UINT cp() const { return GetParam().codePage; }

  std::string data_;
  std::vector<Line> lines_;
  std::vector<Mapping> mappings_;
  std::map<wchar_t, Mapping> firstForKey_;
};

TEST_P(TableTest, EveryLineIsACommentOrAWellFormedMapping) {
  EXPECT_EQ(data_.find('\0'), std::string::npos);
  EXPECT_EQ(data_.substr(data_.size() - 2), "\r\n");
  bool inHeader = true;
  std::set<std::string> seen;
  for (const Line& l : lines_) {
    SCOPED_TRACE("line " + std::to_string(l.number));
    ASSERT_FALSE(l.text.empty());
    if (l.text[0] == '#') {
      for (unsigned char c : l.text) ASSERT_TRUE(c >= 0x20 && c < 0x7F);
      continue;
    }
    if (inHeader) ASSERT_GT(l.number, 1) << "the file begins with its header";
    inHeader = false;
    ASSERT_EQ(l.text.size(), 12u);
    EXPECT_EQ(l.text[2], ' ');
    EXPECT_EQ(l.text[7], ' ');
    std::string bytes = l.text[0] == ' ' ? l.text.substr(1, 1) : l.text.substr(0, 2);
    EXPECT_EQ(HexValue(l.text.substr(3, 4)), HexValue(Hex(bytes)));
    EXPECT_GE(HexValue(l.text.substr(8, 4)), 0) << "key in upper-case hexadecimal";
    EXPECT_TRUE(seen.insert(bytes).second) << "bytes listed twice";
  }
  EXPECT_GT(mappings_.size(), 9000u);
}

TEST_P(TableTest, EveryLineDecodesToItsKey) {
  for (const Mapping& m : mappings_) {
    SCOPED_TRACE("line " + std::to_string(m.number));
    EXPECT_FALSE(LeftOut(m.key));
    EXPECT_FALSE(m.key >= 0xD800 && m.key <= 0xDFFF);
    std::wstring decoded;
    ASSERT_TRUE(Decode(cp(), m.bytes, &decoded)) << Hex(m.bytes);
    EXPECT_EQ(decoded, std::wstring(1, m.key)) << Hex(m.bytes);
  }
}

TEST_P(TableTest, FirstLineOfEachKeyHoldsWhatThePlatformWrites) {
  for (const auto& entry : firstForKey_) {
    const Mapping& m = entry.second;
    SCOPED_TRACE("line " + std::to_string(m.number));
    std::string written;
    ASSERT_TRUE(Encode(cp(), m.key, &written)) << std::hex << int(m.key);
    EXPECT_EQ(Hex(written), Hex(m.bytes));
  }
}

// Walks the code page independently of the generator: lead bytes from
// GetCPInfoEx's ranges, every trail byte, and keeps the characters that
// convert both ways.
TEST_P(TableTest, EveryCharacterThatConvertsBothWaysHasALine) {
  CPINFOEXW info;
  ASSERT_TRUE(GetCPInfoExW(cp(), 0, &info));
  bool lead[256] = {};
  for (int i = 0; i + 1 < MAX_LEADBYTES && info.LeadByte[i]; i += 2)
    for (int b = info.LeadByte[i]; b <= info.LeadByte[i + 1]; ++b) lead[b] = true;
  size_t found = 0;
  for (int first = 1; first < 256; ++first) {
    for (int second = lead[first] ? 1 : -1; second < (lead[first] ? 256 : 0); ++second) {
      std::string bytes(1, static_cast<char>(first));
      if (second >= 0) bytes += static_cast<char>(second);
      std::wstring decoded;
      std::string written;
      if (!Decode(cp(), bytes, &decoded) || decoded.size() != 1 || LeftOut(decoded[0]) ||
          !Encode(cp(), decoded[0], &written) || written != bytes)
        continue;
      ++found;
      auto it = firstForKey_.find(decoded[0]);
      ASSERT_NE(it, firstForKey_.end()) << "no line for " << Hex(bytes);
      EXPECT_EQ(Hex(it->second.bytes), Hex(bytes));
    }
  }
  EXPECT_EQ(found, firstForKey_.size());
}

INSTANTIATE_TEST_SUITE_P(Tables, TableTest, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<TableCase>& p) {
                           return "CodePage" + std::to_string(p.param.codePage);
                         });

// Characters a reader of these tables depends on, spelled out.
std::string LookUp(const std::wstring& file, const char* key) {
  std::string found;
  for (const Line& l : SplitLines(ReadAll(e2e::DistDir() + file)))
    if (l.text.size() >= 12 && l.text[0] != '#' && l.text.compare(8, 4, key) == 0)
      return l.text[0] == ' ' ? l.text.substr(1, 1) : l.text.substr(0, 2);
  return "**";
}

TEST(TableLines, KnownCharacters) {
  EXPECT_EQ(LookUp(L"dll\\Gb2312.dll", "4E2D"), "\xD6\xD0");   // 中
  EXPECT_EQ(LookUp(L"dll\\Gb2312.dll", "20AC"), "\x80");       // euro sign
  EXPECT_EQ(LookUp(L"dll\\KOREAN.dll", "D55C"), "\xC7\xD1");   // 한
  EXPECT_EQ(LookUp(L"dll\\JIS.DLL", "65E5"), "\x93\xFA");      // 日
  EXPECT_EQ(LookUp(L"dll\\JIS.DLL", "005C"), "\x5C");          // backslash stays 5C
  EXPECT_EQ(LookUp(L"dll\\JIS.DLL", "007E"), "\x7E");
  EXPECT_EQ(LookUp(L"dll\\JIS.DLL", "2252"), "\x81\xE0");      // not the NEC row's 8790
  EXPECT_EQ(LookUp(L"dll\\BIG5.DLL", "4E2D"), "\xA4\xA4");     // 中
  for (const TableCase& c : kCases) {
    EXPECT_EQ(LookUp(c.file, "0009"), "\t");
    EXPECT_EQ(LookUp(c.file, "0020"), " ");
    EXPECT_EQ(LookUp(c.file, "0041"), "A");
    EXPECT_EQ(LookUp(c.file, "FFFD"), "**");
    EXPECT_EQ(LookUp(c.file, "000A"), "**");
    EXPECT_EQ(LookUp(c.file, "001A"), "**");
  }
}

}  // namespace
