// Driving the program's dialogs, status bar and Notepad from the test, and
// laying out throwaway copies of the program folder.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace drive {

// A visible top-level window of class className belonging to pid (0: any
// process); waits up to timeoutMs.
HWND WaitTopLevel(DWORD pid, const wchar_t* className, DWORD timeoutMs = 10000);
// Whether such a window shows up within timeoutMs.
bool AppearsWithin(DWORD pid, const wchar_t* className, DWORD timeoutMs);

// The texts of a dialog's static children, joined by "\n".
std::wstring DialogText(HWND dialog);
// Presses the dialog's button with this id and waits until the dialog goes.
bool PressButton(HWND dialog, int id);

// Panel index of a status bar of another process.
std::wstring PanelText(HWND statusBar, int index);

// Polls until predicate() holds; false on time-out.
template <class P>
bool WaitFor(P predicate, DWORD timeoutMs = 10000) {
  DWORD start = GetTickCount();
  for (;;) {
    if (predicate()) return true;
    if (GetTickCount() - start > timeoutMs) return false;
    Sleep(20);
  }
}

// The folder of the test program itself, ending in a backslash.
std::wstring ThisDir();
// A fresh folder under the temp folder holding a copy of the distribution.
std::wstring CopyOfProgram(const std::wstring& name);
// Removes a folder with everything in it.
void RemoveTree(const std::wstring& dir);

std::string ReadBytes(const std::wstring& path);
void WriteBytes(const std::wstring& path, const std::string& bytes);

}  // namespace drive
