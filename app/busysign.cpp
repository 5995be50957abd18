#include "app/busysign.h"

#include <commctrl.h>

#include <vector>

namespace vellumo {

namespace {
const wchar_t kBusyText[] = L"正在载入…";
}

BusySign::BusySign(HWND statusBar, int panel, bool show, bool& busy)
    : statusBar_(statusBar), panel_(panel), shown_(show), busy_(busy), wasBusy_(busy),
      lastPump_(GetTickCount()) {
  busy_ = true;
  if (!shown_) return;
  const auto length = LOWORD(SendMessageW(statusBar_, SB_GETTEXTLENGTHW, panel_, 0));
  std::vector<wchar_t> text(length + 1, L'\0');
  SendMessageW(statusBar_, SB_GETTEXTW, panel_, reinterpret_cast<LPARAM>(text.data()));
  former_ = text.data();
  SendMessageW(statusBar_, SB_SETTEXTW, panel_, reinterpret_cast<LPARAM>(kBusyText));
  cursor_ = SetCursor(LoadCursorW(nullptr, IDC_WAIT));
  // Painted now: the command may not come back to the message loop for seconds.
  UpdateWindow(statusBar_);
}

BusySign::~BusySign() {
  busy_ = wasBusy_;
  if (!shown_) return;
  if (!done_) SendMessageW(statusBar_, SB_SETTEXTW, panel_, reinterpret_cast<LPARAM>(former_.c_str()));
  SetCursor(cursor_);
}

void BusySign::Pump() {
  if (GetTickCount() - lastPump_ < 50) return;
  MSG msg;
  while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE | PM_QS_PAINT | PM_QS_SENDMESSAGE))
    DispatchMessageW(&msg);
  lastPump_ = GetTickCount();
}

}  // namespace vellumo
