#include <windows.h>

#include <string>
#include <vector>

#include "convert/fileio.h"
#include "convert/ioerror.h"
#include "convert/utf16.h"

namespace vellumo {
namespace {

class Handle {
 public:
  explicit Handle(HANDLE h = INVALID_HANDLE_VALUE) : h_(h) {}
  ~Handle() { reset(); }
  Handle(Handle&& other) noexcept : h_(other.h_) { other.h_ = INVALID_HANDLE_VALUE; }
  Handle& operator=(Handle&&) = delete;
  HANDLE get() const { return h_; }
  explicit operator bool() const { return h_ != INVALID_HANDLE_VALUE; }
  void reset(HANDLE h = INVALID_HANDLE_VALUE) {
    if (h_ != INVALID_HANDLE_VALUE) CloseHandle(h_);
    h_ = h;
  }

 private:
  HANDLE h_;
};

int LastCode() { return static_cast<int>(GetLastError()); }

std::wstring FullPathOf(const std::wstring& path) {
  const DWORD n = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
  if (n == 0) return path;
  std::vector<wchar_t> buf(n);
  const DWORD got = GetFullPathNameW(path.c_str(), n, buf.data(), nullptr);
  return got && got < n ? std::wstring(buf.data(), got) : path;
}

// The name to hand the system: a full path that is too long for the plain
// form takes the long-path prefix (a folder of MAX_PATH - 12 characters or
// more still needs room for an 8.3 name).
std::wstring SystemName(const std::wstring& full) {
  if (full.size() < MAX_PATH - 12 || full.compare(0, 4, L"\\\\?\\") == 0) return full;
  if (full.compare(0, 2, L"\\\\") == 0) return L"\\\\?\\UNC\\" + full.substr(2);
  if (full.size() >= 3 && full[1] == L':' && full[2] == L'\\') return L"\\\\?\\" + full;
  return full;
}

// 0 and the system's name of path, or an error code.
int NameOf(const std::filesystem::path& path, std::wstring& full, std::wstring& name) {
  const std::wstring& wide = path.native();
  if (wide.empty()) return ERROR_PATH_NOT_FOUND;
  if (wide.find(L'\0') != std::wstring::npos) return ERROR_INVALID_NAME;  // would cut the name short
  full = FullPathOf(wide);
  name = SystemName(full);
  return 0;
}

bool WriteAll(HANDLE file, const char* data, std::size_t size) {
  while (size > 0) {
    const DWORD part = size > (1u << 20) ? (1u << 20) : static_cast<DWORD>(size);
    DWORD written = 0;
    if (!WriteFile(file, data, part, &written, nullptr) || written != part) return false;
    data += part;
    size -= part;
  }
  return true;
}

// Every piece of source into file, then to disk.
WriteError WriteFrom(HANDLE file, const ChunkSource& source) {
  for (;;) {
    const char* data = nullptr;
    std::size_t size = 0;
    if (int err = source(data, size)) return {WriteError::Read, err};
    if (size == 0) break;
    if (!WriteAll(file, data, size)) return {WriteError::Write, LastCode()};
  }
  if (!FlushFileBuffers(file)) return {WriteError::Write, LastCode()};
  return {};
}

// A fresh file beside the target, created exclusively; its name in temp.
Handle CreateTemporary(const std::wstring& folder, std::wstring& temp) {
  const DWORD seed = GetCurrentProcessId() ^ GetTickCount();
  for (DWORD n = 0; n < 100; ++n) {
    std::wstring part = L"~vel";
    const DWORD value = seed + n * 7919;
    for (int shift = 28; shift >= 0; shift -= 4) part += L"0123456789ABCDEF"[(value >> shift) & 15];
    temp = SystemName(folder + part + L".tmp");
    Handle h(CreateFileW(temp.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                         nullptr));
    if (h || GetLastError() != ERROR_FILE_EXISTS) return h;
  }
  return Handle();
}

}  // namespace

std::filesystem::path FullPath(const std::filesystem::path& path) {
  if (path.empty()) return path;
  return std::filesystem::path(FullPathOf(path.native()));
}

std::string SystemErrorText(int code) {
  wchar_t* text = nullptr;
  const DWORD n = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, static_cast<DWORD>(code), 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
  std::u16string s = n ? std::u16string(text, text + n) : std::u16string();
  if (text) LocalFree(text);
  while (!s.empty() && (s.back() == u' ' || s.back() == u'\t' || s.back() == u'\r' ||
                        s.back() == u'\n' || s.back() == u'.'))
    s.pop_back();
  return Utf16ToUtf8(s);
}

InputFile::~InputFile() { Close(); }

int InputFile::Open(const std::filesystem::path& path) {
  Close();
  std::wstring full, name;
  if (int err = NameOf(path, full, name)) return err;
  HANDLE h = CreateFileW(name.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
  if (h == INVALID_HANDLE_VALUE) return LastCode();
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
    return LastCode();
  return 0;
}

int InputFile::Size(std::uint64_t& size) {
  LARGE_INTEGER n;
  if (!handle_) return ERROR_INVALID_HANDLE;
  if (!GetFileSizeEx(static_cast<HANDLE>(handle_), &n)) return LastCode();
  size = static_cast<std::uint64_t>(n.QuadPart);
  return 0;
}

void InputFile::Close() {
  if (handle_) CloseHandle(static_cast<HANDLE>(handle_));
  handle_ = nullptr;
}

WriteError WriteFileReplacing(const std::filesystem::path& path, const ChunkSource& source) {
  std::wstring full, name;
  if (int err = NameOf(path, full, name)) return {WriteError::Create, err};

  // Held exclusively while the new bytes are written: a file another program
  // has open, a folder, a read-only file or a missing folder fail here.
  Handle target(CreateFileW(name.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
  if (!target) return {WriteError::Create, LastCode()};
  const bool existed = GetLastError() == ERROR_ALREADY_EXISTS;
  auto dropTarget = [&] {
    target.reset();
    if (!existed) DeleteFileW(name.c_str());
  };
  // Windows refuses a read-only file above; Wine run as root opens it (root
  // passes permission bits), so it is refused here alike.
  BY_HANDLE_FILE_INFORMATION info;
  if (existed && GetFileInformationByHandle(target.get(), &info) &&
      (info.dwFileAttributes & FILE_ATTRIBUTE_READONLY))
    return {WriteError::Create, ERROR_ACCESS_DENIED};

  std::wstring temp;
  Handle out = CreateTemporary(full.substr(0, full.rfind(L'\\') + 1), temp);
  if (!out) {
    const DWORD err = GetLastError();
    if (err == ERROR_ACCESS_DENIED) {
      // No file can be made beside it: write the target in place, as a plain
      // create-always save would.
      if (!SetEndOfFile(target.get())) {
        const int code = LastCode();
        dropTarget();
        return {WriteError::Create, code};
      }
      return WriteFrom(target.get(), source);
    }
    dropTarget();
    return {WriteError::Create, static_cast<int>(err)};
  }
  if (const WriteError failed = WriteFrom(out.get(), source)) {
    out.reset();
    DeleteFileW(temp.c_str());
    dropTarget();
    return failed;
  }
  out.reset();
  target.reset();
  if (existed && ReplaceFileW(name.c_str(), temp.c_str(), nullptr, REPLACEFILE_IGNORE_MERGE_ERRORS,
                              nullptr, nullptr))
    return {};
  if (MoveFileExW(temp.c_str(), name.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
    return {};
  const int code = LastCode();
  DeleteFileW(temp.c_str());
  if (!existed) DeleteFileW(name.c_str());
  return {WriteError::Create, code};
}

}  // namespace vellumo
