#include "tests/e2e/harness.h"

#include <vector>

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
    WaitForSingleObject(process_, 5000);
  }
  CloseHandle(process_);
}

namespace {
struct FindData {
  DWORD pid;
  const wchar_t* className;
  HWND found;
};

BOOL CALLBACK FindProc(HWND hwnd, LPARAM lp) {
  auto* d = reinterpret_cast<FindData*>(lp);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  wchar_t cls[256];
  if (pid == d->pid && GetClassNameW(hwnd, cls, 256) && lstrcmpW(cls, d->className) == 0) {
    d->found = hwnd;
    return FALSE;
  }
  return TRUE;
}
}  // namespace

HWND Program::WaitWindow(const wchar_t* className, DWORD timeoutMs) const {
  DWORD start = GetTickCount();
  do {
    FindData d{pid_, className, nullptr};
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

std::wstring WindowText(HWND hwnd) {
  DWORD_PTR len = 0;
  if (!SendMessageTimeoutW(hwnd, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 2000, &len)) return L"";
  std::vector<wchar_t> buf(len + 1);
  DWORD_PTR got = 0;
  SendMessageTimeoutW(hwnd, WM_GETTEXT, buf.size(), reinterpret_cast<LPARAM>(buf.data()),
                      SMTO_ABORTIFHUNG, 2000, &got);
  return std::wstring(buf.data(), got);
}

}  // namespace e2e
