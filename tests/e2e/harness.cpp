// The driver's side of the end-to-end tests: starting the program, reading
// its windows across processes, answering its dialogs, failing loudly.
#include "tests/e2e/harness.h"

#include <commctrl.h>
#include <tlhelp32.h>

#include <Scintilla.h>

#include <chrono>
#include <cstdio>
#include <future>
#include <sstream>

#include "app/newfiletips.h"
#include "tests/e2e/probe_block.h"
#include "win32/strings.h"

namespace e2e {

namespace {

std::string Hex(DWORD value) {
  char buf[16];
  std::snprintf(buf, sizeof buf, "0x%08lX", static_cast<unsigned long>(value));
  return buf;
}

std::string HandleText(HWND hwnd) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%p", static_cast<void*>(hwnd));
  return buf;
}

std::wstring Lower(std::wstring s) {
  for (auto& c : s) c = static_cast<wchar_t>(towlower(c));
  return s;
}

std::wstring BaseName(const std::wstring& path) { return path.substr(path.rfind(L'\\') + 1); }

}  // namespace

std::wstring DistDir() {
  // VELLUMO_DIST is the build's distribution folder as a Unix path; Wine
  // shows the Unix root as drive Z:.
  wchar_t unixPath[MAX_PATH * 2];
  DWORD n = GetEnvironmentVariableW(L"VELLUMO_DIST", unixPath, MAX_PATH * 2);
  if (n == 0 || n >= MAX_PATH * 2) throw Failure("VELLUMO_DIST is not set: run the tests through ctest");
  std::wstring dir = L"Z:" + std::wstring(unixPath, n);
  for (auto& c : dir)
    if (c == L'/') c = L'\\';
  if (dir.back() != L'\\') dir += L'\\';
  return dir;
}

std::wstring DriverDir() {
  wchar_t path[MAX_PATH];
  DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
  if (n == 0 || n >= MAX_PATH) throw Failure("cannot read the driver's own path");
  std::wstring full(path, n);
  return full.substr(0, full.rfind(L'\\') + 1);
}

bool WaitFor(const std::function<bool()>& ready, DWORD timeoutMs) {
  DWORD start = GetTickCount();
  for (;;) {
    if (ready()) return true;
    if (GetTickCount() - start > timeoutMs) return ready();
    Sleep(20);
  }
}

std::string Utf8(const std::wstring& text) { return vellumo::Narrow(text); }

// ---- files ----------------------------------------------------------------

namespace {

void RemoveTree(const std::wstring& dir) {
  WIN32_FIND_DATAW fd;
  HANDLE h = FindFirstFileW((dir + L"*").c_str(), &fd);
  if (h != INVALID_HANDLE_VALUE) {
    do {
      std::wstring name = fd.cFileName;
      if (name == L"." || name == L"..") continue;
      std::wstring full = dir + name;
      if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
        RemoveTree(full + L"\\");
      } else {
        SetFileAttributesW(full.c_str(), FILE_ATTRIBUTE_NORMAL);
        DeleteFileW(full.c_str());
      }
    } while (FindNextFileW(h, &fd));
    FindClose(h);
  }
  RemoveDirectoryW(dir.c_str());
}

void CopyTree(const std::wstring& from, const std::wstring& to) {
  if (!CreateDirectoryW(to.c_str(), nullptr) && GetLastError() != ERROR_ALREADY_EXISTS)
    throw Failure("cannot create the folder " + Utf8(to));
  WIN32_FIND_DATAW fd;
  HANDLE h = FindFirstFileW((from + L"*").c_str(), &fd);
  if (h == INVALID_HANDLE_VALUE) throw Failure("cannot list the folder " + Utf8(from));
  do {
    std::wstring name = fd.cFileName;
    if (name == L"." || name == L"..") continue;
    if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      CopyTree(from + name + L"\\", to + name + L"\\");
    } else if (!CopyFileW((from + name).c_str(), (to + name).c_str(), FALSE)) {
      FindClose(h);
      throw Failure("cannot copy " + Utf8(from + name));
    }
  } while (FindNextFileW(h, &fd));
  FindClose(h);
}

}  // namespace

TempDir::TempDir(const std::wstring& name) {
  static int counter = 0;
  wchar_t temp[MAX_PATH];
  if (!GetTempPathW(MAX_PATH, temp)) throw Failure("no temporary folder");
  path_ = std::wstring(temp) + name + L" " + std::to_wstring(GetCurrentProcessId()) + L"-" +
          std::to_wstring(++counter) + L"\\";
  if (!CreateDirectoryW(path_.c_str(), nullptr))
    throw Failure("cannot create the folder " + Utf8(path_));
}

TempDir::~TempDir() { RemoveTree(path_); }

std::wstring TempDir::Write(const std::wstring& name, const std::string& bytes) const {
  std::wstring full = path_ + name;
  HANDLE h = CreateFileW(full.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) throw Failure("cannot create " + Utf8(full));
  DWORD written = 0;
  BOOL ok = WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(h);
  if (!ok || written != bytes.size()) throw Failure("cannot write " + Utf8(full));
  return full;
}

ProgramFolder::ProgramFolder() : TempDir(L"vellumo program") { CopyTree(DistDir(), Path()); }

void ProgramFolder::Remove(const std::wstring& relative) const {
  if (!DeleteFileW((Path() + relative).c_str()))
    throw Failure("cannot delete " + Utf8(Path() + relative));
}

std::string ReadFileBytes(const std::wstring& path) {
  HANDLE h = CreateFileW(path.c_str(), GENERIC_READ,
                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         OPEN_EXISTING, 0, nullptr);
  if (h == INVALID_HANDLE_VALUE)
    throw Failure("cannot open " + Utf8(path) + " (error " + std::to_string(GetLastError()) + ")");
  std::string bytes;
  char buf[65536];
  DWORD got = 0;
  BOOL ok;
  while ((ok = ReadFile(h, buf, sizeof buf, &got, nullptr)) && got) bytes.append(buf, got);
  CloseHandle(h);
  if (!ok) throw Failure("cannot read " + Utf8(path));
  return bytes;
}

bool TryReadFileBytes(const std::wstring& path, std::string* bytes) {
  try {
    *bytes = ReadFileBytes(path);
    return true;
  } catch (const Failure&) {
    return false;
  }
}

bool FileExists(const std::wstring& path) {
  return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

std::vector<std::wstring> FilesIn(const std::wstring& dir) {
  WIN32_FIND_DATAW fd;
  HANDLE h = FindFirstFileW((dir + L"*").c_str(), &fd);
  if (h == INVALID_HANDLE_VALUE) throw Failure("cannot list the folder " + Utf8(dir));
  std::vector<std::wstring> names;
  do {
    if (!(fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) names.push_back(fd.cFileName);
  } while (FindNextFileW(h, &fd));
  FindClose(h);
  return names;
}

// ---- windows ----------------------------------------------------------------

namespace {

// SendMessageTimeout that names what failed.
LRESULT SendOrThrow(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, const std::string& what,
                    DWORD timeoutMs = 5000) {
  DWORD_PTR result = 0;
  if (!IsWindow(hwnd)) throw Failure(what + ": window " + HandleText(hwnd) + " is gone");
  if (!SendMessageTimeoutW(hwnd, msg, wp, lp, SMTO_ABORTIFHUNG, timeoutMs, &result))
    throw Failure(what + ": window " + HandleText(hwnd) + (IsWindow(hwnd) ? " did not answer" : " is gone"));
  return static_cast<LRESULT>(result);
}

}  // namespace

std::wstring WindowText(HWND hwnd) {
  auto len = static_cast<std::size_t>(SendOrThrow(hwnd, WM_GETTEXTLENGTH, 0, 0, "reading a window's text"));
  std::vector<wchar_t> buf(len + 1);
  auto got = static_cast<std::size_t>(SendOrThrow(
      hwnd, WM_GETTEXT, buf.size(), reinterpret_cast<LPARAM>(buf.data()), "reading a window's text"));
  return std::wstring(buf.data(), std::min(got, len));
}

RECT WindowRect(HWND hwnd) {
  RECT r;
  if (!GetWindowRect(hwnd, &r)) throw Failure("window " + HandleText(hwnd) + " is gone");
  return r;
}

RECT ClientRect(HWND hwnd) {
  RECT r;
  if (!GetClientRect(hwnd, &r)) throw Failure("window " + HandleText(hwnd) + " is gone");
  return r;
}

LONG_PTR WindowStyle(HWND hwnd) {
  SetLastError(0);
  LONG_PTR style = GetWindowLongPtrW(hwnd, GWL_STYLE);
  if (style == 0 && GetLastError() != 0) throw Failure("window " + HandleText(hwnd) + " is gone");
  return style;
}

namespace {
struct ChildSearch {
  const wchar_t* className;
  std::vector<HWND> found;
};
BOOL CALLBACK ChildProc(HWND hwnd, LPARAM lp) {
  auto* s = reinterpret_cast<ChildSearch*>(lp);
  wchar_t cls[256];
  if (GetClassNameW(hwnd, cls, 256) && lstrcmpiW(cls, s->className) == 0) s->found.push_back(hwnd);
  return TRUE;
}
}  // namespace

std::vector<HWND> Children(HWND parent, const wchar_t* className) {
  ChildSearch s{className, {}};
  EnumChildWindows(parent, ChildProc, reinterpret_cast<LPARAM>(&s));
  return s.found;
}

void Click(HWND button) {
  if (!button || !PostMessageW(button, BM_CLICK, 0, 0))
    throw Failure("cannot click button " + HandleText(button) + ": it is gone");
}

// ---- the mouse ----------------------------------------------------------------

namespace {
void SendMouse(DWORD flags, int x = 0, int y = 0) {
  INPUT in = {};
  in.type = INPUT_MOUSE;
  in.mi.dwFlags = flags;
  if (flags & MOUSEEVENTF_ABSOLUTE) {
    // 0..65535 across the primary screen, rounded up so that the system's
    // truncating conversion back lands on the pixel itself.
    const LONGLONG cx = GetSystemMetrics(SM_CXSCREEN), cy = GetSystemMetrics(SM_CYSCREEN);
    in.mi.dx = static_cast<LONG>((x * 65536LL + cx - 1) / cx);
    in.mi.dy = static_cast<LONG>((y * 65536LL + cy - 1) / cy);
  }
  if (SendInput(1, &in, sizeof in) != 1) throw Failure("SendInput refused the mouse input");
}
}  // namespace

void MouseMoveTo(int x, int y) {
  SendMouse(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, x, y);
  POINT now = {};
  if (!WaitFor([&] { return GetCursorPos(&now) && now.x == x && now.y == y; }, 2000))
    throw Failure("the cursor did not reach " + std::to_string(x) + "," + std::to_string(y) +
                  " but " + std::to_string(now.x) + "," + std::to_string(now.y));
}

void MouseButton(bool left, bool down) {
  SendMouse(left ? (down ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_LEFTUP)
                 : (down ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_RIGHTUP));
  Sleep(30);
}

void Drag(POINT from, POINT to) {
  MouseMoveTo(from.x, from.y);
  MouseButton(true, true);
  for (int i = 1; i <= 8; ++i) {
    MouseMoveTo(from.x + (to.x - from.x) * i / 8, from.y + (to.y - from.y) * i / 8);
    Sleep(20);
  }
  MouseButton(true, false);
}

// The two clicks go in one call, so that they carry one time: a test thread
// held up between them under load would otherwise make two single clicks.
void DoubleClickAt(POINT at) {
  MouseMoveTo(at.x, at.y);
  INPUT in[4] = {};
  for (int i = 0; i < 4; ++i) {
    in[i].type = INPUT_MOUSE;
    in[i].mi.dwFlags = i % 2 ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_LEFTDOWN;
  }
  if (SendInput(4, in, sizeof in[0]) != 4) throw Failure("SendInput refused the double click");
  Sleep(50);
}

void KeyEvent(WORD vk, bool down) {
  INPUT in = {};
  in.type = INPUT_KEYBOARD;
  in.ki.wVk = vk;
  in.ki.dwFlags = down ? 0 : KEYEVENTF_KEYUP;
  if (SendInput(1, &in, sizeof in) != 1) throw Failure("SendInput refused the key");
}

// ---- the program ------------------------------------------------------------

Program::Program(const std::wstring& args, const std::wstring& workDir,
                 const std::wstring& programDir) {
  probe_ = DriverDir() + L"e2e_probe.dll";
  Launch((programDir.empty() ? DistDir() : programDir) + L"Runeview.exe", args, workDir);
}

Program Program::Start(const std::wstring& exe, const std::wstring& args,
                       const std::wstring& probe) {
  Program p{Bare{}};
  p.probe_ = probe;
  p.Launch(exe, args, L"");
  return p;
}

Program::Program(Program&& other) noexcept
    : process_(other.process_), pid_(other.pid_), main_(other.main_),
      probe_(std::move(other.probe_)), probeBase_(other.probeBase_) {
  other.process_ = nullptr;
}

void Program::Launch(const std::wstring& exe, const std::wstring& args,
                     const std::wstring& workDir) {
  std::wstring cmd = L"\"" + exe + L"\"";
  if (!args.empty()) cmd += L" " + args;
  std::vector<wchar_t> buf(cmd.begin(), cmd.end());
  buf.push_back(0);
  STARTUPINFOW si = {};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi = {};
  if (!CreateProcessW(exe.c_str(), buf.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      workDir.empty() ? nullptr : workDir.c_str(), &si, &pi))
    throw Failure("cannot start " + Utf8(exe) + " (error " + std::to_string(GetLastError()) + ")");
  CloseHandle(pi.hThread);
  process_ = pi.hProcess;
  pid_ = pi.dwProcessId;
}

Program::~Program() {
  if (!process_) return;
  if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) {
    TerminateProcess(process_, 1);
    WaitForSingleObject(process_, 10000);
  }
  CloseHandle(process_);
}

void Program::Fail(const std::string& what) {
  std::string state;
  DWORD code = 0;
  if (WaitForSingleObject(process_, 0) == WAIT_OBJECT_0) {
    GetExitCodeProcess(process_, &code);
    state = "the program has ended, exit code " + Hex(code);
    if (code >= 0xC0000000) state += " (it crashed)";
  } else {
    // A program that still answers is left running; one that does not is ended.
    DWORD_PTR r = 0;
    HWND probe = main_ && IsWindow(main_) ? main_ : nullptr;
    if (probe && SendMessageTimeoutW(probe, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, 2000, &r))
      throw Failure(what + " (the program is running)");
    TerminateProcess(process_, 1);
    WaitForSingleObject(process_, 5000);
    state = "the program stopped answering and was ended";
  }
  throw Failure(what + ": " + state);
}

void Program::CheckRunning(const char* doing) {
  if (WaitForSingleObject(process_, 0) == WAIT_OBJECT_0) Fail(doing);
}

// SendOrThrow, with the program's state: a program that ended says so, and
// one whose live window does not answer is ended.
LRESULT Program::Send(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp, const char* what,
                      DWORD timeoutMs) {
  CheckRunning(what);
  try {
    return SendOrThrow(hwnd, msg, wp, lp, what, timeoutMs);
  } catch (const Failure&) {
    CheckRunning(what);
    if (!IsWindow(hwnd)) throw;
    Fail(what);
  }
}

namespace {
struct FindData {
  DWORD pid;
  const wchar_t* className;
  bool visible;
  HWND found;
  bool (*accept)(HWND) = nullptr;  // a further test, when given
};

BOOL CALLBACK FindProc(HWND hwnd, LPARAM lp) {
  auto* d = reinterpret_cast<FindData*>(lp);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  wchar_t cls[256];
  if (pid == d->pid && GetClassNameW(hwnd, cls, 256) && lstrcmpW(cls, d->className) == 0 &&
      (!d->visible || IsWindowVisible(hwnd)) && (!d->accept || d->accept(hwnd))) {
    d->found = hwnd;
    return FALSE;
  }
  return TRUE;
}
}  // namespace

HWND Program::FindVisible(const wchar_t* className) {
  CheckRunning("looking for a window");
  FindData d{pid_, className, true, nullptr};
  EnumWindows(FindProc, reinterpret_cast<LPARAM>(&d));
  return d.found;
}

bool Program::Absent(const wchar_t* className) {
  Idle();
  return FindVisible(className) == nullptr;
}

HWND Program::WaitWindow(const wchar_t* className, DWORD timeoutMs, bool visible) {
  DWORD start = GetTickCount();
  do {
    FindData d{pid_, className, visible, nullptr};
    EnumWindows(FindProc, reinterpret_cast<LPARAM>(&d));
    if (d.found) return d.found;
    if (WaitForSingleObject(process_, 20) == WAIT_OBJECT_0)
      Fail("waiting for a window of class " + Utf8(className));
  } while (GetTickCount() - start < timeoutMs);
  return nullptr;
}

bool Program::WaitExit(DWORD timeoutMs, DWORD* exitCode) const {
  if (WaitForSingleObject(process_, timeoutMs) != WAIT_OBJECT_0) return false;
  if (exitCode) GetExitCodeProcess(process_, exitCode);
  return true;
}

bool Program::Running() const { return WaitForSingleObject(process_, 0) == WAIT_TIMEOUT; }

HWND Program::Main() {
  if (main_ && IsWindow(main_)) return main_;
  main_ = WaitWindow(L"TForm1", 30000, true);
  if (!main_) Fail("the main window did not show within 30 s");
  return main_;
}

HWND Program::TextBox() {
  HWND box = FindWindowExW(Main(), nullptr, L"Scintilla", nullptr);
  if (!box) box = FindWindowExW(Main(), nullptr, L"Edit", nullptr);  // a stand-in program's
  if (!box) Fail("the main window has no text box");
  return box;
}

std::wstring Program::Text() {
  HWND box = TextBox();
  auto len = static_cast<std::size_t>(Send(box, WM_GETTEXTLENGTH, 0, 0, "reading the text box"));
  std::vector<wchar_t> buf(len + 1);
  auto got = static_cast<std::size_t>(
      Send(box, WM_GETTEXT, buf.size(), reinterpret_cast<LPARAM>(buf.data()), "reading the text box"));
  return std::wstring(buf.data(), std::min(got, len));
}

std::string Program::Bytes() {
  const char* what = "reading the text box's bytes";
  HWND box = TextBox();
  // A text that changes between the length and the copy is read again.
  for (int attempt = 0; attempt < 10; ++attempt) {
    const auto len = static_cast<SIZE_T>(Send(box, SCI_GETLENGTH, 0, 0, what));
    void* remote = VirtualAllocEx(process_, nullptr, len + 1, MEM_COMMIT, PAGE_READWRITE);
    if (!remote) Fail("allocating memory in the program");
    std::string bytes(len + 1, '\0');
    DWORD_PTR copied = 0;
    const bool sent = SendMessageTimeoutW(box, SCI_GETTEXT, len + 1, reinterpret_cast<LPARAM>(remote),
                                          SMTO_ABORTIFHUNG, 30000, &copied) != 0;
    const bool read = sent && ReadProcessMemory(process_, remote, bytes.data(), len, nullptr);
    VirtualFreeEx(process_, remote, 0, MEM_RELEASE);
    if (!read) Fail(what);
    if (copied == len && static_cast<SIZE_T>(Send(box, SCI_GETLENGTH, 0, 0, what)) == len) {
      bytes.resize(len);
      return bytes;
    }
  }
  Fail(std::string(what) + ": the text kept changing");
}

LRESULT Program::AskTextBox(UINT msg, WPARAM wp, LPARAM lp) {
  return Send(TextBox(), msg, wp, lp, "asking the text box");
}

int Program::ScrollBars() {
  return (AskTextBox(SCI_GETHSCROLLBAR) ? 1 : 0) | (AskTextBox(SCI_GETVSCROLLBAR) ? 2 : 0);
}

bool Program::Wraps() { return AskTextBox(SCI_GETWRAPMODE) != SC_WRAP_NONE; }

bool Program::Idle(DWORD timeoutMs) {
  Send(Main(), WM_NULL, 0, 0, "waiting for the program to be idle", timeoutMs);
  return true;
}

void Program::Command(UINT id) {
  HWND main = Main();
  // The send runs on its own thread, so that a program that crashes while it
  // handles the command fails the test at once, not at the time-out.
  auto sent = std::async(std::launch::async, [main, id] {
    DWORD_PTR r = 0;
    return SendMessageTimeoutW(main, WM_COMMAND, id, 0, SMTO_NORMAL, 60000, &r) != 0;
  });
  const std::string what = "menu command " + std::to_string(id);
  while (sent.wait_for(std::chrono::milliseconds(50)) != std::future_status::ready) {
    if (WaitForSingleObject(process_, 0) == WAIT_OBJECT_0) {
      sent.wait();
      Fail(what);
    }
  }
  if (!sent.get()) {
    WaitForSingleObject(process_, 100);  // a program that just died says so
    CheckRunning(what.c_str());
    Fail(what + " got no answer within 60 s");
  }
}

void Program::PostCommand(UINT id) {
  if (!PostMessageW(Main(), WM_COMMAND, id, 0)) Fail("posting menu command " + std::to_string(id));
}

void Program::Type(const std::wstring& text) {
  HWND box = TextBox();
  const std::size_t before = Text().size();
  Send(box, SCI_GOTOPOS, 0, 0, "placing the caret");
  for (wchar_t c : text)
    if (!PostMessageW(box, WM_CHAR, c, 1)) Fail("typing into the text box");
  std::size_t now = before;
  if (!WaitFor([&] { return (now = Text().size()) == before + text.size(); }))
    Fail("typed " + std::to_string(text.size()) + " characters; the text box grew by " +
         std::to_string(static_cast<long long>(now) - static_cast<long long>(before)));
}

void Program::DropFiles(const std::vector<std::wstring>& paths) {
  std::wstring list;
  for (const std::wstring& path : paths) list += (list.empty() ? L"" : L"\n") + path;
  if (CallProbe("ProbeDrop", Main(), static_cast<std::uint32_t>(list.size() + 1), list).size() != 1)
    Fail("dropping files on the main window");
}

// Reads what the status bar holds through a buffer inside the program.
std::wstring Program::RawPanel(int index) {
  const char* what = "reading the status bar";
  HWND bar = FindWindowExW(Main(), nullptr, STATUSCLASSNAMEW, nullptr);
  if (!bar) Fail("the main window has no status bar");
  auto len = LOWORD(Send(bar, SB_GETTEXTLENGTHW, index, 0, what));
  const SIZE_T bytes = (len + 1) * sizeof(wchar_t);
  void* remote = VirtualAllocEx(process_, nullptr, bytes, MEM_COMMIT, PAGE_READWRITE);
  if (!remote) Fail("allocating memory in the program");
  std::vector<wchar_t> buf(len + 1, 0);
  bool ok = WriteProcessMemory(process_, remote, buf.data(), bytes, nullptr);
  DWORD_PTR r = 0;
  ok = ok && SendMessageTimeoutW(bar, SB_GETTEXTW, index, reinterpret_cast<LPARAM>(remote),
                                 SMTO_ABORTIFHUNG, 5000, &r);
  ok = ok && ReadProcessMemory(process_, remote, buf.data(), bytes, nullptr);
  VirtualFreeEx(process_, remote, 0, MEM_RELEASE);
  if (!ok) Fail(std::string(what) + " panel " + std::to_string(index));
  return std::wstring(buf.data(), wcsnlen(buf.data(), len));
}

std::wstring Program::Panel(int index) {
  std::wstring text = RawPanel(index);
  std::size_t first = text.find_first_not_of(L'\t');
  return first == std::wstring::npos ? std::wstring() : text.substr(first);
}

std::vector<int> Program::PanelEdges() {
  HWND bar = FindWindowExW(Main(), nullptr, STATUSCLASSNAMEW, nullptr);
  if (!bar) Fail("the main window has no status bar");
  const char* what = "reading the status bar's panels";
  auto count = static_cast<std::size_t>(Send(bar, SB_GETPARTS, 0, 0, what));
  if (count == 0) return {};
  std::vector<int> edges(count);
  void* remote = VirtualAllocEx(process_, nullptr, count * sizeof(int), MEM_COMMIT, PAGE_READWRITE);
  if (!remote) Fail("allocating memory in the program");
  DWORD_PTR got = 0;
  bool ok = SendMessageTimeoutW(bar, SB_GETPARTS, count, reinterpret_cast<LPARAM>(remote),
                                SMTO_ABORTIFHUNG, 5000, &got) &&
            got == count &&
            ReadProcessMemory(process_, remote, edges.data(), count * sizeof(int), nullptr);
  VirtualFreeEx(process_, remote, 0, MEM_RELEASE);
  if (!ok) Fail(what);
  return edges;
}

// ---- the probe ----------------------------------------------------------------

namespace {

// The probe's base address in the program, found among its modules; null
// when it is not loaded there.
void* RemoteModule(DWORD pid, const std::wstring& name) {
  HANDLE snap = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, pid);
  if (snap == INVALID_HANDLE_VALUE) return nullptr;
  MODULEENTRY32W me = {};
  me.dwSize = sizeof me;
  void* base = nullptr;
  for (BOOL more = Module32FirstW(snap, &me); more; more = Module32NextW(snap, &me))
    if (Lower(me.szModule) == Lower(name) || Lower(BaseName(me.szExePath)) == Lower(name)) {
      base = me.modBaseAddr;
      break;
    }
  CloseHandle(snap);
  return base;
}

}  // namespace

// Copies data into the program, runs routine there on the copy and waits
// for it; with readBack the copy is read back over data.
void Program::RunRemote(LPTHREAD_START_ROUTINE routine, void* data, SIZE_T bytes, bool readBack,
                        const std::string& what) {
  void* remote = VirtualAllocEx(process_, nullptr, bytes, MEM_COMMIT, PAGE_READWRITE);
  if (!remote) Fail("allocating memory in the program");
  HANDLE thread = nullptr;
  if (WriteProcessMemory(process_, remote, data, bytes, nullptr))
    thread = CreateRemoteThread(process_, nullptr, 0, routine, remote, 0, nullptr);
  if (!thread) {
    VirtualFreeEx(process_, remote, 0, MEM_RELEASE);
    Fail("starting a thread in the program for " + what);
  }
  DWORD waited = WaitForSingleObject(thread, 10000);
  CloseHandle(thread);
  if (waited != WAIT_OBJECT_0) Fail(what + " did not finish within 10 s");
  const bool read = !readBack || ReadProcessMemory(process_, remote, data, bytes, nullptr);
  VirtualFreeEx(process_, remote, 0, MEM_RELEASE);
  CheckRunning(what.c_str());
  if (!read) Fail("reading the answer of " + what);
}

// Loads the probe library into the program once (a remote thread running
// LoadLibraryW) and finds where it went.
void* Program::ProbeBase() {
  if (probeBase_) return probeBase_;
  const std::string name = Utf8(BaseName(probe_));
  if ((probeBase_ = RemoteModule(pid_, BaseName(probe_)))) return probeBase_;
  auto loadLibrary = reinterpret_cast<LPTHREAD_START_ROUTINE>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "LoadLibraryW")));
  std::wstring path = probe_;
  RunRemote(loadLibrary, path.data(), (path.size() + 1) * sizeof(wchar_t), false,
            "loading " + name + " into the program");
  probeBase_ = RemoteModule(pid_, BaseName(probe_));
  if (!probeBase_)
    throw Failure("the probe library " + name + " could not be loaded into the program");
  return probeBase_;
}

// Runs one of the probe's functions in the program on a block it fills.
std::vector<std::uint16_t> Program::CallProbe(const char* function, HWND hwnd,
                                              std::uint32_t capacity, const std::wstring& input) {
  const std::string what = std::string("the probe's ") + function;
  // The function's offset in the library, from a copy mapped here without
  // running its start-up code.
  HMODULE local = LoadLibraryExW(probe_.c_str(), nullptr, DONT_RESOLVE_DLL_REFERENCES);
  if (!local) throw Failure("the driver cannot map " + Utf8(probe_));
  auto start = reinterpret_cast<const char*>(GetProcAddress(local, function));
  std::ptrdiff_t offset = start ? start - reinterpret_cast<const char*>(local) : 0;
  FreeLibrary(local);
  if (!start) throw Failure(Utf8(BaseName(probe_)) + " has no function " + function);
  auto routine = reinterpret_cast<LPTHREAD_START_ROUTINE>(static_cast<char*>(ProbeBase()) + offset);

  const std::uint32_t bytes = ProbeBlockBytes(capacity);
  std::vector<unsigned char> local_block(bytes, 0);
  auto* block = reinterpret_cast<ProbeBlock*>(local_block.data());
  block->magic = ProbeBlock::kAsked;
  block->hwnd = static_cast<std::uint64_t>(reinterpret_cast<UINT_PTR>(hwnd));
  block->capacity = capacity;
  block->length = static_cast<std::uint32_t>(std::min<std::size_t>(input.size(), capacity - 1));
  std::copy(input.begin(), input.begin() + block->length, block->text);
  RunRemote(routine, block, bytes, true, what);
  if (block->status != ProbeBlock::kDone || block->length >= capacity)
    throw Failure(what + " gave no answer");
  return std::vector<std::uint16_t>(block->text, block->text + block->length);
}

std::vector<MenuItem> Program::Menu() { return MenuOf(Main()); }

std::vector<MenuItem> Program::PopupMenu() {
  HWND popup = nullptr;
  if (!WaitFor([&] { return (popup = FindVisible(L"#32768")) != nullptr; }, 5000))
    Fail("no popup menu of the program opened");
  return MenuOf(popup);
}

std::vector<MenuItem> Program::MenuOf(HWND hwnd) {
  std::vector<std::uint16_t> out = CallProbe("ProbeMenu", hwnd, 16384);
  std::wstring text(out.begin(), out.end());
  if (text == L"-") throw Failure("the main window has no menu");
  // One line per item: depth, id, flags, tag, caption, separated by tabs.
  std::vector<MenuItem> items;
  std::wistringstream lines(text);
  std::wstring line;
  while (std::getline(lines, line)) {
    if (line == L"!") throw Failure("the probe could not read a menu item");
    MenuItem item;
    std::wistringstream fields(line);
    std::wstring f;
    std::getline(fields, f, L'\t');
    item.depth = std::stoi(f);
    std::getline(fields, f, L'\t');
    item.id = static_cast<UINT>(std::stoul(f));
    std::getline(fields, f, L'\t');
    UINT flags = static_cast<UINT>(std::stoul(f));
    item.checked = flags & MF_CHECKED;
    item.separator = flags & MF_SEPARATOR;
    item.grayed = flags & MF_GRAYED;
    std::getline(fields, f, L'\t');
    item.tag = static_cast<ULONG_PTR>(std::stoull(f));
    std::getline(fields, item.caption);
    items.push_back(item);
  }
  return items;
}

MenuItem Program::MenuItemById(UINT id) {
  for (const MenuItem& item : Menu())
    if (item.id == id && item.depth > 0) return item;
  throw Failure("the menu has no item " + std::to_string(id));
}

// ---- dialogs ----------------------------------------------------------------

namespace {
HWND FileNameBox(HWND dialog) {
  for (HWND combo : Children(dialog, L"ComboBoxEx32"))
    if (GetDlgCtrlID(combo) == 0x47c) {
      auto edits = Children(combo, L"Edit");
      if (!edits.empty()) return edits.front();
    }
  for (HWND edit : Children(dialog, L"Edit"))
    if (GetDlgCtrlID(edit) == 0x47c || GetDlgCtrlID(edit) == 0x480) return edit;
  return nullptr;
}
}  // namespace

HWND Program::FillFileDialog(const std::wstring& path) {
  HWND dialog = nullptr, box = nullptr;
  if (!WaitFor([&] {
        dialog = FindVisible(L"#32770");
        box = dialog ? FileNameBox(dialog) : nullptr;
        return box != nullptr;
      }))
    return nullptr;
  Send(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()), "filling in the file dialog");
  if (!PostMessageW(dialog, WM_COMMAND, IDOK, 0)) Fail("pressing OK in the file dialog");
  return dialog;
}

bool Program::AnswerFileDialog(const std::wstring& path) {
  HWND dialog = FillFileDialog(path);
  return dialog && WaitFor([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); });
}

bool Program::CancelFileDialog() {
  HWND dialog = nullptr;
  if (!WaitFor([&] {
        dialog = FindVisible(L"#32770");
        return dialog && FileNameBox(dialog);
      }))
    return false;
  if (!PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0)) Fail("cancelling the file dialog");
  return WaitFor([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); });
}

HWND Program::WaitMessageBox(DWORD timeoutMs) {
  // Over a file dialog a box is another window of the same class.
  HWND box = nullptr;
  WaitFor(
      [&] {
        CheckRunning("looking for a message box");
        FindData d{pid_, L"#32770", true, nullptr, [](HWND h) { return FileNameBox(h) == nullptr; }};
        EnumWindows(FindProc, reinterpret_cast<LPARAM>(&d));
        return (box = d.found) != nullptr;
      },
      timeoutMs);
  return box;
}

bool Program::NoMessageBox() {
  Idle();
  return WaitMessageBox(300) == nullptr;
}

std::wstring Program::AnswerMessageBox(DWORD timeoutMs) {
  HWND box = WaitMessageBox(timeoutMs);
  if (!box) Fail("no message box came within " + std::to_string(timeoutMs) + " ms");
  std::wstring text;
  for (HWND s : Children(box, L"Static")) text += WindowText(s);
  text = L"[" + WindowText(box) + L"] " + text;
  HWND ok = GetDlgItem(box, IDOK);
  if (!ok) {
    auto buttons = Children(box, L"Button");
    if (buttons.empty()) Fail("the message box has no button");
    ok = buttons.front();
  }
  Click(ok);
  WaitFor([&] { return !IsWindow(box) || !IsWindowVisible(box); });
  return text;
}

bool Program::AnswerTips(bool ok, bool tick, std::wstring* text) {
  using vellumo::kTipsCancel;
  using vellumo::kTipsCheckBox;
  using vellumo::kTipsLabel;
  using vellumo::kTipsOk;
  HWND tips = nullptr;
  if (!WaitFor([&] { return (tips = FindVisible(L"TTipsForm")) != nullptr; })) return false;
  if (text) *text = WindowText(GetDlgItem(tips, kTipsLabel));
  if (tick) {
    HWND box = GetDlgItem(tips, kTipsCheckBox);
    Click(box);
    if (!WaitFor([&] { return Send(box, BM_GETCHECK, 0, 0, "reading the check box") == BST_CHECKED; }))
      Fail("the tips dialog's check box did not get ticked");
  }
  Click(GetDlgItem(tips, ok ? kTipsOk : kTipsCancel));
  return WaitFor([&] { return !IsWindowVisible(tips); });
}

}  // namespace e2e
