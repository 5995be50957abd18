// A stand-in for the program in the harness's own tests: a main window of the
// same class with a menu, a text box and a status bar, and commands that
// crash it or make it stop answering.
#include <windows.h>
#include <commctrl.h>

#include "tests/e2e/target.h"

namespace {

LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_COMMAND:
      switch (LOWORD(wp)) {
        case e2e::kTargetCrash:
          *static_cast<volatile int*>(nullptr) = 1;
          return 0;
        case e2e::kTargetHang:
          Sleep(INFINITE);
          return 0;
        case e2e::kTargetClose:
          DestroyWindow(GetDlgItem(hwnd, 1));
          return 0;
      }
      break;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefWindowProcW(hwnd, msg, wp, lp);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
  InitCommonControls();
  WNDCLASSW wc = {};
  wc.lpfnWndProc = WndProc;
  wc.hInstance = instance;
  wc.lpszClassName = L"TForm1";
  RegisterClassW(&wc);
  HMENU bar = CreateMenu();
  HMENU file = CreatePopupMenu();
  AppendMenuW(file, MF_STRING, e2e::kTargetCrash, L"Crash");
  AppendMenuW(file, MF_STRING, e2e::kTargetHang, L"Hang");
  AppendMenuW(bar, MF_POPUP, reinterpret_cast<UINT_PTR>(file), L"File");
  HWND main = CreateWindowW(L"TForm1", L"target", WS_OVERLAPPEDWINDOW, 0, 0, 300, 200, nullptr,
                            bar, instance, nullptr);
  CreateWindowW(L"Edit", L"alive", WS_CHILD | WS_VISIBLE | ES_MULTILINE, 0, 0, 300, 100, main,
                reinterpret_cast<HMENU>(1), instance, nullptr);
  CreateWindowW(STATUSCLASSNAMEW, L"panel", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, main,
                reinterpret_cast<HMENU>(2), instance, nullptr);
  ShowWindow(main, SW_SHOW);
  MSG m;
  while (GetMessageW(&m, nullptr, 0, 0) > 0) {
    TranslateMessage(&m);
    DispatchMessageW(&m);
  }
  return 0;
}
