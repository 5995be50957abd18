// The context menu of an edit window (the skinned address edit's): built
// afresh from the edit's undo, selection and clipboard state at each opening,
// shown by the skinned popup menu of the frame of the edit's form, its
// commands run on the edit.
#pragma once

#include <windows.h>

#include <vector>

#include "skin/controls/bsEditLook.h"

namespace bs {

// The menu's items for edit as it stands now; captions from strings when
// given, else the program's own.
std::vector<MenuItem> EditMenuItemsOf(HWND edit, const TbsResourceStrData* strings);
// Runs one of the menu's commands (EditCommand) on edit.
void RunEditCommand(HWND edit, int command);
// Opens the menu at the screen point, or at the edit's centre when at is
// null (the menu key); the edit is told WM_USER+204 and +205. False when
// nothing was shown: the form has no skinned frame, or no skin.
bool PopupEditMenu(HWND edit, const POINT* at);
// The same from WM_CONTEXTMENU's point, (-1, -1) coming from the keyboard.
bool PopupEditMenu(HWND edit, LPARAM contextMenuPoint);

}  // namespace bs
