#include "skinwin/bsEditMenu.h"

#include <windowsx.h>

#include <memory>

#include "skinwin/bsSkinMenus.h"

namespace bs {

std::vector<MenuItem> EditMenuItemsOf(HWND edit, const TbsResourceStrData* strings) {
  DWORD start = 0, end = 0;
  SendMessageW(edit, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  const bool clipboardText =
      IsClipboardFormatAvailable(CF_UNICODETEXT) || IsClipboardFormatAvailable(CF_TEXT);
  const bool readOnly = (GetWindowLongPtrW(edit, GWL_STYLE) & ES_READONLY) != 0;
  const EditMenuState st = EditMenuStateOf(
      GetWindowTextLengthW(edit), static_cast<int>(start), static_cast<int>(end - start),
      SendMessageW(edit, EM_CANUNDO, 0, 0) != 0, clipboardText, readOnly);
  return EditContextMenu(st, strings);
}

void RunEditCommand(HWND edit, int command) {
  switch (command) {
    case kEditUndo: SendMessageW(edit, WM_UNDO, 0, 0); break;
    case kEditCut: SendMessageW(edit, WM_CUT, 0, 0); break;
    case kEditCopy: SendMessageW(edit, WM_COPY, 0, 0); break;
    case kEditPaste: SendMessageW(edit, WM_PASTE, 0, 0); break;
    case kEditDelete: SendMessageW(edit, WM_CLEAR, 0, 0); break;
    case kEditSelectAll: SendMessageW(edit, EM_SETSEL, 0, -1); break;
    default: break;
  }
}

bool PopupEditMenu(HWND edit, const POINT* at) {
  const HWND form = GetAncestor(edit, GA_ROOT);
  TbsSkinMenu* service = TbsSkinMenu::OfForm(form);
  if (!service) return false;
  const TbsSkinData* data = service->FormSkinData;
  // The menu lives until its opening is over, WM_USER+205 sent.
  auto menu = std::make_shared<TbsSkinPopupMenu>();
  menu->Form = form;
  menu->Items = EditMenuItemsOf(edit, data ? data->ResourceStrData() : nullptr);
  menu->OnClick = [edit](int command, const std::string&) { RunEditCommand(edit, command); };
  POINT p;
  if (at) {
    p = *at;
  } else {
    RECT r = {};
    GetWindowRect(edit, &r);
    p = POINT{(r.left + r.right) / 2, (r.top + r.bottom) / 2};
  }
  return menu->Popup(edit, p.x, p.y, menu);
}

bool PopupEditMenu(HWND edit, LPARAM contextMenuPoint) {
  const POINT p = {GET_X_LPARAM(contextMenuPoint), GET_Y_LPARAM(contextMenuPoint)};
  return PopupEditMenu(edit, p.x == -1 && p.y == -1 ? nullptr : &p);
}

}  // namespace bs
