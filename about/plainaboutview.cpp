#include "about/plainaboutview.h"

#include <commctrl.h>

#include "about/aboutcontrolids.h"

namespace vellumo {

namespace {

// Until the buttons have their pictures.
const wchar_t* const kRowCaptions[bs::kAboutButtonCount] = {L"<", L">", L"i", L"H",
                                                             L"@", L"B", L"IE"};

HWND MakeChild(HWND form, const wchar_t* cls, const wchar_t* text, DWORD style, int id,
               HFONT font) {
  HWND h = CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE | style, 0, 0, 0, 0, form,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           reinterpret_cast<HINSTANCE>(GetWindowLongPtrW(form, GWLP_HINSTANCE)),
                           nullptr);
  if (h) SendMessageW(h, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
  return h;
}

void Move(HWND h, const bs::Rect& r, int dx, int dy) {
  MoveWindow(h, r.left + dx, r.top + dy, r.Width(), r.Height(), TRUE);
}

std::wstring TextOf(HWND h) {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(h)) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(h, text.data(), static_cast<int>(text.size()))));
  return text;
}

}  // namespace

bool AddressEdit::Attach(HWND edit, std::function<bool(unsigned)> keyDown) {
  keyDown_ = std::move(keyDown);
  return Subclass(edit);
}

LRESULT AddressEdit::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_KEYDOWN && keyDown_ && keyDown_(static_cast<unsigned>(wp))) return 0;
  if (msg == WM_CHAR && wp == L'\r') return 0;  // Enter was handled at its key-down
  return DefaultProc(msg, wp, lp);
}

bool PlainAboutView::Create(HWND form, std::function<bool(unsigned)> editKeyDown) {
  form_ = form;
  font_ = MakeFont(L"宋体", 14, GB2312_CHARSET);
  HFONT font = font_.get();
  MakeChild(form, L"STATIC", L"", SS_LEFT | SS_NOPREFIX, kIdNote, font);
  HWND edit = MakeChild(form, L"EDIT", L"", WS_BORDER | WS_TABSTOP | ES_AUTOHSCROLL,
                        kIdEditInput, font);
  MakeChild(form, L"BUTTON", L"", WS_TABSTOP | BS_PUSHBUTTON, kIdOkButton, font);
  tooltip_ = CreateWindowExW(WS_EX_TOPMOST, TOOLTIPS_CLASSW, nullptr, WS_POPUP | TTS_ALWAYSTIP,
                             0, 0, 0, 0, form, nullptr, nullptr, nullptr);
  for (int b = 0; b < bs::kAboutButtonCount; ++b) {
    HWND button = MakeChild(form, L"BUTTON", kRowCaptions[b], BS_PUSHBUTTON,
                            RowButtonId(static_cast<bs::AboutButton>(b)), font);
    TOOLINFOW ti = {};
    ti.cbSize = TTTOOLINFOW_V2_SIZE;
    ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
    ti.hwnd = form;
    ti.uId = reinterpret_cast<UINT_PTR>(button);
    ti.lpszText = const_cast<wchar_t*>(L"");
    SendMessageW(tooltip_, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&ti));
  }
  return edit && edit_.Attach(edit, std::move(editKeyDown));
}

void PlainAboutView::Place(const bs::AboutLayout& l) {
  const int barX = l.panel1.left, barY = l.panel1.top;
  Move(Child(kIdNote), l.note, barX + l.panel2.left, barY + l.panel2.top);
  Move(Child(kIdEditInput), l.edit, barX, barY);
  Move(Child(kIdOkButton), l.okButton, barX, barY);
  for (int b = 0; b < bs::kAboutButtonCount; ++b)
    Move(Child(RowButtonId(static_cast<bs::AboutButton>(b))), l.buttons[b], l.panel3.left,
         l.panel3.top);
}

void PlainAboutView::SetAddressText(const std::wstring& text) {
  SetWindowTextW(Child(kIdEditInput), text.c_str());
}

std::wstring PlainAboutView::AddressText() const { return TextOf(Child(kIdEditInput)); }

void PlainAboutView::FocusAddress() { SetFocus(Child(kIdEditInput)); }

void PlainAboutView::SetBackEnabled(bool enabled) {
  EnableWindow(Child(RowButtonId(bs::kSbBackword)), enabled);
}

void PlainAboutView::SetForwardEnabled(bool enabled) {
  EnableWindow(Child(RowButtonId(bs::kSbForward)), enabled);
}

void PlainAboutView::SetLabelText(const std::wstring& text) {
  SetWindowTextW(Child(kIdNote), text.c_str());
}

void PlainAboutView::SetOkCaption(const std::wstring& text) {
  SetWindowTextW(Child(kIdOkButton), text.c_str());
}

void PlainAboutView::SetHint(bs::AboutButton button, const std::wstring& text) {
  TOOLINFOW ti = {};
  ti.cbSize = TTTOOLINFOW_V2_SIZE;
  ti.uFlags = TTF_IDISHWND;
  ti.hwnd = form_;
  ti.uId = reinterpret_cast<UINT_PTR>(Child(RowButtonId(button)));
  ti.lpszText = const_cast<wchar_t*>(text.c_str());
  SendMessageW(tooltip_, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&ti));
}

}  // namespace vellumo
