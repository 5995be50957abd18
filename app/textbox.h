// The main window's text box mm_Show: a Scintilla window holding the
// document's bytes in the double-byte code page of the display code page,
// set up as a plain text box (no margins, lexer, folding or styles kept per
// byte; the system's selection colours; a Chinese context menu; the edit
// control's keys; an accessible "editable text"). Documents are built off
// screen and swapped in, so a failed load leaves the shown one as it was.
#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <string_view>
#include <vector>

#include "app/displaycodepage.h"
#include "app/viewerview.h"
#include "win32/handles.h"
#include "win32/window.h"

namespace Scintilla {
class ILoader;
}

namespace vellumo {

class TextBox : public Window {
 public:
  ~TextBox() override;

  // Creates the box as a child of parent with the given id; false when it
  // cannot be made.
  bool Create(HINSTANCE instance, HWND parent, int id, const RECT& bounds);

  // Messages to the Scintilla window, straight to its function.
  std::intptr_t Call(unsigned msg, std::uintptr_t wp = 0, std::intptr_t lp = 0) const;

  // A document filled off screen, in pieces of any size.
  std::unique_ptr<DocumentBuilder> NewDocument(std::uint64_t sizeHint);
  // Shows a document made by NewDocument in codeType's page and font:
  // nothing to undo, unmodified, the caret at the start.
  void Show(std::unique_ptr<DocumentBuilder> document, CodeType codeType);
  // The page and font the bytes are drawn in.
  void SetCodeType(CodeType codeType);
  std::string_view Bytes() const;

  // Wrapped pieces of a line at the box's width, its wrapping done first.
  std::uint64_t WrapCount(std::uint64_t line);
  // 1 horizontal bar (and no wrap), 2 vertical bar.
  void SetScrollBars(int bars);

  // The indicator over "**" made by conversion; the next one after the
  // caret selected.
  void MarkUnshown(const std::vector<UnshownMark>& marks);
  bool SelectNextUnshown();

  // Selects the next match of text (in the box's code page, character by
  // character, never half a double-byte one) after the selection, or before
  // it searching up; false when there is none or the page lacks a character.
  bool Find(const std::wstring& text, bool matchCase, bool down);

 private:
  LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;
  void SetUp();
  void ShowContextMenu(LPARAM lp);

  using DirectFunction = std::intptr_t (*)(std::intptr_t, unsigned, std::uintptr_t, std::intptr_t);
  DirectFunction direct_ = nullptr;
  std::intptr_t directPointer_ = 0;
};

}  // namespace vellumo
