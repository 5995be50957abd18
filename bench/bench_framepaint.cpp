// The skinned frame under the real window system: a frame paint at the
// designed size and at 1280 x 1024, a resize (region and layout), a live
// resize dragged with SendInput, and the GDI objects after 100 resizes.
// Usage: bench_framepaint.exe   (prints figures; run it with scripts/wine-run.sh)
#include <windows.h>

#include <chrono>
#include <cstdio>
#include <thread>

#include "bench/messages.h"
#include "bench/storedskin.h"
#include "skin/data/bsSkinData.h"
#include "skinwin/bsSkinForm.h"
#include "tests/skinwin/gdicount.h"
#include "win32/window.h"

namespace {

using Clock = std::chrono::steady_clock;

class Form : public vellumo::Window {
 public:
  bool Create() {
    const vellumo::WindowClass cls = {L"VellumoBenchForm", GetModuleHandleW(nullptr),
                                      LoadCursorW(nullptr, IDC_ARROW)};
    return CreateHandle(cls, 0, L"About", WS_OVERLAPPEDWINDOW, 100, 100, 683, 466, nullptr,
                        nullptr);
  }
  int sizes = 0;

 protected:
  LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override {
    if (msg == WM_SIZE) ++sizes;
    return DefaultProc(msg, wp, lp);
  }
};

double Micros(Clock::duration d) { return std::chrono::duration<double, std::micro>(d).count(); }

double FramePaint(HWND hwnd, int w, int h, int rounds) {
  SetWindowPos(hwnd, nullptr, 0, 0, w, h, SWP_NOMOVE | SWP_NOZORDER);
  DrainMessages();
  const auto start = Clock::now();
  for (int i = 0; i < rounds; ++i)
    RedrawWindow(hwnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW | RDW_NOCHILDREN);
  return Micros(Clock::now() - start) / rounds;
}

void Send(DWORD flags, int x = 0, int y = 0) {
  INPUT in = {};
  in.type = INPUT_MOUSE;
  in.mi.dwFlags = flags;
  const LONGLONG cx = GetSystemMetrics(SM_CXSCREEN), cy = GetSystemMetrics(SM_CYSCREEN);
  in.mi.dx = static_cast<LONG>((x * 65536LL + cx - 1) / cx);
  in.mi.dy = static_cast<LONG>((y * 65536LL + cy - 1) / cy);
  SendInput(1, &in, sizeof in);
}

}  // namespace

int main() {
  bs::TbsCompressedStoredSkin stored;
  if (!ReadStoredSkin("bench_framepaint", VELLUMO_ABOUT_SKIN_WIN, stored)) return 1;
  bs::TbsSkinData data;
  Form form;
  if (!form.Create()) return 1;
  HWND hwnd = form.Handle();
  bs::TbsSkinForm frame;
  frame.Attach(hwnd);
  bs::TbsFormNotifier notifier(hwnd);
  data.AddObserver(&notifier);
  frame.SetSkinData(&data);
  data.LoadFromStoredSkin(stored);
  ShowWindow(hwnd, SW_SHOW);
  SetForegroundWindow(hwnd);
  DrainMessages();

  std::printf("frame paint, 683 x 466:    %8.1f us\n", FramePaint(hwnd, 683, 466, 200));
  std::printf("frame paint, 1280 x 1024:  %8.1f us\n", FramePaint(hwnd, 1280, 1024, 100));

  const int gdiBefore = skintest::GdiObjectCount();
  const auto start = Clock::now();
  for (int i = 0; i < 100; ++i) {
    SetWindowPos(hwnd, nullptr, 0, 0, 400 + (i * 37) % 800, 200 + (i * 53) % 700,
                 SWP_NOMOVE | SWP_NOZORDER);
    DrainMessages();
  }
  std::printf("resize with region, painted: %6.1f us\n", Micros(Clock::now() - start) / 100);
  std::printf("GDI objects: %d before 100 resizes, %d after\n", gdiBefore,
              skintest::GdiObjectCount());

  // A live resize: the right border dragged 300 pixels in 2 s.
  SetWindowPos(hwnd, nullptr, 100, 100, 683, 466, SWP_NOZORDER);
  DrainMessages();
  form.sizes = 0;
  std::thread mouse([] {
    Sleep(200);
    const int x = 100 + 683 - 2, y = 100 + 466 / 2;
    Send(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, x, y);
    Sleep(50);
    Send(MOUSEEVENTF_LEFTDOWN);
    for (int i = 1; i <= 100; ++i) {
      Send(MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE, x + 3 * i, y);
      Sleep(20);
    }
    Send(MOUSEEVENTF_LEFTUP);
  });
  const auto dragStart = Clock::now();
  while (Clock::now() - dragStart < std::chrono::milliseconds(2600)) {
    DrainMessages();
    Sleep(1);
  }
  mouse.join();
  RECT r;
  GetWindowRect(hwnd, &r);
  std::printf("live resize: %d sizes in 2.0 s of dragging (%.0f per second), width now %ld\n",
              form.sizes, form.sizes / 2.0, r.right - r.left);
  return 0;
}
