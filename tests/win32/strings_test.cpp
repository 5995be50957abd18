// The Win32 helpers' strings and error box text: UTF-8 paths and messages
// reach the Unicode API by the conversion's one rule.
#include <windows.h>

#include <gtest/gtest.h>

#include "win32/errorbox.h"
#include "win32/strings.h"

namespace vellumo {
namespace {

TEST(Strings, WidenAndNarrowFollowTheOneRule) {
  EXPECT_EQ(Widen("a\xE4\xB8\xAD\xF0\x9F\x98\x80"), L"a\u4E2D\U0001F600");
  EXPECT_EQ(Narrow(L"a\u4E2D\U0001F600"), "a\xE4\xB8\xAD\xF0\x9F\x98\x80");
  EXPECT_EQ(Widen("\xE4\xB8" "A"), L"\uFFFD" L"A");
  EXPECT_EQ(Narrow(std::wstring(1, static_cast<wchar_t>(0xD800))), "\xEF\xBF\xBD");
  EXPECT_EQ(Widen(""), L"");
  // A wide path goes through UTF-8 and back unchanged.
  const std::wstring path = L"C:\\\u4E2D\u6587 \uD55C\uAE00\\\u65E5\u672C.txt";
  EXPECT_EQ(Widen(Narrow(path)), path);
}

TEST(ErrorBox, TextEndsInAPeriodWhenTheMessageSortsAfterIt) {
  EXPECT_EQ(ErrorBoxText(L"File not found"), L"File not found.");
  EXPECT_EQ(ErrorBoxText(L"I/O error 32"), L"I/O error 32.");
  EXPECT_EQ(ErrorBoxText(L"Done."), L"Done.");
  EXPECT_EQ(ErrorBoxText(L"Why!"), L"Why!");  // "!" sorts before "."
  EXPECT_EQ(ErrorBoxText(L""), L"");
  const CommandError e(L"\u4E2D");
  EXPECT_EQ(e.message(), L"\u4E2D");
  EXPECT_STREQ(e.what(), "\xE4\xB8\xAD");
}

}  // namespace
}  // namespace vellumo
