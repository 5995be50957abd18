// Times a viewer from its start with a file on the command line: until its
// main window is visible, until the text is shown and painted, then each step
// asked for (a menu command such as a code-page switch, "end": the text box
// scrolled to the end of the text, "key": a character typed at the caret,
// "find": the whole text searched for a string it lacks, "preview": the
// preview dialog open and painted),
// each until painted; reads the viewer's peak memory after the load and at
// the end.
// Usage: viewer_bench.exe [-notepad-wrap 0|1] WINDOW_CLASS COMMAND_LINE [STEP...]
// -notepad-wrap sets Wine's notepad's wrap and gives its window the viewer's size.
// Prints: window_s text_s peak_ws peak_commit text_length [step_s ... peak_ws_end]
#include <windows.h>
#include <commctrl.h>
#include <psapi.h>

#include <cstdio>
#include <cwchar>
#include <string>

namespace {

// Scintilla's messages: SCI_GETLENGTH, SCI_DOCUMENTEND, and the search the
// find command makes.
constexpr UINT kSciGetLength = 2006;
constexpr UINT kSciDocumentEnd = 2318;
constexpr UINT kSciSetSearchFlags = 2198;
constexpr UINT kSciSetTargetRange = 2686;
constexpr UINT kSciSearchInTarget = 2197;
constexpr UINT kMenuPreview = 115;
HANDLE viewerProcess = nullptr;

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
  if (pid == f->pid && IsWindowVisible(hwnd) && GetClassNameW(hwnd, cls, 64) &&
      !lstrcmpW(cls, f->cls)) {
    f->found = hwnd;
    return FALSE;
  }
  return TRUE;
}

double Seconds(const LARGE_INTEGER& since) {
  LARGE_INTEGER freq, now;
  QueryPerformanceFrequency(&freq);
  QueryPerformanceCounter(&now);
  return double(now.QuadPart - since.QuadPart) / freq.QuadPart;
}

void SetNotepad(DWORD wrap) {
  HKEY key;
  if (RegCreateKeyExW(HKEY_CURRENT_USER, L"Software\\Microsoft\\Notepad", 0, nullptr, 0,
                      KEY_SET_VALUE, nullptr, &key, nullptr) != ERROR_SUCCESS)
    return;
  const struct {
    const wchar_t* name;
    DWORD value;
  } values[] = {{L"fWrap", wrap}, {L"iWindowPosX", 426}, {L"iWindowPosY", 344},
                {L"iWindowPosDX", 428}, {L"iWindowPosDY", 336}};
  for (const auto& v : values)
    RegSetValueExW(key, v.name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&v.value), sizeof(DWORD));
  RegCloseKey(key);
}

// The viewer's text box: the program's Scintilla window, notepad's edit control.
HWND TextBoxOf(HWND main) {
  HWND box = FindWindowExW(main, nullptr, L"Scintilla", nullptr);
  return box ? box : FindWindowExW(main, nullptr, L"Edit", nullptr);
}

// Painted: the box has nothing left to paint once it answers again.
bool Painted(HWND box) {
  DWORD_PTR r = 0;
  return SendMessageTimeoutW(box, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 1000, &r) &&
         !GetUpdateRect(box, nullptr, FALSE);
}

// Whether the viewer shows its text: the program names the file in its
// status bar once the text is in; notepad sets its text in one step. The
// length is in bytes for the program, in characters for notepad.
bool Shown(HWND main, DWORD_PTR& length) {
  HWND box = TextBoxOf(main);
  const bool scintilla = box && FindWindowExW(main, nullptr, L"Scintilla", nullptr) == box;
  if (!box || !SendMessageTimeoutW(box, scintilla ? kSciGetLength : WM_GETTEXTLENGTH, 0, 0,
                                   SMTO_ABORTIFHUNG, 100, &length))
    return false;
  bool named = length > 0;
  if (HWND bar = FindWindowExW(main, nullptr, STATUSCLASSNAMEW, nullptr)) {
    DWORD_PTR panel = 0;
    named = SendMessageTimeoutW(bar, SB_GETTEXTLENGTHW, 0, 0, SMTO_ABORTIFHUNG, 100, &panel) &&
            LOWORD(panel) > 0;
  }
  return named && Painted(box);
}

// Runs one step and waits until the box has painted it: seconds, -1 on failure.
double Step(HWND main, const wchar_t* step) {
  HWND box = TextBoxOf(main);
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  DWORD_PTR r = 0;
  bool done;
  if (!std::wcscmp(step, L"end")) {
    done = SendMessageTimeoutW(box, kSciDocumentEnd, 0, 0, SMTO_NORMAL, 900000, &r);
  } else if (!std::wcscmp(step, L"find")) {
    // A text the document does not hold: the whole text searched, as Find does.
    const char text[] = "\xB2\xBB\xB4\xE6\xD4\xDA\xB5\xC4\xD7\xD6q";  // GBK, and a Latin letter
    void* remote = VirtualAllocEx(viewerProcess, nullptr, sizeof text, MEM_COMMIT, PAGE_READWRITE);
    DWORD_PTR length = 0;
    done = remote && WriteProcessMemory(viewerProcess, remote, text, sizeof text, nullptr) &&
           SendMessageTimeoutW(box, kSciGetLength, 0, 0, SMTO_NORMAL, 1000, &length) &&
           SendMessageTimeoutW(box, kSciSetSearchFlags, 4, 0, SMTO_NORMAL, 1000, &r) &&
           SendMessageTimeoutW(box, kSciSetTargetRange, 0, length, SMTO_NORMAL, 1000, &r) &&
           SendMessageTimeoutW(box, kSciSearchInTarget, sizeof text - 1, reinterpret_cast<LPARAM>(remote),
                               SMTO_NORMAL, 900000, &r);
    if (remote) VirtualFreeEx(viewerProcess, remote, 0, MEM_RELEASE);
  } else if (!std::wcscmp(step, L"preview")) {
    // Until the preview dialog is painted; it is closed again.
    done = PostMessageW(main, WM_COMMAND, kMenuPreview, 0);
    DWORD pid = 0;
    GetWindowThreadProcessId(main, &pid);
    HWND dialog = nullptr;
    while (done && !dialog && Seconds(t) < 60) {
      Find f{pid, L"TPreviewForm", nullptr};
      EnumWindows(FindProc, reinterpret_cast<LPARAM>(&f));
      dialog = f.found;
      if (!dialog) Sleep(0);
    }
    done = dialog != nullptr;
    while (done && !Painted(dialog) && Seconds(t) < 60) Sleep(0);
    const double took = Seconds(t);
    if (dialog) PostMessageW(dialog, WM_CLOSE, 0, 0);
    return done ? took : -1.0;
  } else if (!std::wcscmp(step, L"key")) {
    DWORD_PTR before = 0, after = 0;
    done = SendMessageTimeoutW(box, kSciGetLength, 0, 0, SMTO_NORMAL, 1000, &before) &&
           PostMessageW(box, WM_CHAR, L'a', 1);
    while (done && SendMessageTimeoutW(box, kSciGetLength, 0, 0, SMTO_NORMAL, 1000, &after) &&
           after == before && Seconds(t) < 60)
      Sleep(0);
  } else {
    // A menu command returns once it is done, a reload included.
    done = SendMessageTimeoutW(main, WM_COMMAND, std::wcstoul(step, nullptr, 10), 0, SMTO_NORMAL,
                               900000, &r);
  }
  while (done && !Painted(box) && Seconds(t) < 900) Sleep(0);
  return done ? Seconds(t) : -1.0;
}

unsigned long PeakWorkingSet(HANDLE process, unsigned long* commit = nullptr) {
  PROCESS_MEMORY_COUNTERS pmc = {sizeof pmc};
  GetProcessMemoryInfo(process, &pmc, sizeof pmc);
  if (commit) *commit = static_cast<unsigned long>(pmc.PeakPagefileUsage);
  return static_cast<unsigned long>(pmc.PeakWorkingSetSize);
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  int a = 1;
  if (argc > 2 && !std::wcscmp(argv[1], L"-notepad-wrap")) {
    SetNotepad(std::wcstoul(argv[2], nullptr, 10));
    a = 3;
  }
  if (argc < a + 2) {
    std::fprintf(stderr, "usage: viewer_bench [-notepad-wrap 0|1] WINDOW_CLASS COMMAND_LINE [STEP...]\n");
    return 2;
  }
  const wchar_t* cls = argv[a];
  std::wstring cmd = argv[a + 1];
  STARTUPINFOW si = {sizeof si};
  PROCESS_INFORMATION pi = {};
  LARGE_INTEGER start;
  QueryPerformanceCounter(&start);
  if (!CreateProcessW(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
    std::fprintf(stderr, "cannot start\n");
    return 1;
  }
  DWORD_PTR length = 0;
  double window = -1, text = -1;
  HWND main = nullptr;
  while (Seconds(start) < 900 && WaitForSingleObject(pi.hProcess, 0) != WAIT_OBJECT_0) {
    if (!main) {
      Find f{pi.dwProcessId, cls, nullptr};
      EnumWindows(FindProc, reinterpret_cast<LPARAM>(&f));
      if ((main = f.found)) window = Seconds(start);
    }
    if (main && Shown(main, length)) {
      text = Seconds(start);
      break;
    }
    Sleep(5);
  }
  unsigned long commit = 0;
  const unsigned long peak = PeakWorkingSet(pi.hProcess, &commit);
  viewerProcess = pi.hProcess;
  std::printf("%.3f %.3f %lu %lu %lu", window, text, peak, commit, static_cast<unsigned long>(length));
  if (main && text >= 0) {
    for (int i = a + 2; i < argc; ++i) std::printf(" %.3f", Step(main, argv[i]));
    if (argc > a + 2) std::printf(" %lu", PeakWorkingSet(pi.hProcess));
  }
  std::printf("\n");
  TerminateProcess(pi.hProcess, 0);
  WaitForSingleObject(pi.hProcess, 10000);
  return 0;
}
