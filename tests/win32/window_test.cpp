// The window base under Wine: a window of the program's own class and an
// existing EDIT taken over, each seen through its handler; failures of a
// handler reported in error boxes.
#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <mutex>
#include <stdexcept>
#include <string>
#include <thread>
#include <utility>
#include <vector>

#include "win32/errorbox.h"
#include "win32/window.h"

namespace vellumo {
namespace {

std::wstring TextOf(HWND hwnd) {
  wchar_t buf[256] = {};
  GetWindowTextW(hwnd, buf, 256);
  return buf;
}

// Records what reaches its handler; WM_APP is answered with wp + lp, an
// 'x' typed is swallowed, the rest goes to the default procedure.
class Recorder : public Window {
 public:
  bool Create(const wchar_t* className) {
    const WindowClass cls = {className, GetModuleHandleW(nullptr)};
    return CreateHandle(cls, 0, L"start", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr);
  }
  using Window::Subclass;
  using Window::Unsubclass;

  std::vector<UINT> seen;
  HWND handleAtCreate = nullptr;

 private:
  LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override {
    seen.push_back(msg);
    if (msg == WM_CREATE) handleAtCreate = Handle();
    if (msg == WM_APP) return static_cast<LRESULT>(wp + lp);
    if (msg == WM_CHAR && wp == 'x') return 0;
    return DefaultProc(msg, wp, lp);
  }
};

bool Saw(const Recorder& r, UINT msg) {
  for (UINT m : r.seen)
    if (m == msg) return true;
  return false;
}

TEST(WindowBase, OwnClassBindsAtNcCreateAndFallsBackToDefWindowProc) {
  Recorder r;
  ASSERT_TRUE(r.Create(L"VellumoTestWindow"));
  ASSERT_NE(r.Handle(), nullptr);
  ASSERT_FALSE(r.seen.empty());
  EXPECT_EQ(r.seen.front(), static_cast<UINT>(WM_NCCREATE));
  EXPECT_EQ(r.handleAtCreate, r.Handle());
  EXPECT_EQ(SendMessageW(r.Handle(), WM_APP, 40, 2), 42);
  // WM_SETTEXT and WM_GETTEXT are left to DefWindowProc, which keeps the text.
  SetWindowTextW(r.Handle(), L"caption");
  EXPECT_EQ(TextOf(r.Handle()), L"caption");
  EXPECT_TRUE(Saw(r, WM_SETTEXT));

  HWND hwnd = r.Handle();
  DestroyWindow(hwnd);
  EXPECT_FALSE(IsWindow(hwnd));
  EXPECT_EQ(r.Handle(), nullptr);
  EXPECT_EQ(r.seen.back(), static_cast<UINT>(WM_NCDESTROY));
}

TEST(WindowBase, ClassRegisteredOnceServesEveryWindow) {
  Recorder a, b;
  ASSERT_TRUE(a.Create(L"VellumoTestShared"));
  ASSERT_TRUE(b.Create(L"VellumoTestShared"));
  EXPECT_NE(a.Handle(), b.Handle());
  EXPECT_EQ(SendMessageW(a.Handle(), WM_APP, 1, 0), 1);
  EXPECT_EQ(SendMessageW(b.Handle(), WM_APP, 2, 0), 2);
  // A name already taken by a class of another procedure is refused.
  Recorder c;
  EXPECT_FALSE(c.Create(L"EDIT"));
  EXPECT_EQ(c.Handle(), nullptr);
}

TEST(WindowBase, DestructorDestroysItsWindow) {
  HWND hwnd = nullptr;
  {
    Recorder r;
    ASSERT_TRUE(r.Create(L"VellumoTestScoped"));
    hwnd = r.Handle();
    EXPECT_TRUE(IsWindow(hwnd));
  }
  EXPECT_FALSE(IsWindow(hwnd));
}

class Subclassing : public ::testing::Test {
 protected:
  void SetUp() override {
    edit_ = CreateWindowExW(0, L"EDIT", L"", WS_POPUP | ES_AUTOHSCROLL, 0, 0, 200, 30, nullptr,
                            nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(edit_, nullptr);
    editProc_ = GetWindowLongPtrW(edit_, GWLP_WNDPROC);
  }
  void TearDown() override {
    if (IsWindow(edit_)) DestroyWindow(edit_);
  }
  void Type(const wchar_t* text) {
    for (const wchar_t* p = text; *p; ++p) SendMessageW(edit_, WM_CHAR, *p, 1);
  }
  HWND edit_ = nullptr;
  LONG_PTR editProc_ = 0;
};

TEST_F(Subclassing, HandlerSeesTheEditsMessagesAndForwardsToItsProcedure) {
  Recorder r;
  ASSERT_TRUE(r.Subclass(edit_));
  EXPECT_EQ(r.Handle(), edit_);
  EXPECT_FALSE(r.Subclass(edit_));  // one window per object
  Type(L"axbx");
  EXPECT_EQ(TextOf(edit_), L"ab");  // the EDIT typed what the handler passed on
  EXPECT_TRUE(Saw(r, WM_CHAR));
  EXPECT_EQ(SendMessageW(edit_, WM_APP, 3, 4), 7);
  SetWindowTextW(edit_, L"set");
  EXPECT_EQ(TextOf(edit_), L"set");
  EXPECT_EQ(SendMessageW(edit_, EM_LINELENGTH, 0, 0), 3);  // the EDIT's own messages work

  ASSERT_TRUE(r.Unsubclass());
  EXPECT_EQ(GetWindowLongPtrW(edit_, GWLP_WNDPROC), editProc_);
  EXPECT_EQ(r.Handle(), nullptr);
  r.seen.clear();
  SendMessageW(edit_, EM_SETSEL, 3, 3);
  Type(L"x");
  EXPECT_EQ(TextOf(edit_), L"setx");  // nothing swallows it any more
  EXPECT_TRUE(r.seen.empty());
}

TEST_F(Subclassing, DestroyingTheWindowUnbindsTheObject) {
  Recorder r;
  ASSERT_TRUE(r.Subclass(edit_));
  DestroyWindow(edit_);
  EXPECT_FALSE(IsWindow(edit_));
  EXPECT_EQ(r.Handle(), nullptr);
  EXPECT_EQ(r.seen.back(), static_cast<UINT>(WM_NCDESTROY));
}

TEST_F(Subclassing, ObjectGoneFirstGivesTheProcedureBack) {
  {
    Recorder r;
    ASSERT_TRUE(r.Subclass(edit_));
  }
  EXPECT_TRUE(IsWindow(edit_));  // a subclassed window is not the object's to destroy
  EXPECT_EQ(GetWindowLongPtrW(edit_, GWLP_WNDPROC), editProc_);
  Type(L"x");
  EXPECT_EQ(TextOf(edit_), L"x");
}

// A procedure put on top of the base's after it subclassed.
WNDPROC g_under = nullptr;
LRESULT CALLBACK OnTop(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  return CallWindowProcW(g_under, hwnd, msg, wp, lp);
}

TEST_F(Subclassing, UnsubclassKeepsAProcedureThatCameLater) {
  Recorder r;
  ASSERT_TRUE(r.Subclass(edit_));
  g_under = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(edit_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(OnTop)));
  EXPECT_FALSE(r.Unsubclass());  // taking ours out would cut the later one off
  EXPECT_EQ(r.Handle(), edit_);
  Type(L"axa");
  EXPECT_EQ(TextOf(edit_), L"aa");  // the chain still runs through the handler
  SetWindowLongPtrW(edit_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(g_under));
  EXPECT_TRUE(r.Unsubclass());
  EXPECT_EQ(GetWindowLongPtrW(edit_, GWLP_WNDPROC), editProc_);
}

// A window of ours taken over by another object, as a skinned frame takes
// over its form: the top sees each message first and hands the rest down.
TEST(WindowBase, OwnWindowTakenOverByAnotherObject) {
  Recorder form;
  ASSERT_TRUE(form.Create(L"VellumoTestForm"));
  HWND hwnd = form.Handle();
  {
    Recorder frame;
    ASSERT_TRUE(frame.Subclass(hwnd));
    form.seen.clear();
    EXPECT_EQ(SendMessageW(hwnd, WM_APP, 1, 2), 3);  // answered by the top
    EXPECT_TRUE(Saw(frame, WM_APP));
    EXPECT_FALSE(Saw(form, WM_APP));
    SendMessageW(hwnd, WM_USER, 0, 0);  // left to DefaultProc: reaches the form
    EXPECT_TRUE(Saw(form, WM_USER));
    SetWindowTextW(hwnd, L"both");
    EXPECT_EQ(TextOf(hwnd), L"both");
  }  // the frame goes first and hands the window back
  EXPECT_EQ(form.Handle(), hwnd);
  form.seen.clear();
  EXPECT_EQ(SendMessageW(hwnd, WM_APP, 5, 5), 10);
  EXPECT_TRUE(Saw(form, WM_APP));

  Recorder frame;
  ASSERT_TRUE(frame.Subclass(hwnd));
  DestroyWindow(hwnd);  // both objects are let go
  EXPECT_EQ(frame.Handle(), nullptr);
  EXPECT_EQ(form.Handle(), nullptr);
  EXPECT_EQ(form.seen.back(), static_cast<UINT>(WM_NCDESTROY));
}

// Throws from its handler: a CommandError on WM_APP + 1 while failing, an
// int on WM_APP + 2, and from every paint while paintFails.
class Failing : public Window {
 public:
  bool Create() {
    const WindowClass cls = {L"VellumoTestFailing", GetModuleHandleW(nullptr)};
    return CreateHandle(cls, 0, L"failing", WS_POPUP, 0, 0, 200, 100, nullptr, nullptr);
  }
  bool failing = true;
  bool paintFails = false;
  int paints = 0;

 private:
  LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override {
    if (msg == WM_APP + 1 && failing) throw CommandError(L"Broken");
    if (msg == WM_APP + 2) throw 42;
    if (msg == WM_PAINT) {
      ++paints;
      if (paintFails) throw std::runtime_error("paint");
    }
    if (msg == WM_APP) return static_cast<LRESULT>(wp + lp);
    return DefaultProc(msg, wp, lp);
  }
};

// Answers, from a thread of its own, the message boxes owned by owner and
// keeps their texts; first, once, it posts what it is given to the owner.
class BoxAnswerer {
 public:
  explicit BoxAnswerer(HWND owner, UINT postFirst = 0)
      : owner_(owner), post_(postFirst), thread_([this] { Run(); }) {}
  ~BoxAnswerer() {
    stop_ = true;
    thread_.join();
  }
  std::vector<std::wstring> Texts() {
    std::lock_guard<std::mutex> lock(mutex_);
    return texts_;
  }

 private:
  struct Search {
    HWND owner;
    HWND found = nullptr;
  };
  static BOOL CALLBACK Find(HWND h, LPARAM lp) {
    auto* s = reinterpret_cast<Search*>(lp);
    wchar_t cls[16] = {};
    GetClassNameW(h, cls, 16);
    if (lstrcmpW(cls, L"#32770") || GetWindow(h, GW_OWNER) != s->owner || !IsWindowVisible(h))
      return TRUE;
    s->found = h;
    return FALSE;
  }
  static BOOL CALLBACK AddText(HWND h, LPARAM lp) {
    wchar_t cls[16] = {};
    GetClassNameW(h, cls, 16);
    if (!lstrcmpiW(cls, L"Static")) *reinterpret_cast<std::wstring*>(lp) += TextOf(h);
    return TRUE;
  }
  void Run() {
    while (!stop_) {
      Search s{owner_};
      EnumWindows(Find, reinterpret_cast<LPARAM>(&s));
      if (s.found) {
        std::wstring text;
        EnumChildWindows(s.found, AddText, reinterpret_cast<LPARAM>(&text));
        {
          std::lock_guard<std::mutex> lock(mutex_);
          texts_.push_back(TextOf(s.found) + L": " + text);
        }
        if (post_) PostMessageW(owner_, std::exchange(post_, 0), 0, 0);
        Sleep(200);  // the posted message meets the open box
        SendMessageW(GetDlgItem(s.found, IDOK), BM_CLICK, 0, 0);
        while (IsWindow(s.found) && !stop_) Sleep(10);
      }
      Sleep(20);
    }
  }
  HWND owner_;
  UINT post_;
  std::atomic<bool> stop_{false};
  std::mutex mutex_;
  std::vector<std::wstring> texts_;
  std::thread thread_;
};

void PumpFor(DWORD ms) {
  for (const DWORD start = GetTickCount(); GetTickCount() - start < ms; Sleep(10)) {
    MSG m;
    while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&m);
  }
}

TEST(WindowFailures, AFailureIsReportedOnceInABoxOfTheWindowAndTheMessageAnswersZero) {
  Failing w;
  ASSERT_TRUE(w.Create());
  BoxAnswerer boxes(w.Handle());
  EXPECT_EQ(SendMessageW(w.Handle(), WM_APP + 1, 0, 0), 0);
  EXPECT_EQ(SendMessageW(w.Handle(), WM_APP + 1, 0, 0), 0);  // failing still: no second box
  EXPECT_EQ(SendMessageW(w.Handle(), WM_APP + 2, 0, 0), 0);
  w.failing = false;
  SendMessageW(w.Handle(), WM_APP + 1, 0, 0);
  w.failing = true;
  SendMessageW(w.Handle(), WM_APP + 1, 0, 0);  // failing anew after a success
  EXPECT_EQ(boxes.Texts(), (std::vector<std::wstring>{L"Vellumo: Broken.",
                                                      L"Vellumo: Unexpected failure.",
                                                      L"Vellumo: Broken."}));
  EXPECT_EQ(SendMessageW(w.Handle(), WM_APP, 1, 2), 3);  // the window works on
}

TEST(WindowFailures, AFailingPaintShowsOneBoxNotOneAfterEachRepaint) {
  Failing w;
  ASSERT_TRUE(w.Create());
  BoxAnswerer boxes(w.Handle());
  w.paintFails = true;
  ShowWindow(w.Handle(), SW_SHOWNOACTIVATE);
  for (int i = 0; i < 3; ++i) {
    InvalidateRect(w.Handle(), nullptr, TRUE);
    UpdateWindow(w.Handle());
  }
  PumpFor(500);
  EXPECT_GE(w.paints, 3);
  EXPECT_EQ(boxes.Texts(), std::vector<std::wstring>{L"Vellumo: paint."});
}

TEST(WindowFailures, NoSecondBoxWhileOneIsUp) {
  Failing w;
  ASSERT_TRUE(w.Create());
  BoxAnswerer boxes(w.Handle(), WM_APP + 2);  // fails inside the first box's loop
  SendMessageW(w.Handle(), WM_APP + 1, 0, 0);
  PumpFor(300);
  EXPECT_EQ(boxes.Texts(), std::vector<std::wstring>{L"Vellumo: Broken."});
  SendMessageW(w.Handle(), WM_APP + 2, 0, 0);  // unreported then, so reported now
  EXPECT_EQ(boxes.Texts().size(), 2u);
}

}  // namespace
}  // namespace vellumo
