// Drives the real program under Wine from another process, as a user would.
#pragma once

#include <windows.h>

#include <string>

namespace e2e {

// Folder that holds Runeview.exe and its companion files.
std::wstring DistDir();

// A running Runeview.exe (from programDir, by default DistDir()), ended and
// waited for when the object goes.
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
  // waits up to timeoutMs for it to appear.
  HWND WaitWindow(const wchar_t* className, DWORD timeoutMs = 10000) const;
  // Waits for the program to end; returns false on time-out.
  bool WaitExit(DWORD timeoutMs, DWORD* exitCode = nullptr) const;

 private:
  HANDLE process_ = nullptr;
  DWORD pid_ = 0;
};

// WM_GETTEXT across processes without hanging on a blocked target.
std::wstring WindowText(HWND hwnd);

}  // namespace e2e
