// The loader on Windows: files opened share-read, failures carrying the
// system's codes, UTF-8 paths reaching the wide API intact; and the Windows
// build of vellumo-convert.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "app/displaycodepage.h"
#include "convert/loader.h"
#include "convert/convert.h"
#include "tests/e2e/harness.h"
#include "win32/strings.h"

namespace vellumo {
namespace {

int CodeOf(const std::wstring& path) {
  try {
    LoadLines(path, nullptr);
  } catch (const LoadError& e) {
    return e.code();
  }
  return 0;
}

std::string ReadAll(const std::wstring& path) {
  HANDLE h = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (h == INVALID_HANDLE_VALUE) return "<missing>";
  std::string bytes;
  char buf[4096];
  DWORD got = 0;
  while (ReadFile(h, buf, sizeof buf, &got, nullptr) && got > 0) bytes.append(buf, got);
  CloseHandle(h);
  return bytes;
}

// Runs vellumo-convert.exe with args; returns its exit code.
DWORD RunTool(const std::wstring& args) {
  std::wstring line = L"\"" CONVERT_TOOL L"\" " + args;
  STARTUPINFOW si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  if (!CreateProcessW(nullptr, &line[0], nullptr, nullptr, FALSE, CREATE_NO_WINDOW, nullptr, nullptr,
                      &si, &pi))
    return 0xFFFFFFFF;
  WaitForSingleObject(pi.hProcess, 60000);
  DWORD code = 0xFFFFFFFF;
  GetExitCodeProcess(pi.hProcess, &code);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return code;
}

class Win32Loader : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string path = Narrow(e2e::DistDir()) + DisplayCodePageOf(CodeType::Gb2312).tableFile;
    ASSERT_TRUE(LoadCodeTable(PathFromUtf8(path), table_)) << path;
  }
  e2e::TempDir dir_{L"vellumo loader"};
  CodeTableData table_;
};

TEST_F(Win32Loader, FailuresCarryTheSystemCodes) {
  EXPECT_EQ(CodeOf(dir_.Path() + L"missing.txt"), 2);
  EXPECT_EQ(CodeOf(dir_.Path() + L"no such folder\\a.txt"), 3);
  EXPECT_EQ(CodeOf(dir_.Path()), 5);  // a folder is not a file
  try {
    LoadLines(dir_.Path() + L"missing.txt", &table_);
    ADD_FAILURE() << "loaded a missing file";
  } catch (const LoadError& e) {
    EXPECT_STREQ(e.what(), "File not found");
  }
}

TEST_F(Win32Loader, OpensShareReadOnly) {
  const std::wstring path = dir_.Write(L"held.txt", "abc\r\n");
  // Another reader does not stand in the way.
  HANDLE reader = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(reader, INVALID_HANDLE_VALUE);
  EXPECT_EQ(CodeOf(path), 0);
  CloseHandle(reader);
  // A writer does: the system's sharing violation, 32.
  HANDLE writer = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, 0, nullptr);
  ASSERT_NE(writer, INVALID_HANDLE_VALUE);
  EXPECT_EQ(CodeOf(path), 32);
  EXPECT_EQ(IoErrorMessage(32), "I/O error 32");
  CloseHandle(writer);
  EXPECT_EQ(CodeOf(path), 0);
}

TEST_F(Win32Loader, ConvertsThroughTheShippedTable) {
  const std::wstring path = dir_.Write(L"\u4E2D\u6587.txt", "\xEF\xBB\xBF" "A\xE4\xB8\xAD\r\n\xE6\x96\x87\r\n");
  const LoadedText text = LoadLines(path, &table_);
  EXPECT_EQ(text.kind, SourceKind::Utf8);
  ASSERT_EQ(text.lines.size(), 2u);
  EXPECT_EQ(text.lines[0], "A\xD6\xD0");
  EXPECT_EQ(text.lines[1], "\xCE\xC4");
}

TEST_F(Win32Loader, ConvertToolWritesTheTextBoxBytes) {
  const std::wstring in = dir_.Write(L"in.txt", std::string("\xFF\xFE" "A\x00\x2D\x4E\r\x00\n\x00", 10));
  const std::wstring out = dir_.Path() + L"out.txt";
  std::wstring dist = e2e::DistDir();
  if (!dist.empty() && dist.back() == L'\\') dist.pop_back();  // \" would escape the quote
  EXPECT_EQ(RunTool(L"--tables \"" + dist + L"\" -o \"" + out + L"\" \"" + in + L"\""), 0u);
  EXPECT_EQ(ReadAll(out), "A\xD6\xD0\r\n");
  const std::wstring gone = dir_.Path() + L"gone.txt";
  EXPECT_EQ(RunTool(L"-o \"" + gone + L"\" \"" + dir_.Path() + L"missing.txt\""), 1u);
  EXPECT_EQ(ReadAll(gone), "<missing>");
  EXPECT_EQ(RunTool(L"--code latin1 x.txt"), 2u);
}

}  // namespace
}  // namespace vellumo
