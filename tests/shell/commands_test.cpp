// The program's Notepad, help, association and companion-file commands,
// driven under Wine through its menu, dialogs and status bar as a user would.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>

#include "app/menuids.h"
#include "tests/e2e/harness.h"
#include "tests/shell/regread.h"

namespace {

using vellumo::kMenuHelp;
using vellumo::kMenuKorean;
using vellumo::kMenuN6;
using vellumo::kMenuNewFile;
using vellumo::kMenuNotepad;
using vellumo::kMenuRegTxt;

constexpr DWORD kSlow = 30000;  // generous: Notepad and the program start under Wine

// Runeview.exe started from a folder, with its current directory there.
struct Session : e2e::Program {
  explicit Session(const std::wstring& folder, const std::wstring& args = L"")
      : e2e::Program(args, folder, folder) {}
  // The program's message box: caption and text; presses OK.
  std::wstring Answer() { return AnswerMessageBox(kSlow); }
  bool Ends() const { return WaitExit(kSlow); }
  void Close() { PostMessageW(Main(), WM_CLOSE, 0, 0); }
};

std::wstring Box(const std::wstring& text) { return L"[Vellumo] " + text; }

HWND NotepadEdit(HWND notepad) { return FindWindowExW(notepad, nullptr, L"Edit", nullptr); }

// Wine's Notepad, started by the program, once it shows with its text box.
HWND WaitNotepad() {
  HWND notepad = nullptr;
  e2e::WaitFor(
      [&] {
        notepad = FindWindowW(L"Notepad", nullptr);
        return notepad && IsWindowVisible(notepad) && NotepadEdit(notepad);
      },
      kSlow);
  return notepad;
}

// Ends a Notepad that a failed case left behind, so the next case starts clean.
class Commands : public testing::Test {
 protected:
  void TearDown() override {
    while (HWND notepad = FindWindowW(L"Notepad", nullptr)) {
      DWORD pid = 0;
      GetWindowThreadProcessId(notepad, &pid);
      HANDLE process = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE, FALSE, pid);
      if (!process) break;
      TerminateProcess(process, 1);
      WaitForSingleObject(process, 5000);
      CloseHandle(process);
    }
  }
};
using InputUnicode = Commands;
using CallNotepad = Commands;

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
  ASSERT_TRUE(e2e::WaitFor([&] { return !IsWindow(notepad); }, kSlow));
}

const std::wstring kTipText = L"请在弹出的文本编辑器中输入需要转换的外文字符";

TEST_F(InputUnicode, TypedTextComesBackAsUnicode) {
  e2e::ProgramFolder folder;
  const std::wstring dir = folder.Path();
  folder.Write(L"new.txt", "left from before");
  Session s(dir);
  ASSERT_NE(s.Main(), nullptr);
  s.PostCommand(kMenuNewFile);
  std::wstring tip;
  ASSERT_TRUE(s.AnswerTips(true, false, &tip));
  EXPECT_NE(tip.find(kTipText), std::wstring::npos);

  HWND notepad = WaitNotepad();
  ASSERT_NE(notepad, nullptr);
  // The template replaced what new.txt held before.
  EXPECT_EQ(e2e::ReadFileBytes(dir + L"new.txt"), "\xFF\xFE");
  TypeSaveClose(notepad, L"한국어 汉字\r\n");
  EXPECT_EQ(e2e::ReadFileBytes(dir + L"new.txt").substr(0, 2), "\xFF\xFE");

  ASSERT_TRUE(e2e::WaitFor([&] { return s.Panel(0) == L"new.txt"; }, kSlow));
  EXPECT_EQ(s.Panel(2), L"Unicode");
  // GB2312 has no Hangul: those come as "**", the Chinese stays.
  EXPECT_EQ(s.Text().substr(0, 9), L"****** 汉字") << testing::PrintToString(s.Text());
  // In the Korean code page the Hangul shows.
  s.Command(kMenuKorean);
  EXPECT_EQ(s.Text().substr(0, 4), L"한국어 ") << testing::PrintToString(s.Text());
  s.Close();
  EXPECT_TRUE(s.Ends());
}

TEST_F(InputUnicode, TipNotShownAgainOnceTicked) {
  e2e::ProgramFolder folder;
  Session s(folder.Path());
  ASSERT_NE(s.Main(), nullptr);
  s.PostCommand(kMenuNewFile);
  ASSERT_TRUE(s.AnswerTips(true, true));
  HWND notepad = WaitNotepad();
  ASSERT_NE(notepad, nullptr);
  TypeSaveClose(notepad, L"一\r\n");
  ASSERT_TRUE(e2e::WaitFor([&] { return s.Text().rfind(L"一", 0) == 0; }, kSlow))
      << testing::PrintToString(s.Text());

  // Second time: straight to Notepad.
  s.PostCommand(kMenuNewFile);
  notepad = WaitNotepad();
  ASSERT_NE(notepad, nullptr);
  // The program waits for Notepad and answers nothing: look, do not ask.
  EXPECT_EQ(s.FindVisible(L"TTipsForm"), nullptr);
  TypeSaveClose(notepad, L"二\r\n");
  EXPECT_TRUE(e2e::WaitFor([&] { return s.Text().rfind(L"二", 0) == 0; }, kSlow))
      << testing::PrintToString(s.Text());
  s.Close();
  EXPECT_TRUE(s.Ends());
}

// A new.txt that cannot be made again (read-only here): the error box says
// so before Notepad would open a file whose typing could not come back.
TEST_F(InputUnicode, WorkingFileThatCannotBeMadeStopsBeforeNotepad) {
  e2e::ProgramFolder folder;
  const std::wstring dir = folder.Path();
  const std::wstring working = folder.Write(L"new.txt", "old");
  ASSERT_TRUE(SetFileAttributesW(working.c_str(), FILE_ATTRIBUTE_READONLY));
  Session s(dir);
  ASSERT_NE(s.Main(), nullptr);
  s.PostCommand(kMenuNewFile);
  const std::wstring error = s.Answer();
  EXPECT_EQ(error.rfind(Box(L"Cannot create file \"" + working + L"\". "), 0), 0u)
      << testing::PrintToString(error);
  EXPECT_EQ(s.FindVisible(L"TTipsForm"), nullptr);
  EXPECT_FALSE(e2e::WaitFor([] { return FindWindowW(L"Notepad", nullptr) != nullptr; }, 500));
  EXPECT_EQ(e2e::ReadFileBytes(working), "old");
  SetFileAttributesW(working.c_str(), FILE_ATTRIBUTE_NORMAL);
  s.Close();
  EXPECT_TRUE(s.Ends());
}

TEST_F(CallNotepad, EditsTheFileWithBlanksAndReloads) {
  e2e::ProgramFolder folder;
  CreateDirectoryW((folder.Path() + L"My Files").c_str(), nullptr);
  const std::wstring file = folder.Write(L"My Files\\a b.txt", "\xEF\xBB\xBF" "before 前\r\n");
  Session s(folder.Path(), L"\"" + file + L"\"");
  ASSERT_NE(s.Main(), nullptr);
  ASSERT_TRUE(e2e::WaitFor([&] { return s.Text() == L"before 前\r\n"; }))
      << testing::PrintToString(s.Text());
  EXPECT_EQ(s.Panel(0), L"a b.txt");

  s.PostCommand(kMenuNotepad);
  HWND notepad = WaitNotepad();
  ASSERT_NE(notepad, nullptr);
  // Notepad got the whole path: it shows the file's text.
  EXPECT_TRUE(e2e::WaitFor([&] { return e2e::WindowText(NotepadEdit(notepad)) == L"before 前\r\n"; }))
      << testing::PrintToString(e2e::WindowText(NotepadEdit(notepad)));
  TypeSaveClose(notepad, L"after 后\r\n");
  EXPECT_TRUE(e2e::WaitFor([&] { return s.Text() == L"after 后\r\n"; }, kSlow))
      << testing::PrintToString(s.Text());
  EXPECT_EQ(s.Panel(0), L"a b.txt");
  EXPECT_EQ(s.Panel(2), L"UTF-8");
  s.Close();
  EXPECT_TRUE(s.Ends());
}

TEST_F(CallNotepad, WithoutAFileSaysSo) {
  e2e::ProgramFolder folder;
  Session s(folder.Path());
  ASSERT_NE(s.Main(), nullptr);
  s.PostCommand(kMenuNotepad);
  EXPECT_EQ(s.Answer(), Box(L"当前没有打开的文件，请先打开文本。"));
  EXPECT_FALSE(e2e::WaitFor([] { return FindWindowW(L"Notepad", nullptr) != nullptr; }, 500));
  EXPECT_EQ(s.Panel(2), L"未知");
  s.Close();
  EXPECT_TRUE(s.Ends());
}

// ---- The right-click verb ----------------------------------------------------

const wchar_t kVerbKey[] = L"txtfile\\shell\\Runeview";

std::wstring CommandValue() {
  return regread::Default(HKEY_CLASSES_ROOT, L"txtfile\\shell\\Runeview\\command");
}

DWORD VerbSubkeys() { return regread::Subkeys(HKEY_CLASSES_ROOT, kVerbKey); }

TEST(Association, AddTwiceRemoveTwiceFromTheMenu) {
  RegDeleteTreeW(HKEY_CLASSES_ROOT, kVerbKey);
  e2e::ProgramFolder folder;  // its path has blanks: the command quotes it
  Session s(folder.Path());
  ASSERT_NE(s.Main(), nullptr);
  s.PostCommand(kMenuRegTxt);
  EXPECT_EQ(s.Answer(), Box(L"与文本文件右键菜单关联成功。"));
  const std::wstring command = L"\"" + folder.Path() + L"Runeview.exe\" \"%1\"";
  EXPECT_EQ(CommandValue(), command);

  HKEY extra;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CLASSES_ROOT, L"txtfile\\shell\\Runeview\\other", 0, nullptr, 0,
                            KEY_WRITE, nullptr, &extra, nullptr),
            ERROR_SUCCESS);
  RegCloseKey(extra);
  s.PostCommand(kMenuRegTxt);
  EXPECT_EQ(s.Answer(), Box(L"与文本文件右键菜单关联成功。"));
  EXPECT_EQ(VerbSubkeys(), 1u);
  EXPECT_EQ(CommandValue(), command);

  s.PostCommand(kMenuN6);
  EXPECT_EQ(s.Answer(), Box(L"已清除文本文件右键菜单关联。"));
  EXPECT_EQ(VerbSubkeys(), ~0u);
  s.PostCommand(kMenuN6);
  EXPECT_EQ(s.Answer(), Box(L"找不到关联信息。"));
  s.Close();
  EXPECT_TRUE(s.Ends());
}

TEST(Association, RegistryRefusalReachesTheErrorBox) {
  // A lasting key cannot be made below a volatile one: the class's shell key
  // is volatile for this case.
  RegDeleteTreeW(HKEY_CLASSES_ROOT, L"txtfile\\shell");
  HKEY shell;
  ASSERT_EQ(RegCreateKeyExW(HKEY_CLASSES_ROOT, L"txtfile\\shell", 0, nullptr, REG_OPTION_VOLATILE,
                            KEY_ALL_ACCESS, nullptr, &shell, nullptr),
            ERROR_SUCCESS);
  RegCloseKey(shell);
  e2e::ProgramFolder folder;
  Session s(folder.Path());
  ASSERT_NE(s.Main(), nullptr);
  s.PostCommand(kMenuRegTxt);
  EXPECT_EQ(s.Answer(), Box(L"Failed to create key txtfile\\shell\\Runeview."));
  // The program goes on: the next command works.
  s.PostCommand(kMenuN6);
  EXPECT_EQ(s.Answer(), Box(L"找不到关联信息。"));
  s.Close();
  EXPECT_TRUE(s.Ends());
  RegDeleteTreeW(HKEY_CLASSES_ROOT, L"txtfile\\shell");
  RegCreateKeyExW(HKEY_CLASSES_ROOT, L"txtfile\\shell", 0, nullptr, 0, KEY_ALL_ACCESS, nullptr,
                  &shell, nullptr);
  RegCloseKey(shell);
}

// ---- Help ------------------------------------------------------------------

TEST(Help, OpensTheHelpPage) {
  e2e::TempDir recorderDir(L"vellumo recorder");
  const std::wstring recorded = recorderDir.Path() + L"recorded.txt";
  // The recorder writes beside itself: run a copy from its own folder.
  wchar_t self[MAX_PATH];
  std::wstring driver(self, GetModuleFileNameW(nullptr, self, MAX_PATH));
  driver = driver.substr(0, driver.rfind(L'\\') + 1);
  ASSERT_TRUE(CopyFileW((driver + L"shell_recorder.exe").c_str(),
                        (recorderDir.Path() + L"shell_recorder.exe").c_str(), FALSE));
  RegSetKeyValueW(HKEY_CLASSES_ROOT, L".htm", nullptr, REG_SZ, L"htmlfile", 18);
  ASSERT_TRUE(regread::SetOpenCommand(L"htmlfile", recorderDir.Path() + L"shell_recorder.exe"));

  e2e::ProgramFolder folder;
  Session s(folder.Path());
  ASSERT_NE(s.Main(), nullptr);
  s.PostCommand(kMenuHelp);
  std::string seen;
  ASSERT_TRUE(e2e::WaitFor([&] { return e2e::TryReadFileBytes(recorded, &seen) && !seen.empty(); }, kSlow));
  EXPECT_EQ(e2e::ReadFileBytes(recorded), e2e::Utf8(folder.Path()) + "howtouse.htm\n");
  s.Close();
  EXPECT_TRUE(s.Ends());
}

// ---- The companion-file check ----------------------------------------------------

const wchar_t* const kCompanions[] = {L"dll\\U2A.dll",    L"howtouse.htm",
                                      L"readme.htm",      L"language\\Chinese_about.dll",
                                      L"dll\\GB2312.dll", L"dll\\KOREAN.dll",
                                      L"dll\\BIG5.dll",   L"dll\\JIS.DLL",
                                      L"bk.gif"};

TEST(CompanionFiles, EachMissingFileEndsTheProgram) {
  e2e::ProgramFolder folder;
  for (const wchar_t* name : kCompanions) {
    SCOPED_TRACE(e2e::Utf8(name));
    const std::wstring path = folder.Path() + name, away = path + L".away";
    ASSERT_TRUE(MoveFileW(path.c_str(), away.c_str()));
    {
      Session s(folder.Path());
      EXPECT_EQ(s.Answer(), Box(L"文件不齐，请重新下载。"));
      EXPECT_TRUE(s.Ends());
    }
    ASSERT_TRUE(MoveFileW(away.c_str(), path.c_str()));
  }
}

TEST(CompanionFiles, AFolderDoesNotCount) {
  e2e::ProgramFolder folder;
  folder.Remove(L"bk.gif");
  ASSERT_TRUE(CreateDirectoryW((folder.Path() + L"bk.gif").c_str(), nullptr));
  Session s(folder.Path());
  EXPECT_EQ(s.Answer(), Box(L"文件不齐，请重新下载。"));
  EXPECT_TRUE(s.Ends());
}

TEST(CompanionFiles, TableDeletedWhileRunningEndsAtNextActivation) {
  e2e::ProgramFolder folder;
  Session s(folder.Path());
  ASSERT_NE(s.Main(), nullptr);
  EXPECT_TRUE(s.Absent(L"#32770"));
  folder.Remove(L"dll\\KOREAN.dll");
  EXPECT_TRUE(s.Running());
  // A message box of the program hands the activation back when it closes.
  s.PostCommand(kMenuN6);
  EXPECT_EQ(s.Answer(), Box(L"找不到关联信息。"));
  EXPECT_EQ(s.Answer(), Box(L"文件不齐，请重新下载。"));
  EXPECT_TRUE(s.Ends());
}

}  // namespace
