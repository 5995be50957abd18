// Stands in for the shell's handler of a file type or a program the tests
// plant: appends its first argument as a UTF-8 line to recorded.txt beside
// itself, and its whole command line to commandline.txt.
#include <windows.h>
#include <shellapi.h>

#include <string>

namespace {

void AppendLine(const std::wstring& dir, const wchar_t* name, const std::wstring& text) {
  std::string line(text.size() * 3 + 1, '\0');
  int bytes = WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()),
                                  line.data(), static_cast<int>(line.size()), nullptr, nullptr);
  line.resize(static_cast<std::size_t>(bytes));
  line += '\n';
  HANDLE file = CreateFileW((dir + name).c_str(), FILE_APPEND_DATA, FILE_SHARE_READ, nullptr,
                            OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  DWORD written = 0;
  WriteFile(file, line.data(), static_cast<DWORD>(line.size()), &written, nullptr);
  CloseHandle(file);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  int argc = 0;
  LPWSTR* argv = CommandLineToArgvW(GetCommandLineW(), &argc);
  std::wstring arg = argc > 1 ? argv[1] : L"";
  wchar_t self[MAX_PATH];
  DWORD n = GetModuleFileNameW(nullptr, self, MAX_PATH);
  std::wstring dir(self, n);
  dir = dir.substr(0, dir.rfind(L'\\') + 1);
  // The command line first: a test that polls recorded.txt then finds both.
  AppendLine(dir, L"commandline.txt", GetCommandLineW());
  AppendLine(dir, L"recorded.txt", arg);
  LocalFree(argv);
  return 0;
}
