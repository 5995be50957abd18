// Writing files on Windows: long folders, files held by another handle or
// read-only, missing folders, folders as targets, folders that take no new
// file; the old file intact after every failure.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "convert/fileio.h"
#include "convert/ioerror.h"
#include "tests/e2e/harness.h"

namespace vellumo {
namespace {

std::wstring Long(const std::wstring& path) { return L"\\\\?\\" + path; }

// The Unix name of a Windows path, through Wine's own export.
std::string UnixName(const std::wstring& path) {
  using Fn = char*(CDECL*)(const wchar_t*);
  const auto fn = reinterpret_cast<Fn>(
      reinterpret_cast<void*>(GetProcAddress(GetModuleHandleW(L"kernel32"), "wine_get_unix_file_name")));
  char* name = fn ? fn(path.c_str()) : nullptr;
  if (!name) return std::string();
  std::string s = name;
  HeapFree(GetProcessHeap(), 0, name);
  return s;
}

bool CanCreateIn(const std::wstring& folder) {
  const std::wstring probe = folder + L"probe.tmp";
  HANDLE h = CreateFileW(probe.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  CloseHandle(h);
  DeleteFileW(probe.c_str());
  return true;
}

// A folder that takes no new file while this lives. Wine runs as root here,
// whom permission bits do not stop, so the folder gets the Unix immutable
// flag (chattr runs as a Unix program from Wine); the files in it stay
// writable.
class NoNewFiles {
 public:
  explicit NoNewFiles(const std::wstring& folder) : folder_(folder) {
    unix_ = UnixName(folder);
    if (!unix_.empty()) Chattr("+i");
    for (int i = 0; i < 100 && CanCreateIn(folder_); ++i) Sleep(20);
  }
  ~NoNewFiles() {
    if (unix_.empty()) return;
    Chattr("-i");
    for (int i = 0; i < 250 && !CanCreateIn(folder_); ++i) Sleep(20);
  }
  bool Holds() const { return !CanCreateIn(folder_); }

 private:
  void Chattr(const char* flag) {
    std::wstring line = L"chattr " + std::wstring(flag, flag + 2) + L" \"" +
                        std::wstring(unix_.begin(), unix_.end()) + L"\"";
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (!CreateProcessW(L"Z:\\usr\\bin\\chattr", &line[0], nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &si, &pi))
      return;
    WaitForSingleObject(pi.hProcess, 10000);
    CloseHandle(pi.hThread);
    CloseHandle(pi.hProcess);
  }
  std::wstring folder_;
  std::string unix_;
};

class Win32Write : public ::testing::Test {
 protected:
  std::wstring Old(const std::wstring& name) { return dir_.Write(name, "old"); }
  e2e::TempDir dir_{L"vellumo write"};
};

TEST_F(Win32Write, LongFolderTakesNewAndExistingFiles) {
  const std::wstring folder = dir_.Path() + std::wstring(249 - dir_.Path().size(), L'd') + L"\\";
  ASSERT_EQ(folder.size(), 250u);
  ASSERT_TRUE(CreateDirectoryW(Long(folder).c_str(), nullptr));
  const std::wstring file = folder + L"\u4E2D\u6587.txt";
  EXPECT_FALSE(WriteFileReplacing(file, "first"));
  EXPECT_FALSE(WriteFileReplacing(file, "second"));
  EXPECT_FALSE(CopyFileReplacing(file, folder + L"copy.bak"));
  EXPECT_EQ(e2e::ReadFileBytes(Long(file)), "second");
  EXPECT_EQ(e2e::ReadFileBytes(Long(folder + L"copy.bak")), "second");
  // A failure there names the file and the step that failed.
  HANDLE other = CreateFileW(Long(file).c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(other, INVALID_HANDLE_VALUE);
  const WriteError held = WriteFileReplacing(file, "third");
  CloseHandle(other);
  EXPECT_EQ(held.code, ERROR_SHARING_VIOLATION);
  const std::string message = WriteErrorMessage(file, held);
  const std::string start = "Cannot create file \"" + PathToUtf8(file) + "\". ";
  EXPECT_EQ(message.substr(0, start.size()), start);
  EXPECT_GT(message.size(), start.size());
  EXPECT_EQ(e2e::ReadFileBytes(Long(file)), "second");
  DeleteFileW(Long(file).c_str());
  DeleteFileW(Long(folder + L"copy.bak").c_str());
  EXPECT_TRUE(RemoveDirectoryW(Long(folder).c_str())) << "a temporary file was left";
}

TEST_F(Win32Write, FailuresBeforeWritingLeaveTheOldFile) {
  const std::wstring file = Old(L"held.txt");
  HANDLE other = CreateFileW(file.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(other, INVALID_HANDLE_VALUE);
  EXPECT_EQ(WriteFileReplacing(file, "new").code, ERROR_SHARING_VIOLATION);
  CloseHandle(other);
  EXPECT_EQ(WriteFileReplacing(dir_.Path() + L"no such folder\\a.txt", "new").code, ERROR_PATH_NOT_FOUND);
  EXPECT_EQ(WriteFileReplacing(dir_.Path(), "new").code, ERROR_ACCESS_DENIED);  // a folder
  const WriteError empty = WriteFileReplacing(std::wstring(), "new");
  EXPECT_EQ(WriteErrorMessage(std::wstring(), empty).substr(0, 23), "Cannot create file \"\". ");
  ASSERT_TRUE(SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_READONLY));
  EXPECT_EQ(WriteFileReplacing(file, "new").code, ERROR_ACCESS_DENIED);
  SetFileAttributesW(file.c_str(), FILE_ATTRIBUTE_NORMAL);
  EXPECT_EQ(e2e::ReadFileBytes(file), "old");
  EXPECT_EQ(e2e::FilesIn(dir_.Path()).size(), 1u);
  const std::string text = SystemErrorText(ERROR_ACCESS_DENIED);
  ASSERT_FALSE(text.empty());
  EXPECT_EQ(std::string(" .\t\r\n").find(text.back()), std::string::npos) << text;
}

TEST_F(Win32Write, WritableFileInFolderThatTakesNoNewFileIsWrittenInPlace) {
  const std::wstring file = Old(L"inside.txt");
  const NoNewFiles lock(dir_.Path());
  if (!lock.Holds()) GTEST_SKIP() << "cannot make the folder refuse new files here";
  EXPECT_FALSE(WriteFileReplacing(file, "replaced"));
  EXPECT_EQ(e2e::ReadFileBytes(file), "replaced");
  EXPECT_EQ(WriteFileReplacing(dir_.Path() + L"fresh.txt", "x").code, ERROR_ACCESS_DENIED);
}

}  // namespace
}  // namespace vellumo
