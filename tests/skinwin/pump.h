// Runs the thread's messages for a few rounds, so that posted work, timers
// due and paints are done.
#pragma once

#include <windows.h>

namespace skintest {

inline void Pump() {
  MSG m;
  for (int round = 0; round < 3; ++round) {
    while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&m);
      DispatchMessageW(&m);
    }
    Sleep(10);
  }
}

}  // namespace skintest
