// Taboutform: the About window. Created hidden at start-up as the second
// window, shown by the main window's About command, hidden again by its close
// button; its frame is drawn by bsSkinForm1 from the skin stored in the program.
#pragma once

#include <windows.h>

#include <string>

#include "about/aboutbrowser.h"
#include "about/aboutview.h"
#include "skin/data/bsSkinData.h"
#include "skinwin/bsSkinBoxCtrls.h"
#include "skinwin/bsSkinButtons.h"
#include "skinwin/bsSkinForm.h"
#include "skinwin/bsSkinPanel.h"
#include "win32/handles.h"
#include "win32/window.h"

namespace vellumo {

// The window is also the view its browser logic works on (aboutform_controls.cpp).
class Taboutform : public Window, private AboutView {
 public:
  static constexpr wchar_t kClassName[] = L"Taboutform";
  static constexpr int kClientWidth = 658;
  static constexpr int kClientHeight = 411;
  static constexpr int kLeft = 194;
  static constexpr int kTop = 145;

  // programDir ends in a backslash; aboutLanguage is the program-wide
  // language, read at creation and at every show. Creation runs FormCreate
  // as a command of the window, showing FormShow.
  bool Create(HINSTANCE instance, const std::string& programDir, const std::string& aboutLanguage);
  // Shows the window (non-modal) and brings it to the front.
  void Show();

  void FormCreate();
  void FormShow();

  bs::TbsCompressedStoredSkin bsCompressedStoredSkin1;
  bs::TbsSkinData bsSkinData1;
  bs::TbsSkinForm bsSkinForm1;

  // ---- The skinned controls (aboutform_controls.cpp) ----
  bs::TbsSkinPanel bsSkinPanel1;  // address bar: no skin data, the plain look
  bs::TbsSkinPanel bsSkinPanel2;  // holds the label
  bs::TbsSkinStdLabel note;
  bs::TbsSkinEdit Edit_input;
  bs::TbsSkinButton bsSkinButton1;
  bs::TbsSkinPanel bsSkinPanel3;  // the bottom row
  bs::TbsSkinSpeedButton bsSkinSB_backword, bsSkinSB_forward, bsSkinSB_about, bsSkinSB_home,
      bsSkinSB_email, bsSkinSB_bbs, bsSkinSpeedButton1;

  void bsSkinButton1Click();
  void Edit_inputKeyDown(WORD& key);
  void bsSkinSB_backwordClick();
  void bsSkinSB_forwardClick();
  void bsSkinSB_aboutClick();
  void bsSkinSB_homeClick();
  void bsSkinSB_emailClick();
  void bsSkinSB_bbsClick();
  void bsSkinSpeedButton1Click();

 protected:
  LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  void LoadStoredSkin();
  void FitToClient();

  HINSTANCE instance_ = nullptr;
  bs::TbsFormNotifier notifier_;
  UniqueFont font_;
  std::string programDir_;
  const std::string* aboutLanguage_ = nullptr;
  AboutBrowser browser_;

  // ---- AboutView over the skinned controls (aboutform_controls.cpp) ----
  void SetAddressText(const std::wstring& text) override;
  std::wstring AddressText() const override;
  void FocusAddress() override;
  void SetBackEnabled(bool enabled) override;
  void SetForwardEnabled(bool enabled) override;
  void SetCursorBusy(bool busy) override;
  void SetLabelText(const std::wstring& text) override;
  void SetOkCaption(const std::wstring& text) override;
  void SetHint(bs::AboutButton button, const std::wstring& text) override;

  // ---- The skinned controls (aboutform_controls.cpp) ----
  // Lays the controls out again after the skin changed their sizes.
  class ControlsRelayout : public bs::TbsSkinDataObserver {
   public:
    explicit ControlsRelayout(Taboutform& form) : form_(form) {}
    void SkinDataNotify(bs::TbsSkinData& sender, unsigned message, int param) override;

   private:
    Taboutform& form_;
  };
  void CreateControls();
  void LayOutControls();
  bs::Picture LoadGlyph(const wchar_t* name) const;
  ControlsRelayout relayout_{*this};
};

}  // namespace vellumo
