// The About window's state and handlers against stand-ins: a browser that
// plays a script, a view that records, a system with planted files.
#include <gtest/gtest.h>

#include <deque>
#include <map>
#include <set>
#include <stdexcept>
#include <string>
#include <vector>

#include "about/aboutlanguage.h"
#include "about/aboutlogic.h"

namespace vellumo {
namespace {

class ScriptedBrowser : public Browser {
 public:
  std::vector<std::wstring> navigations;
  std::deque<bool> backResults, forwardResults;  // empty: the history is empty
  std::wstring location;
  bool refuse = false;

  void Navigate(const std::wstring& url) override {
    if (refuse) throw std::runtime_error("refused");
    navigations.push_back(url);
  }
  bool GoBack() override { return Next(backResults); }
  bool GoForward() override { return Next(forwardResults); }
  std::wstring LocationURL() override { return location; }

 private:
  static bool Next(std::deque<bool>& results) {
    if (results.empty()) return false;
    bool r = results.front();
    results.pop_front();
    return r;
  }
};

class RecordingView : public AboutView {
 public:
  std::wstring address, label, ok;
  std::map<bs::AboutButton, std::wstring> hints;
  bool back = false, forward = false, busy = false;
  int focused = 0, labelSets = 0;

  void SetAddressText(const std::wstring& t) override { address = t; }
  std::wstring AddressText() const override { return address; }
  void FocusAddress() override { ++focused; }
  void SetBackEnabled(bool e) override { back = e; }
  void SetForwardEnabled(bool e) override { forward = e; }
  void SetCursorBusy(bool b) override { busy = b; }
  void SetLabelText(const std::wstring& t) override {
    label = t;
    ++labelSets;
  }
  void SetOkCaption(const std::wstring& t) override { ok = t; }
  void SetHint(bs::AboutButton b, const std::wstring& t) override { hints[b] = t; }
};

class ScriptedSystem : public AboutSystem {
 public:
  std::set<std::wstring> files;
  std::map<std::wstring, std::map<unsigned, std::wstring>> libraries;  // loadable ones
  std::vector<std::wstring> reads, opened;
  std::vector<std::pair<std::wstring, std::wstring>> started;

  bool FileExists(const std::wstring& path) override { return files.count(path) > 0; }
  bool ReadLanguageStrings(const std::wstring& path, const std::vector<unsigned>& ids,
                           std::map<unsigned, std::wstring>* texts) override {
    reads.push_back(path);
    auto lib = libraries.find(path);
    if (lib == libraries.end()) return false;
    for (unsigned id : ids) (*texts)[id] = lib->second.count(id) ? lib->second.at(id) : L"";
    return true;
  }
  void OpenWithShell(const std::wstring& target) override { opened.push_back(target); }
  void StartProgram(const std::wstring& app, const std::wstring& cmd) override {
    started.emplace_back(app, cmd);
  }
};

const std::wstring kDir = L"C:\\A\\B\\";
const std::wstring kStart = L"File://C:/A/B/readme.htm";
const std::wstring kChinese = L"C:\\A\\B\\Language/chinese_about.dll";
const std::wstring kIeC = L"C:\\Program Files\\Internet Explorer\\IEXPLORE.EXE";
const std::wstring kIeD = L"D:\\Program Files\\Internet Explorer\\IEXPLORE.EXE";

struct Window {
  RecordingView view;
  ScriptedBrowser browser;
  ScriptedSystem system;
  std::wstring language = L"chinese";
  AboutLogic logic{view, browser, system, kDir, [this] { return language; }};

  Window() { ApplyDesign(view); }
  void PlantChinese() {
    system.files.insert(kChinese);
    system.libraries[kChinese] = {{1, L"地址"}, {2, L"OK"}, {3, L"Back"}, {6, L"Home"},
                                  {10, L"IE"}, {13, L"Address:"}};
  }
};

TEST(AboutCreation, StartPageIsTheOnlyNavigationWithOrWithoutLibrary) {
  for (int library : {0, 1}) {
    SCOPED_TRACE(library);
    Window w;
    if (library) w.PlantChinese();
    w.logic.FormCreate();
    // Every backslash turned; the empty start page of the language step opens nothing.
    EXPECT_EQ(w.browser.navigations, std::vector<std::wstring>{kStart});
    // The language is loaded: a show reloads nothing and stays on the page.
    w.logic.FormShow();
    EXPECT_EQ(w.browser.navigations, std::vector<std::wstring>{kStart});
    // About goes to the start page.
    w.logic.bsSkinSB_aboutClick();
    EXPECT_EQ(w.browser.navigations.back(), kStart);
  }
}

TEST(AboutCreation, LibraryTextsReachTheirTargetsAndAMissingIdIsEmpty) {
  Window w;
  w.PlantChinese();
  w.logic.FormCreate();
  EXPECT_EQ(w.system.reads, std::vector<std::wstring>{kChinese});
  EXPECT_EQ(w.view.ok, L"OK");
  EXPECT_EQ(w.view.hints[bs::kSbBackword], L"Back");
  EXPECT_EQ(w.view.hints[bs::kSbHome], L"Home");
  EXPECT_EQ(w.view.hints[bs::kSbExport], L"IE");
  EXPECT_EQ(w.view.hints[bs::kSbForward], L"");  // id 4 missing: empty, not stale
  EXPECT_EQ(w.view.hints[bs::kSbEmail], L"");
  // String 1 first, then creation puts the address label (13) in its place.
  EXPECT_EQ(w.view.label, L"Address:");
}

TEST(AboutCreation, MissingOrUnloadableLibraryKeepsTheDesign) {
  for (bool present : {false, true}) {
    SCOPED_TRACE(present);
    Window w;
    if (present) w.system.files.insert(kChinese);  // there, but not a library
    w.logic.FormCreate();
    EXPECT_EQ(w.system.reads.size(), present ? 1u : 0u);
    EXPECT_EQ(w.view.ok, L"确定");
    EXPECT_EQ(w.view.hints[bs::kSbBackword], L"后退");
    EXPECT_EQ(w.view.hints[bs::kSbHome], L"访问主页https://vellumo.example.org/");
    EXPECT_EQ(w.view.label, L"");
    EXPECT_TRUE(w.view.back);
    EXPECT_FALSE(w.view.forward);
    EXPECT_EQ(w.browser.navigations, std::vector<std::wstring>{kStart});
  }
}

TEST(AboutShow, ReloadsOnlyWhenTheLanguageChanged) {
  Window w;
  w.PlantChinese();
  w.logic.FormCreate();
  w.logic.FormShow();
  w.logic.FormShow();
  EXPECT_EQ(w.system.reads.size(), 1u);
  EXPECT_EQ(w.view.focused, 2);
  EXPECT_EQ(w.browser.navigations.size(), 1u);

  // A changed name (case counts) is loaded once, sets the label to string 1
  // and returns the pane to the start page.
  const std::wstring upper = L"C:\\A\\B\\Language/Chinese_about.dll";
  w.system.files.insert(upper);
  w.system.libraries[upper] = {{1, L"Label one"}, {13, L"Label thirteen"}};
  w.language = L"Chinese";
  w.logic.FormShow();
  w.logic.FormShow();
  EXPECT_EQ(w.system.reads, (std::vector<std::wstring>{kChinese, upper}));
  EXPECT_EQ(w.view.label, L"Label one");
  EXPECT_EQ(w.browser.navigations, (std::vector<std::wstring>{kStart, kStart}));
}

TEST(AboutNavigation, CompletedNavigationsKeepTheAddressBackAndCursor) {
  Window w;
  w.logic.FormCreate();
  w.view.SetBackEnabled(false);
  w.logic.WebBrowserDownloadBegin();
  EXPECT_TRUE(w.view.busy);

  // The start page itself: Back stays as it was; edit and cursor follow.
  w.browser.location = kStart;
  w.logic.WebBrowserNavigateComplete2();
  EXPECT_FALSE(w.view.back);
  EXPECT_EQ(w.view.address, kStart);
  EXPECT_FALSE(w.view.busy);

  // A new address enables Back and becomes LastUrl.
  w.logic.WebBrowserDownloadBegin();
  w.browser.location = L"https://vellumo.example.org/a b";
  w.logic.WebBrowserNavigateComplete2();
  EXPECT_TRUE(w.view.back);
  EXPECT_EQ(w.view.address, L"https://vellumo.example.org/a b");
  EXPECT_FALSE(w.view.busy);

  // Frames complete too: the same address again changes no button.
  w.view.SetBackEnabled(false);
  w.logic.WebBrowserNavigateComplete2();
  EXPECT_FALSE(w.view.back);
}

TEST(AboutNavigation, BackAndForwardFollowTheirResults) {
  Window w;
  w.logic.FormCreate();
  // A fresh window: Back fails quietly and disables itself.
  EXPECT_NO_THROW(w.logic.bsSkinSB_backwordClick());
  EXPECT_FALSE(w.view.back);
  EXPECT_FALSE(w.view.forward);
  // A later navigation elsewhere enables it again.
  w.browser.location = L"https://vellumo.example.org/";
  w.logic.WebBrowserNavigateComplete2();
  EXPECT_TRUE(w.view.back);

  w.browser.backResults = {true};
  w.logic.bsSkinSB_backwordClick();
  EXPECT_TRUE(w.view.forward);
  EXPECT_TRUE(w.view.back);
  // A Forward that works changes no button; one that fails disables Forward.
  w.browser.forwardResults = {true, false};
  w.logic.bsSkinSB_forwardClick();
  EXPECT_TRUE(w.view.forward);
  EXPECT_NO_THROW(w.logic.bsSkinSB_forwardClick());
  EXPECT_FALSE(w.view.forward);
  EXPECT_TRUE(w.view.back);
}

TEST(AboutNavigation, EnterAndOkOpenTheUntrimmedText) {
  Window w;
  w.logic.FormCreate();
  w.browser.navigations.clear();
  w.view.address = L"  vellumo.example.org/x y \t";
  w.logic.bsSkinButton1Click();
  EXPECT_FALSE(w.logic.Edit_inputKeyDown('A'));
  EXPECT_TRUE(w.logic.Edit_inputKeyDown(13));
  EXPECT_EQ(w.browser.navigations,
            std::vector<std::wstring>(2, L"  vellumo.example.org/x y \t"));
  // A refused address reaches the caller (the error box).
  w.browser.refuse = true;
  EXPECT_THROW(w.logic.Edit_inputKeyDown(13), std::runtime_error);
}

TEST(AboutButtons, AboutHomeGuestBookAndEmail) {
  Window w;
  w.logic.FormCreate();
  w.browser.navigations.clear();
  w.logic.bsSkinSB_aboutClick();
  w.logic.bsSkinSB_homeClick();
  w.logic.bsSkinSB_bbsClick();
  EXPECT_EQ(w.browser.navigations,
            (std::vector<std::wstring>{kStart, L"https://vellumo.example.org/",
                                       L"https://vellumo.example.org/guestbook/"}));
  w.logic.bsSkinSB_emailClick();
  EXPECT_EQ(w.system.opened, std::vector<std::wstring>{L"mailto:author@vellumo.example.org"});
}

TEST(AboutExport, FirstDriveThatHasTheProgramElseTheShell) {
  Window w;
  w.logic.FormCreate();
  w.browser.location = L"https://vellumo.example.org/a b?q=\"x\"";
  const std::wstring cmd = L" \"https://vellumo.example.org/a b?q=\\\"x\\\"\"";

  w.system.files = {kIeD};
  w.logic.bsSkinSpeedButton1Click();
  w.system.files = {kIeD, kIeC};
  w.logic.bsSkinSpeedButton1Click();
  ASSERT_EQ(w.system.started.size(), 2u);
  EXPECT_EQ(w.system.started[0], std::make_pair(kIeD, L"\"" + kIeD + L"\"" + cmd));
  EXPECT_EQ(w.system.started[1], std::make_pair(kIeC, L"\"" + kIeC + L"\"" + cmd));
  EXPECT_TRUE(w.system.opened.empty());

  w.system.files = {L"F:\\Program Files\\Internet Explorer\\IEXPLORE.EXE"};
  w.logic.bsSkinSpeedButton1Click();
  EXPECT_EQ(w.system.started.size(), 2u);
  EXPECT_EQ(w.system.opened, std::vector<std::wstring>{w.browser.location});
}

TEST(AboutExport, BackslashesDoubleOnlyBeforeAQuote) {
  EXPECT_EQ(ExportCommandLine(L"p", L"file://C:\\a b\\"), L"\"p\" \"file://C:\\a b\\\\\"");
  EXPECT_EQ(ExportCommandLine(L"p", L"a\\\\\"b"), L"\"p\" \"a\\\\\\\\\\\"b\"");
  EXPECT_EQ(ExportCommandLine(L"p", L""), L"\"p\" \"\"");
}

}  // namespace
}  // namespace vellumo
