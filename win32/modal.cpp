#include "win32/modal.h"

namespace vellumo {

void ShowModalWindow(HWND window, HWND owner, HWND focus, bool& open) {
  HWND disabled = owner && IsWindowEnabled(owner) ? owner : nullptr;
  if (disabled) EnableWindow(disabled, FALSE);
  open = true;
  ShowWindow(window, SW_SHOW);
  SetFocus(focus);
  MSG msg;
  while (open) {
    const BOOL got = GetMessageW(&msg, nullptr, 0, 0);
    if (got <= 0) {
      if (got == 0) PostQuitMessage(static_cast<int>(msg.wParam));  // for the outer loop
      break;
    }
    if (IsDialogMessageW(window, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  open = false;
  if (disabled) EnableWindow(disabled, TRUE);
  ShowWindow(window, SW_HIDE);
  if (disabled) SetActiveWindow(disabled);
}

}  // namespace vellumo
