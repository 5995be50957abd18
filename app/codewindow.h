// The main window TForm1: the menu bar, the text box mm_Show and the status
// bar. Its commands are the viewer model's; the window carries out what the
// model decides (the ViewerView it implements).
#pragma once

#include <windows.h>
#include <commdlg.h>
#include <shellapi.h>

#include <functional>
#include <string>

#include "app/textbox.h"
#include "app/viewer.h"
#include "win32/handles.h"
#include "win32/window.h"

namespace vellumo {

class TTipsForm;
class Taboutform;

class TForm1 : public Window, private ViewerView {
 public:
  static constexpr wchar_t kClassName[] = L"TForm1";

  TForm1() : viewer_(*this) {}
  // Creates the window; FormCreate runs inside.
  bool Create(HINSTANCE instance);
  // The tips dialog that the save prompt and the input tip use.
  void SetTipsForm(TTipsForm* tipsForm) { tipsForm_ = tipsForm; }
  void SetAboutForm(Taboutform* aboutform) { aboutform_ = aboutform; }
  // The About window and the tips dialog are made by maker, once: when first
  // needed, or when the program is first idle (MakeHiddenWindows).
  void SetHiddenWindowsMaker(std::function<void()> maker) { makeHidden_ = std::move(maker); }
  void MakeHiddenWindows();
  Viewer& Model() { return viewer_; }
  HWND StatusBar() const { return statusBar_; }
  // The menu shortcuts, for the message loop's TranslateAccelerator, and the
  // find dialog while it is open, for its IsDialogMessage.
  HACCEL Accelerators() const { return accelerators_.get(); }
  HWND FindDialog() const { return findDialog_; }

  void FormCreate();
  void FormActivate();
  void Load_Param();
  void mn_AboutClick();
  void mn_HelpClick();
  void mn_RegTxtClick();
  void N6Click();

 private:
  LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;
  void OnCreate();
  void OnCommand(UINT id);
  void OnFindMessage(const FINDREPLACEW& find);
  void OnDropFiles(HDROP drop);
  void CreateMenus();
  void CreateStatusBar();
  void LayoutChildren();

  // ViewerView
  void SetPanelText(int index, const std::wstring& text) override;
  void SetPanelWidth(int index, int width) override;
  int SystemCodePageLength(const std::wstring& text) override;
  void ShowCodeType(CodeType codeType) override;
  void CheckWrap(bool checked) override;
  void SetRedraw(bool on) override;
  std::unique_ptr<DocumentBuilder> NewDocument(std::uint64_t sizeHint) override;
  void ShowDocument(std::unique_ptr<DocumentBuilder> document, CodeType codeType) override;
  void Reinterpret(CodeType codeType) override;
  std::string_view Bytes() override;
  void MarkUnshown(const std::vector<UnshownMark>& marks) override;
  bool SelectNextUnshown() override;
  bool SearchText(const std::wstring& text, bool matchCase, bool down) override;
  void EnablePreview(bool enabled) override;
  int BoxWidth() override;
  int BoxHeight() override;
  std::uint64_t WrapCount(std::uint64_t line) override;
  void SetScrollBars(int bars) override;
  std::unique_ptr<BusyScope> Busy(bool shown) override;
  bool AskFileName(bool save, std::filesystem::path& name,
                   const std::filesystem::path& initialDir) override;
  TipButton ShowTips(std::int32_t mode) override;
  void ShowFindDialog() override;
  bool ChoosePage(const std::vector<PageCandidate>& candidates, CodeType shownIn,
                  std::size_t& chosen) override;
  void Inform(const std::wstring& text) override;
  int RunAndWait(const std::wstring& commandLine) override;
  void Close() override;

  Viewer viewer_;
  HINSTANCE instance_ = nullptr;
  TTipsForm* tipsForm_ = nullptr;
  Taboutform* aboutform_ = nullptr;
  TextBox mm_Show;
  HWND statusBar_ = nullptr;
  HMENU menu_ = nullptr;
  std::function<void()> makeHidden_;
  UniqueAccelerators accelerators_;
  HWND findDialog_ = nullptr;
  FINDREPLACEW find_ = {};   // the find dialog's, alive while it is open
  wchar_t findText_[256] = {};
  UniqueFont windowFont_;
  bool busy_ = false;  // a load or switch is at work: commands wait for it
  int redrawOff_ = 0;
  int panelWidths_[6] = {10, 40, 60, 20, 110, 50};
};

}  // namespace vellumo
