// The About window's browser as a whole: the hosted control, the system
// services and the logic over the window's controls (an AboutView), which the
// window calls from its own handlers. A handler's failure goes up to its
// caller: the window's procedure, or the event sink, reports it.
#pragma once

#include <windows.h>

#include <memory>
#include <string>

#include "about/aboutlogic.h"
#include "about/aboutsystem.h"
#include "about/aboutview.h"
#include "about/browserpane.h"
#include "skin/data/bsSkinData.h"

namespace vellumo {

class AboutBrowser : private BrowserEvents {
 public:
  // Builds the pane in form and runs the logic's creation over view.
  // programDir (UTF-8) ends in a backslash; aboutLanguage (UTF-8) is read at
  // creation and at every show, so it must outlive the window.
  void Create(HWND form, const bs::TbsSkinData* skin, AboutView& view,
              const std::string& programDir, const std::string& aboutLanguage);
  void FormShow();
  // Runs one of the logic's handlers (nothing before Create).
  void Run(void (AboutLogic::*handler)());
  // Places the pane for the form's client size.
  void Layout(int width, int height);

  BrowserPane& Pane() { return pane_; }

 private:
  void DownloadBegin() override;
  void NavigateComplete2() override;

  const bs::TbsSkinData* skin_ = nullptr;
  BrowserPane pane_;
  WindowsAboutSystem system_;
  std::unique_ptr<AboutLogic> logic_;
};

}  // namespace vellumo
