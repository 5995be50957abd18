// The harness itself: a program that crashes, one that stops answering and
// a probe that cannot load each end the test within seconds, with a failure
// that names the cause; a read never stands in for an answer it did not get.
#include <gtest/gtest.h>

#include <chrono>
#include <thread>

#include "tests/e2e/harness.h"
#include "tests/e2e/target.h"

namespace {

// Far below ctest's time-out: the point is that nothing waits for it.
constexpr auto kQuick = std::chrono::seconds(20);

e2e::Program Target(const std::wstring& probe = L"e2e_probe.dll") {
  return e2e::Program::Start(e2e::DriverDir() + L"e2e_target.exe", L"", e2e::DriverDir() + probe);
}

// Runs read until it throws; gives the failure's text and how long it took.
template <typename Read>
std::string FailureOf(Read read, std::chrono::steady_clock::duration* took) {
  auto start = std::chrono::steady_clock::now();
  std::string what = "<no failure>";
  try {
    for (int i = 0; i < 1000; ++i) {
      read();
      Sleep(20);
    }
  } catch (const e2e::Failure& f) {
    what = f.what();
  }
  *took = std::chrono::steady_clock::now() - start;
  return what;
}

TEST(Harness, ReadsALiveProgram) {
  e2e::Program p = Target();
  EXPECT_EQ(p.Text(), L"alive");
  EXPECT_EQ(p.Panel(0), L"panel");
  std::vector<e2e::MenuItem> menu = p.Menu();
  ASSERT_EQ(menu.size(), 3u);
  EXPECT_EQ(menu[1].caption, L"Crash");
  EXPECT_EQ(p.MenuItemById(e2e::kTargetHang).caption, L"Hang");
  EXPECT_THROW(p.MenuItemById(9999), e2e::Failure);
  EXPECT_TRUE(p.Absent(L"#32770"));
}

TEST(Harness, CrashedProgramFailsAtOnce) {
  e2e::Program p = Target();
  ASSERT_EQ(p.Text(), L"alive");
  p.PostCommand(e2e::kTargetCrash);
  std::chrono::steady_clock::duration took;
  std::string what = FailureOf([&] { p.Text(); }, &took);
  EXPECT_TRUE(what.find("crashed") != std::string::npos ||
              what.find("stopped answering") != std::string::npos)
      << what;
  EXPECT_LT(took, kQuick);
  EXPECT_FALSE(p.Running());
}

// A command may take long (a big load), so its wait is long; a program that
// dies meanwhile still fails it at once.
TEST(Harness, CommandToAProgramThatDiesFailsAtOnce) {
  e2e::Program p = Target();
  p.Main();  // up and running before it dies
  HANDLE process = p.Process();
  std::thread killer([process] {
    Sleep(500);
    TerminateProcess(process, 0xC0000005);
  });
  std::chrono::steady_clock::duration took;
  std::string what = FailureOf([&] { p.Command(e2e::kTargetHang); }, &took);
  killer.join();
  EXPECT_NE(what.find("menu command 102: the program has ended, exit code 0xC0000005 (it crashed)"),
            std::string::npos)
      << what;
  EXPECT_LT(took, kQuick);
}

TEST(Harness, HungProgramIsEndedWithinSeconds) {
  e2e::Program p = Target();
  ASSERT_EQ(p.Panel(0), L"panel");
  p.PostCommand(e2e::kTargetHang);
  std::chrono::steady_clock::duration took;
  std::string what = FailureOf([&] { p.Panel(0); }, &took);
  EXPECT_NE(what.find("stopped answering and was ended"), std::string::npos) << what;
  EXPECT_LT(took, kQuick);
  EXPECT_FALSE(p.Running());
  // Absence is never read off a dead program.
  EXPECT_THROW(p.Absent(L"#32770"), e2e::Failure);
  EXPECT_THROW(p.FindVisible(L"#32770"), e2e::Failure);
}

TEST(Harness, ProbeThatCannotLoadIsNamed) {
  e2e::Program p = Target(L"e2e_badprobe.dll");
  std::chrono::steady_clock::duration took;
  std::string what = FailureOf([&] { p.Menu(); }, &took);
  EXPECT_NE(what.find("e2e_badprobe.dll could not be loaded"), std::string::npos) << what;
  EXPECT_LT(took, kQuick);
  EXPECT_EQ(p.Text(), L"alive");  // the program itself is fine
}

TEST(Harness, GoneWindowsAreNamed) {
  e2e::Program p = Target();
  p.Command(e2e::kTargetClose);  // destroys the text box
  std::chrono::steady_clock::duration took;
  std::string what = FailureOf([&] { p.Text(); }, &took);
  EXPECT_NE(what.find("has no text box"), std::string::npos) << what;
  EXPECT_THROW(e2e::WindowText(nullptr), e2e::Failure);
  EXPECT_THROW(e2e::WindowRect(nullptr), e2e::Failure);
  EXPECT_THROW(e2e::Click(nullptr), e2e::Failure);
  EXPECT_THROW(e2e::ReadFileBytes(L"C:\\no such folder\\x.txt"), e2e::Failure);
}

}  // namespace
