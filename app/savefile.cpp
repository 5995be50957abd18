// Save As: the text box's bytes written to a temporary file beside the
// target, which replaces the target only once everything is on disk, so a
// failed save leaves the old file as it was.
#include <algorithm>
#include <vector>

#include "app/codepagemapping.h"
#include "app/codewindow.h"
#include "win32/errorbox.h"
#include "win32/strings.h"

namespace vellumo {

namespace {

// The system's text for an error, without trailing blanks, line ends and periods.
std::wstring SystemErrorText(DWORD code) {
  wchar_t* text = nullptr;
  DWORD n = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, code, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::wstring s = n ? std::wstring(text, n) : L"";
  if (text) LocalFree(text);
  while (!s.empty() && (s.back() == L' ' || s.back() == L'\r' || s.back() == L'\n' ||
                        s.back() == L'.' || s.back() == L'\t'))
    s.pop_back();
  return s;
}

std::wstring FullPath(const std::wstring& path) {
  if (path.empty()) return path;
  DWORD n = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (!n) return path;
  std::vector<wchar_t> buf(n);
  n = GetFullPathNameW(path.c_str(), n, buf.data(), nullptr);
  return n && n < buf.size() ? std::wstring(buf.data(), n) : path;
}

[[noreturn]] void CannotCreate(const std::wstring& fullPath, DWORD code) {
  throw CommandError(L"Cannot create file \"" + fullPath + L"\". " + SystemErrorText(code));
}

bool WriteAll(HANDLE file, const std::string& bytes) {
  constexpr std::size_t kChunk = 1 << 20;
  for (std::size_t done = 0; done < bytes.size();) {
    DWORD part = static_cast<DWORD>(std::min(kChunk, bytes.size() - done));
    DWORD written = 0;
    if (!WriteFile(file, bytes.data() + done, part, &written, nullptr) || written != part)
      return false;
    done += part;
  }
  return FlushFileBuffers(file) != FALSE;
}

}  // namespace

void TForm1::SaveAsFile(const std::string& path) {
  const std::wstring wpath = Widen(path);
  const std::wstring full = FullPath(wpath);
  std::wstring text = SavedText();
  const std::string bytes = ByteTextOf(boxEdit_.ShownIn()).Encode(text.data(), text.size());
  text.clear();
  text.shrink_to_fit();

  // Hold the target exclusively while writing: a file that another program
  // has open, a folder, a read-only file or a missing folder fail here.
  UniqueFile target(CreateFileW(wpath.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr,
                                OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!target) CannotCreate(full, GetLastError());
  const bool existed = GetLastError() == ERROR_ALREADY_EXISTS;
  auto dropTarget = [&] {
    target.reset();
    if (!existed) DeleteFileW(full.c_str());
  };

  std::wstring folder = full.substr(0, full.rfind(L'\\') + 1);
  wchar_t temp[MAX_PATH + 16];
  if (folder.size() > MAX_PATH - 14 || !GetTempFileNameW(folder.c_str(), L"vel", 0, temp)) {
    DWORD code = GetLastError();
    dropTarget();
    CannotCreate(full, code ? code : ERROR_FILENAME_EXCED_RANGE);
  }
  {
    UniqueFile out(CreateFileW(temp, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                               FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!out) {
      DWORD code = GetLastError();
      DeleteFileW(temp);
      dropTarget();
      CannotCreate(full, code);
    }
    if (!WriteAll(out.get(), bytes)) {
      out.reset();
      DeleteFileW(temp);
      dropTarget();
      throw CommandError(L"Stream write error");
    }
  }
  target.reset();
  BOOL replaced = existed && ReplaceFileW(full.c_str(), temp, nullptr,
                                          REPLACEFILE_IGNORE_MERGE_ERRORS, nullptr, nullptr);
  if (!replaced &&
      !MoveFileExW(temp, full.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    DWORD code = GetLastError();
    DeleteFileW(temp);
    if (!existed) DeleteFileW(full.c_str());
    CannotCreate(full, code);
  }
}

}  // namespace vellumo
