// The viewer's model: the document's file, display code page, wrap and
// edited state, the prompts' settings, and every decision of the main
// window's commands (open, switch and reload, the scroll-bar rule, the save
// prompt, save, the hand-off to Notepad), carried out through a ViewerView.
// Portable. A command's failure is thrown (std::runtime_error, its what() in
// UTF-8) and leaves the state as it was unless said otherwise.
#pragma once

#include <array>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "app/displaycodepage.h"
#include "app/tips.h"
#include "app/viewerview.h"
#include "convert/convert.h"
#include "convert/loader.h"
#include "convert/pagefit.h"

namespace vellumo {

// A file from this size on takes more than a moment to show: the busy sign.
constexpr std::uint64_t kBusyFileBytes = 256 << 10;

// Lines of a document as the text box holds them (CR LF, a lone CR or a lone
// LF ends a line; an empty last line is not counted), and the byte length of
// the longest. Counting stops once the count passes stopAfter.
struct DocumentLines {
  std::uint64_t count = 0;
  std::uint64_t longest = 0;
};
DocumentLines CountDocumentLines(std::string_view bytes, std::uint64_t stopAfter);

// The scroll bars for a document (1 horizontal, 2 vertical): with wrap
// unchecked a horizontal bar when the longest line × 8 exceeds the width; a
// vertical one when its lines × 8 exceed the height, a line that the box
// wraps counting as its wrapped pieces. wrapCount is asked only for lines
// that can change the answer.
int ScrollBarsFor(std::string_view bytes, bool wrapChecked, bool boxWraps, int width, int height,
                  const std::function<std::uint64_t(std::uint64_t)>& wrapCount);

// The part of a path after its last separator, a backslash on Windows (or
// all of it).
std::wstring StripPath(const std::filesystem::path& path);

class Viewer {
 public:
  explicit Viewer(ViewerView& view) : view_(view) {}

  // Program-wide state.
  std::filesystem::path ProgramDir;       // the executable's folder
  std::filesystem::path CurrentFileName;  // the document's file; empty until one loaded
  CodeType CurrentCodeType = CodeType::Gb2312;
  bool TableLoaded = false;
  TipsState Tips;
  std::string AboutLanguage = "chinese";

  // Start-up: the state's first values, the GB2312 page and its table.
  void FormCreate(const std::filesystem::path& programDir);
  // The file named on the command line, when it names an existing file.
  void Load_Param(const std::filesystem::path& argument);

  void mn_OpenFileClick();
  // Replaces the document with the file's lines through the display code
  // page; on failure the document and the panels stay as they were.
  void LoadFile(const std::filesystem::path& path, bool asUtf8 = false);
  void SaveAsFile(const std::filesystem::path& path);
  // The save prompt before a destructive step; throws when the save it asked
  // for failed, which ends the step.
  void CheckFileSave();
  void mn_QuitClick();
  // The Code menu item with tag (1 to 4, the menu's order).
  void mn_ShowCodeClick(unsigned tag);
  void ChangeCodeType(CodeType codeType);
  void AutoScroll();
  void mn_WrapClick();
  void mn_SaveFileClick();
  void MarkCurrentFileName();
  void mn_NewFileClick();
  void mn_NotepadClick();

  // The current file as it would show in each display code page (and as
  // UTF-8 when it has no signature), ranked; the one chosen is shown.
  void mn_PreviewClick();
  // The caret to the next "**" that conversion made, selected.
  void mn_NextUnshownClick();
  // Ctrl+F: the find dialog; F3: the last search again (the dialog when
  // there was none); a search the dialog asks for.
  void FindClick();
  void FindNextClick();
  void Find(const std::wstring& text, bool matchCase, bool down);
  // Files dropped on the window: the first opened as by Open.
  void FilesDropped(const std::vector<std::filesystem::path>& files);

  // The user changed the text (typing, pasting, cutting, deleting, undoing).
  void TextChanged() { edited_ = true; }
  bool Edited() const { return edited_; }
  bool WrapChecked() const { return wrap_; }
  int ScrollBars() const { return bars_; }
  SourceKind LoadedKind() const { return kind_; }

 private:
  ViewerView& view_;
  CodeTableData table_;
  bool wrap_ = true;
  bool edited_ = false;
  int bars_ = 0;
  SourceKind kind_ = SourceKind::Ansi;
  // The shown document lacks characters of its UTF-8 or Unicode file: a save
  // over that file first keeps the file as "<name>.bak".
  bool lossy_ = false;
  std::filesystem::path openName_;  // the names last chosen in the dialogs
  std::filesystem::path saveName_;
  bool forcedUtf8_ = false;  // the document is the file read as UTF-8 without its signature
  // The four pages' tables for the preview, read on its first use.
  std::array<CodeTableData, kCodeTypeCount> pageTables_;
  std::array<bool, kCodeTypeCount> pageTablesRead_{};
  struct Search {
    std::wstring text;
    bool matchCase = false;
    bool down = true;
  };
  std::optional<Search> lastSearch_;
};

}  // namespace vellumo
