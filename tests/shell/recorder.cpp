// Stands in for the shell's handler of a file type: appends its first
// argument as a UTF-8 line to recorded.txt beside itself.
#include <windows.h>
#include <shellapi.h>

#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  int argc = 0;
  LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  std::wstring arg = argc > 1 ? argv[1] : L"";
  wchar_t self[MAX_PATH];
  DWORD n = GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring out(self, n);
  out = out.substr(0, out.rfind(L'\\') + 1) + L"recorded.txt";
  char line[4096];
  int bytes = WideCharToMultiByte(CP_UTF8, 0, arg.c_str(), static_cast<int>(arg.size()), line,
                                  sizeof line - 1, nullptr, nullptr);
  line[bytes++] = '\n';
  HANDLE file = CreateFileW(out.c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file != INVALID_HANDLE_VALUE) {
    DWORD written = 0;
    WriteFile(file, line, bytes, &written, nullptr);
    CloseHandle(file);
  }
  LocalFree(argv);
  return 0;
}
