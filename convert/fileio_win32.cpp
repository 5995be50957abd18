#include "convert/fileio.h"

#include <windows.h>

#include "convert/utf16.h"

namespace vellumo {

InputFile::~InputFile() { Close(); }

int InputFile::Open(const std::string& path) {
  Close();
  if (path.empty()) return ERROR_PATH_NOT_FOUND;
  // UTF-8 widened by the program's one rule; a NUL would cut the name short.
  const std::u16string units = Utf8ToUtf16(path);
  const std::wstring wide(units.begin(), units.end());
  if (wide.find(L'\0') != std::wstring::npos) return ERROR_INVALID_NAME;
  HANDLE h = CreateFileW(wide.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
  if (h == INVALID_HANDLE_VALUE) return static_cast<int>(GetLastError());
  handle_ = h;
  return 0;
}

int InputFile::Read(char* buffer, std::size_t size, std::size_t& got) {
  got = 0;
  if (!handle_) return ERROR_INVALID_HANDLE;
  DWORD want = size > 0x40000000u ? 0x40000000u : static_cast<DWORD>(size);
  DWORD n = 0;
  if (!ReadFile(static_cast<HANDLE>(handle_), buffer, want, &n, nullptr)) {
    DWORD err = GetLastError();
    if (err == ERROR_HANDLE_EOF || err == ERROR_BROKEN_PIPE) return 0;
    return static_cast<int>(err);
  }
  got = n;
  return 0;
}

int InputFile::Rewind() {
  if (!handle_) return ERROR_INVALID_HANDLE;
  LARGE_INTEGER zero;
  zero.QuadPart = 0;
  if (!SetFilePointerEx(static_cast<HANDLE>(handle_), zero, nullptr, FILE_BEGIN))
    return static_cast<int>(GetLastError());
  return 0;
}

void InputFile::Close() {
  if (handle_) CloseHandle(static_cast<HANDLE>(handle_));
  handle_ = nullptr;
}

}  // namespace vellumo
