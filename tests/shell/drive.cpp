#include "tests/shell/drive.h"

#include <shellapi.h>
#include <commctrl.h>

#include "tests/e2e/harness.h"

namespace drive {

namespace {

struct Search {
  DWORD pid;
  const wchar_t* className;
  HWND found;
};

BOOL CALLBACK FindTopLevel(HWND hwnd, LPARAM lp) {
  auto* s = reinterpret_cast<Search*>(lp);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  wchar_t cls[64];
  if ((s->pid == 0 || pid == s->pid) && IsWindowVisible(hwnd) && GetClassNameW(hwnd, cls, 64) &&
      lstrcmpW(cls, s->className) == 0) {
    s->found = hwnd;
    return FALSE;
  }
  return TRUE;
}

BOOL CALLBACK CollectStatic(HWND hwnd, LPARAM lp) {
  wchar_t cls[32];
  if (GetClassNameW(hwnd, cls, 32) && lstrcmpiW(cls, L"Static") == 0) {
    std::wstring text = e2e::WindowText(hwnd);
    if (!text.empty()) {
      auto* all = reinterpret_cast<std::wstring*>(lp);
      if (!all->empty()) *all += L"\n";
      *all += text;
    }
  }
  return TRUE;
}

bool FileOperation(UINT func, const std::wstring& from, const std::wstring& to) {
  std::wstring f = from + L'\0', t = to + L'\0';
  SHFILEOPSTRUCTW op = {};
  op.wFunc = func;
  op.pFrom = f.c_str();
  op.pTo = to.empty() ? nullptr : t.c_str();
  op.fFlags = FOF_NOCONFIRMATION | FOF_NOERRORUI | FOF_SILENT | FOF_NOCONFIRMMKDIR;
  return SHFileOperationW(&op) == 0;
}

}  // namespace

HWND WaitTopLevel(DWORD pid, const wchar_t* className, DWORD timeoutMs) {
  HWND found = nullptr;
  WaitFor(
      [&] {
        Search s{pid, className, nullptr};
        EnumWindows(FindTopLevel, reinterpret_cast<LPARAM>(&s));
        found = s.found;
        return found != nullptr;
      },
      timeoutMs);
  return found;
}

bool AppearsWithin(DWORD pid, const wchar_t* className, DWORD timeoutMs) {
  return WaitTopLevel(pid, className, timeoutMs) != nullptr;
}

std::wstring DialogText(HWND dialog) {
  std::wstring all;
  EnumChildWindows(dialog, CollectStatic, reinterpret_cast<LPARAM>(&all));
  return all;
}

bool PressButton(HWND dialog, int id) {
  HWND button = GetDlgItem(dialog, id);
  if (!button) return false;
  DWORD_PTR ignored;
  SendMessageTimeoutW(button, BM_CLICK, 0, 0, SMTO_ABORTIFHUNG, 2000, &ignored);
  return WaitFor([&] { return !IsWindow(dialog) || !IsWindowVisible(dialog); });
}

std::wstring PanelText(HWND statusBar, int index) {
  DWORD pid = 0;
  GetWindowThreadProcessId(statusBar, &pid);
  HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
  if (!process) return L"<no process>";
  const SIZE_T bytes = 1024 * sizeof(wchar_t);
  void* remote = VirtualAllocEx(process, nullptr, bytes, MEM_COMMIT, PAGE_READWRITE);
  std::wstring text;
  DWORD_PTR result = 0;
  if (remote && SendMessageTimeoutW(statusBar, SB_GETTEXTLENGTHW, index, 0, SMTO_ABORTIFHUNG, 2000,
                                    &result) &&
      LOWORD(result) < 1024 &&
      SendMessageTimeoutW(statusBar, SB_GETTEXTW, index, reinterpret_cast<LPARAM>(remote),
                          SMTO_ABORTIFHUNG, 2000, &result)) {
    std::vector<wchar_t> local(1024);
    SIZE_T read = 0;
    if (ReadProcessMemory(process, remote, local.data(), bytes, &read))
      text.assign(local.data(), LOWORD(result));
  }
  // Leading tabs only set the panel's alignment.
  text.erase(0, text.find_first_not_of(L'\t') == std::wstring::npos ? text.size()
                                                                      : text.find_first_not_of(L'\t'));
  if (remote) VirtualFreeEx(process, remote, 0, MEM_RELEASE);
  CloseHandle(process);
  return text;
}

std::wstring ThisDir() {
  wchar_t self[MAX_PATH];
  DWORD n = GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring dir(self, n);
  return dir.substr(0, dir.rfind(L'\\') + 1);
}

void RemoveTree(const std::wstring& dir) {
  std::wstring d = dir;
  if (!d.empty() && d.back() == L'\\') d.pop_back();
  if (GetFileAttributesW(d.c_str()) != INVALID_FILE_ATTRIBUTES) FileOperation(FO_DELETE, d, L"");
}

std::wstring CopyOfProgram(const std::wstring& name) {
  wchar_t temp[MAX_PATH];
  GetTempPathW(MAX_PATH, temp);
  std::wstring dir = std::wstring(temp) + name + L"\\";
  RemoveTree(dir);
  CreateDirectoryW(dir.c_str(), nullptr);
  FileOperation(FO_COPY, e2e::DistDir() + L"*", dir);
  return dir;
}

std::string ReadBytes(const std::wstring& path) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return {};
  std::string bytes;
  char buf[4096];
  DWORD got = 0;
  while (ReadFile(file, buf, sizeof buf, &got, nullptr) && got) bytes.append(buf, got);
  CloseHandle(file);
  return bytes;
}

void WriteBytes(const std::wstring& path, const std::string& bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
}

}  // namespace drive
