// The edit's context menu on plain EDIT windows of a skinned form: items
// enabled as the edit stands, Copy then Paste, the keyboard's highlight
// moves, the all-disabled menu, the closing and done messages around the
// command, and no handles held across many openings; the skinned edit
// opening it.
#include <gtest/gtest.h>

#include <string>

#include "skinwin/bsEditMenu.h"
#include "skinwin/bsSkinBoxCtrls.h"
#include "tests/skinwin/gdicount.h"
#include "tests/skinwin/menutest.h"

namespace {

using menutest::Framed;
using menutest::Pump;

enum Item { kUndo = 0, kCut = 2, kCopy = 3, kPaste = 4, kDelete = 5, kSelectAll = 7 };

// Records, in order, the messages around a command that reach an edit.
class Recorder : public vellumo::Window {
 public:
  explicit Recorder(HWND edit) { Subclass(edit); }
  std::vector<UINT> log;
  std::function<void()> onClosed;  // at WM_USER+204

 protected:
  LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override {
    switch (msg) {
      case bs::kMenuClosedMessage:
        log.push_back(msg);
        if (onClosed) std::exchange(onClosed, nullptr)();
        break;
      case bs::kCommandDoneMessage:
      case WM_COPY:
      case WM_PASTE:
      case WM_CUT:
      case WM_CLEAR:
      case WM_UNDO:
        log.push_back(msg);
        break;
      default:
        break;
    }
    return DefaultProc(msg, wp, lp);
  }
};

void SetClipboardText(const wchar_t* text) {
  ASSERT_TRUE(OpenClipboard(nullptr));
  EmptyClipboard();
  if (text) {
    const std::size_t bytes = (wcslen(text) + 1) * sizeof(wchar_t);
    HGLOBAL g = GlobalAlloc(GMEM_MOVEABLE, bytes);
    memcpy(GlobalLock(g), text, bytes);
    GlobalUnlock(g);
    SetClipboardData(CF_UNICODETEXT, g);
  }
  CloseClipboard();
}

std::wstring Text(HWND edit) {
  wchar_t buf[256] = {};
  GetWindowTextW(edit, buf, 256);
  return buf;
}

class EditMenu : public ::testing::Test {
 protected:
  EditMenu() : f((menutest::LoadAboutSkin(data), &data)) {}
  void SetUp() override {
    for (int i = 0; i < 2; ++i)
      edit[i] = CreateWindowExW(0, L"EDIT", L"", WS_CHILD | WS_VISIBLE | WS_BORDER | ES_AUTOHSCROLL,
                                20, 20 + 40 * i, 300, 24, f.form.Handle(), nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    SetFocus(edit[0]);
    Pump();
  }
  // Opens the menu of edit i below its left end.
  void Open(int i) {
    RECT r;
    GetWindowRect(edit[i], &r);
    const POINT at = {r.left + 10, r.bottom + 2};
    ASSERT_TRUE(bs::PopupEditMenu(edit[i], &at));
    ASSERT_EQ(Menu().LevelCount(), 1);
  }
  bs::TbsSkinMenu& Menu() { return f.Menu(); }
  const bs::PopupLevel& Level() { return Menu().Session()->Level(0); }
  std::vector<bool> Enabled() {
    std::vector<bool> e;
    for (int i = 0; i < Level().Count(); ++i) e.push_back(Level().Item(i).Selectable());
    return e;
  }

  bs::TbsSkinData data;
  Framed f;
  HWND edit[2] = {};
};

TEST_F(EditMenu, ItemsAreEnabledAsTheEditStands) {
  SetWindowTextW(edit[0], L"hello");
  SendMessageW(edit[0], EM_SETSEL, 5, 5);
  SetClipboardText(nullptr);
  Open(0);
  EXPECT_EQ(Level().Count(), 8);
  //                  undo   -      cut    copy   paste  delete -      select all
  EXPECT_EQ(Enabled(), (std::vector<bool>{false, false, false, false, false, false, false, true}));
  EXPECT_EQ(Level().Highlight(), kSelectAll);
  EXPECT_EQ(GetForegroundWindow(), f.form.Handle());
  EXPECT_EQ(GetFocus(), edit[0]);
  menutest::Key(VK_ESCAPE);  // the only level: the menu closes
  EXPECT_EQ(Menu().LevelCount(), 0);

  // Built afresh: everything selected, text on the clipboard.
  SendMessageW(edit[0], EM_SETSEL, 0, -1);
  SetClipboardText(L"x");
  Open(0);
  EXPECT_EQ(Enabled(), (std::vector<bool>{false, false, true, true, true, true, false, false}));
  Menu().CloseAll();

  // Read-only: nothing that changes the text.
  SendMessageW(edit[0], EM_SETREADONLY, TRUE, 0);
  SendMessageW(edit[0], EM_SETSEL, 1, 3);
  Open(0);
  EXPECT_EQ(Enabled(), (std::vector<bool>{false, false, false, true, false, false, false, true}));
  Menu().CloseAll();
}

TEST_F(EditMenu, CopyThenPasteMovesTheTextBetweenClosingAndDone) {
  Recorder from(edit[0]), to(edit[1]);
  SetWindowTextW(edit[0], L"moved text");
  SendMessageW(edit[0], EM_SETSEL, 0, -1);
  SetClipboardText(nullptr);
  Open(0);
  EXPECT_EQ(Level().Highlight(), kCut);
  menutest::Key(VK_DOWN);
  EXPECT_EQ(Level().Highlight(), kCopy);
  menutest::Key(VK_RETURN);
  EXPECT_EQ(Menu().LevelCount(), 0);
  EXPECT_EQ(from.log, (std::vector<UINT>{bs::kMenuClosedMessage, WM_COPY, bs::kCommandDoneMessage}));

  SetFocus(edit[1]);
  Open(1);
  EXPECT_TRUE(Level().Item(kPaste).Selectable());
  const POINT paste = menutest::ItemCentre(Menu(), 0, kPaste);
  menutest::MouseTo(paste.x, paste.y);
  EXPECT_EQ(Level().Highlight(), kPaste);
  menutest::Click();
  EXPECT_EQ(Text(edit[1]), L"moved text");
  EXPECT_EQ(to.log, (std::vector<UINT>{bs::kMenuClosedMessage, WM_PASTE, bs::kCommandDoneMessage}));
  EXPECT_EQ(f.form.received.size(), 2u);  // the form hears of each choice
  EXPECT_EQ(GetForegroundWindow(), f.form.Handle());
}

TEST_F(EditMenu, UpAndDownGoRoundTheEnabledItems) {
  SetWindowTextW(edit[0], L"abc");
  SendMessageW(edit[0], EM_SETSEL, 0, 1);
  SendMessageW(edit[0], EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(L"x"));  // something to undo
  SendMessageW(edit[0], EM_SETSEL, 1, 2);
  SetClipboardText(L"y");
  Open(0);
  EXPECT_EQ(Enabled(), (std::vector<bool>{true, false, true, true, true, true, false, true}));
  EXPECT_EQ(Level().Highlight(), kUndo);
  menutest::Key(VK_UP);
  EXPECT_EQ(Level().Highlight(), kSelectAll);
  menutest::Key(VK_DOWN);  // the last enabled item goes to the first
  EXPECT_EQ(Level().Highlight(), kUndo);
  menutest::Key(VK_DOWN);  // over the separator
  EXPECT_EQ(Level().Highlight(), kCut);
  menutest::Key(VK_ESCAPE);
  EXPECT_EQ(Menu().LevelCount(), 0);
}

TEST_F(EditMenu, AllDisabledMenuTakesDownUpAndEnterAndChoosesNothing) {
  Recorder r(edit[0]);
  SendMessageW(edit[0], EM_EMPTYUNDOBUFFER, 0, 0);
  SetClipboardText(nullptr);
  Open(0);
  EXPECT_EQ(Enabled(), std::vector<bool>(8, false));
  EXPECT_EQ(Level().Highlight(), -1);
  const DWORD start = GetTickCount();
  for (WORD vk : {VK_DOWN, VK_UP, VK_RETURN, VK_DOWN}) {
    menutest::Key(vk);
    EXPECT_EQ(Level().Highlight(), -1);
    ASSERT_EQ(Menu().LevelCount(), 1);
  }
  EXPECT_LT(GetTickCount() - start, 2000u);
  EXPECT_TRUE(r.log.empty());
  menutest::Key(VK_ESCAPE);
  EXPECT_EQ(r.log, std::vector<UINT>{bs::kMenuClosedMessage});  // no command, no done
}

TEST_F(EditMenu, MenuReopenedAtClosingStillRunsTheChosenCommand) {
  // The first menu's closing opens another; the chosen Select all still
  // runs on its own edit and that edit hears it is done.
  Recorder first(edit[0]);
  SetWindowTextW(edit[0], L"some text");
  SendMessageW(edit[0], EM_SETSEL, 0, 0);
  SetWindowTextW(edit[1], L"other");
  Open(0);
  first.onClosed = [&] { bs::PopupEditMenu(edit[1], nullptr); };
  menutest::Key(VK_UP);  // round to Select all
  ASSERT_EQ(Level().Highlight(), kSelectAll);
  menutest::Key(VK_RETURN);
  DWORD start = 0, end = 0;
  SendMessageW(edit[0], EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  EXPECT_EQ(end - start, 9u);
  EXPECT_EQ(first.log, (std::vector<UINT>{bs::kMenuClosedMessage, bs::kCommandDoneMessage}));
  EXPECT_EQ(Menu().LevelCount(), 1);  // the second menu, of the other edit
  Menu().CloseAll();
}

TEST_F(EditMenu, AltSpaceInTheEditOpensTheFormsSystemMenu) {
  ASSERT_EQ(GetFocus(), edit[0]);
  INPUT in[4] = {};
  const WORD keys[4] = {VK_MENU, VK_SPACE, VK_SPACE, VK_MENU};
  for (int i = 0; i < 4; ++i) {
    in[i].type = INPUT_KEYBOARD;
    in[i].ki.wVk = keys[i];
    in[i].ki.dwFlags = i >= 2 ? KEYEVENTF_KEYUP : 0;
  }
  SendInput(4, in, sizeof in[0]);
  ASSERT_TRUE(menutest::PumpUntil([&] { return Menu().LevelCount() == 1; }));
  EXPECT_EQ(Level().Item(0).name, "BSF_MINITEM");
  EXPECT_EQ(GetFocus(), edit[0]);
  menutest::Key(VK_ESCAPE);
  EXPECT_EQ(Menu().LevelCount(), 0);
  EXPECT_EQ(Text(edit[0]), L"");  // no key reached the edit
}

TEST_F(EditMenu, ManyOpeningsHoldNoWindowsOrGdiObjects) {
  SetWindowTextW(edit[0], L"text");
  Open(0);
  Menu().CloseAll();
  Pump();
  const int gdi = skintest::GdiObjectCount(), windows = menutest::ThreadWindowCount();
  ASSERT_GT(gdi, 0) << "this system gives no count of GDI objects";
  for (int i = 0; i < 100; ++i) {
    SendMessageW(edit[0], EM_SETSEL, 0, i % 3);
    Open(0);
    PostMessageW(edit[0], WM_KEYDOWN, i % 2 ? VK_ESCAPE : VK_RETURN, 0);
    Pump(i % 10 == 0 ? 60 : 0);
    ASSERT_EQ(Menu().LevelCount(), 0) << "cycle " << i;
  }
  Pump();
  EXPECT_EQ(skintest::GdiObjectCount(), gdi);
  EXPECT_EQ(menutest::ThreadWindowCount(), windows);
}

// The skinned edit opens the frame's menu at a right click's point, or at
// its middle from the menu key, with the items enabled as it stands.
TEST_F(EditMenu, TheSkinnedEditOpensItAtThePointOrItsMiddle) {
  bs::TbsSkinEdit skinned;
  skinned.SetSkinData(&data);
  ASSERT_TRUE(skinned.CreateEdit(f.form.Handle(), bs::Rect{20, 120, 320, 141}));
  skinned.SetText(L"address");
  skinned.SelectAll();
  SetClipboardText(nullptr);
  HWND e = skinned.Handle();
  SendMessageW(e, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(e), -1);
  ASSERT_EQ(Menu().LevelCount(), 1);
  RECT w;
  GetWindowRect(e, &w);
  EXPECT_EQ(Menu().Session()->LevelRect(0).left, (w.left + w.right) / 2);
  ASSERT_EQ(Level().Count(), 8);
  EXPECT_TRUE(Level().Item(kCut).Selectable());         // selected
  EXPECT_FALSE(Level().Item(kPaste).Selectable());      // an empty clipboard
  EXPECT_FALSE(Level().Item(kSelectAll).Selectable());  // all selected already
  Menu().CloseAll();

  SendMessageW(e, WM_CONTEXTMENU, reinterpret_cast<WPARAM>(e), MAKELPARAM(120, 130));
  ASSERT_EQ(Menu().LevelCount(), 1);
  EXPECT_EQ(Menu().Session()->LevelRect(0).left, 120);
  // Delete, past the disabled Paste: the selection goes.
  menutest::Key(VK_DOWN);
  menutest::Key(VK_DOWN);
  ASSERT_EQ(Level().Highlight(), kDelete);
  menutest::Key(VK_RETURN);
  EXPECT_EQ(skinned.Text(), L"");
}

}  // namespace
