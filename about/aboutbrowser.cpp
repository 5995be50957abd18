#include "about/aboutbrowser.h"

#include "about/aboutcontrolids.h"
#include "skin/bsAboutLayout.h"
#include "win32/strings.h"

namespace vellumo {

void AboutBrowser::Create(HWND form, const bs::TbsSkinData* skin, const std::string& programDir,
                          const std::string& aboutLanguage) {
  form_ = form;
  skin_ = skin;
  const bs::AboutLayout l = bs::LayOutAboutWindow(skin, bs::kAboutClientSize);
  pane_.Create(form, RECT{l.browser.left, l.browser.top, l.browser.right, l.browser.bottom}, this);
  view_.Create(form, [this](unsigned key) {
    bool handled = false;
    Run([&] { handled = logic_->Edit_inputKeyDown(key); });
    return handled;
  });
  RECT client;
  GetClientRect(form, &client);
  Layout(client.right, client.bottom);
  ApplyDesign(view_);
  logic_ = std::make_unique<AboutLogic>(view_, pane_, system_, Widen(programDir),
                                        [&aboutLanguage] { return Widen(aboutLanguage); });
  Run([&] { logic_->FormCreate(); });
}

void AboutBrowser::FormShow() {
  if (logic_) Run([&] { logic_->FormShow(); });
}

bool AboutBrowser::OnCommand(int id, int code) {
  if (!logic_ || code != BN_CLICKED) return false;
  using Handler = void (AboutLogic::*)();
  Handler handler = nullptr;
  switch (id) {
    case kIdOkButton: handler = &AboutLogic::bsSkinButton1Click; break;
    case RowButtonId(bs::kSbBackword): handler = &AboutLogic::bsSkinSB_backwordClick; break;
    case RowButtonId(bs::kSbForward): handler = &AboutLogic::bsSkinSB_forwardClick; break;
    case RowButtonId(bs::kSbAbout): handler = &AboutLogic::bsSkinSB_aboutClick; break;
    case RowButtonId(bs::kSbHome): handler = &AboutLogic::bsSkinSB_homeClick; break;
    case RowButtonId(bs::kSbEmail): handler = &AboutLogic::bsSkinSB_emailClick; break;
    case RowButtonId(bs::kSbBbs): handler = &AboutLogic::bsSkinSB_bbsClick; break;
    case RowButtonId(bs::kSbExport): handler = &AboutLogic::bsSkinSpeedButton1Click; break;
    default: return false;
  }
  Run([&] { (logic_.get()->*handler)(); });
  return true;
}

void AboutBrowser::Layout(int width, int height) {
  if (!pane_.Handle()) return;
  const bs::AboutLayout l = bs::LayOutAboutWindow(skin_, bs::Size{width, height});
  pane_.Place(RECT{l.browser.left, l.browser.top, l.browser.right, l.browser.bottom});
  view_.Place(l);
}

void AboutBrowser::DownloadBegin() {
  if (logic_) Run([&] { logic_->WebBrowserDownloadBegin(); });
}

void AboutBrowser::NavigateComplete2() {
  if (logic_) Run([&] { logic_->WebBrowserNavigateComplete2(); });
}

}  // namespace vellumo
