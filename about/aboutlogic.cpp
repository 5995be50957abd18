#include "about/aboutlogic.h"

#include <algorithm>

#include "about/aboutaddresses.h"
#include "about/aboutlanguage.h"

namespace vellumo {

namespace {

constexpr unsigned kEnterKey = 13;
const wchar_t* const kExplorerPaths[] = {
    L"C:\\Program Files\\Internet Explorer\\IEXPLORE.EXE",
    L"D:\\Program Files\\Internet Explorer\\IEXPLORE.EXE",
    L"E:\\Program Files\\Internet Explorer\\IEXPLORE.EXE",
};

// One argument as the C runtime and CommandLineToArgvW split it back:
// quotes escaped, backslashes doubled where a quote follows them.
std::wstring Quote(const std::wstring& arg) {
  std::wstring out = L"\"";
  std::size_t backslashes = 0;
  for (wchar_t c : arg) {
    if (c == L'\\') {
      ++backslashes;
      continue;
    }
    out.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
    out += c;
    backslashes = 0;
  }
  out.append(backslashes * 2, L'\\');
  return out + L'"';
}

}  // namespace

void ApplyDesign(AboutView& view) {
  for (const AboutTextTarget& t : AboutTextTargets()) {
    if (t.kind == AboutTextKind::OkCaption) view.SetOkCaption(t.designText);
    if (t.kind == AboutTextKind::Hint) view.SetHint(t.button, t.designText);
  }
  view.SetLabelText(L"");
  view.SetBackEnabled(true);
  view.SetForwardEnabled(false);
}

std::wstring ExportCommandLine(const std::wstring& path, const std::wstring& address) {
  return L"\"" + path + L"\" " + Quote(address);
}

AboutLogic::AboutLogic(AboutView& view, Browser& browser, AboutSystem& system,
                       std::wstring programDir, std::function<std::wstring()> aboutLanguage)
    : view_(view),
      browser_(browser),
      system_(system),
      programDir_(std::move(programDir)),
      aboutLanguage_(std::move(aboutLanguage)) {}

void AboutLogic::FormCreate() {
  loadedLanguage_ = aboutLanguage_();
  SetAboutLanguage(loadedLanguage_);
  view_.SetLabelText(addressLabelText_);
  std::wstring folder = programDir_;
  std::replace(folder.begin(), folder.end(), L'\\', L'/');
  startPage_ = L"File://" + folder + L"readme.htm";
  lastUrl_ = startPage_;
  browser_.Navigate(startPage_);
}

void AboutLogic::FormShow() {
  const std::wstring language = aboutLanguage_();
  if (loadedLanguage_ != language) {
    loadedLanguage_ = language;
    SetAboutLanguage(loadedLanguage_);
  }
  view_.FocusAddress();
}

void AboutLogic::bsSkinButton1Click() { browser_.Navigate(view_.AddressText()); }

bool AboutLogic::Edit_inputKeyDown(unsigned key) {
  if (key != kEnterKey) return false;
  bsSkinButton1Click();
  return true;
}

void AboutLogic::WebBrowserDownloadBegin() { view_.SetCursorBusy(true); }

void AboutLogic::WebBrowserNavigateComplete2() {
  const std::wstring location = browser_.LocationURL();
  if (location != lastUrl_) {
    lastUrl_ = location;
    view_.SetBackEnabled(true);
  }
  view_.SetAddressText(location);
  view_.SetCursorBusy(false);
}

void AboutLogic::bsSkinSB_backwordClick() {
  if (browser_.GoBack())
    view_.SetForwardEnabled(true);
  else
    view_.SetBackEnabled(false);
}

void AboutLogic::bsSkinSB_forwardClick() {
  if (!browser_.GoForward()) view_.SetForwardEnabled(false);
}

// Before creation has formed the start page there is nothing to open.
void AboutLogic::bsSkinSB_aboutClick() {
  if (!startPage_.empty()) browser_.Navigate(startPage_);
}

void AboutLogic::bsSkinSB_homeClick() { browser_.Navigate(L"" VELLUMO_HOME_PAGE); }

void AboutLogic::bsSkinSB_bbsClick() { browser_.Navigate(L"" VELLUMO_GUEST_BOOK); }

void AboutLogic::bsSkinSB_emailClick() { system_.OpenWithShell(L"mailto:" VELLUMO_EMAIL); }

void AboutLogic::bsSkinSpeedButton1Click() {
  const std::wstring address = browser_.LocationURL();
  for (const wchar_t* path : kExplorerPaths) {
    if (system_.FileExists(path)) {
      system_.StartProgram(path, ExportCommandLine(path, address));
      return;
    }
  }
  system_.OpenWithShell(address);
}

// A library that is missing or cannot be loaded leaves every text as it is
// and opens nothing.
void AboutLogic::SetAboutLanguage(const std::wstring& language) {
  const std::wstring path = LanguageLibraryPath(programDir_, language);
  std::map<unsigned, std::wstring> texts;
  if (!system_.FileExists(path) || !system_.ReadLanguageStrings(path, AboutTextIds(), &texts))
    return;
  for (const AboutTextTarget& t : AboutTextTargets()) {
    const std::wstring& text = texts[t.id];
    switch (t.kind) {
      case AboutTextKind::Label: view_.SetLabelText(text); break;
      case AboutTextKind::OkCaption: view_.SetOkCaption(text); break;
      case AboutTextKind::Hint: view_.SetHint(t.button, text); break;
      case AboutTextKind::AddressLabel: addressLabelText_ = text; break;
    }
  }
  bsSkinSB_aboutClick();
}

}  // namespace vellumo
