// Drives the real program under Wine from another process, as a user would:
// its windows, menus, status bar, text box and dialogs.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

namespace e2e {

// Folder that holds Runeview.exe and its companion files.
std::wstring DistDir();

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

std::string ReadFileBytes(const std::wstring& path);  // empty when missing
bool FileExists(const std::wstring& path);

struct MenuItem {
  int depth = 0;  // 0 the menu bar's menus, 1 their items
  UINT id = 0;    // 0 for menus of the bar and separators
  bool checked = false;
  bool separator = false;
  ULONG_PTR tag = 0;
  std::wstring caption;
};

// A running Runeview.exe, ended (and waited for) when the object goes.
class Program {
 public:
  explicit Program(const std::wstring& args = L"", const std::wstring& workDir = L"",
                   const std::wstring& programDir = L"");
  ~Program();
  Program(const Program&) = delete;
  Program& operator=(const Program&) = delete;

  bool Started() const { return process_ != nullptr; }
  DWORD Pid() const { return pid_; }
  HANDLE Process() const { return process_; }
  // The top-level window of class className that belongs to the program;
  // waits up to timeoutMs for it to appear (visible ones only if visible).
  HWND WaitWindow(const wchar_t* className, DWORD timeoutMs = 15000, bool visible = false) const;
  // A visible top-level window of the class, or null, without waiting.
  HWND FindVisible(const wchar_t* className) const;
  // Waits for the program to end; returns false on time-out.
  bool WaitExit(DWORD timeoutMs, DWORD* exitCode = nullptr) const;
  bool Running() const;

  // The main window, once it is shown; null when it did not come.
  HWND Main();
  HWND TextBox();  // the main window's edit control (found anew each time)
  std::wstring Text();
  LONG TextBoxStyle();
  // Status bar panel text (tabs of the alignment removed) and right edges.
  std::wstring Panel(int index);
  std::wstring RawPanel(int index);
  std::vector<int> PanelEdges();
  // The menu tree as the program holds it, read inside the program.
  std::vector<MenuItem> Menu();
  MenuItem MenuItemById(UINT id);

  // Sends a menu command; waits until the program has handled it (or shows
  // a modal window).
  void Command(UINT id);
  void PostCommand(UINT id);
  // Types text into the text box as keyboard characters.
  void Type(const std::wstring& text);

  // The open or save dialog: fills in the name and presses OK. Returns false
  // when no dialog came.
  bool AnswerFileDialog(const std::wstring& path);
  bool CancelFileDialog();
  // A message box: its text; presses OK. Empty when none came in time.
  std::wstring AnswerMessageBox(DWORD timeoutMs = 15000);
  HWND WaitMessageBox(DWORD timeoutMs = 15000);
  // The tips dialog: waits for it, ticks the check box if asked, presses OK
  // or Cancel. Returns false when it did not come.
  bool AnswerTips(bool ok, bool tick = false, std::wstring* text = nullptr);

  // Waits until the program is idle at its message loop.
  bool Idle(DWORD timeoutMs = 15000);

 private:
  std::vector<unsigned char> CallProbe(const char* function, HWND hwnd, std::size_t outBytes);

  HANDLE process_ = nullptr;
  DWORD pid_ = 0;
  HWND main_ = nullptr;
  void* probeBase_ = nullptr;
};

// WM_GETTEXT across processes without hanging on a blocked target.
std::wstring WindowText(HWND hwnd);
// Child windows of a class (any depth).
std::vector<HWND> Children(HWND parent, const wchar_t* className);
// Click a button without hanging on a target that blocks afterwards.
void Click(HWND button);

std::string Utf8(const std::wstring& text);

}  // namespace e2e
