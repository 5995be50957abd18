// The popup menu tests' shared helpers.
#include "tests/skinwin/menutest.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "skin/data/bsStreams.h"

namespace menutest {

bool Form::Create(int width, int height) {
  const vellumo::WindowClass cls = {L"VellumoMenuTestForm", GetModuleHandleW(nullptr),
                                    LoadCursorW(nullptr, IDC_ARROW)};
  return CreateHandle(cls, 0, L"Menu test form", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 100, 100,
                      width, height, nullptr, nullptr);
}

LRESULT Form::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == bs::kMenuClosedMessage) received.push_back(msg);
  if (msg == WM_CLOSE) {
    ++closes;
    return 0;
  }
  return DefaultProc(msg, wp, lp);
}

void Pump(int ms) {
  const DWORD end = GetTickCount() + static_cast<DWORD>(ms);
  MSG m;
  do {
    while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&m);
      DispatchMessageW(&m);
    }
    Sleep(5);
  } while (static_cast<int>(end - GetTickCount()) > 0);
}

bool PumpUntil(const std::function<bool()>& ready, int timeoutMs) {
  const DWORD end = GetTickCount() + static_cast<DWORD>(timeoutMs);
  for (;;) {
    if (ready()) return true;
    if (static_cast<int>(end - GetTickCount()) <= 0) return ready();
    Pump(10);
  }
}

void LoadAboutSkin(bs::TbsSkinData& data) {
  std::ifstream in(ABOUT_SKIN, std::ios::binary);
  ASSERT_TRUE(in) << "cannot read " ABOUT_SKIN;
  bs::TbsCompressedStoredSkin skin;
  skin.CompressedData =
      bs::TMemoryStream(std::vector<std::uint8_t>((std::istreambuf_iterator<char>(in)), {}));
  data.LoadFromStoredSkin(skin);
}

Framed::Framed(bs::TbsSkinData* data, int width, int height) {
  EXPECT_TRUE(form.Create(width, height));
  frame.Attach(form.Handle());
  notifier.SetForm(form.Handle());
  if (data) data->AddObserver(&notifier);
  frame.SetSkinData(data);
  ShowWindow(form.Handle(), SW_SHOW);
  SetForegroundWindow(form.Handle());
  PumpUntil([&] { return GetForegroundWindow() == form.Handle(); });
}

void MouseTo(int x, int y) {
  INPUT in = {};
  in.type = INPUT_MOUSE;
  in.mi.dx = MulDiv(x, 65536, GetSystemMetrics(SM_CXSCREEN)) + 1;
  in.mi.dy = MulDiv(y, 65536, GetSystemMetrics(SM_CYSCREEN)) + 1;
  in.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  SendInput(1, &in, sizeof in);
  POINT now = {};
  EXPECT_TRUE(PumpUntil([&] { return GetCursorPos(&now) && now.x == x && now.y == y; }))
      << "the cursor is at " << now.x << "," << now.y << ", not " << x << "," << y;
  Pump(120);  // two looks of the menu's mouse poll
}

void Click(bool left) {
  INPUT in[2] = {};
  in[0].type = in[1].type = INPUT_MOUSE;
  in[0].mi.dwFlags = left ? MOUSEEVENTF_LEFTDOWN : MOUSEEVENTF_RIGHTDOWN;
  in[1].mi.dwFlags = left ? MOUSEEVENTF_LEFTUP : MOUSEEVENTF_RIGHTUP;
  SendInput(2, in, sizeof in[0]);
  Pump(100);
}

void Key(WORD vk) {
  INPUT in[2] = {};
  in[0].type = in[1].type = INPUT_KEYBOARD;
  in[0].ki.wVk = in[1].ki.wVk = vk;
  in[1].ki.dwFlags = KEYEVENTF_KEYUP;
  SendInput(2, in, sizeof in[0]);
  Pump(60);
}

POINT ItemCentre(const bs::TbsSkinMenu& menu, int level, int item) {
  const bs::Rect r = menu.Session()->Level(level).Places().rects.at(static_cast<std::size_t>(item));
  const bs::Rect at = menu.Session()->LevelRect(level);
  return POINT{at.left + (r.left + r.right) / 2, at.top + (r.top + r.bottom) / 2};
}

namespace {
BOOL CALLBACK CountOne(HWND, LPARAM lp) {
  ++*reinterpret_cast<int*>(lp);
  return TRUE;
}

struct LevelSearch {
  RECT at;
  HWND found = nullptr;
};
BOOL CALLBACK FindLevel(HWND h, LPARAM lp) {
  auto* s = reinterpret_cast<LevelSearch*>(lp);
  wchar_t cls[64] = {};
  GetClassNameW(h, cls, 64);
  RECT r = {};
  GetWindowRect(h, &r);
  if (lstrcmpW(cls, bs::TbsSkinPopupWindow::kClassName) || !EqualRect(&r, &s->at)) return TRUE;
  s->found = h;
  return FALSE;
}
}  // namespace

HWND LevelWindow(const bs::TbsSkinMenu& menu, int level) {
  const bs::Rect r = menu.Session()->LevelRect(level);
  LevelSearch s{RECT{r.left, r.top, r.right, r.bottom}};
  EnumThreadWindows(GetCurrentThreadId(), FindLevel, reinterpret_cast<LPARAM>(&s));
  EXPECT_NE(s.found, nullptr) << "no window for level " << level;
  return s.found;
}

int ThreadWindowCount() {
  int n = 0;
  EnumThreadWindows(GetCurrentThreadId(), CountOne, reinterpret_cast<LPARAM>(&n));
  return n;
}

}  // namespace menutest
