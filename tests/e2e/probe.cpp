// Loaded into the program by the test driver: reads what only the owning
// process can read (its menus) into a block the driver reads back, and drops
// files on a window as the shell does.
#include <windows.h>
#include <shellapi.h>
#include <shlobj.h>

#include <string>

#include "tests/e2e/probe_block.h"

namespace {

void Dump(HMENU menu, int depth, std::wstring& out) {
  int n = GetMenuItemCount(menu);
  for (int i = 0; i < n; ++i) {
    wchar_t caption[256] = {};
    MENUITEMINFOW mi = {};
    mi.cbSize = sizeof mi;
    mi.fMask = MIIM_ID | MIIM_STATE | MIIM_FTYPE | MIIM_DATA | MIIM_STRING | MIIM_SUBMENU;
    mi.dwTypeData = caption;
    mi.cch = 255;
    if (!GetMenuItemInfoW(menu, i, TRUE, &mi)) {
      out += L"!\n";  // the driver fails on an item it cannot read
      continue;
    }
    UINT flags = mi.fState & MFS_CHECKED ? MF_CHECKED : 0;
    if (mi.fState & MFS_GRAYED) flags |= MF_GRAYED;
    if (mi.fType & MFT_SEPARATOR) flags |= MF_SEPARATOR;
    out += std::to_wstring(depth) + L"\t" + std::to_wstring(mi.hSubMenu ? 0 : mi.wID) + L"\t" +
           std::to_wstring(flags) + L"\t" + std::to_wstring(mi.dwItemData) + L"\t" + caption +
           L"\n";
    if (mi.hSubMenu) Dump(mi.hSubMenu, depth + 1, out);
  }
}

}  // namespace

// Answers with the window's menu tree, one line per item (an open popup
// menu's window: that menu's items); a window without a menu answers "-".
extern "C" __declspec(dllexport) DWORD WINAPI ProbeMenu(void* param) {
  auto* block = static_cast<e2e::ProbeBlock*>(param);
  if (block->magic != e2e::ProbeBlock::kAsked || block->capacity == 0) return 1;
  std::wstring out;
  const HWND hwnd = reinterpret_cast<HWND>(static_cast<UINT_PTR>(block->hwnd));
  wchar_t cls[16] = {};
  GetClassNameW(hwnd, cls, 16);
  HMENU menu = std::wstring(cls) == L"#32768"
                   ? reinterpret_cast<HMENU>(SendMessageW(hwnd, MN_GETHMENU, 0, 0))
                   : GetMenu(hwnd);
  if (menu)
    Dump(menu, 0, out);
  else
    out = L"-";
  if (out.size() > block->capacity - 1) out.resize(block->capacity - 1);
  for (size_t i = 0; i < out.size(); ++i) block->text[i] = static_cast<std::uint16_t>(out[i]);
  block->text[out.size()] = 0;
  block->length = static_cast<std::uint32_t>(out.size());
  block->status = e2e::ProbeBlock::kDone;
  return 0;
}


// Drops the block's files (one path a line) on the window: a drop handle made
// in the program, as the shell makes it, posted with WM_DROPFILES.
extern "C" __declspec(dllexport) DWORD WINAPI ProbeDrop(void* param) {
  auto* block = static_cast<e2e::ProbeBlock*>(param);
  if (block->magic != e2e::ProbeBlock::kAsked || block->capacity <= block->length) return 1;
  std::wstring names(block->text, block->text + block->length);
  for (wchar_t& c : names)
    if (c == L'\n') c = L'\0';
  names += L'\0';  // the list ends with an empty name
  const SIZE_T bytes = sizeof(DROPFILES) + (names.size() + 1) * sizeof(wchar_t);
  HGLOBAL drop = GlobalAlloc(GHND, bytes);
  auto* files = drop ? static_cast<DROPFILES*>(GlobalLock(drop)) : nullptr;
  bool posted = false;
  if (files) {
    files->pFiles = sizeof(DROPFILES);
    files->fWide = TRUE;
    memcpy(reinterpret_cast<char*>(files) + sizeof(DROPFILES), names.c_str(),
           (names.size() + 1) * sizeof(wchar_t));
    GlobalUnlock(drop);
    posted = PostMessageW(reinterpret_cast<HWND>(static_cast<UINT_PTR>(block->hwnd)), WM_DROPFILES,
                          reinterpret_cast<WPARAM>(drop), 0);
    if (!posted) GlobalFree(drop);
  }
  block->length = posted ? 1 : 0;
  block->text[block->length] = 0;
  block->status = e2e::ProbeBlock::kDone;
  return 0;
}
