// Drives the real program under Wine from another process, as a user would:
// its windows, menus, status bar, text box and dialogs.
//
// Every read either returns what the program holds or throws e2e::Failure
// naming what could not be read; a program that has crashed or stopped
// answering is ended on the spot, so its test fails in seconds.
#pragma once

#include <windows.h>

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace e2e {

// A read or an action the harness could not carry out. GoogleTest reports it
// as the failure of the test that was running.
class Failure : public std::runtime_error {
 public:
  explicit Failure(const std::string& what) : std::runtime_error(what) {}
};

// Folder that holds Runeview.exe and its companion files.
std::wstring DistDir();
// Folder of the running driver, where its helper programs and the probe lie.
std::wstring DriverDir();

// Polls until ready() holds or timeoutMs passes; returns the last answer.
bool WaitFor(const std::function<bool()>& ready, DWORD timeoutMs = 15000);

// A folder of the driver's own, removed with everything in it at the end.
class TempDir {
 public:
  explicit TempDir(const std::wstring& name = L"vellumo e2e");
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::wstring& Path() const { return path_; }  // ends in a backslash
  // Writes a file in the folder; returns its full path.
  std::wstring Write(const std::wstring& name, const std::string& bytes) const;

 private:
  std::wstring path_;
};

// A copy of the distribution folder, for tests that change companion files.
class ProgramFolder : public TempDir {
 public:
  ProgramFolder();
  void Remove(const std::wstring& relative) const;
};

// The file's bytes; throws when it cannot be read.
std::string ReadFileBytes(const std::wstring& path);
// For polling while another program writes the file: false, and bytes
// untouched, while it cannot be opened or read.
bool TryReadFileBytes(const std::wstring& path, std::string* bytes);
bool FileExists(const std::wstring& path);
// Names of the files (not folders) in a folder; throws when it cannot be listed.
std::vector<std::wstring> FilesIn(const std::wstring& dir);

struct MenuItem {
  int depth = 0;  // 0 the menu bar's menus, 1 their items
  UINT id = 0;    // 0 for menus of the bar and separators
  bool checked = false;
  bool separator = false;
  bool grayed = false;
  ULONG_PTR tag = 0;
  std::wstring caption;
};

// A running program (Runeview.exe unless another is named), ended (and
// waited for) when the object goes.
class Program {
 public:
  explicit Program(const std::wstring& args = L"", const std::wstring& workDir = L"",
                   const std::wstring& programDir = L"");
  // Another program of the driver's own, e.g. a target for the harness's tests.
  static Program Start(const std::wstring& exe, const std::wstring& args,
                       const std::wstring& probe);
  ~Program();
  Program(Program&& other) noexcept;
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  DWORD Pid() const { return pid_; }
  HANDLE Process() const { return process_; }
  // The top-level window of class className that belongs to the program;
  // waits up to timeoutMs for it to appear (visible ones only if visible).
  // Null when none came in time; throws when the program ended meanwhile.
  HWND WaitWindow(const wchar_t* className, DWORD timeoutMs = 15000, bool visible = false);
  // A visible top-level window of the class, or null, without waiting.
  HWND FindVisible(const wchar_t* className);
  // True when no visible window of the class is there once the program is idle.
  bool Absent(const wchar_t* className);
  // Waits for the program to end; returns false on time-out.
  bool WaitExit(DWORD timeoutMs, DWORD* exitCode = nullptr) const;
  bool Running() const;

  // The main window, once it is shown; throws when it does not come.
  HWND Main();
  HWND TextBox();  // the main window's text box (a Scintilla window)
  // Its text as UTF-16 (decoded by its code page), and its exact bytes
  // (read through a buffer inside the program).
  std::wstring Text();
  std::string Bytes();
  // Its scroll-bar setting (1 horizontal, 2 vertical) and whether it wraps.
  int ScrollBars();
  bool Wraps();
  // A Scintilla message without pointers, answered by the text box.
  LRESULT AskTextBox(UINT msg, WPARAM wp = 0, LPARAM lp = 0);
  // Status bar panel text (tabs of the alignment removed) and right edges.
  std::wstring Panel(int index);
  std::wstring RawPanel(int index);
  std::vector<int> PanelEdges();
  // The menu tree as the program holds it, read inside the program.
  std::vector<MenuItem> Menu();
  // The items of the program's open popup menu (a context menu); throws
  // when none is open.
  std::vector<MenuItem> PopupMenu();
  MenuItem MenuItemById(UINT id);

  // Sends a menu command; returns once the program has handled it.
  void Command(UINT id);
  void PostCommand(UINT id);
  // Types text at the start of the text box as keyboard characters; returns
  // once the box holds that many more characters.
  void Type(const std::wstring& text);
  // Drops files on the main window as the shell does.
  void DropFiles(const std::vector<std::wstring>& paths);

  // The open or save dialog: fills in the name and presses OK. Returns false
  // when no dialog came.
  bool AnswerFileDialog(const std::wstring& path);
  bool CancelFileDialog();
  // Fills in the name and presses OK without waiting for the dialog to go;
  // the dialog, or null when none came.
  HWND FillFileDialog(const std::wstring& path);
  // A message box: "[caption] text"; presses OK. Throws when none came.
  std::wstring AnswerMessageBox(DWORD timeoutMs = 15000);
  // A message box of the program, or null when none came in time.
  HWND WaitMessageBox(DWORD timeoutMs = 15000);
  // True when the idle program shows no message box.
  bool NoMessageBox();
  // The tips dialog: waits for it, ticks the check box if asked, presses OK
  // or Cancel. Returns false when it did not come.
  bool AnswerTips(bool ok, bool tick = false, std::wstring* text = nullptr);

  // Waits until the program is idle at its message loop; throws when it
  // does not get there.
  bool Idle(DWORD timeoutMs = 15000);

  // Throws, naming what failed and the program's state; a program that is
  // still running has stopped answering and is ended first.
  [[noreturn]] void Fail(const std::string& what);
  // Throws when the program has ended.
  void CheckRunning(const char* doing);

 private:
  struct Bare {};
  explicit Program(Bare) {}
  void Launch(const std::wstring& exe, const std::wstring& args, const std::wstring& workDir);
  std::vector<MenuItem> MenuOf(HWND hwnd);
  // input, when given, is the block's text for the probe to read.
  std::vector<std::uint16_t> CallProbe(const char* function, HWND hwnd, std::uint32_t capacity,
                                       const std::wstring& input = {});
  void* ProbeBase();
  void RunRemote(LPTHREAD_START_ROUTINE routine, void* data, SIZE_T bytes, bool readBack,
                 const std::string& what);
  LRESULT Send(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, const char* what,
               DWORD timeoutMs = 5000);

  HANDLE process_ = nullptr;
  DWORD pid_ = 0;
  HWND main_ = nullptr;
  std::wstring probe_;
  void* probeBase_ = nullptr;
};

// WM_GETTEXT across processes without hanging on a blocked target; throws
// when the window is gone or does not answer.
std::wstring WindowText(HWND hwnd);
// The window's rectangle on screen and its client rectangle; throw when gone.
RECT WindowRect(HWND hwnd);
RECT ClientRect(HWND hwnd);
// The window's style bits; throws when it is gone.
LONG_PTR WindowStyle(HWND hwnd);
// Child windows of a class (any depth).
std::vector<HWND> Children(HWND parent, const wchar_t* className);
// Clicks a button without hanging on a target that blocks afterwards.
void Click(HWND button);

// The real mouse, through SendInput, at screen points.
void MouseMoveTo(int x, int y);
void MouseButton(bool left, bool down);
// Press at from, move to to in steps, release there.
void Drag(POINT from, POINT to);
void DoubleClickAt(POINT at);
// The real keyboard: one key down or up, through SendInput.
void KeyEvent(WORD vk, bool down);

std::string Utf8(const std::wstring& text);

}  // namespace e2e
