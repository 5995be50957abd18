// What the viewer's model needs of the main window, its text box and the
// system, kept small so that the window or a test's recorder can stand
// behind it. Portable.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "app/displaycodepage.h"
#include "app/tips.h"
#include "convert/pagefit.h"

namespace vellumo {

// A new document filled off screen; dropped, leaving the shown one as it
// was, unless handed to ShowDocument.
class DocumentBuilder {
 public:
  virtual ~DocumentBuilder() = default;
  virtual void Append(const char* data, std::size_t size) = 0;
};

// The sign that a long command is at work (the last status panel, the busy
// cursor); the window keeps painting while it is up.
class BusyScope {
 public:
  virtual ~BusyScope() = default;
  // Paints and answers other programs now and then.
  virtual void Pump() = 0;
  // The command has finished: the panel is left to it.
  virtual void Done() = 0;
};

// A run of characters that conversion showed as "**", at a document offset.
struct UnshownMark {
  std::uint64_t offset;
  std::uint64_t count;
};

class ViewerView {
 public:
  virtual ~ViewerView() = default;

  // Status bar: panel texts, panel 0's width, a name's byte length in the
  // system's code page (the rule of panel 0's width).
  virtual void SetPanelText(int index, const std::wstring& text) = 0;
  virtual void SetPanelWidth(int index, int width) = 0;
  virtual int SystemCodePageLength(const std::wstring& text) = 0;

  // Menus: the Code menu's check mark, the Open caption and panel 4 of a
  // page; the wrap item's check mark.
  virtual void ShowCodeType(CodeType codeType) = 0;
  virtual void CheckWrap(bool checked) = 0;
  // The preview item, enabled while a file is open.
  virtual void EnablePreview(bool enabled) = 0;

  // The text box. Redraw off and on around a step that must paint once.
  virtual void SetRedraw(bool on) = 0;
  virtual std::unique_ptr<DocumentBuilder> NewDocument(std::uint64_t sizeHint) = 0;
  // Replaces the text box's document, drawn in codeType's page and font;
  // nothing to undo afterwards, the caret at the start.
  virtual void ShowDocument(std::unique_ptr<DocumentBuilder> document, CodeType codeType) = 0;
  // The same bytes drawn in another page and font.
  virtual void Reinterpret(CodeType codeType) = 0;
  // The document's bytes, valid until the next change.
  virtual std::string_view Bytes() = 0;
  // Marks runs of "**" made by conversion, so the user can walk to them.
  virtual void MarkUnshown(const std::vector<UnshownMark>& marks) = 0;
  // Selects the next marked "**" after the caret; false when there is none.
  virtual bool SelectNextUnshown() = 0;
  // Selects the next match of text in the page's bytes from the selection,
  // forwards or backwards; false when there is none (or the page lacks one
  // of its characters).
  virtual bool SearchText(const std::wstring& text, bool matchCase, bool down) = 0;

  // Scroll bars: the box's outer size, the wrapped pieces of a line at its
  // width while it wraps, and the bars (1 horizontal, 2 vertical; with the
  // horizontal bar the box does not wrap).
  virtual int BoxWidth() = 0;
  virtual int BoxHeight() = 0;
  virtual std::uint64_t WrapCount(std::uint64_t line) = 0;
  virtual void SetScrollBars(int bars) = 0;

  virtual std::unique_ptr<BusyScope> Busy(bool shown) = 0;

  // Dialogs: the open or save dialog, showing name (the last choice) in
  // initialDir (none when empty); false when cancelled. The tips dialog for
  // a mode, which records its answer in the model's TipsState. A plain
  // message box.
  virtual bool AskFileName(bool save, std::filesystem::path& name,
                           const std::filesystem::path& initialDir) = 0;
  virtual TipButton ShowTips(std::int32_t mode) = 0;
  // The find dialog (modeless: its searches come back through Find).
  virtual void ShowFindDialog() = 0;
  // The preview dialog over the ranked candidates, the first selected (a
  // UTF-8 candidate's preview is in shownIn's bytes); false when cancelled,
  // else chosen is the candidate taken.
  virtual bool ChoosePage(const std::vector<PageCandidate>& candidates, CodeType shownIn,
                          std::size_t& chosen) = 0;
  virtual void Inform(const std::wstring& text) = 0;

  // Another program run and waited for: its exit code, -1 when it could not start.
  virtual int RunAndWait(const std::wstring& commandLine) = 0;
  // Ends the program (the main window closes).
  virtual void Close() = 0;
};

}  // namespace vellumo
