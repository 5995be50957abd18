// The viewer's tools beside the menus of old, as a user meets them: the
// preview in every code page, the walk to what a page could not show, find,
// and a file dropped on the window.
#include <gtest/gtest.h>

#include <Scintilla.h>

#include "app/menuids.h"
#include "app/previewform.h"
#include "tests/e2e/harness.h"

using namespace vellumo;

namespace {

std::wstring Quoted(const std::wstring& path) { return L"\"" + path + L"\""; }

void Foreground(e2e::Program& p) {
  SetForegroundWindow(p.Main());
  ASSERT_TRUE(e2e::WaitFor([&] { return GetForegroundWindow() == p.Main(); }));
}

void Press(WORD vk, bool ctrl = false) {
  if (ctrl) e2e::KeyEvent(VK_CONTROL, true);
  e2e::KeyEvent(vk, true);
  e2e::KeyEvent(vk, false);
  if (ctrl) e2e::KeyEvent(VK_CONTROL, false);
}

std::pair<LRESULT, LRESULT> Selection(e2e::Program& p) {
  return {p.AskTextBox(SCI_GETSELECTIONSTART), p.AskTextBox(SCI_GETSELECTIONEND)};
}

}  // namespace

// The preview ranks GBK first for a GBK file without signature; choosing
// UTF-8 loads a signature-less UTF-8 file as UTF-8; choosing a page switches.
TEST(ViewerTools, PreviewChoosesHowTheFileIsShown) {
  e2e::TempDir dir;
  const std::wstring u8 = dir.Write(L"u8.txt", "\xE4\xB8\xAD\xE6\x96\x87\xE5\xAD\x97\xE7\xAC\xA6\r\n");  // 中文字符
  e2e::Program p(Quoted(u8));
  ASSERT_NE(p.Main(), nullptr);
  ASSERT_TRUE(e2e::WaitFor([&] { return p.Panel(0) == L"u8.txt"; }));
  EXPECT_EQ(p.Panel(2), L"ANSI");
  EXPECT_FALSE(p.MenuItemById(kMenuPreview).grayed);

  p.PostCommand(kMenuPreview);
  HWND preview = p.WaitWindow(TPreviewForm::kClassName, 15000, true);
  ASSERT_NE(preview, nullptr);
  HWND list = GetDlgItem(preview, kPreviewList);
  DWORD_PTR r = 0;
  ASSERT_TRUE(SendMessageTimeoutW(list, LB_GETCOUNT, 0, 0, SMTO_ABORTIFHUNG, 5000, &r));
  EXPECT_EQ(r, 5u);  // four pages and UTF-8
  std::wstring first(256, L'\0');
  SendMessageTimeoutW(list, LB_GETTEXT, 0, reinterpret_cast<LPARAM>(first.data()), SMTO_ABORTIFHUNG,
                      5000, &r);
  EXPECT_EQ(first.rfind(L"UTF-8：0 ", 0), 0u) << e2e::Utf8(first);
  e2e::Click(GetDlgItem(preview, IDOK));  // the best one, selected
  ASSERT_TRUE(e2e::WaitFor([&] { return p.Panel(2) == L"UTF-8"; }));
  EXPECT_EQ(p.Bytes(), "\xD6\xD0\xCE\xC4\xD7\xD6\xB7\xFB\r\n");
  EXPECT_EQ(p.Panel(0), L"u8.txt");

  // A page chosen: as from the Code menu.
  p.PostCommand(kMenuPreview);
  preview = p.WaitWindow(TPreviewForm::kClassName, 15000, true);
  ASSERT_NE(preview, nullptr);
  list = GetDlgItem(preview, kPreviewList);
  std::wstring second(256, L'\0');
  SendMessageTimeoutW(list, LB_GETTEXT, 1, reinterpret_cast<LPARAM>(second.data()), SMTO_ABORTIFHUNG,
                      5000, &r);
  second = second.substr(0, second.find(L'：'));
  SendMessageTimeoutW(list, LB_SETCURSEL, 1, 0, SMTO_ABORTIFHUNG, 5000, &r);
  e2e::Click(GetDlgItem(preview, IDOK));
  ASSERT_TRUE(e2e::WaitFor([&] { return p.Panel(2) == L"ANSI"; }));
  std::wstring checked;
  for (UINT id : {kMenuGb2312, kMenuBig5, kMenuKorean, kMenuJapanese})
    if (p.MenuItemById(id).checked) checked = p.MenuItemById(id).caption;
  EXPECT_EQ(checked, second);
}

// After a load, the last panel counts the "**" conversion made; F4 walks to
// each of them and skips a "**" that was in the file.
TEST(ViewerTools, NextUnshownWalksToWhatConversionLost) {
  e2e::TempDir dir;
  // 中, 한, x, "**" as in the file, 한 (GB2312 lacks Hangul).
  const std::wstring file =
      dir.Write(L"u8.txt", "\xEF\xBB\xBF\xE4\xB8\xAD\xED\x95\x9Cx**\xED\x95\x9C\r\n");
  e2e::Program p(Quoted(file));
  ASSERT_NE(p.Main(), nullptr);
  ASSERT_TRUE(e2e::WaitFor([&] { return p.Panel(0) == L"u8.txt"; }));
  EXPECT_EQ(p.Bytes(), "\xD6\xD0**x****\r\n");
  EXPECT_EQ(p.Panel(5), L"2 个字符无法显示");
  Foreground(p);
  Press(VK_F4);
  ASSERT_TRUE(e2e::WaitFor([&] { return Selection(p) == std::make_pair(LRESULT(2), LRESULT(4)); }));
  Press(VK_F4);
  ASSERT_TRUE(e2e::WaitFor([&] { return Selection(p) == std::make_pair(LRESULT(7), LRESULT(9)); }));
  Press(VK_F4);
  EXPECT_TRUE(e2e::WaitFor([&] { return p.Panel(5) == L"后面没有无法显示的字符"; }));
  EXPECT_EQ(Selection(p), std::make_pair(LRESULT(7), LRESULT(9)));
}

// Ctrl+F opens the platform's find dialog; a match is never half of a
// double-byte character; F3 finds the next; none found says so.
TEST(ViewerTools, FindAndFindNext) {
  e2e::TempDir dir;
  // 啊啊 are B0 A1 B0 A1: the A1 B0 between them (“) is no character of the text.
  const std::string text = "\xB0\xA1\xB0\xA1 ab \xB0\xA1 AB\r\n";
  e2e::Program p(Quoted(dir.Write(L"g.txt", text)));
  ASSERT_NE(p.Main(), nullptr);
  ASSERT_TRUE(e2e::WaitFor([&] { return p.Panel(0) == L"g.txt"; }));
  Foreground(p);
  Press('F', true);
  HWND find = nullptr;
  ASSERT_TRUE(e2e::WaitFor([&] { return (find = p.FindVisible(L"#32770")) != nullptr; }));
  wchar_t straddling[2] = {};
  ASSERT_EQ(MultiByteToWideChar(936, 0, "\xA1\xB0", 2, straddling, 2), 1);
  auto search = [&](const std::wstring& what) {
    DWORD_PTR r = 0;
    SendMessageTimeoutW(GetDlgItem(find, 0x480), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(what.c_str()),
                        SMTO_ABORTIFHUNG, 5000, &r);
    e2e::Click(GetDlgItem(find, IDOK));
    EXPECT_TRUE(p.Idle());
  };
  search(straddling);
  EXPECT_EQ(p.Panel(5), L"找不到“" + std::wstring(straddling) + L"”");
  search(L"啊");
  EXPECT_EQ(Selection(p), std::make_pair(LRESULT(0), LRESULT(2)));
  EXPECT_EQ(p.Panel(5), L"");
  PostMessageW(find, WM_CLOSE, 0, 0);
  ASSERT_TRUE(e2e::WaitFor([&] { return p.FindVisible(L"#32770") == nullptr; }));
  Foreground(p);
  Press(VK_F3);
  ASSERT_TRUE(e2e::WaitFor([&] { return Selection(p) == std::make_pair(LRESULT(2), LRESULT(4)); }));
  Press(VK_F3);
  ASSERT_TRUE(e2e::WaitFor([&] { return Selection(p) == std::make_pair(LRESULT(8), LRESULT(10)); }));
  Press(VK_F3);
  EXPECT_TRUE(e2e::WaitFor([&] { return p.Panel(5) == L"找不到“啊”"; }));
}

// A file dropped on the window opens as by Open, the save prompt first;
// of several, the first, and the last panel says the rest were left.
TEST(ViewerTools, DroppedFileOpensAfterThePrompt) {
  e2e::TempDir dir;
  e2e::Program p(Quoted(dir.Write(L"a.txt", "a\r\n")));
  ASSERT_NE(p.Main(), nullptr);
  ASSERT_TRUE(e2e::WaitFor([&] { return p.Panel(0) == L"a.txt"; }));
  p.Type(L"x");
  p.DropFiles({dir.Write(L"b.txt", "b\r\n"), dir.Write(L"c.txt", "c\r\n")});
  ASSERT_TRUE(p.AnswerTips(false));
  ASSERT_TRUE(e2e::WaitFor([&] { return p.Panel(0) == L"b.txt"; }));
  EXPECT_EQ(p.Bytes(), "b\r\n");
  EXPECT_EQ(p.Panel(5), L"另外 1 个文件未打开");
  EXPECT_EQ(e2e::ReadFileBytes(dir.Path() + L"a.txt"), "a\r\n");
}
