// Loaded into the program by the test driver: reads what only the owning
// process can read (its menus) into a block the driver reads back.
#include <windows.h>

#include <string>

namespace {

struct Block {
  HWND hwnd;
  DWORD capacity;  // bytes of text
  wchar_t text[1];
};

void Dump(HMENU menu, int depth, std::wstring& out) {
  int n = GetMenuItemCount(menu);
  for (int i = 0; i < n; ++i) {
    wchar_t caption[256] = {};
    MENUITEMINFOW mi = {};
    mi.cbSize = sizeof mi;
    mi.fMask = MIIM_ID | MIIM_STATE | MIIM_FTYPE | MIIM_DATA | MIIM_STRING | MIIM_SUBMENU;
    mi.dwTypeData = caption;
    mi.cch = 255;
    GetMenuItemInfoW(menu, i, TRUE, &mi);
    UINT flags = mi.fState & MFS_CHECKED ? MF_CHECKED : 0;
    if (mi.fType & MFT_SEPARATOR) flags |= MF_SEPARATOR;
    out += std::to_wstring(depth) + L"\t" + std::to_wstring(mi.hSubMenu ? 0 : mi.wID) + L"\t" +
           std::to_wstring(flags) + L"\t" + std::to_wstring(mi.dwItemData) + L"\t" + caption +
           L"\n";
    if (mi.hSubMenu) Dump(mi.hSubMenu, depth + 1, out);
  }
}

}  // namespace

extern "C" __declspec(dllexport) DWORD WINAPI ProbeMenu(void* param) {
  auto* block = static_cast<Block*>(param);
  std::wstring out;
  if (HMENU menu = GetMenu(block->hwnd)) Dump(menu, 0, out);
  size_t max = block->capacity / sizeof(wchar_t) - 1;
  if (out.size() > max) out.resize(max);
  out.copy(block->text, out.size());
  block->text[out.size()] = 0;
  return static_cast<DWORD>(out.size());
}
