// The text box's own edit procedure: what is typed or pasted goes in as Save
// As will write it, so that a character the display code page lacks shows as
// "?" at once, not only after saving.
#pragma once

#include <windows.h>

#include "app/displaycodepage.h"
#include "win32/window.h"

namespace vellumo {

class TextBoxEdit : public Window {
 public:
  // Takes over a newly made edit control (the text box is made anew when its
  // scroll bars change).
  bool Take(HWND edit);
  // The code page the text box's text is read in.
  void SetCodeType(CodeType codeType) { codeType_ = codeType; }
  CodeType ShownIn() const { return codeType_; }

 private:
  LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;
  LRESULT EditChar(UINT msg, WPARAM wp, LPARAM lp);
  void EditPaste();

  CodeType codeType_ = CodeType::Gb2312;
  bool afterHighSurrogate_ = false;  // the first half of a typed pair went in as "?"
};

}  // namespace vellumo
