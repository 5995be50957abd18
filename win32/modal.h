// A window of the program shown modally over its owner: the owner disabled,
// a message loop of its own with dialog keys, the window hidden afterwards.
#pragma once

#include <windows.h>

namespace vellumo {

// Shows window with the focus on focus and runs messages until open turns
// false (its handlers clear it) or the program quits (the quit is passed on
// to the outer loop). Then the owner is enabled and active again and the
// window hidden.
void ShowModalWindow(HWND window, HWND owner, HWND focus, bool& open);

}  // namespace vellumo
