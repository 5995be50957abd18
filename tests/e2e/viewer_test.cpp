// The viewer as a user meets it: start-up, the menus and status bar, opening
// files of each kind, display code pages, scroll bars, the save prompt and
// Save As, and what bad input does.
#include <gtest/gtest.h>

#include "app/menuids.h"
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
  RECT client;
  GetClientRect(main, &client);
  EXPECT_EQ(client.right, 420);
  EXPECT_EQ(client.bottom, 290);
  RECT box;
  GetWindowRect(p.TextBox(), &box);
  EXPECT_EQ(box.right - box.left, 420);
  EXPECT_EQ(box.bottom - box.top, 271);
  RECT outer;
  GetWindowRect(main, &outer);
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
