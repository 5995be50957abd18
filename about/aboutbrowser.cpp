#include "about/aboutbrowser.h"

#include "skin/controls/bsAboutLayout.h"
#include "win32/strings.h"

namespace vellumo {

void AboutBrowser::Create(HWND form, const bs::TbsSkinData* skin, AboutView& view,
                          const std::string& programDir, const std::string& aboutLanguage) {
  skin_ = skin;
  RECT client;
  GetClientRect(form, &client);
  const bs::AboutLayout l = bs::LayOutAboutWindow(skin, bs::Size{client.right, client.bottom});
  pane_.Create(form, RECT{l.browser.left, l.browser.top, l.browser.right, l.browser.bottom}, this);
  ApplyDesign(view);
  logic_ = std::make_unique<AboutLogic>(view, pane_, system_, Widen(programDir),
                                        [&aboutLanguage] { return Widen(aboutLanguage); });
  logic_->FormCreate();
}

void AboutBrowser::FormShow() {
  if (logic_) logic_->FormShow();
}

void AboutBrowser::Run(void (AboutLogic::*handler)()) {
  if (logic_) (logic_.get()->*handler)();
}

void AboutBrowser::Layout(int width, int height) {
  if (!pane_.Handle()) return;
  const bs::AboutLayout l = bs::LayOutAboutWindow(skin_, bs::Size{width, height});
  pane_.Place(RECT{l.browser.left, l.browser.top, l.browser.right, l.browser.bottom});
}

void AboutBrowser::DownloadBegin() { Run(&AboutLogic::WebBrowserDownloadBegin); }

void AboutBrowser::NavigateComplete2() { Run(&AboutLogic::WebBrowserNavigateComplete2); }

}  // namespace vellumo
