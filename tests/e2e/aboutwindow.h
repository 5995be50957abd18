// The About window for the end-to-end tests: shown by its command in a
// running program, the skin it embeds (read from the kept copy), the screen,
// the browser pane's address.
#pragma once

#include <windows.h>

#include "skin/data/bsSkinData.h"
#include "tests/e2e/harness.h"

namespace e2e {

// The skin the program embeds, loaded here from the kept copy.
const bs::TbsSkinData& AboutSkinData();

// The program with its About window shown by the About command.
struct About {
  Program p;
  HWND hwnd = nullptr;
  About();
  RECT Bounds() const { return WindowRect(hwnd); }
};

// The screen's pixels in r.
bs::Picture ScreenShot(const RECT& r);

// The address the About window's browser pane was last asked to open: its
// window text.
std::wstring PaneAddress(Program& p, HWND about);

}  // namespace e2e
