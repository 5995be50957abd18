#include "app/textboxedit.h"

#include <string>

#include "app/codepagemapping.h"

namespace vellumo {

bool TextBoxEdit::Take(HWND edit) {
  afterHighSurrogate_ = false;
  return Subclass(edit);
}

LRESULT TextBoxEdit::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_CHAR:
    case WM_IME_CHAR:
      return EditChar(msg, wp, lp);
    case WM_PASTE:
      EditPaste();
      return 0;
  }
  return DefaultProc(msg, wp, lp);
}

LRESULT TextBoxEdit::EditChar(UINT msg, WPARAM wp, LPARAM lp) {
  const auto c = static_cast<char16_t>(wp);
  const bool high = c >= 0xD800 && c <= 0xDBFF, low = c >= 0xDC00 && c <= 0xDFFF;
  // A character from outside the basic plane comes as two messages: the pair
  // is one "?" on saving, so the first half puts it in and the second is dropped.
  if (low && afterHighSurrogate_) {
    afterHighSurrogate_ = false;
    return 0;
  }
  afterHighSurrogate_ = high;
  // Control characters (Enter, Tab, Backspace, the Ctrl+ keys) are the edit
  // control's own commands.
  if (c < 0x20 || (!high && !low && ByteTextOf(codeType_).Holds(c)))
    return DefaultProc(msg, wp, lp);
  return DefaultProc(msg, '?', lp);
}

void TextBoxEdit::EditPaste() {
  if (!IsClipboardFormatAvailable(CF_UNICODETEXT) || !OpenClipboard(Handle())) return;
  std::wstring text;
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* p = static_cast<const wchar_t*>(GlobalLock(data))) {
      text = ByteTextOf(codeType_).AsSaved(p, wcslen(p));
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  SendMessageW(Handle(), EM_REPLACESEL, TRUE, reinterpret_cast<LPARAM>(text.c_str()));
}

}  // namespace vellumo
