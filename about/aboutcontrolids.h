// Control ids of the About window's address bar and button row.
#pragma once

#include "skin/bsAboutLayout.h"

namespace vellumo {

constexpr int kIdNote = 1401;       // note
constexpr int kIdEditInput = 1402;  // Edit_input
constexpr int kIdOkButton = 1403;   // bsSkinButton1
// The bottom row: kIdRowButton + bs::AboutButton.
constexpr int kIdRowButton = 1410;

constexpr int RowButtonId(bs::AboutButton b) { return kIdRowButton + static_cast<int>(b); }

}  // namespace vellumo
