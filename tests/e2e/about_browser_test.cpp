// The About window's browser in the real program with the real WebBrowser
// control under Wine: the start page, Back on a fresh window, OK and Enter,
// the language library's texts, e-mail and export through planted handlers.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <functional>
#include <memory>

#include "about/aboutcontrolids.h"
#include "app/menuids.h"
#include "tests/e2e/harness.h"

namespace {

using vellumo::RowButtonId;
constexpr DWORD kSlow = 30000;

std::wstring StartPageOf(std::wstring folder) {
  std::replace(folder.begin(), folder.end(), L'\\', L'/');
  return L"File://" + folder + L"readme.htm";
}

// The program in its own folder, its About window created hidden at start.
struct AboutBrowser {
  e2e::ProgramFolder folder;
  std::unique_ptr<e2e::Program> p;
  HWND about = nullptr;

  // Starts the program; prepare changes the folder first.
  void Start(const std::function<void(const e2e::ProgramFolder&)>& prepare = {}) {
    if (prepare) prepare(folder);
    p = std::make_unique<e2e::Program>(L"", L"", folder.Path());
    about = p->WaitWindow(L"Taboutform", kSlow);
    if (!about) p->Fail("no About window was created at start-up");
    p->Main();  // shown once the About window's creation is over
  }
  void Show() {
    p->Command(vellumo::kMenuAbout);
    if (p->WaitWindow(L"Taboutform", 5000, true) != about) p->Fail("the About window did not show");
    p->Idle();
  }
  void Hide() {
    PostMessageW(about, WM_CLOSE, 0, 0);
    if (!e2e::WaitFor([&] { return !IsWindowVisible(about); })) p->Fail("the About window stayed");
  }
  HWND Control(int id) {
    HWND h = GetDlgItem(about, id);
    if (!h) p->Fail("the About window has no control " + std::to_string(id));
    return h;
  }
  std::wstring Text(int id) { return e2e::WindowText(Control(id)); }
  // The address the pane was last asked to open.
  std::wstring Asked() {
    std::vector<HWND> panes = e2e::Children(about, L"VellumoBrowserPane");
    if (panes.size() != 1) p->Fail("the About window has no browser pane");
    return e2e::WindowText(panes[0]);
  }
  void Press(bs::AboutButton b) {
    e2e::Click(Control(RowButtonId(b)));
    p->Idle();
  }
  std::wstring Hint(bs::AboutButton b);
};

struct TooltipSearch {
  HWND owner, found;
};

BOOL CALLBACK FindTooltip(HWND h, LPARAM lp) {
  auto* s = reinterpret_cast<TooltipSearch*>(lp);
  wchar_t cls[64] = {};
  GetClassNameW(h, cls, 64);
  if (lstrcmpiW(cls, TOOLTIPS_CLASSW) != 0 || GetWindow(h, GW_OWNER) != s->owner) return TRUE;
  s->found = h;
  return FALSE;
}

// A button's hint, read from the tooltip inside the program.
std::wstring AboutBrowser::Hint(bs::AboutButton b) {
  TooltipSearch s{about, nullptr};
  EnumWindows(FindTooltip, reinterpret_cast<LPARAM>(&s));
  if (!s.found) p->Fail("the About window has no tooltip");
  constexpr SIZE_T kChars = 1024;
  auto* remote = static_cast<char*>(VirtualAllocEx(p->Process(), nullptr,
                                                   sizeof(TOOLINFOW) + kChars * 2,
                                                   MEM_COMMIT, PAGE_READWRITE));
  if (!remote) p->Fail("cannot allocate memory in the program");
  TOOLINFOW ti = {};
  ti.cbSize = TTTOOLINFOW_V2_SIZE;
  ti.hwnd = about;
  ti.uId = reinterpret_cast<UINT_PTR>(Control(RowButtonId(b)));
  ti.lpszText = reinterpret_cast<wchar_t*>(remote + sizeof ti);
  std::vector<wchar_t> text(kChars, L'\0');
  DWORD_PTR result = 0;
  const bool ok =
      WriteProcessMemory(p->Process(), remote + sizeof ti, text.data(), kChars * 2, nullptr) &&
      WriteProcessMemory(p->Process(), remote, &ti, sizeof ti, nullptr) &&
      SendMessageTimeoutW(s.found, TTM_GETTEXTW, kChars, reinterpret_cast<LPARAM>(remote),
                          SMTO_ABORTIFHUNG, 2000, &result) &&
      ReadProcessMemory(p->Process(), remote + sizeof ti, text.data(), (kChars - 1) * 2, nullptr);
  VirtualFreeEx(p->Process(), remote, 0, MEM_RELEASE);
  if (!ok) p->Fail("cannot read the hint of button " + std::to_string(b));
  return text.data();
}

// The shell recorder planted as a handler or a program; what it was given.
struct Recorder {
  e2e::TempDir dir{L"vellumo recorder"};
  std::wstring exe = dir.Path() + L"shell_recorder.exe";
  Recorder() {
    if (!CopyFileW((e2e::DriverDir() + L"..\\shell\\shell_recorder.exe").c_str(), exe.c_str(),
                   FALSE))
      throw e2e::Failure("cannot copy the shell recorder");
  }
  // Makes it the open command of HKCR\key.
  void HandleOpen(const std::wstring& key) const {
    const std::wstring command = L"\"" + exe + L"\" \"%1\"";
    if (RegSetKeyValueW(HKEY_CLASSES_ROOT, (key + L"\\shell\\open\\command").c_str(), nullptr,
                        REG_SZ, command.c_str(),
                        static_cast<DWORD>((command.size() + 1) * sizeof(wchar_t))) != ERROR_SUCCESS)
      throw e2e::Failure("cannot register the recorder for " + e2e::Utf8(key));
  }
  // The first argument and the whole command line of its first run, read
  // from folder (its own unless it was planted elsewhere).
  static std::pair<std::string, std::string> Wait(const std::wstring& folder) {
    const std::wstring recorded = folder + L"recorded.txt";
    if (!e2e::WaitFor([&] { return e2e::FileExists(recorded); }, kSlow))
      throw e2e::Failure("the recorder was not run");
    auto firstLine = [](const std::string& s) { return s.substr(0, s.find('\n')); };
    return {firstLine(e2e::ReadFileBytes(recorded)),
            firstLine(e2e::ReadFileBytes(folder + L"commandline.txt"))};
  }
};

const std::wstring kIeFolder = L"C:\\Program Files\\Internet Explorer\\";
const std::wstring kIe = kIeFolder + L"IEXPLORE.EXE";

// The prefix's Internet Explorer set aside for a test, put back after it.
struct ExplorerAside {
  std::wstring aside = kIeFolder + L"iexplore.away";
  ExplorerAside() {
    DeleteFileW(aside.c_str());
    if (!MoveFileW(kIe.c_str(), aside.c_str())) throw e2e::Failure("cannot move IEXPLORE.EXE");
  }
  ~ExplorerAside() {
    DeleteFileW(kIe.c_str());
    DeleteFileW((kIeFolder + L"recorded.txt").c_str());
    DeleteFileW((kIeFolder + L"commandline.txt").c_str());
    MoveFileW(aside.c_str(), kIe.c_str());
  }
};

TEST(AboutBrowser, OpensTheStartPageAndBackOnAFreshWindowFailsQuietly) {
  AboutBrowser a;
  a.Start();
  EXPECT_EQ(a.Asked(), StartPageOf(a.folder.Path()));
  // The library's texts; the address label is string 13.
  EXPECT_EQ(a.Text(vellumo::kIdOkButton), L"确定");
  EXPECT_EQ(a.Text(vellumo::kIdNote), L"地址：");
  EXPECT_EQ(a.Hint(bs::kSbBackword), L"后退");
  EXPECT_EQ(a.Hint(bs::kSbHome), L"访问主页https://vellumo.example.org/");
  a.Show();
  EXPECT_TRUE(IsWindowEnabled(a.Control(RowButtonId(bs::kSbBackword))));
  EXPECT_FALSE(IsWindowEnabled(a.Control(RowButtonId(bs::kSbForward))));
  a.Press(bs::kSbBackword);
  EXPECT_TRUE(a.p->NoMessageBox());
  EXPECT_FALSE(IsWindowEnabled(a.Control(RowButtonId(bs::kSbBackword))));
  EXPECT_FALSE(IsWindowEnabled(a.Control(RowButtonId(bs::kSbForward))));
  // About returns to the start page; Home and the guest book go to theirs.
  a.Press(bs::kSbHome);
  EXPECT_EQ(a.Asked(), L"https://vellumo.example.org/");
  a.Press(bs::kSbAbout);
  EXPECT_EQ(a.Asked(), StartPageOf(a.folder.Path()));
}

TEST(AboutBrowser, EnterAndOkOpenTheUntrimmedAddress) {
  AboutBrowser a;
  a.Start();
  a.Show();
  const std::wstring typed = L"  File://C:/nowhere/a b.htm \t";
  HWND edit = a.Control(vellumo::kIdEditInput);
  SendMessageTimeoutW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(typed.c_str()),
                      SMTO_ABORTIFHUNG, 2000, nullptr);
  e2e::Click(a.Control(vellumo::kIdOkButton));
  a.p->Idle();
  EXPECT_EQ(a.Asked(), typed);
  a.Press(bs::kSbAbout);
  ASSERT_NE(a.Asked(), typed);
  PostMessageW(edit, WM_KEYDOWN, VK_RETURN, 1);
  a.p->Idle();
  EXPECT_EQ(a.Asked(), typed);
  EXPECT_EQ(e2e::WindowText(edit), typed);  // Enter left the text alone
  EXPECT_TRUE(a.p->NoMessageBox());
}

TEST(AboutLanguage, WithoutTheLanguageFolderTheDesignTextsStay) {
  AboutBrowser a;
  a.Start([](const e2e::ProgramFolder& f) {
    f.Remove(L"language\\Chinese_about.dll");
    RemoveDirectoryW((f.Path() + L"language").c_str());
  });
  // The companion check ends the program once its main window is active;
  // the About window was made before.
  EXPECT_EQ(a.Text(vellumo::kIdOkButton), L"确定");
  EXPECT_EQ(a.Text(vellumo::kIdNote), L"");
  EXPECT_EQ(a.Hint(bs::kSbBackword), L"后退");
  EXPECT_EQ(a.Asked(), StartPageOf(a.folder.Path()));
}

TEST(AboutLanguage, AnUnloadableLibraryIsLikeAMissingOne) {
  AboutBrowser a;
  a.Start([](const e2e::ProgramFolder& f) {
    f.Remove(L"language\\Chinese_about.dll");
    f.Write(L"language\\Chinese_about.dll", "not a library");
  });
  EXPECT_EQ(a.Text(vellumo::kIdOkButton), L"确定");
  EXPECT_EQ(a.Text(vellumo::kIdNote), L"");
  EXPECT_EQ(a.Hint(bs::kSbForward), L"前进");
  EXPECT_EQ(a.Asked(), StartPageOf(a.folder.Path()));
}

TEST(AboutLanguage, LongTextIsCutMissingIdIsEmptyAndAShowDoesNotReread) {
  const std::wstring longLibrary = e2e::DriverDir() + L"about_strings.dll";
  AboutBrowser a;
  a.Start([&](const e2e::ProgramFolder& f) {
    ASSERT_TRUE(CopyFileW(longLibrary.c_str(), (f.Path() + L"language\\Chinese_about.dll").c_str(),
                          FALSE));
  });
  std::wstring digits;
  for (int i = 0; i < 30; ++i) digits += L"0123456789";
  EXPECT_EQ(a.Text(vellumo::kIdOkButton), digits.substr(0, 253));
  EXPECT_EQ(a.Text(vellumo::kIdNote), L"Address");
  EXPECT_EQ(a.Hint(bs::kSbBackword), L"");
  EXPECT_EQ(a.Hint(bs::kSbForward), L"Forward");

  // The language has not changed: showing twice reads nothing new.
  ASSERT_TRUE(CopyFileW((e2e::DistDir() + L"language\\Chinese_about.dll").c_str(),
                        (a.folder.Path() + L"language\\Chinese_about.dll").c_str(), FALSE));
  a.Show();
  a.Hide();
  a.Show();
  EXPECT_EQ(a.Text(vellumo::kIdOkButton), digits.substr(0, 253));
  EXPECT_EQ(a.Hint(bs::kSbBackword), L"");
}

TEST(AboutShell, EmailOpensTheMailtoHandler) {
  Recorder r;
  r.HandleOpen(L"mailto");
  AboutBrowser a;
  a.Start();
  a.Show();
  a.Press(bs::kSbEmail);
  EXPECT_EQ(Recorder::Wait(r.dir.Path()).first, "mailto:author@vellumo.example.org");
}

TEST(AboutShell, ExportRunsTheProgramOnDriveCWithPathAndAddressQuoted) {
  Recorder r;
  ExplorerAside aside;
  ASSERT_TRUE(CopyFileW(r.exe.c_str(), kIe.c_str(), FALSE));
  AboutBrowser a;
  a.Start();
  a.Show();
  a.Press(bs::kSbExport);
  const auto [address, commandLine] = Recorder::Wait(kIeFolder);
  // The control's address of the start page, blanks and all, as one argument.
  EXPECT_NE(address.find("readme.htm"), std::string::npos) << address;
  EXPECT_EQ(commandLine, "\"" + e2e::Utf8(kIe) + "\" \"" + address + "\"");
}

TEST(AboutShell, ExportFallsBackToTheShellWithoutTheProgram) {
  Recorder r;
  ExplorerAside aside;
  r.HandleOpen(L"htmlfile");
  r.HandleOpen(L"file");
  AboutBrowser a;
  a.Start();
  a.Show();
  a.Press(bs::kSbExport);
  const std::string opened = Recorder::Wait(r.dir.Path()).first;
  EXPECT_NE(opened.find("readme.htm"), std::string::npos) << opened;
}

}  // namespace
