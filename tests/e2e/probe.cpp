// Loaded into the program by the test driver: reads what only the owning
// process can read (its menus) into a block the driver reads back, and gives
// a window an input method's composition.
#include <windows.h>
#include <imm.h>

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

namespace {

UINT ComposeMessage() { return RegisterWindowMessageW(L"VellumoProbeCompose"); }

// On the window's own thread (an input context belongs to it): the block's
// text given as an input method's finished composition.
LRESULT CALLBACK ComposeHook(int code, WPARAM wp, LPARAM lp) {
  const auto* msg = reinterpret_cast<const CWPSTRUCT*>(lp);
  if (code == HC_ACTION && msg->message == ComposeMessage()) {
    auto* block = reinterpret_cast<e2e::ProbeBlock*>(msg->lParam);
    if (HIMC imc = ImmGetContext(msg->hwnd)) {
      const bool set = ImmSetCompositionStringW(imc, SCS_SETSTR, block->text,
                                                block->length * sizeof(wchar_t), nullptr, 0);
      const bool done = set && ImmNotifyIME(imc, NI_COMPOSITIONSTR, CPS_COMPLETE, 0);
      ImmReleaseContext(msg->hwnd, imc);
      block->length = done ? 1 : 0;
    }
  }
  return CallNextHookEx(nullptr, code, wp, lp);
}

}  // namespace

// Composes the block's text in the window through its input method context;
// answers one unit when that was done, none when not.
extern "C" __declspec(dllexport) DWORD WINAPI ProbeCompose(void* param) {
  auto* block = static_cast<e2e::ProbeBlock*>(param);
  if (block->magic != e2e::ProbeBlock::kAsked || block->capacity <= block->length) return 1;
  const HWND hwnd = reinterpret_cast<HWND>(static_cast<UINT_PTR>(block->hwnd));
  HMODULE self = nullptr;
  GetModuleHandleExW(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                     reinterpret_cast<LPCWSTR>(&ComposeHook), &self);
  HHOOK hook = SetWindowsHookExW(WH_CALLWNDPROC, ComposeHook, self,
                                 GetWindowThreadProcessId(hwnd, nullptr));
  const std::uint32_t asked = block->length;
  block->length = 0;
  if (hook && asked) {
    SendMessageW(hwnd, ComposeMessage(), 0, reinterpret_cast<LPARAM>(block));
    UnhookWindowsHookEx(hook);
  }
  block->text[block->length] = 0;
  block->status = e2e::ProbeBlock::kDone;
  return 0;
}
