// The text box as a screen reader sees it: "editable text" whose value is the
// text, as for an edit control (Scintilla itself answers as a plain client
// whose name would be the whole text).
#pragma once

#include <windows.h>

namespace vellumo {

// The answer to WM_GETOBJECT for OBJID_CLIENT; 0 when none could be made
// (the platform's default then answers).
LRESULT TextBoxAccessible(HWND box, WPARAM wp);

}  // namespace vellumo
