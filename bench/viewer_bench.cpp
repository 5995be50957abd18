// Times a viewer from its start with a file on the command line until the
// text is in its edit control, and reads the viewer's peak memory.
// Usage: viewer_bench.exe WINDOW_CLASS COMMAND_LINE
// Prints: seconds peak_working_set_bytes peak_pagefile_bytes text_length
#include <windows.h>
#include <psapi.h>

#include <cstdio>
#include <string>

namespace {

struct Find {
  DWORD pid;
  const wchar_t* cls;
  HWND found;
};

BOOL CALLBACK FindProc(HWND hwnd, LPARAM lp) {
  auto* f = reinterpret_cast<Find*>(lp);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  wchar_t cls[64];
  if (pid == f->pid && GetClassNameW(hwnd, cls, 64) && !lstrcmpW(cls, f->cls)) {
    f->found = hwnd;
    return FALSE;
  }
  return TRUE;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: viewer_bench WINDOW_CLASS COMMAND_LINE\n");
    return 2;
  }
  std::wstring cmd = argv[2];
  STARTUPINFOW si = {sizeof si};
  PROCESS_INFORMATION pi = {};
  LARGE_INTEGER freq, start, now;
  QueryPerformanceFrequency(&freq);
  QueryPerformanceCounter(&start);
  if (!CreateProcessW(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
    std::fprintf(stderr, "cannot start\n");
    return 1;
  }
  DWORD_PTR length = 0;
  double seconds = -1;
  for (;;) {
    QueryPerformanceCounter(&now);
    double t = double(now.QuadPart - start.QuadPart) / freq.QuadPart;
    if (t > 600 || WaitForSingleObject(pi.hProcess, 0) == WAIT_OBJECT_0) break;
    Find f{pi.dwProcessId, argv[1], nullptr};
    EnumWindows(FindProc, reinterpret_cast<LPARAM>(&f));
    HWND edit = f.found ? FindWindowExW(f.found, nullptr, L"Edit", nullptr) : nullptr;
    if (edit && SendMessageTimeoutW(edit, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 100, &length) &&
        length > 0) {
      seconds = t;
      break;
    }
    Sleep(5);
  }
  PROCESS_MEMORY_COUNTERS pmc = {sizeof pmc};
  GetProcessMemoryInfo(pi.hProcess, &pmc, sizeof pmc);
  std::printf("%.2f %lu %lu %lu\n", seconds, static_cast<unsigned long>(pmc.PeakWorkingSetSize),
              static_cast<unsigned long>(pmc.PeakPagefileUsage), static_cast<unsigned long>(length));
  TerminateProcess(pi.hProcess, 0);
  WaitForSingleObject(pi.hProcess, 10000);
  return 0;
}
