// The shipped samples show whole: every line of each comes out of the loader
// (the UTF-16 one holds full-width colons, U+FF1A, stored with a 1A byte),
// and the line of each script is free of "**" through its own code table.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <string>

#include "convert/loader.h"
#include "convert/convert.h"

namespace vellumo {
namespace {

const std::string kSamples = VELLUMO_SOURCE_DIR "/samples/";
const std::string kTables = VELLUMO_SOURCE_DIR "/companion/files/dll/";

std::string Bytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), {}};
}

TEST(Samples, EveryLineOfEverySampleShows) {
  for (const char* name : {"sample-utf8.txt", "sample-utf16.txt", "sample-gb2312.txt",
                           "sample-big5.txt", "sample-jis.txt", "sample-korean.txt"}) {
    const std::string bytes = Bytes(kSamples + name);
    ASSERT_FALSE(bytes.empty()) << name;
    const auto lineEnds = static_cast<std::size_t>(std::count(bytes.begin(), bytes.end(), '\n'));
    const LoadedText loaded = LoadLines(PathFromUtf8(kSamples + name), nullptr);
    EXPECT_EQ(loaded.lines.size(), lineEnds) << name;
  }
}

TEST(Samples, EachScriptShowsThroughItsOwnTable) {
  // Lines 1 to 4 of the UTF samples: simplified Chinese, Korean, Japanese,
  // traditional Chinese.
  const char* tables[] = {"Gb2312.dll", "KOREAN.dll", "JIS.DLL", "BIG5.DLL"};
  for (const char* name : {"sample-utf8.txt", "sample-utf16.txt"}) {
    for (int script = 0; script < 4; ++script) {
      CodeTableData table;
      ASSERT_TRUE(LoadCodeTable(PathFromUtf8(kTables + tables[script]), table));
      const LoadedText loaded = LoadLines(PathFromUtf8(kSamples + name), &table);
      ASSERT_GE(loaded.lines.size(), 6u) << name;
      EXPECT_EQ(loaded.lines[1 + script].find("**"), std::string::npos)
          << name << " through " << tables[script];
    }
  }
}

}  // namespace
}  // namespace vellumo
