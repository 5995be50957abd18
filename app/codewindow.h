// The main window TForm1: menu bar, the text box mm_Show, the status bar, and
// the document operations (load, save, display code page, scroll bars).
#pragma once

#include <windows.h>

#include <string>

#include "app/displaycodepage.h"
#include "app/textboxedit.h"
#include "win32/handles.h"
#include "win32/window.h"

namespace vellumo {

class TTipsForm;
class Taboutform;

class TForm1 : public Window {
 public:
  static constexpr wchar_t kClassName[] = L"TForm1";

  // Creates the window; FormCreate runs inside.
  bool Create(HINSTANCE instance);
  // The tips dialog that the save prompt and the input tip use.
  void SetTipsForm(TTipsForm* tipsForm) { tipsForm_ = tipsForm; }
  void SetAboutForm(Taboutform* aboutform) { aboutform_ = aboutform; }
  HWND TextBox() const { return mm_Show_; }
  HWND StatusBar() const { return statusBar_; }
  HINSTANCE Instance() const { return instance_; }

  void FormCreate();
  void mn_OpenFileClick();
  // Replaces the text box with the file's lines; throws on failure (the text
  // box and the panels then stay as they were).
  void LoadFile(const std::string& path);
  // Writes the text box's bytes to path; throws CommandError on failure and
  // leaves an existing file intact.
  void SaveAsFile(const std::string& path);
  // The save prompt before a destructive step. False only when the save it
  // asked for failed (already reported); the caller then stops.
  bool CheckFileSave();
  void mn_QuitClick();
  void mn_ShowCodeClick(UINT itemId);
  void ChangeCodeType(CodeType codeType);
  void mn_AboutClick();
  void mn_HelpClick();
  void AutoScroll();
  void mn_WrapClick();
  void mn_NewFileClick();
  void mn_SaveFileClick();
  void FormActivate();
  void Load_Param();
  void MarkCurrentFileName();
  void mn_RegTxtClick();
  void N6Click();
  void mn_NotepadClick();

  // Whether the text box was edited since it was last filled.
  bool Edited() const;
  void SetPanelText(int index, const std::wstring& text);

 private:
  LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;
  void OnCreate();
  void OnSize();
  void OnCommand(UINT id);
  void CreateMenus();
  void CreateStatusBar();
  void CreateTextBox(int bars, const std::wstring& text);
  void LayoutChildren();
  void SetPanelWidth(int index, int width);
  // Puts the text in the text box in one layout: redraw off, the display
  // code page's font if it changed, the text, nothing to undo.
  void SetText(const std::wstring& text);
  // Gives the empty text box a buffer of the text's size holding its first
  // characters; returns how many went in.
  std::size_t GiveBuffer(const std::wstring& text, std::size_t first);
  // The text with its scroll bars: created with them when the text alone
  // decides them, else decided once the text is in.
  void ShowText(const std::wstring& text);
  // The text box's bytes read again in the display code page, an edit kept
  // as an edit: when no file is open, or its reload failed.
  void Reread(CodeType shownIn);
  std::wstring Text() const;
  // The text as it is saved: without the soft breaks of long lines.
  std::wstring SavedText() const;
  // The scroll bars the text needs; with shown false only when that follows
  // from the text alone (else -1), with shown true by the text box's lines.
  int ScrollBarsFor(const std::wstring& text, bool shown) const;
  void ApplyScrollBars(int bars, const std::wstring& text);

  HINSTANCE instance_ = nullptr;
  TTipsForm* tipsForm_ = nullptr;
  Taboutform* aboutform_ = nullptr;
  HWND mm_Show_ = nullptr;
  HWND statusBar_ = nullptr;
  HMENU menu_ = nullptr;
  UniqueFont windowFont_;
  UniqueFont textFont_;  // the text box's font
  UniqueFont nextFont_;  // the display code page's, set with the text box's next text
  TextBoxEdit boxEdit_;
  bool busy_ = false;    // a load or switch is at work: commands wait for it
  int scrollBars_ = 0;        // 1 horizontal, 2 vertical
  bool carriedEdit_ = false;  // an edit that a re-decode of the text box took over
  int panelWidths_[6] = {10, 40, 60, 20, 110, 50};
  std::wstring openDialogName_;
  std::wstring saveDialogName_;
};

}  // namespace vellumo
