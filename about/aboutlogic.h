// Taboutform's state and handlers, written against the browser pane, the
// controls and the system as small interfaces so that they run the same
// against the real window and against a test's stand-ins. Portable.
#pragma once

#include <functional>
#include <string>

#include "about/aboutview.h"
#include "about/browser.h"

namespace vellumo {

// The design state of the controls: design texts, Back enabled, Forward not.
void ApplyDesign(AboutView& view);

// The command line that opens address in the program at path: both quoted,
// so a path with blanks and an address with blanks or quotes stay whole.
std::wstring ExportCommandLine(const std::wstring& path, const std::wstring& address);

class AboutLogic {
 public:
  // programDir ends in a backslash; aboutLanguage gives the language the
  // window should show, read at creation and at every show.
  AboutLogic(AboutView& view, Browser& browser, AboutSystem& system, std::wstring programDir,
             std::function<std::wstring()> aboutLanguage);

  void FormCreate();
  void FormShow();
  void bsSkinButton1Click();
  // True when the key was Enter and was handled as OK.
  bool Edit_inputKeyDown(unsigned key);
  void WebBrowserDownloadBegin();
  void WebBrowserNavigateComplete2();
  void bsSkinSB_backwordClick();
  void bsSkinSB_forwardClick();
  void bsSkinSB_aboutClick();
  void bsSkinSB_homeClick();
  void bsSkinSB_bbsClick();
  void bsSkinSB_emailClick();
  void bsSkinSpeedButton1Click();
  void SetAboutLanguage(const std::wstring& language);

 private:
  AboutView& view_;
  Browser& browser_;
  AboutSystem& system_;
  const std::wstring programDir_;
  const std::function<std::wstring()> aboutLanguage_;
  std::wstring startPage_, lastUrl_, loadedLanguage_, addressLabelText_;
};

}  // namespace vellumo
