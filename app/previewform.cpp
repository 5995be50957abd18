#include "app/previewform.h"

#include <Scintilla.h>

#include "app/texts.h"
#include "win32/modal.h"

namespace vellumo {

namespace {

constexpr int kWidth = 520;
constexpr int kHeight = 380;

// "中文简体 GB2312：0 处不成字，3 个 **"
std::wstring LabelOf(const PageCandidate& c) {
  const std::wstring name =
      c.page < 0 ? texts::kPreviewUtf8 : DisplayCodePageOf(static_cast<CodeType>(c.page)).menuCaption;
  return name + L"：" + std::to_wstring(c.invalid) + L" " + texts::kPreviewInvalid + L"，" +
         std::to_wstring(c.unshown) + L" " + texts::kPreviewUnshown;
}

}  // namespace

bool TPreviewForm::ShowModal(HINSTANCE instance, HWND owner,
                             const std::vector<PageCandidate>& candidates, CodeType shownIn,
                             std::size_t& chosen) {
  instance_ = instance;
  candidates_ = &candidates;
  shownIn_ = shownIn;
  const WindowClass cls = {kClassName, instance, LoadCursorW(nullptr, IDC_ARROW), nullptr,
                           reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)};
  RECT o;
  GetWindowRect(owner, &o);
  const int x = o.left + ((o.right - o.left) - kWidth) / 2;
  const int y = o.top + ((o.bottom - o.top) - kHeight) / 2;
  if (!CreateHandle(cls, WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT, texts::kPreviewCaption,
                    WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN, x < 0 ? 0 : x,
                    y < 0 ? 0 : y, kWidth, kHeight, owner, nullptr))
    return false;
  ShowModalWindow(Handle(), owner, list_, open_);
  const LRESULT selected = SendMessageW(list_, LB_GETCURSEL, 0, 0);
  if (!ok_ || selected < 0) return false;
  chosen = static_cast<std::size_t>(selected);
  return true;
}

void TPreviewForm::OnCreate() {
  font_ = MakeFont(L"MS Sans Serif", 11, DEFAULT_CHARSET);
  RECT client;
  GetClientRect(Handle(), &client);
  const int w = client.right - 16;
  auto child = [&](const wchar_t* cls, const wchar_t* text, DWORD style, int x, int y, int cw,
                   int ch, unsigned id) {
    HWND c = CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, cw, ch, Handle(),
                             reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), instance_, nullptr);
    SendMessageW(c, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    return c;
  };
  list_ = child(L"LISTBOX", nullptr, WS_BORDER | WS_VSCROLL | WS_TABSTOP | LBS_NOTIFY, 8, 8, w, 84,
                kPreviewList);
  // 宋体 draws every candidate's name; the previews have their pages' fonts.
  for (const PageCandidate& c : *candidates_)
    SendMessageW(list_, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(LabelOf(c).c_str()));
  const RECT text = {8, 100, 8 + w, client.bottom - 44};
  preview_.Create(instance_, Handle(), kPreviewText, text);
  preview_.Call(SCI_SETREADONLY, 1);
  child(L"BUTTON", texts::kOk, WS_TABSTOP | BS_DEFPUSHBUTTON, client.right - 136,
        client.bottom - 34, 60, 25, IDOK);
  child(L"BUTTON", texts::kCancel, WS_TABSTOP | BS_PUSHBUTTON, client.right - 68,
        client.bottom - 34, 60, 25, IDCANCEL);
  SendMessageW(list_, LB_SETCURSEL, 0, 0);
  ListSelChange();
}

void TPreviewForm::ListSelChange() {
  const LRESULT i = SendMessageW(list_, LB_GETCURSEL, 0, 0);
  if (i < 0 || static_cast<std::size_t>(i) >= candidates_->size()) return;
  const PageCandidate& c = (*candidates_)[static_cast<std::size_t>(i)];
  std::unique_ptr<DocumentBuilder> document = preview_.NewDocument(c.preview.size());
  document->Append(c.preview.data(), c.preview.size());
  preview_.Call(SCI_SETREADONLY, 0);
  preview_.Show(std::move(document), c.page < 0 ? shownIn_ : static_cast<CodeType>(c.page));
  preview_.Call(SCI_SETREADONLY, 1);
}

void TPreviewForm::Close(bool ok) {
  ok_ = ok;
  open_ = false;
}

LRESULT TPreviewForm::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_CREATE:
      OnCreate();
      return 0;
    case WM_COMMAND:
      if (LOWORD(wp) == IDOK) Close(true);
      else if (LOWORD(wp) == IDCANCEL) Close(false);
      else if (LOWORD(wp) == kPreviewList && HIWORD(wp) == LBN_SELCHANGE) ListSelChange();
      else if (LOWORD(wp) == kPreviewList && HIWORD(wp) == LBN_DBLCLK) Close(true);
      return 0;
    case WM_CLOSE:
      Close(false);
      return 0;
  }
  return DefaultProc(msg, wp, lp);
}

}  // namespace vellumo
