// Times the skinned popup menu's windowed half with the About window's real
// skin, under Wine or Windows: a right click on an edit to its painted menu
// level, the system menu's opening (Alt+Space), and a 100-item level laid out
// with the platform's text measure, opened and painted.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "bench/messages.h"
#include "bench/storedskin.h"
#include "bench/timing.h"
#include "skinwin/bsEditMenu.h"
#include "skinwin/bsSkinForm.h"

namespace {

class Form : public vellumo::Window {
 public:
  bool Create() {
    const vellumo::WindowClass cls = {L"VellumoMenuBenchForm", GetModuleHandleW(nullptr),
                                      LoadCursorW(nullptr, IDC_ARROW)};
    return CreateHandle(cls, 0, L"Menu bench", WS_OVERLAPPEDWINDOW, 100, 100, 500, 300, nullptr,
                        nullptr);
  }
};

// An edit that opens its context menu on WM_CONTEXTMENU.
class ContextEdit : public vellumo::Window {
 public:
  explicit ContextEdit(HWND edit) { Subclass(edit); }

 protected:
  LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override {
    if (msg == WM_CONTEXTMENU) {
      bs::PopupEditMenu(Handle(), lp);
      return 0;
    }
    return DefaultProc(msg, wp, lp);
  }
};

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  return v[v.size() / 2];
}

double Now() {
  LARGE_INTEGER t, f;
  QueryPerformanceCounter(&t);
  QueryPerformanceFrequency(&f);
  return 1e6 * static_cast<double>(t.QuadPart) / static_cast<double>(f.QuadPart);
}

void RightClickAt(int x, int y) {
  INPUT in[3] = {};
  for (INPUT& i : in) i.type = INPUT_MOUSE;
  in[0].mi.dx = MulDiv(x, 65536, GetSystemMetrics(SM_CXSCREEN)) + 1;
  in[0].mi.dy = MulDiv(y, 65536, GetSystemMetrics(SM_CYSCREEN)) + 1;
  in[0].mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  in[1].mi.dwFlags = MOUSEEVENTF_RIGHTDOWN;
  in[2].mi.dwFlags = MOUSEEVENTF_RIGHTUP;
  SendInput(3, in, sizeof in[0]);
}

}  // namespace

int main(int argc, char** argv) {
  const char* path = argc > 1 ? argv[1] : VELLUMO_ABOUT_SKIN;
  bs::TbsCompressedStoredSkin stored;
  if (!ReadStoredSkin("bench_skinmenus", path, stored)) return 1;
  bs::TbsSkinData skin;
  skin.LoadFromStoredSkin(stored);

  Form form;
  bs::TbsSkinForm frame;
  if (!form.Create() || !frame.Attach(form.Handle())) return 1;
  frame.SetSkinData(&skin);
  HWND edit = CreateWindowExW(0, L"EDIT", L"http://example.com/", WS_CHILD | WS_VISIBLE, 20, 20,
                              300, 22, form.Handle(), nullptr, GetModuleHandleW(nullptr), nullptr);
  ContextEdit contextEdit(edit);
  ShowWindow(form.Handle(), SW_SHOW);
  SetForegroundWindow(form.Handle());
  SetFocus(edit);
  DrainMessages();
  bs::TbsSkinMenu& menu = *bs::TbsSkinMenu::OfForm(form.Handle());

  // Right click to painted level: a level paints before its window is
  // counted, so its count going to 1 is the level on screen.
  RECT e;
  GetWindowRect(edit, &e);
  std::vector<double> click;
  for (int i = 0; i < 30; ++i) {
    const double start = Now();
    RightClickAt(e.left + 40 + i % 5, e.top + 10);
    while (menu.LevelCount() == 0 && Now() - start < 2e6) {
      DrainMessages();
      Sleep(0);
    }
    click.push_back(Now() - start);
    menu.CloseAll();
    Sleep(GetDoubleClickTime() / 10);
    DrainMessages();
  }

  std::vector<double> call;
  for (int i = 0; i < 50; ++i) {
    const double start = Now();
    bs::PopupEditMenu(edit, nullptr);
    call.push_back(Now() - start);
    menu.CloseAll();
    DrainMessages();
  }

  std::vector<double> sys;
  for (int i = 0; i < 50; ++i) {
    const double start = Now();
    SendMessageW(form.Handle(), WM_SYSCOMMAND, SC_KEYMENU, VK_SPACE);
    sys.push_back(Now() - start);
    menu.CloseAll();
    DrainMessages();
  }

  std::vector<bs::MenuItem> items(100);
  for (int i = 0; i < 100; ++i) items[i].caption = "Item number " + std::to_string(i);
  HDC dc = CreateCompatibleDC(nullptr);
  const double measured = MicrosecondsPerRun(200, [&] {
    std::vector<const bs::MenuItem*> shown;
    for (const bs::MenuItem& m : items) shown.push_back(&m);
    const std::optional<bs::PopupSkin> popup = bs::PopupSkinOf(&skin);
    bs::LayOutLevel(shown, [&](const bs::MenuItem& m) {
      const std::wstring t = bs::WideFromGbk(bs::MeasuredText(m));
      RECT r = {0, 0, 0, 0};
      DrawTextW(dc, t.c_str(), static_cast<int>(t.size()), &r, DT_SINGLELINE | DT_CALCRECT);
      return static_cast<int>(r.right);
    }, popup ? &*popup : nullptr, bs::PopupMetrics{});
  });
  DeleteDC(dc);
  const double opened = MicrosecondsPerRun(50, [&] {
    menu.Popup(&skin, items, POINT{200, 10}, {});
    menu.CloseAll();
    DrainMessages();
  });

  std::printf("right click to painted edit menu   %9.1f us (median of %zu)\n", Median(click),
              click.size());
  std::printf("edit menu call to painted level    %9.1f us (median of %zu)\n", Median(call),
              call.size());
  std::printf("system menu open, painted          %9.1f us (median of %zu)\n", Median(sys),
              sys.size());
  std::printf("100-item level layout, GDI measure %9.1f us\n", measured);
  std::printf("100-item level open, painted, closed %7.1f us\n", opened);
  return 0;
}
