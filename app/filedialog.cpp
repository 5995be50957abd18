#include "app/filedialog.h"

#include <cderr.h>
#include <commctrl.h>
#include <commdlg.h>
#include <dlgs.h>

#include <string>
#include <vector>

#include "app/texts.h"
#include "win32/errorbox.h"

namespace vellumo {

namespace {

// The name buffer: the platform's largest path, so no name comes back cut.
constexpr DWORD kNameBuffer = 32768;
// Wine's dialog builds the full name in a buffer of MAX_PATH and overruns it
// with a longer one (a page fault in the dialog): such a name goes no further.
constexpr std::size_t kLongestName = MAX_PATH - 1;
constexpr UINT_PTR kGuardId = 1;

std::wstring TextOf(HWND dialog, int id) {
  std::wstring text(kNameBuffer, L'\0');
  text.resize(GetDlgItemTextW(dialog, id, text.data(), kNameBuffer));
  return text;
}

bool TooLong(HWND dialog) {
  std::wstring name = TextOf(dialog, cmb13);
  if (name.empty()) name = TextOf(dialog, edt1);
  std::wstring folder(kNameBuffer, L'\0');
  SendMessageW(dialog, CDM_GETFOLDERPATH, kNameBuffer, reinterpret_cast<LPARAM>(folder.data()));
  const bool absolute = name.size() > 1 && (name[1] == L':' || (name[0] == L'\\' && name[1] == L'\\'));
  return (absolute ? name.size() : wcslen(folder.c_str()) + 1 + name.size()) > kLongestName;
}

LRESULT CALLBACK GuardOk(HWND dialog, UINT msg, WPARAM wp, LPARAM lp, UINT_PTR, DWORD_PTR) {
  if (msg == WM_COMMAND && LOWORD(wp) == IDOK && TooLong(dialog)) {
    MessageBoxW(dialog, texts::kNameTooLong, kAppTitle, MB_OK | MB_ICONERROR);
    return 0;
  }
  if (msg == WM_NCDESTROY) RemoveWindowSubclass(dialog, GuardOk, kGuardId);
  return DefSubclassProc(dialog, msg, wp, lp);
}

// The explorer dialog's hook: its child dialog is made first; the OK of the
// dialog itself is guarded.
UINT_PTR CALLBACK Hook(HWND child, UINT msg, WPARAM, LPARAM) {
  if (msg == WM_INITDIALOG) SetWindowSubclass(GetParent(child), GuardOk, kGuardId, 0);
  return 0;
}

}  // namespace

bool AskFileName(HWND owner, bool save, std::filesystem::path& name,
                 const std::filesystem::path& initialDir) {
  std::vector<wchar_t> buf(kNameBuffer, L'\0');
  const std::wstring last = name.wstring();
  last.copy(buf.data(), std::min<std::size_t>(last.size(), kLongestName));
  const std::wstring dir = initialDir.wstring();
  OPENFILENAMEW ofn = {};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = owner;
  ofn.lpstrFilter = L"*.txt\0*.txt\0";
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = buf.data();
  ofn.nMaxFile = kNameBuffer;
  ofn.lpstrInitialDir = dir.empty() ? nullptr : dir.c_str();
  ofn.lpstrDefExt = L"txt";
  ofn.Flags = OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_EXPLORER | OFN_ENABLEHOOK;
  ofn.lpfnHook = Hook;
  const BOOL ok = save ? GetSaveFileNameW(&ofn) : GetOpenFileNameW(&ofn);
  if (!ok) {
    if (CommDlgExtendedError() == FNERR_BUFFERTOOSMALL) throw CommandError(texts::kNameTooLong);
    return false;
  }
  name = std::filesystem::path(std::wstring(buf.data()));
  return true;
}

}  // namespace vellumo
