#include <gtest/gtest.h>

#include "tests/e2e/harness.h"

TEST(Startup, MainWindowOpensAndCloses) {
  e2e::Program program;
  HWND main = program.WaitWindow(L"TForm1");
  ASSERT_NE(main, nullptr);
  EXPECT_EQ(e2e::WindowText(main).rfind(L"Vellumo", 0), 0u);
  PostMessageW(main, WM_CLOSE, 0, 0);
  DWORD code = 99;
  ASSERT_TRUE(program.WaitExit(10000, &code));
  EXPECT_EQ(code, 0u);
}
