// The About window's control handlers by number, and the message that reads
// how often each has run (the window's record of its own handlers, which the
// end-to-end tests read from another process).
#pragma once

#include <windows.h>

namespace vellumo {

enum AboutHandler : int {
  kBackwordClick,
  kForwardClick,
  kAboutClick,
  kHomeClick,
  kEmailClick,
  kBbsClick,
  kExportClick,
  kOkClick,
  kEditKeyDownEnter,  // Edit_inputKeyDown with the Enter key
  kAboutHandlerCount
};

// wParam: an AboutHandler; the result: how often it has run.
constexpr UINT kAboutHandlerCalls = WM_APP + 0x41;

}  // namespace vellumo
