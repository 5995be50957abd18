#include "tests/e2e/harness.h"

#include <commctrl.h>

#include <sstream>

#include "win32/strings.h"

namespace e2e {

std::wstring DistDir() {
  // VELLUMO_DIST is the build's distribution folder as a Unix path; Wine
  // shows the Unix root as drive Z:.
  wchar_t unixPath[MAX_PATH * 2];
  DWORD n = GetEnvironmentVariableW(L"VELLUMO_DIST", unixPath, MAX_PATH * 2);
  std::wstring dir = n ? L"Z:" + std::wstring(unixPath, n) : L"";
  for (auto& c : dir)
    if (c == L'/') c = L'\\';
  if (!dir.empty() && dir.back() != L'\\') dir += L'\\';
  return dir;
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
  CreateDirectoryW(to.c_str(), nullptr);
  WIN32_FIND_DATAW fd;
  HANDLE h = FindFirstFileW((from + L"*").c_str(), &fd);
  if (h == INVALID_HANDLE_VALUE) return;
  do {
    std::wstring name = fd.cFileName;
    if (name == L"." || name == L"..") continue;
    if (fd.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
      CopyTree(from + name + L"\\", to + name + L"\\");
    else
      CopyFileW((from + name).c_str(), (to + name).c_str(), FALSE);
  } while (FindNextFileW(h, &fd));
  FindClose(h);
}

std::wstring DriverDir() {
  wchar_t path[MAX_PATH];
  DWORD n = GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring full(path, n);
  return full.substr(0, full.rfind(L'\\') + 1);
}

}  // namespace

TempDir::TempDir(const std::wstring& name) {
  static int counter = 0;
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  path_ = std::wstring(temp) + name + L" " + std::to_wstring(GetCurrentProcessId()) + L"-" +
          std::to_wstring(++counter) + L"\\";
  CreateDirectoryW(path_.c_str(), nullptr);
}

TempDir::~TempDir() { RemoveTree(path_); }

std::wstring TempDir::Write(const std::wstring& name, const std::string& bytes) const {
  std::wstring full = path_ + name;
  HANDLE h = CreateFileW(full.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h != INVALID_HANDLE_VALUE) {
    DWORD written = 0;
    WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
    CloseHandle(h);
  }
  return full;
}

ProgramFolder::ProgramFolder() : TempDir(L"vellumo program") { CopyTree(DistDir(), Path()); }

void ProgramFolder::Remove(const std::wstring& relative) const {
  DeleteFileW((Path() + relative).c_str());
}

std::string ReadFileBytes(const std::wstring& path) {
  HANDLE h = CreateFileW(path.c_str(), GENERIC_READ,
                         FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                         OPEN_EXISTING, 0, nullptr);
  if (h == INVALID_HANDLE_VALUE) return {};
  std::string bytes;
  char buf[65536];
  DWORD got = 0;
  while (ReadFile(h, buf, sizeof buf, &got, nullptr) && got) bytes.append(buf, got);
  CloseHandle(h);
  return bytes;
}

bool FileExists(const std::wstring& path) {
  return GetFileAttributesW(path.c_str()) != INVALID_FILE_ATTRIBUTES;
}

// ---- windows ----------------------------------------------------------------

std::wstring WindowText(HWND hwnd) {
  DWORD_PTR len = 0;
  if (!SendMessageTimeoutW(hwnd, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &len)) return L"";
  std::vector<wchar_t> buf(len + 1);
  DWORD_PTR got = 0;
  SendMessageTimeoutW(hwnd, WM_GETTEXT, buf.size(), reinterpret_cast<LPARAM>(buf.data()),
                      SMTO_ABORTIFHUNG, 5000, &got);
  return std::wstring(buf.data(), got);
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

void Click(HWND button) { PostMessageW(button, BM_CLICK, 0, 0); }

// ---- the program ------------------------------------------------------------

Program::Program(const std::wstring& args, const std::wstring& workDir,
                 const std::wstring& programDir) {
  std::wstring exe = (programDir.empty() ? DistDir() : programDir) + L"Runeview.exe";
  std::wstring cmd = L"\"" + exe + L"\"";
  if (!args.empty()) cmd += L" " + args;
  std::vector<wchar_t> buf(cmd.begin(), cmd.end());
  buf.push_back(0);
  STARTUPINFOW si = {};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi = {};
  if (CreateProcessW(exe.c_str(), buf.data(), nullptr, nullptr, FALSE, 0, nullptr,
                     workDir.empty() ? nullptr : workDir.c_str(), &si, &pi)) {
    CloseHandle(pi.hThread);
    process_ = pi.hProcess;
    pid_ = pi.dwProcessId;
  }
}

Program::~Program() {
  if (!process_) return;
  if (WaitForSingleObject(process_, 0) == WAIT_TIMEOUT) {
    TerminateProcess(process_, 1);
    WaitForSingleObject(process_, 10000);
  }
  CloseHandle(process_);
}

namespace {
struct FindData {
  DWORD pid;
  const wchar_t* className;
  bool visible;
  HWND found;
};

BOOL CALLBACK FindProc(HWND hwnd, LPARAM lp) {
  auto* d = reinterpret_cast<FindData*>(lp);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  wchar_t cls[256];
  if (pid == d->pid && GetClassNameW(hwnd, cls, 256) && lstrcmpW(cls, d->className) == 0 &&
      (!d->visible || IsWindowVisible(hwnd))) {
    d->found = hwnd;
    return FALSE;
  }
  return TRUE;
}
}  // namespace

HWND Program::FindVisible(const wchar_t* className) const {
  FindData d{pid_, className, true, nullptr};
  EnumWindows(FindProc, reinterpret_cast<LPARAM>(&d));
  return d.found;
}

HWND Program::WaitWindow(const wchar_t* className, DWORD timeoutMs, bool visible) const {
  DWORD start = GetTickCount();
  do {
    FindData d{pid_, className, visible, nullptr};
    EnumWindows(FindProc, reinterpret_cast<LPARAM>(&d));
    if (d.found) return d.found;
    if (WaitForSingleObject(process_, 20) == WAIT_OBJECT_0) return nullptr;
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
  if (!main_ || !IsWindow(main_)) main_ = WaitWindow(L"TForm1", 30000, true);
  return main_;
}

HWND Program::TextBox() {
  HWND main = Main();
  return main ? FindWindowExW(main, nullptr, L"Edit", nullptr) : nullptr;
}

std::wstring Program::Text() { return WindowText(TextBox()); }

LONG Program::TextBoxStyle() { return GetWindowLongW(TextBox(), GWL_STYLE); }

bool Program::Idle(DWORD timeoutMs) {
  DWORD_PTR r = 0;
  return SendMessageTimeoutW(Main(), WM_NULL, 0, 0, SMTO_NORMAL, timeoutMs, &r) != 0;
}

void Program::Command(UINT id) {
  DWORD_PTR r = 0;
  SendMessageTimeoutW(Main(), WM_COMMAND, id, 0, SMTO_NORMAL, 60000, &r);
}

void Program::PostCommand(UINT id) { PostMessageW(Main(), WM_COMMAND, id, 0); }

void Program::Type(const std::wstring& text) {
  HWND box = TextBox();
  std::wstring before = WindowText(box);
  DWORD_PTR r = 0;
  SendMessageTimeoutW(box, EM_SETSEL, 0, 0, SMTO_ABORTIFHUNG, 5000, &r);
  for (wchar_t c : text) PostMessageW(box, WM_CHAR, c, 1);
  WaitFor([&] { return WindowText(box) == text + before; });
}

// Reads what the status bar holds through a buffer inside the program.
std::wstring Program::RawPanel(int index) {
  HWND bar = FindWindowExW(Main(), nullptr, STATUSCLASSNAMEW, nullptr);
  const SIZE_T bytes = 4096 * sizeof(wchar_t);
  void* remote = VirtualAllocEx(process_, nullptr, bytes, MEM_COMMIT, PAGE_READWRITE);
  if (!remote) return L"<no memory>";
  std::vector<wchar_t> buf(4096, 0);
  WriteProcessMemory(process_, remote, buf.data(), bytes, nullptr);
  DWORD_PTR r = 0;
  SendMessageTimeoutW(bar, SB_GETTEXTW, index, reinterpret_cast<LPARAM>(remote), SMTO_ABORTIFHUNG,
                      5000, &r);
  ReadProcessMemory(process_, remote, buf.data(), bytes - sizeof(wchar_t), nullptr);
  VirtualFreeEx(process_, remote, 0, MEM_RELEASE);
  return buf.data();
}

std::wstring Program::Panel(int index) {
  std::wstring text = RawPanel(index);
  text.erase(0, text.find_first_not_of(L'\t') == std::wstring::npos ? text.size()
                                                                   : text.find_first_not_of(L'\t'));
  return text;
}

std::vector<int> Program::PanelEdges() {
  HWND bar = FindWindowExW(Main(), nullptr, STATUSCLASSNAMEW, nullptr);
  void* remote = VirtualAllocEx(process_, nullptr, 64 * sizeof(int), MEM_COMMIT, PAGE_READWRITE);
  DWORD_PTR count = 0;
  SendMessageTimeoutW(bar, SB_GETPARTS, 64, reinterpret_cast<LPARAM>(remote), SMTO_ABORTIFHUNG,
                      5000, &count);
  std::vector<int> edges(count);
  if (count) ReadProcessMemory(process_, remote, edges.data(), count * sizeof(int), nullptr);
  VirtualFreeEx(process_, remote, 0, MEM_RELEASE);
  return edges;
}

// Loads the probe library into the program once, then runs one of its
// functions there on a block {HWND, capacity, output...} and reads it back.
std::vector<unsigned char> Program::CallProbe(const char* function, HWND hwnd,
                                              std::size_t outBytes) {
  std::wstring dll = DriverDir() + L"e2e_probe.dll";
  HMODULE local = LoadLibraryW(dll.c_str());
  if (!local) return {};
  auto start = reinterpret_cast<char*>(GetProcAddress(local, function));
  if (!start) return {};
  auto run = [&](void* routine, void* param) -> DWORD {
    HANDLE t = CreateRemoteThread(process_, nullptr, 0,
                                  reinterpret_cast<LPTHREAD_START_ROUTINE>(routine), param, 0,
                                  nullptr);
    if (!t) return 0;
    WaitForSingleObject(t, 15000);
    DWORD code = 0;
    GetExitCodeThread(t, &code);
    CloseHandle(t);
    return code;
  };
  if (!probeBase_) {
    SIZE_T size = (dll.size() + 1) * sizeof(wchar_t);
    void* name = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT, PAGE_READWRITE);
    WriteProcessMemory(process_, name, dll.c_str(), size, nullptr);
    auto loadLibrary = reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "LoadLibraryW"));
    probeBase_ = reinterpret_cast<void*>(static_cast<ULONG_PTR>(run(loadLibrary, name)));
    VirtualFreeEx(process_, name, 0, MEM_RELEASE);
    if (!probeBase_) return {};
  }
  void* routine = static_cast<char*>(probeBase_) + (start - reinterpret_cast<char*>(local));
  SIZE_T size = sizeof(HWND) + sizeof(DWORD) + outBytes;
  std::vector<unsigned char> block(size, 0);
  *reinterpret_cast<HWND*>(block.data()) = hwnd;
  *reinterpret_cast<DWORD*>(block.data() + sizeof(HWND)) = static_cast<DWORD>(outBytes);
  void* remote = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT, PAGE_READWRITE);
  WriteProcessMemory(process_, remote, block.data(), size, nullptr);
  run(routine, remote);
  ReadProcessMemory(process_, remote, block.data(), size, nullptr);
  VirtualFreeEx(process_, remote, 0, MEM_RELEASE);
  return std::vector<unsigned char>(block.begin() + sizeof(HWND) + sizeof(DWORD), block.end());
}

std::vector<MenuItem> Program::Menu() {
  std::vector<unsigned char> out = CallProbe("ProbeMenu", Main(), 32768);
  std::wstring text(reinterpret_cast<const wchar_t*>(out.data()), out.size() / sizeof(wchar_t));
  text.resize(wcsnlen(text.c_str(), text.size()));
  // One line per item: depth, id, flags, tag, caption, separated by tabs.
  std::vector<MenuItem> items;
  std::wistringstream lines(text);
  std::wstring line;
  while (std::getline(lines, line)) {
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
    std::getline(fields, f, L'\t');
    item.tag = std::stoul(f);
    std::getline(fields, item.caption);
    items.push_back(item);
  }
  return items;
}

MenuItem Program::MenuItemById(UINT id) {
  for (const MenuItem& item : Menu())
    if (item.id == id && item.depth > 0) return item;
  return {};
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

bool Program::AnswerFileDialog(const std::wstring& path) {
  HWND dialog = nullptr, box = nullptr;
  if (!WaitFor([&] {
        dialog = FindVisible(L"#32770");
        box = dialog ? FileNameBox(dialog) : nullptr;
        return box != nullptr;
      }))
    return false;
  DWORD_PTR r = 0;
  SendMessageTimeoutW(box, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(path.c_str()), SMTO_NORMAL,
                      5000, &r);
  PostMessageW(dialog, WM_COMMAND, IDOK, 0);
  return WaitFor([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); });
}

bool Program::CancelFileDialog() {
  HWND dialog = nullptr;
  if (!WaitFor([&] {
        dialog = FindVisible(L"#32770");
        return dialog && FileNameBox(dialog);
      }))
    return false;
  PostMessageW(dialog, WM_COMMAND, IDCANCEL, 0);
  return WaitFor([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); });
}

HWND Program::WaitMessageBox(DWORD timeoutMs) {
  HWND box = nullptr;
  WaitFor(
      [&] {
        box = FindVisible(L"#32770");
        return box && !FileNameBox(box);
      },
      timeoutMs);
  return box && !FileNameBox(box) ? box : nullptr;
}

std::wstring Program::AnswerMessageBox(DWORD timeoutMs) {
  HWND box = WaitMessageBox(timeoutMs);
  if (!box) return L"";
  std::wstring text;
  for (HWND s : Children(box, L"Static")) {
    std::wstring t = WindowText(s);
    if (!t.empty()) text += t;
  }
  text = L"[" + WindowText(box) + L"] " + text;
  HWND ok = GetDlgItem(box, IDOK);
  if (!ok) {
    auto buttons = Children(box, L"Button");
    if (!buttons.empty()) ok = buttons.front();
  }
  Click(ok);
  WaitFor([&] { return !IsWindow(box) || !IsWindowVisible(box); });
  return text;
}

bool Program::AnswerTips(bool ok, bool tick, std::wstring* text) {
  HWND tips = nullptr;
  if (!WaitFor([&] { return (tips = FindVisible(L"TTipsForm")) != nullptr; })) return false;
  if (text) *text = WindowText(GetDlgItem(tips, 201));
  if (tick) {
    HWND box = GetDlgItem(tips, 202);
    Click(box);
    WaitFor([&] {
      DWORD_PTR r = 0;
      SendMessageTimeoutW(box, BM_GETCHECK, 0, 0, SMTO_ABORTIFHUNG, 5000, &r);
      return r == BST_CHECKED;
    });
  }
  Click(GetDlgItem(tips, ok ? 203 : 204));
  return WaitFor([&] { return !IsWindowVisible(tips); });
}

}  // namespace e2e
