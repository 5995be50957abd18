// The program's Notepad, help, association and companion-file commands,
// driven under Wine through its menu, dialogs and status bar as a user would.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "app/menuids.h"
#include "shell/newfiletips.h"
#include "tests/e2e/harness.h"
#include "tests/shell/drive.h"

namespace {

using vellumo::kMenuHelp;
using vellumo::kMenuKorean;
using vellumo::kMenuN6;
using vellumo::kMenuNewFile;
using vellumo::kMenuNotepad;
using vellumo::kMenuRegTxt;

constexpr DWORD kSlow = 20000;  // generous: Notepad and the program start under Wine

// A running program in its own copy of the distribution, current directory
// there too.
struct Session {
  explicit Session(const std::wstring& folder, const std::wstring& args = L"")
      : dir(folder), program(args, folder, folder) {
    main = program.WaitWindow(L"TForm1", kSlow);
  }
  HWND TextBox() const { return GetDlgItem(main, vellumo::kTextBoxId); }
  HWND StatusBar() const { return GetDlgItem(main, vellumo::kStatusBarId); }
  std::wstring Text() const { return e2e::WindowText(TextBox()); }
  void Menu(unsigned id) const { PostMessageW(main, WM_COMMAND, id, 0); }
  // The program's message box: its text, then OK.
  std::wstring Answer() const {
    HWND box = drive::WaitTopLevel(program.Pid(), L"#32770", kSlow);
    if (!box) return L"<no message box>";
    std::wstring text = drive::DialogText(box);
    drive::PressButton(box, IDOK);
    return text;
  }
  bool Ends() const {
    DWORD code = 0;
    return program.WaitExit(kSlow, &code);
  }

  std::wstring dir;
  e2e::Program program;
  HWND main = nullptr;
};

// Wine's Notepad, once it shows: its text box.
HWND NotepadEdit(HWND notepad) { return FindWindowExW(notepad, nullptr, L"Edit", nullptr); }

// Types text into Notepad, saves in place and closes it.
void TypeSaveClose(HWND notepad, const std::wstring& text) {
  HWND edit = NotepadEdit(notepad);
  ASSERT_NE(edit, nullptr);
  DWORD_PTR r;
  SendMessageTimeoutW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()), SMTO_ABORTIFHUNG,
                      5000, &r);
  SendMessageTimeoutW(edit, EM_SETMODIFY, TRUE, 0, SMTO_ABORTIFHUNG, 5000, &r);
  SendMessageTimeoutW(notepad, WM_COMMAND, 0x102, 0, SMTO_ABORTIFHUNG, 5000, &r);  // File, Save
  PostMessageW(notepad, WM_CLOSE, 0, 0);
  ASSERT_TRUE(drive::WaitFor([&] { return !IsWindow(notepad); }, kSlow));
}

const std::wstring kTipText = L"请在弹出的文本编辑器中输入需要转换的外文字符";

TEST(InputUnicode, TypedTextComesBackAsUnicode) {
  std::wstring dir = drive::CopyOfProgram(L"vellumo-input");
  drive::WriteBytes(dir + L"new.txt", "left from before");
  Session s(dir);
  ASSERT_NE(s.main, nullptr);
  s.Menu(kMenuNewFile);

  HWND tip = drive::WaitTopLevel(s.program.Pid(), vellumo::TTipsForm::kClassName, kSlow);
  ASSERT_NE(tip, nullptr);
  EXPECT_NE(e2e::WindowText(GetDlgItem(tip, vellumo::kTipsLabel)).find(kTipText), std::wstring::npos);
  EXPECT_FALSE(IsWindowVisible(GetDlgItem(tip, vellumo::kTipsCancel)));
  ASSERT_TRUE(drive::PressButton(tip, vellumo::kTipsOk));

  HWND notepad = drive::WaitTopLevel(0, L"Notepad", kSlow);
  ASSERT_NE(notepad, nullptr);
  // The template replaced what new.txt held before.
  EXPECT_EQ(drive::ReadBytes(dir + L"new.txt"), "\xFF\xFE");
  TypeSaveClose(notepad, L"한국어 汉字");
  EXPECT_EQ(drive::ReadBytes(dir + L"new.txt").substr(0, 2), "\xFF\xFE");

  ASSERT_TRUE(drive::WaitFor([&] { return drive::PanelText(s.StatusBar(), 0) == L"new.txt"; }, kSlow));
  EXPECT_EQ(drive::PanelText(s.StatusBar(), 2), L"Unicode");
  // GB2312 has no Hangul: those come as "**", the Chinese stays.
  std::wstring shown = s.Text();
  EXPECT_NE(shown.find(L"汉字"), std::wstring::npos) << testing::PrintToString(shown);
  EXPECT_NE(shown.find(L"**"), std::wstring::npos) << shown;
  EXPECT_EQ(shown.find(L"한"), std::wstring::npos) << shown;
  // In the Korean code page the Hangul shows.
  s.Menu(kMenuKorean);
  ASSERT_TRUE(drive::WaitFor([&] { return s.Text().find(L"한국어") != std::wstring::npos; }, kSlow))
      << s.Text();
  PostMessageW(s.main, WM_CLOSE, 0, 0);
  EXPECT_TRUE(s.Ends());
}

TEST(InputUnicode, TipNotShownAgainOnceTicked) {
  std::wstring dir = drive::CopyOfProgram(L"vellumo-tip");
  Session s(dir);
  ASSERT_NE(s.main, nullptr);
  s.Menu(kMenuNewFile);
  HWND tip = drive::WaitTopLevel(s.program.Pid(), vellumo::TTipsForm::kClassName, kSlow);
  ASSERT_NE(tip, nullptr);
  DWORD_PTR r;
  SendMessageTimeoutW(GetDlgItem(tip, vellumo::kTipsCheckBox), BM_CLICK, 0, 0, SMTO_ABORTIFHUNG,
                      2000, &r);
  ASSERT_TRUE(drive::PressButton(tip, vellumo::kTipsOk));
  HWND notepad = drive::WaitTopLevel(0, L"Notepad", kSlow);
  ASSERT_NE(notepad, nullptr);
  TypeSaveClose(notepad, L"一");
  ASSERT_TRUE(drive::WaitFor([&] { return s.Text().find(L"一") != std::wstring::npos; }, kSlow));

  // Second time: straight to Notepad.
  s.Menu(kMenuNewFile);
  notepad = drive::WaitTopLevel(0, L"Notepad", kSlow);
  ASSERT_NE(notepad, nullptr);
  EXPECT_FALSE(drive::AppearsWithin(s.program.Pid(), vellumo::TTipsForm::kClassName, 300));
  TypeSaveClose(notepad, L"二");
  EXPECT_TRUE(drive::WaitFor([&] { return s.Text().find(L"二") != std::wstring::npos; }, kSlow));
  PostMessageW(s.main, WM_CLOSE, 0, 0);
  EXPECT_TRUE(s.Ends());
}

TEST(CallNotepad, EditsTheFileWithBlanksAndReloads) {
  std::wstring dir = drive::CopyOfProgram(L"vellumo-notepad");
  CreateDirectoryW((dir + L"My Files").c_str(), nullptr);
  const std::wstring file = dir + L"My Files\\a b.txt";
  drive::WriteBytes(file, "\xEF\xBB\xBF" "before 前");
  Session s(dir, L"\"" + file + L"\"");
  ASSERT_NE(s.main, nullptr);
  ASSERT_TRUE(drive::WaitFor([&] { return s.Text().find(L"before 前") != std::wstring::npos; }));
  EXPECT_EQ(drive::PanelText(s.StatusBar(), 0), L"a b.txt");

  s.Menu(kMenuNotepad);
  HWND notepad = drive::WaitTopLevel(0, L"Notepad", kSlow);
  ASSERT_NE(notepad, nullptr);
  // Notepad got the whole path: it shows the file's text.
  ASSERT_TRUE(drive::WaitFor([&] { return e2e::WindowText(NotepadEdit(notepad)) == L"before 前"; }))
      << e2e::WindowText(NotepadEdit(notepad));
  TypeSaveClose(notepad, L"after 后");
  EXPECT_TRUE(drive::WaitFor([&] { return s.Text().find(L"after 后") != std::wstring::npos; }, kSlow))
      << s.Text();
  EXPECT_EQ(drive::PanelText(s.StatusBar(), 0), L"a b.txt");
  EXPECT_EQ(drive::PanelText(s.StatusBar(), 2), L"UTF-8");
  PostMessageW(s.main, WM_CLOSE, 0, 0);
  EXPECT_TRUE(s.Ends());
}

TEST(CallNotepad, WithoutAFileSaysSo) {
  Session s(drive::CopyOfProgram(L"vellumo-nofile"));
  ASSERT_NE(s.main, nullptr);
  s.Menu(kMenuNotepad);
  EXPECT_EQ(s.Answer(), L"当前没有打开的文件，请先打开文本。");
  EXPECT_FALSE(drive::AppearsWithin(0, L"Notepad", 500));
  EXPECT_EQ(drive::PanelText(s.StatusBar(), 2), L"未知");
  PostMessageW(s.main, WM_CLOSE, 0, 0);
  EXPECT_TRUE(s.Ends());
}

// ---- The right-click verb ----------------------------------------------------

const wchar_t kVerbKey[] = L"txtfile\\shell\\Runeview";

std::wstring CommandValue() {
  wchar_t data[1024] = {};
  DWORD bytes = sizeof data - sizeof(wchar_t);
  if (RegGetValueW(HKEY_CLASSES_ROOT, L"txtfile\\shell\\Runeview\\command", nullptr, RRF_RT_REG_SZ,
                   nullptr, data, &bytes) != ERROR_SUCCESS)
    return L"<none>";
  return data;
}

DWORD VerbSubkeys() {
  HKEY key;
  if (RegOpenKeyExW(HKEY_CLASSES_ROOT, kVerbKey, 0, KEY_READ, &key) != ERROR_SUCCESS) return ~0u;
  DWORD count = 0;
  RegQueryInfoKeyW(key, nullptr, nullptr, nullptr, &count, nullptr, nullptr, nullptr, nullptr,
                   nullptr, nullptr, nullptr);
  RegCloseKey(key);
  return count;
}

TEST(Association, AddTwiceRemoveTwiceFromTheMenu) {
  RegDeleteTreeW(HKEY_CLASSES_ROOT, kVerbKey);
  // The folder has a blank: the verb must still start the program.
  std::wstring dir = drive::CopyOfProgram(L"vellumo assoc");
  Session s(dir);
  ASSERT_NE(s.main, nullptr);
  s.Menu(kMenuRegTxt);
  EXPECT_EQ(s.Answer(), L"与文本文件右键菜单关联成功。");
  EXPECT_EQ(CommandValue(), L"\"" + dir + L"Runeview.exe\" \"%1\"");

  HKEY extra;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CLASSES_ROOT, L"txtfile\\shell\\Runeview\\other", 0, nullptr, 0,
                            KEY_WRITE, nullptr, &extra, nullptr),
            ERROR_SUCCESS);
  RegCloseKey(extra);
  s.Menu(kMenuRegTxt);
  EXPECT_EQ(s.Answer(), L"与文本文件右键菜单关联成功。");
  EXPECT_EQ(VerbSubkeys(), 1u);
  EXPECT_EQ(CommandValue(), L"\"" + dir + L"Runeview.exe\" \"%1\"");

  s.Menu(kMenuN6);
  EXPECT_EQ(s.Answer(), L"已清除文本文件右键菜单关联。");
  EXPECT_EQ(VerbSubkeys(), ~0u);
  s.Menu(kMenuN6);
  EXPECT_EQ(s.Answer(), L"找不到关联信息。");
  PostMessageW(s.main, WM_CLOSE, 0, 0);
  EXPECT_TRUE(s.Ends());
}

TEST(Association, RegistryRefusalReachesTheErrorBox) {
  // A lasting key cannot be made below a volatile one: make the class's
  // shell key volatile for this run.
  RegDeleteTreeW(HKEY_CLASSES_ROOT, L"txtfile\\shell");
  HKEY shell;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CLASSES_ROOT, L"txtfile\\shell", 0, nullptr, REG_OPTION_VOLATILE,
                            KEY_ALL_ACCESS, nullptr, &shell, nullptr),
            ERROR_SUCCESS);
  RegCloseKey(shell);
  Session s(drive::CopyOfProgram(L"vellumo-refused"));
  ASSERT_NE(s.main, nullptr);
  s.Menu(kMenuRegTxt);
  EXPECT_EQ(s.Answer(), L"Failed to create key txtfile\\shell\\Runeview.");
  // The program goes on: the next command works.
  s.Menu(kMenuN6);
  EXPECT_EQ(s.Answer(), L"找不到关联信息。");
  PostMessageW(s.main, WM_CLOSE, 0, 0);
  EXPECT_TRUE(s.Ends());
  RegDeleteTreeW(HKEY_CLASSES_ROOT, L"txtfile\\shell");
  RegCreateKeyExW(HKEY_CLASSES_ROOT, L"txtfile\\shell", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                  &shell, nullptr);
  RegCloseKey(shell);
}

// ---- Help ------------------------------------------------------------------

TEST(Help, OpensTheHelpPage) {
  std::wstring recorder = L"\"" + drive::ThisDir() + L"shell_recorder.exe\" \"%1\"";
  RegSetKeyValueW(HKEY_CLASSES_ROOT, L".htm", nullptr, REG_SZ, L"htmlfile", 18);
  RegSetKeyValueW(HKEY_CLASSES_ROOT, L"htmlfile\\shell\\open\\command", nullptr, REG_SZ,
                  recorder.c_str(), static_cast<DWORD>((recorder.size() + 1) * sizeof(wchar_t)));
  const std::wstring recorded = drive::ThisDir() + L"recorded.txt";
  DeleteFileW(recorded.c_str());
  std::wstring dir = drive::CopyOfProgram(L"vellumo-help");
  Session s(dir);
  ASSERT_NE(s.main, nullptr);
  s.Menu(kMenuHelp);
  ASSERT_TRUE(drive::WaitFor([&] { return !drive::ReadBytes(recorded).empty(); }, kSlow));
  int n = WideCharToMultiByte(CP_UTF8, 0, dir.c_str(), -1, nullptr, 0, nullptr, nullptr);
  std::string dir8(n - 1, '\0');
  WideCharToMultiByte(CP_UTF8, 0, dir.c_str(), -1, &dir8[0], n, nullptr, nullptr);
  EXPECT_EQ(drive::ReadBytes(recorded), dir8 + "howtouse.htm\n");
  PostMessageW(s.main, WM_CLOSE, 0, 0);
  EXPECT_TRUE(s.Ends());
}

// ---- The companion-file check ----------------------------------------------------

const wchar_t* const kCompanions[] = {L"dll\\U2A.dll",     L"howtouse.htm",
                                      L"readme.htm",       L"language\\Chinese_about.dll",
                                      L"dll\\GB2312.dll",  L"dll\\KOREAN.dll",
                                      L"dll\\BIG5.dll",    L"dll\\JIS.DLL",
                                      L"bk.gif"};

TEST(CompanionFiles, EachMissingFileEndsTheProgram) {
  std::wstring dir = drive::CopyOfProgram(L"vellumo-missing");
  for (const wchar_t* name : kCompanions) {
    SCOPED_TRACE(testing::Message() << "without " << name);
    const std::wstring path = dir + name, away = path + L".away";
    ASSERT_TRUE(MoveFileW(path.c_str(), away.c_str()));
    {
      Session s(dir);
      EXPECT_EQ(s.Answer(), L"文件不齐，请重新下载。");
      EXPECT_TRUE(s.Ends());
    }
    ASSERT_TRUE(MoveFileW(away.c_str(), path.c_str()));
  }
}

TEST(CompanionFiles, AFolderDoesNotCount) {
  std::wstring dir = drive::CopyOfProgram(L"vellumo-folder");
  ASSERT_TRUE(DeleteFileW((dir + L"bk.gif").c_str()));
  ASSERT_TRUE(CreateDirectoryW((dir + L"bk.gif").c_str(), nullptr));
  Session s(dir);
  EXPECT_EQ(s.Answer(), L"文件不齐，请重新下载。");
  EXPECT_TRUE(s.Ends());
}

TEST(CompanionFiles, TableDeletedWhileRunningEndsAtNextActivation) {
  std::wstring dir = drive::CopyOfProgram(L"vellumo-running");
  Session s(dir);
  ASSERT_NE(s.main, nullptr);
  EXPECT_FALSE(drive::AppearsWithin(s.program.Pid(), L"#32770", 500));
  ASSERT_TRUE(DeleteFileW((dir + L"dll\\KOREAN.dll").c_str()));
  // Still running until the window is activated again: a message box of the
  // program hands the activation back when it closes.
  EXPECT_FALSE(s.program.WaitExit(300));
  s.Menu(kMenuN6);
  EXPECT_EQ(s.Answer(), L"找不到关联信息。");
  EXPECT_EQ(s.Answer(), L"文件不齐，请重新下载。");
  EXPECT_TRUE(s.Ends());
}

}  // namespace
