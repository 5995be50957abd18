// The viewer as a user meets it: start-up, the menus and status bar, opening
// files of each kind, display code pages, scroll bars, the save prompt and
// Save As, and what bad input does.
#include <gtest/gtest.h>

#include "app/menuids.h"
#include "app/newfiletips.h"
#include "tests/e2e/harness.h"

using namespace vellumo;

namespace {

const std::string kBom = "\xEF\xBB\xBF";

std::string Lines(int n, const std::string& line) {
  std::string s;
  for (int i = 0; i < n; ++i) s += line + "\r\n";
  return s;
}

// Waits until the text box shows want; gives the last text seen otherwise.
std::wstring WaitText(e2e::Program& p, const std::wstring& want) {
  std::wstring text;
  e2e::WaitFor([&] { return (text = p.Text()) == want; });
  return text;
}

std::wstring WaitPanel(e2e::Program& p, int index, const std::wstring& want) {
  std::wstring text;
  e2e::WaitFor([&] { return (text = p.Panel(index)) == want; });
  return text;
}

}  // namespace

TEST(Viewer, StartsEmptyWithMenusAndPanels) {
  e2e::Program p;
  HWND main = p.Main();
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(e2e::WindowText(main), L"Vellumo (GB2312 Big5 韩码 日码 Unicode)");
  RECT client = e2e::ClientRect(main);
  EXPECT_EQ(client.right, 420);
  EXPECT_EQ(client.bottom, 290);
  RECT box = e2e::WindowRect(p.TextBox());
  EXPECT_EQ(box.right - box.left, 420);
  EXPECT_EQ(box.bottom - box.top, 271);
  RECT outer = e2e::WindowRect(main);
  int w = outer.right - outer.left, h = outer.bottom - outer.top;
  EXPECT_NEAR(outer.left, (GetSystemMetrics(SM_CXSCREEN) - w) / 2.0, 0.5);
  EXPECT_NEAR(outer.top, (GetSystemMetrics(SM_CYSCREEN) - h) / 2.0, 0.5);
  EXPECT_EQ(p.Text(), L"");

  EXPECT_EQ(p.Panel(0), L"");
  EXPECT_EQ(p.Panel(1), L"内码：");
  EXPECT_EQ(p.RawPanel(2), L"\t\t未知");  // right-aligned
  EXPECT_EQ(p.Panel(3), L"->");
  EXPECT_EQ(p.Panel(4), L"中文简体[GB2312]");
  EXPECT_EQ(p.Panel(5), L"");
  std::vector<int> edges = p.PanelEdges();
  ASSERT_EQ(edges.size(), 6u);
  EXPECT_EQ(edges[0], 10);
  EXPECT_EQ(edges[1] - edges[0], 40);
  EXPECT_EQ(edges[2] - edges[1], 60);
  EXPECT_EQ(edges[3] - edges[2], 20);
  EXPECT_EQ(edges[4] - edges[3], 110);

  std::vector<e2e::MenuItem> menu = p.Menu();
  std::wstring tree;
  for (const auto& item : menu) {
    tree += std::wstring(item.depth * 2, L' ') + (item.separator ? L"-" : item.caption);
    if (item.checked) tree += L" [x]";
    if (item.tag) tree += L" #" + std::to_wstring(item.tag);
    tree += L"\n";
  }
  EXPECT_EQ(e2e::Utf8(tree),
            "文件\n"
            "  打开文件(含简汉)\n"
            "  输入Unicode码\n"
            "  另存为\n"
            "  -\n"
            "  调用Notepad\n"
            "  -\n"
            "  退出\n"
            "内码\n"
            "  中文简体 GB2312 [x] #1\n"
            "  中文繁体 BIG5 #2\n"
            "  韩文 KOREAN #3\n"
            "  日文 JIS #4\n"
            "选项\n"
            "  自动换行 [x]\n"
            "  与文本关联\n"
            "  清除关联\n"
            "帮助\n"
            "  About\n"
            "  How to use\n");
  LONG style = p.TextBoxStyle();
  EXPECT_TRUE(style & ES_MULTILINE);
  EXPECT_TRUE(style & ES_AUTOVSCROLL);
  EXPECT_FALSE(style & ES_AUTOHSCROLL);
  EXPECT_FALSE(style & (WS_HSCROLL | WS_VSCROLL));
}

namespace {

void Open(e2e::Program& p, const std::wstring& path) {
  p.PostCommand(kMenuOpenFile);
  ASSERT_TRUE(p.AnswerFileDialog(path)) << e2e::Utf8(p.AnswerMessageBox(100));
}

// The name part's width in status panel 0.
int Panel0Width(e2e::Program& p) { return p.PanelEdges().at(0); }

std::wstring Quoted(const std::wstring& path) { return L"\"" + path + L"\""; }

}  // namespace

TEST(Viewer, CommandLineArgument) {
  e2e::TempDir dir(L"with blanks");
  std::wstring file = dir.Write(L"a b.txt", "hello\r\n");
  {
    e2e::Program p(Quoted(file));
    ASSERT_NE(p.Main(), nullptr);
    EXPECT_EQ(WaitText(p, L"hello\r\n"), L"hello\r\n");
    EXPECT_EQ(p.Panel(0), L"a b.txt");
    EXPECT_EQ(Panel0Width(p), 46);  // 7 bytes × 6.6
    EXPECT_EQ(p.Panel(2), L"ANSI");
  }
  {
    e2e::Program p(file);  // cut at the first blank: names nothing
    ASSERT_NE(p.Main(), nullptr);
    EXPECT_TRUE(p.NoMessageBox());
    EXPECT_EQ(p.Text(), L"");
    EXPECT_EQ(p.Panel(2), L"未知");
  }
  for (const std::wstring& arg : {Quoted(dir.Path()), Quoted(dir.Path() + L"missing.txt")}) {
    e2e::Program p(arg);
    ASSERT_NE(p.Main(), nullptr);
    EXPECT_TRUE(p.NoMessageBox());
    EXPECT_EQ(p.Text(), L"");
    EXPECT_EQ(p.Panel(0), L"");
  }
  {
    // Held open for writing by another program: the window is up first, the
    // error comes over it, and the window stays empty.
    HANDLE lock = CreateFileW(file.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr,
                              OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(lock, INVALID_HANDLE_VALUE);
    e2e::Program p(Quoted(file));
    HWND box = p.WaitMessageBox();
    ASSERT_NE(box, nullptr);
    EXPECT_TRUE(IsWindowVisible(p.Main()));
    EXPECT_EQ(GetWindow(box, GW_OWNER), p.Main());
    EXPECT_EQ(p.AnswerMessageBox(), L"[Vellumo] I/O error 32.");
    EXPECT_EQ(p.Text(), L"");
    CloseHandle(lock);
  }
}

TEST(Viewer, OpensFilesOfEachKind) {
  e2e::TempDir dir;
  std::wstring utf8 = dir.Write(L"utf8.txt", kBom + "中文abc\r\nxyz");
  std::wstring unicode = dir.Write(
      L"unicode.txt", std::string("\xFF\xFE" "A\0B\0\r\0\n\0C\0D\0\r\0\n\0", 18));
  std::wstring ansi = dir.Write(L"ansi.txt", "\xD6\xD0\xCE\xC4\nline2\n");
  std::wstring empty = dir.Write(L"empty.txt", "");
  e2e::Program p;
  ASSERT_NE(p.Main(), nullptr);

  Open(p, utf8);
  EXPECT_EQ(WaitText(p, L"中文abc\r\nxyz\r\n"), L"中文abc\r\nxyz\r\n");
  EXPECT_EQ(p.Panel(2), L"UTF-8");
  EXPECT_EQ(p.Panel(0), L"utf8.txt");
  EXPECT_EQ(Panel0Width(p), 53);  // 8 bytes × 6.6 = 52.8
  EXPECT_EQ(p.Panel(5), L"");

  Open(p, unicode);
  EXPECT_EQ(WaitText(p, L"AB\r\nCD\r\n"), L"AB\r\nCD\r\n");  // read by units: no extra empty line
  EXPECT_EQ(p.Panel(2), L"Unicode");

  Open(p, ansi);
  EXPECT_EQ(WaitText(p, L"中文\r\nline2\r\n"), L"中文\r\nline2\r\n");
  EXPECT_EQ(p.Panel(2), L"ANSI");
  EXPECT_EQ(p.Panel(0), L"ansi.txt");

  Open(p, empty);
  EXPECT_EQ(WaitText(p, L""), L"");
  EXPECT_EQ(p.Panel(2), L"ANSI");

  // A failed load leaves the text box and the panels as they were.
  Open(p, ansi);
  WaitText(p, L"中文\r\nline2\r\n");
  Open(p, dir.Path() + L"missing.txt");
  EXPECT_EQ(p.AnswerMessageBox(), L"[Vellumo] File not found.");
  EXPECT_EQ(p.Text(), L"中文\r\nline2\r\n");
  EXPECT_EQ(p.Panel(0), L"ansi.txt");
  EXPECT_EQ(p.Panel(2), L"ANSI");

  HANDLE lock = CreateFileW(utf8.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                            0, nullptr);
  Open(p, utf8);
  EXPECT_EQ(p.AnswerMessageBox(), L"[Vellumo] I/O error 32.");
  CloseHandle(lock);
  EXPECT_EQ(p.Text(), L"中文\r\nline2\r\n");
  EXPECT_EQ(p.Panel(0), L"ansi.txt");
}

TEST(Viewer, DisplayCodePages) {
  e2e::TempDir dir;
  std::wstring file = dir.Write(L"mixed.txt", kBom + "中한a\r\n");
  e2e::Program p(Quoted(file));
  ASSERT_NE(p.Main(), nullptr);
  EXPECT_EQ(WaitText(p, L"中**a\r\n"), L"中**a\r\n");

  struct Row {
    UINT item;
    const wchar_t* text;
    const wchar_t* caption;
    const wchar_t* panel;
  };
  const Row rows[] = {
      {kMenuKorean, L"中한a\r\n", L"打开文件(含韩文)", L"韩文[KOREAN]"},
      {kMenuJapanese, L"中**a\r\n", L"打开文件(含日文)", L"日文[JIS]"},
      {kMenuBig5, L"中**a\r\n", L"打开文件(含繁汉)", L"中文繁体[BIG5]"},
      {kMenuGb2312, L"中**a\r\n", L"打开文件(含简汉)", L"中文简体[GB2312]"},
  };
  for (const Row& row : rows) {
    p.Command(row.item);
    EXPECT_EQ(WaitText(p, row.text), row.text) << row.panel;
    EXPECT_EQ(p.Panel(4), row.panel);
    EXPECT_EQ(p.Panel(2), L"UTF-8");
    EXPECT_EQ(p.Panel(0), L"mixed.txt");
    EXPECT_EQ(p.MenuItemById(kMenuOpenFile).caption, row.caption);
    for (UINT id : {kMenuGb2312, kMenuBig5, kMenuKorean, kMenuJapanese})
      EXPECT_EQ(p.MenuItemById(id).checked, id == row.item) << row.panel << " item " << id;
  }

  // The checked item does nothing: an edit stays.
  p.Type(L"q");
  p.Command(kMenuGb2312);
  EXPECT_EQ(p.Text(), L"q中**a\r\n");
  // Another one reloads without asking; the edit is gone.
  p.Command(kMenuKorean);
  EXPECT_EQ(WaitText(p, L"中한a\r\n"), L"中한a\r\n");
  EXPECT_TRUE(p.Absent(L"TTipsForm"));
}

TEST(Viewer, CodePageWithoutFileRereadsTheBytes) {
  e2e::Program p;
  ASSERT_NE(p.Main(), nullptr);
  p.Command(kMenuKorean);
  EXPECT_EQ(p.Panel(4), L"韩文[KOREAN]");
  EXPECT_EQ(p.MenuItemById(kMenuOpenFile).caption, L"打开文件(含韩文)");
  EXPECT_EQ(p.Text(), L"");
  // Typed Hangul is Korean bytes B0 A1; in Big5 those bytes are another character.
  p.Type(L"가");
  p.Command(kMenuBig5);
  wchar_t w[4] = {};
  MultiByteToWideChar(950, 0, "\xB0\xA1", 2, w, 4);
  const std::wstring big5 = w;
  EXPECT_EQ(WaitText(p, big5), big5);
  p.Command(kMenuKorean);
  EXPECT_EQ(WaitText(p, L"가"), L"가");
  // Still an edit: Quit asks first.
  p.PostCommand(kMenuQuit);
  EXPECT_TRUE(p.AnswerTips(false));
  EXPECT_TRUE(p.WaitExit(15000));
}

// Switching the display code page with a file open shows what opening the
// file in that page shows: UTF-8 converted through the new table, ANSI bytes
// read in the new page, a long line in rows.
TEST(Viewer, SwitchGivesTheTextOfOpeningTheFileInThatPage) {
  e2e::TempDir dir;
  std::string longLine;
  while (longLine.size() < 3000) longLine += "\xB0\xA1z";  // 啊 in GBK, 가 in Korean
  const std::wstring files[] = {
      dir.Write(L"u8.txt", kBom + "中한日本語\xE3\x81\x82\r\nabc\r\n"),
      dir.Write(L"ansi.txt", "\xB0\xA1\xA4\xA1\x81\r\n" + longLine + "\r\n"),
  };
  for (const std::wstring& file : files) {
    for (UINT item : {kMenuKorean, kMenuJapanese, kMenuBig5}) {
      std::wstring opened;
      {
        e2e::Program p;
        ASSERT_NE(p.Main(), nullptr);
        p.Command(item);
        Open(p, file);
        ASSERT_TRUE(e2e::WaitFor([&] { return p.Panel(0) == file.substr(file.rfind(L'\\') + 1); }));
        opened = p.Text();
      }
      e2e::Program p(Quoted(file));
      ASSERT_NE(p.Main(), nullptr);
      ASSERT_TRUE(e2e::WaitFor([&] { return p.Panel(0) == file.substr(file.rfind(L'\\') + 1); }));
      const std::wstring before = p.Text();
      p.Command(item);
      EXPECT_EQ(WaitText(p, opened), opened) << e2e::Utf8(file) << " item " << item;
      if (file == files[1]) EXPECT_NE(before, opened);  // the same bytes, other characters
    }
  }
}

// The reload after a switch fails: the error is reported, and the old bytes
// are read in the new page.
TEST(Viewer, SwitchWhoseReloadFailsRereadsTheText) {
  e2e::TempDir dir;
  std::wstring file = dir.Write(L"gone.txt", "\xB0\xA1\r\n");
  e2e::Program p(Quoted(file));
  ASSERT_NE(p.Main(), nullptr);
  EXPECT_EQ(WaitText(p, L"啊\r\n"), L"啊\r\n");
  ASSERT_TRUE(DeleteFileW(file.c_str()));
  p.PostCommand(kMenuKorean);
  EXPECT_EQ(p.AnswerMessageBox(), L"[Vellumo] File not found.");
  EXPECT_EQ(WaitText(p, L"가\r\n"), L"가\r\n");
  EXPECT_EQ(p.Panel(4), L"韩文[KOREAN]");
  EXPECT_TRUE(p.MenuItemById(kMenuKorean).checked);
}

// A large file on the command line: the window is there, and says it is
// loading, before the text is in.
TEST(Viewer, WindowBeforeALargeFile) {
  e2e::TempDir dir;
  std::string line;
  for (int i = 0; i < 40; ++i) line += "\xD6\xD0";
  std::wstring file = dir.Write(L"large.txt", Lines(100000, line));  // 8 MB, 4 M characters
  e2e::Program p(Quoted(file));
  ASSERT_NE(p.Main(), nullptr);
  EXPECT_EQ(p.Panel(5), L"正在载入…");
  EXPECT_EQ(p.Panel(0), L"");
  EXPECT_EQ(p.Panel(4), L"中文简体[GB2312]");
  EXPECT_EQ(p.MenuItemById(kMenuOpenFile).caption, L"打开文件(含简汉)");
  ASSERT_TRUE(e2e::WaitFor([&] { return p.Panel(0) == L"large.txt"; }, 180000));
  EXPECT_EQ(p.Panel(5), L"");
  EXPECT_EQ(p.Panel(2), L"ANSI");
  EXPECT_EQ(p.Text().size(), 100000u * 42);
}

TEST(Viewer, ScrollBarThresholds) {
  e2e::TempDir dir;
  std::wstring l33 = dir.Write(L"33.txt", Lines(33, "a"));
  std::wstring l34 = dir.Write(L"34.txt", Lines(34, "a"));
  std::wstring b52 = dir.Write(L"52.txt", Lines(1, std::string(52, 'a')));
  std::wstring b53 = dir.Write(L"53.txt", Lines(1, std::string(53, 'a')));
  e2e::Program p;
  ASSERT_NE(p.Main(), nullptr);
  auto bars = [&] { return p.TextBoxStyle() & (WS_HSCROLL | WS_VSCROLL); };

  Open(p, l33);
  ASSERT_TRUE(e2e::WaitFor([&] { return p.Panel(0) == L"33.txt"; }));
  EXPECT_EQ(bars(), 0);
  Open(p, l34);
  ASSERT_TRUE(e2e::WaitFor([&] { return p.Panel(0) == L"34.txt"; }));
  EXPECT_EQ(bars(), WS_VSCROLL);
  EXPECT_EQ(p.Text().size(), 34u * 3);

  p.Command(kMenuWrap);  // unchecked: 34 short lines keep the vertical bar only
  EXPECT_FALSE(p.MenuItemById(kMenuWrap).checked);
  EXPECT_EQ(bars(), WS_VSCROLL);
  Open(p, b52);
  ASSERT_TRUE(e2e::WaitFor([&] { return p.Panel(0) == L"52.txt"; }));
  EXPECT_EQ(bars(), 0);
  Open(p, b53);
  ASSERT_TRUE(e2e::WaitFor([&] { return p.Panel(0) == L"53.txt"; }));
  EXPECT_EQ(bars(), WS_HSCROLL);
  EXPECT_EQ(p.Text(), std::wstring(53, L'a') + L"\r\n");

  p.Command(kMenuWrap);  // checked again: never a horizontal bar
  EXPECT_TRUE(p.MenuItemById(kMenuWrap).checked);
  EXPECT_EQ(bars(), 0);
  EXPECT_EQ(p.Text(), std::wstring(53, L'a') + L"\r\n");

  Open(p, dir.Write(L"empty.txt", ""));
  ASSERT_TRUE(e2e::WaitFor([&] { return p.Panel(0) == L"empty.txt"; }));
  p.Command(kMenuWrap);
  EXPECT_EQ(bars(), 0);
}

TEST(Viewer, WrappedPiecesCountAsLines) {
  // 20 lines that wrap into more than 34 pieces in the 420-pixel box.
  e2e::TempDir dir;
  std::string words;
  for (int i = 0; i < 40; ++i) words += "word ";
  std::wstring file = dir.Write(L"long.txt", Lines(20, words));
  e2e::Program p(Quoted(file));
  ASSERT_NE(p.Main(), nullptr);
  ASSERT_TRUE(e2e::WaitFor([&] { return p.Panel(0) == L"long.txt"; }));
  EXPECT_EQ(p.TextBoxStyle() & (WS_HSCROLL | WS_VSCROLL), WS_VSCROLL);
}

TEST(Viewer, SavePrompt) {
  e2e::TempDir dir;
  std::wstring file = dir.Write(L"doc.txt", "\xD6\xD0\r\n");
  e2e::Program p(Quoted(file));
  ASSERT_NE(p.Main(), nullptr);
  WaitText(p, L"中\r\n");

  // Cancel: nothing saved, the open dialog still comes.
  p.Type(L"x");
  p.PostCommand(kMenuOpenFile);
  std::wstring tip;
  ASSERT_TRUE(p.AnswerTips(false, false, &tip));
  EXPECT_EQ(tip, L"      为避免当前内容丢失，在进入下一步操作前请保存当前内容，是否保存？");
  ASSERT_TRUE(p.CancelFileDialog());
  EXPECT_EQ(e2e::ReadFileBytes(file), "\xD6\xD0\r\n");

  // OK: the text box goes to the current file before the dialog.
  p.PostCommand(kMenuOpenFile);
  ASSERT_TRUE(p.AnswerTips(true));
  ASSERT_TRUE(p.CancelFileDialog());
  EXPECT_EQ(e2e::ReadFileBytes(file), "x\xD6\xD0\r\n");

  // Ticked and OK: saved this once, never asked again.
  p.Type(L"y");
  p.PostCommand(kMenuOpenFile);
  ASSERT_TRUE(p.AnswerTips(true, true));
  ASSERT_TRUE(p.CancelFileDialog());
  EXPECT_EQ(e2e::ReadFileBytes(file), "yx\xD6\xD0\r\n");
  p.Type(L"z");
  p.PostCommand(kMenuOpenFile);
  ASSERT_TRUE(p.CancelFileDialog());
  EXPECT_TRUE(p.Absent(L"TTipsForm"));
  p.PostCommand(kMenuQuit);
  EXPECT_TRUE(p.WaitExit(15000));
  EXPECT_EQ(e2e::ReadFileBytes(file), "yx\xD6\xD0\r\n");
}

TEST(Viewer, QuitAsksClosingDoesNot) {
  {
    // Typed into the empty box: saving to the empty name fails, the program stays.
    e2e::Program p;
    ASSERT_NE(p.Main(), nullptr);
    p.Type(L"abc");
    p.PostCommand(kMenuQuit);
    ASSERT_TRUE(p.AnswerTips(true));
    std::wstring error = p.AnswerMessageBox();
    EXPECT_EQ(error.rfind(L"[Vellumo] Cannot create file \"\". ", 0), 0u) << e2e::Utf8(error);
    EXPECT_EQ(error.back(), L'.');
    EXPECT_TRUE(p.Running());
    EXPECT_TRUE(p.Idle());
    PostMessageW(p.Main(), WM_CLOSE, 0, 0);
    EXPECT_TRUE(p.WaitExit(15000));
  }
  {
    e2e::Program p;
    ASSERT_NE(p.Main(), nullptr);
    p.Type(L"abc");
    p.PostCommand(kMenuQuit);
    ASSERT_TRUE(p.AnswerTips(false));
    DWORD code = 1;
    EXPECT_TRUE(p.WaitExit(15000, &code));
    EXPECT_EQ(code, 0u);
  }
}

TEST(Viewer, TipsDialogPlacement) {
  e2e::Program p;
  HWND main = p.Main();
  ASSERT_NE(main, nullptr);
  SetWindowPos(main, nullptr, 100, 100, 428, 336, SWP_NOZORDER);
  p.Type(L"a");
  p.PostCommand(kMenuQuit);
  HWND tips = nullptr;
  ASSERT_TRUE(e2e::WaitFor([&] { return (tips = p.FindVisible(L"TTipsForm")) != nullptr; }));
  RECT r = e2e::WindowRect(tips);
  EXPECT_EQ(r.right - r.left, 397);
  EXPECT_EQ(r.bottom - r.top, 111);
  EXPECT_EQ(r.left, 116);  // 100 + round(15.5)
  EXPECT_EQ(r.top, 212);   // 100 + round(112.5)
  EXPECT_EQ(e2e::WindowText(tips), L"提示");
  EXPECT_FALSE(e2e::WindowStyle(tips) & WS_SYSMENU);
  EXPECT_TRUE(e2e::WindowStyle(GetDlgItem(tips, kTipsCancel)) & WS_VISIBLE);
  EXPECT_EQ(e2e::WindowText(GetDlgItem(tips, kTipsCheckBox)), L"下次不要再提示");
  EXPECT_EQ(e2e::WindowText(GetDlgItem(tips, kTipsOk)), L"确定");
  EXPECT_EQ(e2e::WindowText(GetDlgItem(tips, kTipsCancel)), L"取消");
  e2e::Click(GetDlgItem(tips, kTipsCancel));
  EXPECT_TRUE(p.WaitExit(15000));
}

TEST(Viewer, SaveAsWritesTheShownBytes) {
  e2e::TempDir dir;
  std::wstring utf8 = dir.Write(L"u8.txt", kBom + "中한\nb");
  std::wstring unicode =
      dir.Write(L"u16.txt", std::string("\xFF\xFE" "\x2D\x4E\r\0\n\0", 8));
  std::wstring lf = dir.Write(L"lf.txt", "one\ntwo\n");
  // Bytes that are no GBK character: a lone lead byte, a bad trail, 0xFF, NUL.
  const std::string odd("\x81 \xFF\x80z\x00q\xD6\xD0\xFE", 11);
  std::wstring ansi = dir.Write(L"odd.txt", odd + "\r\n" + "\x81");
  e2e::Program p;
  ASSERT_NE(p.Main(), nullptr);

  struct Case {
    std::wstring source;
    std::string saved;
  };
  const Case cases[] = {
      {utf8, "\xD6\xD0**\r\nb\r\n"},
      {unicode, "\xD6\xD0\r\n"},
      {lf, "one\r\ntwo\r\n"},
      {ansi, odd + "\r\n\x81\r\n"},
  };
  int n = 0;
  for (const Case& c : cases) {
    Open(p, c.source);
    std::wstring name = c.source.substr(c.source.rfind(L'\\') + 1);
    ASSERT_TRUE(e2e::WaitFor([&] { return p.Panel(0) == name; }));
    std::wstring target = dir.Path() + L"saved" + std::to_wstring(++n);
    p.PostCommand(kMenuSaveFile);
    ASSERT_TRUE(p.AnswerFileDialog(target));  // ".txt" is added
    ASSERT_TRUE(e2e::WaitFor([&] { return p.Panel(0) == L"saved" + std::to_wstring(n) + L".txt"; }));
    EXPECT_EQ(e2e::ReadFileBytes(target + L".txt"), c.saved) << e2e::Utf8(name);
  }
  EXPECT_EQ(p.Panel(2), L"ANSI");
  // The odd bytes show as visible placeholders.
  std::wstring text = p.Text();
  EXPECT_EQ(text.substr(0, 3), std::wstring({wchar_t(0xDC81), L' ', wchar_t(0xDCFF)}));

  // Edited elsewhere, the odd bytes still survive.
  p.Type(L"中");
  std::wstring edited = dir.Path() + L"edited.txt";
  p.PostCommand(kMenuSaveFile);
  ASSERT_TRUE(p.AnswerFileDialog(edited));
  ASSERT_TRUE(e2e::WaitFor([&] { return p.Panel(0) == L"edited.txt"; }));
  EXPECT_EQ(e2e::ReadFileBytes(edited), "\xD6\xD0" + odd + "\r\n\x81\r\n");

  // Save As onto the file shown, then a code-page switch reads it back as ANSI.
  p.PostCommand(kMenuOpenFile);
  ASSERT_TRUE(p.AnswerTips(false));  // still edited: saving does not change that
  ASSERT_TRUE(p.AnswerFileDialog(utf8));
  ASSERT_TRUE(e2e::WaitFor([&] { return p.Panel(0) == L"u8.txt"; }));
  p.PostCommand(kMenuSaveFile);
  ASSERT_TRUE(p.AnswerFileDialog(utf8));
  std::string saved;
  ASSERT_TRUE(e2e::WaitFor([&] {
    return e2e::TryReadFileBytes(utf8, &saved) && saved == "\xD6\xD0**\r\nb\r\n";
  }));
  p.Command(kMenuBig5);
  p.Command(kMenuGb2312);
  EXPECT_EQ(WaitText(p, L"中**\r\nb\r\n"), L"中**\r\nb\r\n");
  EXPECT_EQ(p.Panel(2), L"ANSI");
}

TEST(Viewer, FailedSaveKeepsTheOldFile) {
  e2e::TempDir dir;
  std::wstring file = dir.Write(L"keep.txt", "old\r\n");
  std::wstring other = dir.Write(L"other.txt", "new\r\n");
  e2e::Program p(Quoted(other));
  ASSERT_NE(p.Main(), nullptr);
  WaitText(p, L"new\r\n");

  HANDLE lock = CreateFileW(file.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(lock, INVALID_HANDLE_VALUE);
  p.PostCommand(kMenuSaveFile);
  ASSERT_TRUE(p.AnswerFileDialog(file));
  std::wstring error = p.AnswerMessageBox();
  EXPECT_EQ(error.rfind(L"[Vellumo] Cannot create file \"" + file + L"\". ", 0), 0u)
      << e2e::Utf8(error);
  CloseHandle(lock);
  EXPECT_EQ(e2e::ReadFileBytes(file), "old\r\n");
  EXPECT_EQ(p.Panel(0), L"other.txt");  // unchanged after a failed Save As

  p.PostCommand(kMenuSaveFile);
  ASSERT_TRUE(p.AnswerFileDialog(dir.Path() + L"no such folder\\x.txt"));
  error = p.AnswerMessageBox();
  EXPECT_EQ(error.rfind(L"[Vellumo] Cannot create file \"" + dir.Path() + L"no such folder\\x.txt\". ", 0), 0u)
      << e2e::Utf8(error);

  // Nothing but the two files is left in the folder.
  EXPECT_EQ(e2e::FilesIn(dir.Path()).size(), 2u);
}

TEST(Viewer, BadInput) {
  e2e::TempDir dir;
  std::string binary;
  for (int i = 0; i < 4096; ++i) binary += static_cast<char>((i * 7919) % 251);
  // A line of 8 KB is shown in rows of 1024 characters.
  std::string longLine(8 << 10, 'x');
  std::wstring longRows;
  for (int row = 0; row < 8; ++row) longRows += std::wstring(1024, L'x') + (row < 7 ? L"\r\r\n" : L"\r\n");
  // EF BB BF alone is an ANSI file: EF BB is a GBK character, BF a lone lead byte.
  wchar_t efbb[2] = {};
  ASSERT_EQ(MultiByteToWideChar(936, 0, "\xEF\xBB", 2, efbb, 2), 1);
  struct Case {
    std::wstring name;
    std::string bytes;
    std::wstring text;  // expected, when given
    std::size_t size;   // expected text length, when given
  };
  const Case cases[] = {
      {L"zero.txt", std::string("a\0b\r\n", 5), std::wstring(L"a") + wchar_t(0xDC00) + L"b\r\n", 0},
      {L"eof.txt", "one\r\ntw\x1Ao\r\nthree", L"one\r\ntw\r\n", 0},
      {L"cr.txt", "a\rb\rc", L"abc\r\n", 0},
      {L"binary.bin", binary, L"", 0},
      {L"long.txt", longLine, longRows, 0},
      {L"bom-only.txt", kBom, std::wstring(1, efbb[0]) + wchar_t(0xDCBF) + L"\r\n", 0},
  };
  e2e::Program p;
  ASSERT_NE(p.Main(), nullptr);
  for (const Case& c : cases) {
    Open(p, dir.Write(c.name, c.bytes));
    ASSERT_TRUE(e2e::WaitFor([&] { return p.Panel(0) == c.name; }, 60000)) << e2e::Utf8(c.name);
    EXPECT_TRUE(p.Idle());
    if (!c.text.empty()) EXPECT_EQ(p.Text(), c.text) << e2e::Utf8(c.name);
    if (c.size) EXPECT_EQ(p.Text().size(), c.size);
  }
  EXPECT_EQ(p.Panel(2), L"ANSI");  // EF BB BF alone is an ANSI file
  EXPECT_TRUE(p.NoMessageBox());
  EXPECT_TRUE(p.Running());
}

// A line of a megabyte would take the edit control minutes to lay out, and
// more to wrap: it is shown in rows of 1024 characters joined by soft breaks,
// unwrapped though wrap stays checked, and saved back byte for byte; a later
// file of short lines wraps again.
TEST(Viewer, LineOfAMegabyteShownInRowsAndSavedWhole) {
  e2e::TempDir dir;
  // Digits without blanks are the edit control's slowest case; 中 in GBK.
  std::string line = "\xD6\xD0";
  std::wstring shown = L"中";
  while (line.size() < (1 << 20)) {
    const char digit = static_cast<char>('0' + line.size() % 10);
    line += digit;
    shown += static_cast<wchar_t>(digit);
  }
  std::wstring rows;
  for (std::size_t at = 0; at < shown.size(); at += 1024)
    rows += (at ? L"\r\r\n" : L"") + shown.substr(at, 1024);
  const std::string bytes = line + "\r\nshort\r\n";
  e2e::Program p;
  ASSERT_NE(p.Main(), nullptr);
  Open(p, dir.Write(L"mega.txt", bytes));
  ASSERT_TRUE(e2e::WaitFor([&] { return p.Panel(0) == L"mega.txt"; }, 60000));
  EXPECT_TRUE(p.MenuItemById(kMenuWrap).checked);
  EXPECT_EQ(p.TextBoxStyle() & (WS_HSCROLL | WS_VSCROLL), WS_HSCROLL | WS_VSCROLL);
  EXPECT_TRUE(p.Text() == rows + L"\r\nshort\r\n");
  std::wstring saved = dir.Path() + L"saved.txt";
  p.PostCommand(kMenuSaveFile);
  ASSERT_TRUE(p.AnswerFileDialog(saved));
  ASSERT_TRUE(e2e::WaitFor([&] { return p.Panel(0) == L"saved.txt"; }, 60000));
  EXPECT_TRUE(e2e::ReadFileBytes(saved) == bytes);
  // Unwrapping and wrapping again keeps the rows unwrapped.
  p.Command(kMenuWrap);
  p.Command(kMenuWrap);
  EXPECT_EQ(p.TextBoxStyle() & WS_HSCROLL, WS_HSCROLL);
  Open(p, dir.Write(L"short.txt", "short\r\n"));
  ASSERT_TRUE(e2e::WaitFor([&] { return p.Panel(0) == L"short.txt"; }, 60000));
  EXPECT_EQ(p.TextBoxStyle() & (WS_HSCROLL | WS_VSCROLL), 0);
}

TEST(Viewer, TypingBeyondTheDefaultLimitAndCharactersTheCodePageLacks) {
  e2e::TempDir dir;
  std::wstring file = dir.Write(L"big.txt", Lines(1000, std::string(40, 'a')));  // 42,000 chars
  e2e::Program p(Quoted(file));
  ASSERT_NE(p.Main(), nullptr);
  ASSERT_TRUE(e2e::WaitFor([&] { return p.Panel(0) == L"big.txt"; }));
  // Hangul is no GBK character: it shows at once as the "?" that is saved.
  p.Type(L"가b");
  EXPECT_EQ(p.Text().substr(0, 3), L"?ba");
  // A character beyond the basic plane comes as two halves: one "?".
  HWND box = p.TextBox();
  PostMessageW(box, WM_CHAR, 0xD83D, 1);
  PostMessageW(box, WM_CHAR, 0xDE00, 1);
  ASSERT_TRUE(e2e::WaitFor([&] { return p.Text().substr(0, 4) == L"?b?a"; }));
  // Pasted text the same way.
  const std::wstring clip = L"x한\U0001F600中";
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  HGLOBAL data = GlobalAlloc(GMEM_MOVEABLE, (clip.size() + 1) * sizeof(wchar_t));
  memcpy(GlobalLock(data), clip.c_str(), (clip.size() + 1) * sizeof(wchar_t));
  GlobalUnlock(data);
  SetClipboardData(CF_UNICODETEXT, data);
  CloseClipboard();
  PostMessageW(box, WM_PASTE, 0, 0);
  std::wstring text;
  EXPECT_TRUE(e2e::WaitFor([&] { return (text = p.Text()).substr(0, 8) == L"?b?x??中a"; }))
      << e2e::Utf8(text.substr(0, 8));
  std::wstring saved = dir.Path() + L"saved.txt";
  p.PostCommand(kMenuSaveFile);
  ASSERT_TRUE(p.AnswerFileDialog(saved));
  ASSERT_TRUE(e2e::WaitFor([&] { return p.Panel(0) == L"saved.txt"; }));
  EXPECT_EQ(e2e::ReadFileBytes(saved), "?b?x??\xD6\xD0" + Lines(1000, std::string(40, 'a')));
}

TEST(Viewer, TableThatCannotBeOpenedShowsStars) {
  e2e::ProgramFolder folder;
  e2e::TempDir dir;
  std::wstring file = dir.Write(L"u8.txt", kBom + "中a\r\n");
  std::wstring table = folder.Path() + L"dll\\Gb2312.dll";
  HANDLE lock = CreateFileW(table.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(lock, INVALID_HANDLE_VALUE);
  e2e::Program p(Quoted(file), L"", folder.Path());
  ASSERT_NE(p.Main(), nullptr);
  EXPECT_EQ(WaitText(p, L"****\r\n"), L"****\r\n");  // every character, ASCII too
  EXPECT_EQ(p.Panel(2), L"UTF-8");
  // ANSI files do not go through the table.
  Open(p, dir.Write(L"ansi.txt", "\xD6\xD0\r\n"));
  EXPECT_EQ(WaitText(p, L"中\r\n"), L"中\r\n");
  CloseHandle(lock);
  // The next change of code page loads the table again.
  Open(p, file);
  p.Command(kMenuKorean);
  p.Command(kMenuGb2312);
  EXPECT_EQ(WaitText(p, L"中a\r\n"), L"中a\r\n");
}
