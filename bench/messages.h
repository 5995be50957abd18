// Runs the messages waiting on the thread once, for the benchmarks that time
// real windows (no sleeping: the figures are the windows' own).
#pragma once

#include <windows.h>

inline void DrainMessages() {
  MSG m;
  while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&m);
    DispatchMessageW(&m);
  }
}
