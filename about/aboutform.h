// Taboutform: the About window. Created hidden at start-up as the second
// window, shown by the main window's About command, hidden again by its close
// button; its frame is drawn by bsSkinForm1 from the skin stored in the program.
#pragma once

#include <windows.h>

#include <string>

#include "about/aboutbrowser.h"
#include "skin/bsSkinData.h"
#include "skinwin/bsSkinForm.h"
#include "win32/handles.h"
#include "win32/window.h"

namespace vellumo {

class Taboutform : public Window {
 public:
  static constexpr wchar_t kClassName[] = L"Taboutform";
  static constexpr int kClientWidth = 658;
  static constexpr int kClientHeight = 411;
  static constexpr int kLeft = 194;
  static constexpr int kTop = 145;

  // programDir ends in a backslash; aboutLanguage is the program-wide
  // language, read at creation and at every show.
  bool Create(HINSTANCE instance, const std::string& programDir, const std::string& aboutLanguage);
  // Shows the window (non-modal) and brings it to the front.
  void Show();

  void FormCreate();
  void FormShow();

  bs::TbsCompressedStoredSkin bsCompressedStoredSkin1;
  bs::TbsSkinData bsSkinData1;
  bs::TbsSkinForm bsSkinForm1;

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
};

}  // namespace vellumo
