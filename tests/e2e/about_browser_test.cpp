// The About window's browser in the real program with the real WebBrowser
// control under Wine: the start page, Back on a fresh window, OK and Enter,
// the language library's texts, e-mail and export through planted handlers.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>
#include <tlhelp32.h>

#include <algorithm>
#include <functional>
#include <memory>

#include "app/menuids.h"
#include "skin/controls/bsAboutLayout.h"
#include "skinwin/bsPaint.h"
#include "tests/e2e/aboutwindow.h"
#include "tests/e2e/harness.h"

namespace {

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
    p->Main();
    p->Idle();  // the About window's creation is over
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
  // The controls as the skin lays them out for the window's client size.
  bs::AboutLayout Layout() {
    const RECT c = e2e::ClientRect(about);
    return bs::LayOutAboutWindow(&e2e::AboutSkinData(), bs::Size{c.right, c.bottom});
  }
  HWND Only(const wchar_t* cls, bool labelPanel = false) {
    for (HWND h : e2e::Children(about, cls))
      if (!labelPanel || GetParent(h) != about) return h;
    p->Fail("the About window has no " + e2e::Utf8(cls));
  }
  HWND Edit() { return Only(L"Edit"); }
  HWND OkButton() { return Only(L"TbsSkinButton"); }
  // The label is drawn by the panel that holds it, whose text it is.
  std::wstring Label() { return e2e::WindowText(Only(L"TbsSkinPanel", true)); }
  std::wstring Ok() { return e2e::WindowText(OkButton()); }
  // A row button on the screen.
  RECT OnScreen(bs::AboutButton b) {
    const bs::AboutLayout l = Layout();
    RECT r = bs::ToRECT(bs::Moved(l.buttons[b], l.panel3.left, l.panel3.top));
    MapWindowPoints(about, HWND_DESKTOP, reinterpret_cast<POINT*>(&r), 2);
    return r;
  }
  // The row's window-less buttons are pressed with the real mouse; a second
  // press at the same place waits out the double-click time.
  void Press(bs::AboutButton b) {
    const RECT r = OnScreen(b);
    const POINT at = {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
    if (b == lastPressed_) Sleep(GetDoubleClickTime() + 50);
    lastPressed_ = b;
    e2e::MouseMoveTo(at.x, at.y);
    e2e::MouseButton(true, true);
    e2e::MouseButton(true, false);
    p->Idle();
  }
  int lastPressed_ = -1;
  // Whether the button changes its look under the mouse, as an enabled one
  // does (a disabled one takes neither the mouse nor a click).
  bool LightsUp(bs::AboutButton b) {
    const RECT r = OnScreen(b);
    e2e::MouseMoveTo(5, 5);
    p->Idle();
    Sleep(500);  // a fade out is over
    const bs::Picture rest = e2e::ScreenShot(r);
    e2e::MouseMoveTo((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    const bool lit = e2e::WaitFor([&] { return e2e::ScreenShot(r).pixels != rest.pixels; }, 1000);
    e2e::MouseMoveTo(5, 5);
    p->CheckRunning("hovering over a button");
    return lit;
  }
  std::wstring Asked() { return e2e::PaneAddress(*p, about); }
  std::wstring Hint(bs::AboutButton b);
};

struct TooltipSearch {
  HWND owner;
  std::vector<HWND> found;
};

BOOL CALLBACK FindTooltips(HWND h, LPARAM lp) {
  auto* s = reinterpret_cast<TooltipSearch*>(lp);
  wchar_t cls[64] = {};
  GetClassNameW(h, cls, 64);
  if (lstrcmpiW(cls, TOOLTIPS_CLASSW) == 0 && GetWindow(h, GW_OWNER) == s->owner)
    s->found.push_back(h);
  return TRUE;
}

// A button's hint, read inside the program from the tooltips of the About
// window: the tool is the row panel's, its id the button's place in the row
// + 1. A button without a tool has no hint: "".
std::wstring AboutBrowser::Hint(bs::AboutButton b) {
  const bs::AboutLayout l = Layout();
  POINT mid = {(l.panel3.left + l.panel3.right) / 2, (l.panel3.top + l.panel3.bottom) / 2};
  HWND row = ChildWindowFromPointEx(about, mid, CWP_SKIPINVISIBLE);
  if (!row || row == about) p->Fail("the About window has no button row");
  TooltipSearch s{about, {}};
  EnumWindows(FindTooltips, reinterpret_cast<LPARAM>(&s));
  constexpr SIZE_T kChars = 1024;
  auto* remote = static_cast<char*>(VirtualAllocEx(p->Process(), nullptr,
                                                   sizeof(TOOLINFOW) + kChars * 2,
                                                   MEM_COMMIT, PAGE_READWRITE));
  if (!remote) p->Fail("cannot allocate memory in the program");
  std::wstring hint;
  for (HWND tips : s.found) {
    TOOLINFOW ti = {};
    ti.cbSize = TTTOOLINFOW_V2_SIZE;
    ti.hwnd = row;
    ti.uId = static_cast<UINT_PTR>(b) + 1;
    ti.lpszText = reinterpret_cast<wchar_t*>(remote + sizeof ti);
    std::vector<wchar_t> text(kChars, L'\0');
    DWORD_PTR has = 0, got = 0;
    bool ok = WriteProcessMemory(p->Process(), remote + sizeof ti, text.data(), kChars * 2, nullptr) &&
              WriteProcessMemory(p->Process(), remote, &ti, sizeof ti, nullptr) &&
              SendMessageTimeoutW(tips, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(remote),
                                  SMTO_ABORTIFHUNG, 2000, &has);
    if (!ok) {
      VirtualFreeEx(p->Process(), remote, 0, MEM_RELEASE);
      p->Fail("cannot ask a tooltip of the About window");
    }
    if (!has) continue;
    ok = WriteProcessMemory(p->Process(), remote, &ti, sizeof ti, nullptr) &&
         SendMessageTimeoutW(tips, TTM_GETTEXTW, kChars, reinterpret_cast<LPARAM>(remote),
                             SMTO_ABORTIFHUNG, 2000, &got) &&
         ReadProcessMemory(p->Process(), remote + sizeof ti, text.data(), (kChars - 1) * 2, nullptr);
    if (!ok) {
      VirtualFreeEx(p->Process(), remote, 0, MEM_RELEASE);
      p->Fail("cannot read the hint of button " + std::to_string(b));
    }
    hint = text.data();
    break;
  }
  VirtualFreeEx(p->Process(), remote, 0, MEM_RELEASE);
  p->CheckRunning("reading a hint");
  return hint;
}

// The files in folder, comma-separated; "nothing" when it cannot be listed.
std::wstring FileNames(const std::wstring& folder) {
  std::wstring names;
  try {
    for (const std::wstring& name : e2e::FilesIn(folder))
      names += (names.empty() ? L"" : L", ") + name;
  } catch (const e2e::Failure&) {
  }
  return names.empty() ? L"nothing" : names;
}

// The executables of the processes running in the prefix.
std::wstring ProcessNames() {
  std::wstring names;
  HANDLE snap = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (snap == INVALID_HANDLE_VALUE) return L"unknown";
  PROCESSENTRY32W e = {};
  e.dwSize = sizeof e;
  for (BOOL more = Process32FirstW(snap, &e); more; more = Process32NextW(snap, &e))
    names += (names.empty() ? L"" : L", ") + std::wstring(e.szExeFile);
  CloseHandle(snap);
  return names;
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
  // from folder (its own unless it was planted elsewhere). A run that never
  // comes fails with the program's state and the processes then running.
  static std::pair<std::string, std::string> Wait(const std::wstring& folder, e2e::Program& p) {
    const std::wstring recorded = folder + L"recorded.txt";
    if (!e2e::WaitFor([&] { return e2e::FileExists(recorded); }, kSlow))
      p.Fail("the recorder was not run (" + e2e::Utf8(folder) + " holds " +
             e2e::Utf8(FileNames(folder)) + "; processes: " + e2e::Utf8(ProcessNames()) + ")");
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
  EXPECT_EQ(a.Ok(), L"确定");
  EXPECT_EQ(a.Label(), L"地址：");
  EXPECT_EQ(a.Hint(bs::kSbBackword), L"后退");
  EXPECT_EQ(a.Hint(bs::kSbHome), L"访问主页https://vellumo.example.org/");
  a.Show();
  // Forward starts disabled: pressing it does nothing. Back is enabled;
  // its failure on a fresh window disables it without a word.
  EXPECT_FALSE(a.LightsUp(bs::kSbForward));
  a.Press(bs::kSbForward);
  EXPECT_TRUE(a.p->NoMessageBox());
  EXPECT_FALSE(a.LightsUp(bs::kSbForward));
  ASSERT_TRUE(a.LightsUp(bs::kSbBackword));
  a.Press(bs::kSbBackword);
  EXPECT_TRUE(a.p->NoMessageBox());
  EXPECT_FALSE(a.LightsUp(bs::kSbBackword));
  a.Press(bs::kSbBackword);
  EXPECT_TRUE(a.p->NoMessageBox());
  EXPECT_EQ(a.Asked(), StartPageOf(a.folder.Path()));
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
  HWND edit = a.Edit();
  SendMessageTimeoutW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(typed.c_str()),
                      SMTO_ABORTIFHUNG, 2000, nullptr);
  SetForegroundWindow(a.about);
  const RECT ok = e2e::WindowRect(a.OkButton());
  e2e::MouseMoveTo((ok.left + ok.right) / 2, (ok.top + ok.bottom) / 2);
  e2e::MouseButton(true, true);
  e2e::MouseButton(true, false);
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

TEST(AboutLanguage, AnUnloadableLibraryIsLikeAMissingOne) {
  AboutBrowser a;
  a.Start([](const e2e::ProgramFolder& f) {
    f.Remove(L"language\\Chinese_about.dll");
    f.Write(L"language\\Chinese_about.dll", "not a library");
  });
  EXPECT_EQ(a.Ok(), L"确定");
  EXPECT_EQ(a.Label(), L"");
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
  EXPECT_EQ(a.Ok(), digits.substr(0, 253));
  EXPECT_EQ(a.Label(), L"Address");
  EXPECT_EQ(a.Hint(bs::kSbBackword), L"");
  EXPECT_EQ(a.Hint(bs::kSbForward), L"Forward");

  // The language has not changed: showing twice reads nothing new.
  ASSERT_TRUE(CopyFileW((e2e::DistDir() + L"language\\Chinese_about.dll").c_str(),
                        (a.folder.Path() + L"language\\Chinese_about.dll").c_str(), FALSE));
  a.Show();
  a.Hide();
  a.Show();
  EXPECT_EQ(a.Ok(), digits.substr(0, 253));
  EXPECT_EQ(a.Hint(bs::kSbBackword), L"");
}

TEST(AboutShell, EmailOpensTheMailtoHandler) {
  Recorder r;
  r.HandleOpen(L"mailto");
  AboutBrowser a;
  a.Start();
  a.Show();
  a.Press(bs::kSbEmail);
  EXPECT_EQ(Recorder::Wait(r.dir.Path(), *a.p).first, "mailto:author@vellumo.example.org");
}

TEST(AboutShell, ExportRunsTheProgramOnDriveCWithPathAndAddressQuoted) {
  Recorder r;
  ExplorerAside aside;
  ASSERT_TRUE(CopyFileW(r.exe.c_str(), kIe.c_str(), FALSE));
  AboutBrowser a;
  a.Start();
  a.Show();
  a.Press(bs::kSbExport);
  const auto [address, commandLine] = Recorder::Wait(kIeFolder, *a.p);
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
  const std::string opened = Recorder::Wait(r.dir.Path(), *a.p).first;
  EXPECT_NE(opened.find("readme.htm"), std::string::npos) << opened;
}

}  // namespace
