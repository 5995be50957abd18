// The viewer's model against a view that records what the window is asked to
// do and answers its dialogs from a script, on real files and the program's
// own code tables.
#include <gtest/gtest.h>

#include <deque>
#include <fstream>
#include <map>
#include <random>

#include "app/viewer.h"
#include "convert/fileio.h"

namespace vellumo {
namespace {

namespace fs = std::filesystem;

class RecordingView : public ViewerView {
 public:
  std::vector<std::string> calls;  // the window's steps that tests look at, in order
  std::string document;
  CodeType shownIn = CodeType::Gb2312;
  std::map<int, std::wstring> panels;
  int panel0Width = -1;
  bool wrapChecked = true;
  int bars = 0;
  int width = 420, height = 271;
  std::function<std::uint64_t(std::uint64_t)> wrapCount = [](std::uint64_t) { return 1; };
  std::deque<fs::path> names;      // the file dialogs' answers; an empty path cancels
  std::deque<TipButton> answers;   // the tips dialog's
  TipsState* tips = nullptr;
  std::function<void()> whileRunning = [] {};
  std::vector<UnshownMark> marks;
  bool nextUnshown = false, found = false, previewEnabled = false;
  std::vector<PageCandidate> candidates;
  int pick = -1;  // the candidate the preview takes; -1 cancels

  void SetPanelText(int index, const std::wstring& text) override { panels[index] = text; }
  void SetPanelWidth(int index, int w) override {
    if (index == 0) panel0Width = w;
  }
  int SystemCodePageLength(const std::wstring& text) override { return static_cast<int>(text.size()); }
  void ShowCodeType(CodeType codeType) override { calls.push_back("menu " + Name(codeType)); }
  void CheckWrap(bool checked) override { wrapChecked = checked; }
  void SetRedraw(bool) override {}
  std::unique_ptr<DocumentBuilder> NewDocument(std::uint64_t) override {
    return std::make_unique<Builder>();
  }
  void ShowDocument(std::unique_ptr<DocumentBuilder> d, CodeType codeType) override {
    document = static_cast<Builder&>(*d).bytes;
    shownIn = codeType;
    calls.push_back("show " + Name(codeType));
  }
  void Reinterpret(CodeType codeType) override {
    shownIn = codeType;
    calls.push_back("reinterpret " + Name(codeType));
  }
  std::string_view Bytes() override { return document; }
  void MarkUnshown(const std::vector<UnshownMark>& m) override { marks = m; }
  bool SelectNextUnshown() override { return nextUnshown; }
  bool SearchText(const std::wstring& text, bool matchCase, bool down) override {
    calls.push_back("find " + std::string(text.begin(), text.end()) + (matchCase ? " case" : "") +
                    (down ? " down" : " up"));
    return found;
  }
  void EnablePreview(bool enabled) override { previewEnabled = enabled; }
  void ShowFindDialog() override { calls.push_back("find dialog"); }
  bool ChoosePage(const std::vector<PageCandidate>& c, CodeType, std::size_t& chosen) override {
    candidates = c;
    calls.push_back("preview");
    if (pick < 0) return false;
    chosen = static_cast<std::size_t>(pick);
    return true;
  }
  int BoxWidth() override { return width; }
  int BoxHeight() override { return height; }
  std::uint64_t WrapCount(std::uint64_t line) override { return wrapCount(line); }
  void SetScrollBars(int b) override {
    bars = b;
    calls.push_back("bars " + std::to_string(b));
  }
  std::unique_ptr<BusyScope> Busy(bool shown) override {
    if (shown) calls.push_back("busy");
    return std::make_unique<NoBusy>();
  }
  bool AskFileName(bool save, fs::path& name, const fs::path&) override {
    calls.push_back(save ? "save dialog" : "open dialog");
    if (names.empty() || names.front().empty()) {
      if (!names.empty()) names.pop_front();
      return false;
    }
    name = names.front();
    names.pop_front();
    return true;
  }
  TipButton ShowTips(std::int32_t mode) override {
    calls.push_back("tips " + std::to_string(mode));
    const TipButton b = answers.empty() ? TipButton::None : answers.front();
    if (!answers.empty()) answers.pop_front();
    TipsClosed(*tips, b);  // as the dialog does
    return b;
  }
  void Inform(const std::wstring&) override { calls.push_back("inform"); }
  int RunAndWait(const std::wstring& commandLine) override {
    calls.push_back("run " + std::string(commandLine.begin(), commandLine.end()));
    whileRunning();
    return 0;
  }
  void Close() override { calls.push_back("close"); }

  bool Called(const std::string& call) const {
    return std::find(calls.begin(), calls.end(), call) != calls.end();
  }

 private:
  struct Builder : DocumentBuilder {
    std::string bytes;
    void Append(const char* data, std::size_t size) override { bytes.append(data, size); }
  };
  struct NoBusy : BusyScope {
    void Pump() override {}
    void Done() override {}
  };
  static std::string Name(CodeType c) { return DisplayCodePageOf(c).name; }
};

std::string Read(const fs::path& p) {
  std::ifstream in(p, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

class ViewerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::random_device rd;
    dir_ = fs::temp_directory_path() / ("viewer-test-" + std::to_string(rd()));
    fs::create_directories(dir_);
    view.tips = &viewer.Tips;
    viewer.FormCreate(fs::path(VELLUMO_SOURCE_DIR) / "companion" / "files" / "");
    view.calls.clear();
  }
  void TearDown() override {
    std::error_code ec;
    fs::current_path(fs::temp_directory_path(), ec);
    fs::remove_all(dir_, ec);
  }
  fs::path Write(const std::string& name, const std::string& bytes) {
    const fs::path p = dir_ / name;
    std::ofstream(p, std::ios::binary) << bytes;
    return p;
  }
  void Open(const fs::path& p) {
    view.names.push_back(p);
    viewer.mn_OpenFileClick();
  }
  void Type() { viewer.TextChanged(); }

  fs::path dir_;
  RecordingView view;
  Viewer viewer{view};
};

// GBK 中文; UTF-8 with signature of 中 and the Hangul 한, which GBK lacks.
const std::string kGbk = "\xD6\xD0\xCE\xC4";
const std::string kUtf8WithHangul = "\xEF\xBB\xBF\xE4\xB8\xAD\xED\x95\x9C\r\n";

TEST_F(ViewerTest, StartsInGb2312WithItsTable) {
  Viewer fresh(view);
  view.tips = &fresh.Tips;
  fresh.FormCreate(fs::path(VELLUMO_SOURCE_DIR) / "companion" / "files" / "");
  EXPECT_EQ(view.calls, (std::vector<std::string>{"menu gb2312", "reinterpret gb2312"}));
  EXPECT_TRUE(fresh.TableLoaded);
  EXPECT_TRUE(fresh.Tips.ShowInputTip && fresh.Tips.ShowSavePrompt && !fresh.Tips.SaveAnswer);
  EXPECT_EQ(fresh.Tips.TipMode, 0);
  EXPECT_TRUE(fresh.CurrentFileName.empty());
}

TEST_F(ViewerTest, OpenShowsTheLinesKindAndName) {
  Open(Write("notes.txt", "a\nb" + kGbk));
  EXPECT_EQ(view.document, "a\r\nb" + kGbk + "\r\n");
  EXPECT_EQ(view.panels[2], L"ANSI");
  EXPECT_EQ(view.panels[0], L"notes.txt");
  EXPECT_EQ(view.panel0Width, 59);  // 9 bytes × 6.6
  EXPECT_EQ(view.panels[5], L"");
  EXPECT_EQ(viewer.CurrentFileName, dir_ / "notes.txt");
  EXPECT_FALSE(viewer.Edited());

  Open(Write("u8.txt", kUtf8WithHangul));
  EXPECT_EQ(view.document, "\xD6\xD0**\r\n");
  EXPECT_EQ(view.panels[2], L"UTF-8");
  EXPECT_EQ(view.panels[5], L"1 个字符无法显示");
  ASSERT_EQ(view.marks.size(), 1u);
  EXPECT_EQ(view.marks[0].offset, 2u);
}

TEST_F(ViewerTest, FailedOpenLeavesTheShownFileCurrent) {
  const fs::path a = Write("a.txt", "A\r\n");
  Open(a);
  Type();
  view.answers = {TipButton::Cancel};
  EXPECT_THROW(Open(dir_ / "missing.txt"), std::runtime_error);
  EXPECT_EQ(viewer.CurrentFileName, a);
  EXPECT_EQ(view.panels[0], L"a.txt");
  EXPECT_EQ(view.document, "A\r\n");
  // The prompt after it saves the shown text to the shown file.
  view.answers = {TipButton::Ok};
  view.document = "edited";
  view.names = {fs::path()};
  viewer.mn_OpenFileClick();
  EXPECT_EQ(Read(a), "edited");
  EXPECT_FALSE(fs::exists(dir_ / "missing.txt"));
}

TEST_F(ViewerTest, SavePromptAsksOnlyAfterAnEditAndOnlyOkSaves) {
  const fs::path a = Write("a.txt", "A\r\n");
  Open(a);
  view.names = {fs::path()};
  viewer.mn_OpenFileClick();
  EXPECT_FALSE(view.Called("tips 2"));  // nothing edited

  Type();
  view.document = "typed";
  for (TipButton closedBy : {TipButton::Cancel, TipButton::None}) {
    view.answers = {closedBy};
    view.names = {fs::path()};
    view.calls.clear();
    viewer.mn_OpenFileClick();
    EXPECT_EQ(view.calls, (std::vector<std::string>{"tips 2", "open dialog"}));
    EXPECT_EQ(Read(a), "A\r\n");
  }
  view.answers = {TipButton::Ok};
  view.names = {fs::path()};
  viewer.mn_OpenFileClick();
  EXPECT_EQ(Read(a), "typed");
  EXPECT_TRUE(viewer.Edited());  // saving does not change it

  viewer.Tips.ShowSavePrompt = false;  // the box ticked
  view.calls.clear();
  view.names = {fs::path()};
  viewer.mn_OpenFileClick();
  EXPECT_FALSE(view.Called("tips 2"));
}

TEST_F(ViewerTest, FailedPromptSaveEndsTheStep) {
  Type();  // into the empty box: no current file
  view.answers = {TipButton::Ok};
  EXPECT_THROW(viewer.mn_QuitClick(), std::runtime_error);
  EXPECT_FALSE(view.Called("close"));
  view.answers = {TipButton::Cancel};
  viewer.mn_QuitClick();
  EXPECT_TRUE(view.Called("close"));
}

TEST_F(ViewerTest, PromptSaveOverALossyLoadKeepsTheFileFirst) {
  const fs::path u8 = Write("u8.txt", kUtf8WithHangul);
  Open(u8);
  Type();
  view.answers = {TipButton::Ok};
  view.names = {fs::path()};
  viewer.mn_OpenFileClick();
  EXPECT_EQ(Read(dir_ / "u8.txt.bak"), kUtf8WithHangul);
  EXPECT_EQ(Read(u8), "\xD6\xD0**\r\n");
  // The file now holds the document: a later save leaves the backup alone.
  view.document = "again";
  view.answers = {TipButton::Ok};
  view.names = {fs::path()};
  viewer.mn_OpenFileClick();
  EXPECT_EQ(Read(u8), "again");
  EXPECT_EQ(Read(dir_ / "u8.txt.bak"), kUtf8WithHangul);

  // A backup that cannot be written stops the save.
  const fs::path other = Write("other.txt", kUtf8WithHangul);
  fs::create_directory(dir_ / "other.txt.bak");
  Open(other);
  Type();
  view.answers = {TipButton::Ok};
  EXPECT_THROW(viewer.mn_QuitClick(), std::runtime_error);
  EXPECT_EQ(Read(other), kUtf8WithHangul);
}

TEST_F(ViewerTest, CodePageSwitchReloadsInOneStepOrRereads) {
  viewer.mn_ShowCodeClick(1);  // already checked: nothing
  EXPECT_TRUE(view.calls.empty());
  viewer.mn_ShowCodeClick(3);  // no file: the same bytes in the new page
  EXPECT_EQ(view.calls, (std::vector<std::string>{"menu korean", "reinterpret korean"}));
  EXPECT_EQ(viewer.CurrentCodeType, CodeType::Korean);

  const fs::path u8 = Write("u8.txt", kUtf8WithHangul);
  Open(u8);
  EXPECT_EQ(view.document, "\xF1\xE9\xC7\xD1\r\n");  // through the Korean table
  view.calls.clear();
  Type();
  viewer.mn_ShowCodeClick(1);  // no prompt: the file is read again
  EXPECT_EQ(view.calls, (std::vector<std::string>{"menu gb2312", "show gb2312"}));
  EXPECT_EQ(view.document, "\xD6\xD0**\r\n");
  EXPECT_FALSE(viewer.Edited());

  fs::remove(u8);
  view.calls.clear();
  EXPECT_THROW(viewer.mn_ShowCodeClick(2), std::runtime_error);
  EXPECT_EQ(view.calls, (std::vector<std::string>{"menu big5", "reinterpret big5"}));
  EXPECT_EQ(viewer.CurrentCodeType, CodeType::Big5);
  EXPECT_EQ(view.document, "\xD6\xD0**\r\n");
}

TEST(ScrollBarRule, ThresholdsOfTheBox) {
  auto lines = [](int n, int length) {
    std::string s;
    for (int i = 0; i < n; ++i) s += std::string(length, 'x') + "\r\n";
    return s;
  };
  auto one = [](std::uint64_t) -> std::uint64_t { return 1; };
  struct Case {
    std::string text;
    bool wrapChecked;
    int bars;
  } cases[] = {
      {lines(33, 1), true, 0},  {lines(34, 1), true, 2},   // 264 and 272 against 271
      {lines(1, 52), false, 0}, {lines(1, 53), false, 1},  // 416 and 424 against 420
      {lines(1, 500), true, 0},                            // wrapped: never a horizontal bar
      {"", false, 0},
      {std::string(33, '\n') + "x", true, 2},  // the last line without a line end counts
      {std::string(33, '\n'), true, 0},        // the empty last line does not
      {std::string(34, '\r'), true, 2},        // a lone CR ends a line too
  };
  for (const Case& c : cases)
    EXPECT_EQ(ScrollBarsFor(c.text, c.wrapChecked, true, 420, 271, one), c.bars)
        << c.text.size() << " bytes, wrap " << c.wrapChecked;
}

TEST(ScrollBarRule, WrappedPiecesCountAsLinesUntilTheHeightIsPassed) {
  std::uint64_t asked = 0;
  auto pieces = [&](std::uint64_t) -> std::uint64_t {
    ++asked;
    return 3;
  };
  std::string twenty;
  for (int i = 0; i < 20; ++i) twenty += "a\r\n";
  EXPECT_EQ(ScrollBarsFor(twenty, true, true, 420, 271, pieces), 2);  // 60 pieces
  EXPECT_EQ(asked, 12u);  // 36 pieces pass 33: no more asked
  EXPECT_EQ(ScrollBarsFor(twenty, true, false, 420, 271, pieces), 0);  // unwrapped: 20 lines
  asked = 0;
  std::string many;
  for (int i = 0; i < 1000; ++i) many += "a\r\n";
  EXPECT_EQ(ScrollBarsFor(many, true, true, 420, 271, pieces), 2);
  EXPECT_EQ(asked, 0u);  // the lines alone decide
}

TEST_F(ViewerTest, WrapToggleKeepsAnEditForThePrompt) {
  std::string text;
  for (int i = 0; i < 40; ++i) text += std::string(60, 'x') + "\r\n";
  const fs::path a = Write("a.txt", text);
  Open(a);
  EXPECT_EQ(view.bars, 2);
  Type();
  viewer.mn_WrapClick();
  EXPECT_FALSE(view.wrapChecked);
  EXPECT_EQ(view.bars, 3);
  view.answers = {TipButton::Cancel};
  view.names = {fs::path()};
  view.calls.clear();
  viewer.mn_OpenFileClick();
  EXPECT_TRUE(view.Called("tips 2"));
}

TEST_F(ViewerTest, SaveAsWritesTheBytesAndNamesTheFile) {
  Open(Write("u8.txt", kUtf8WithHangul));
  view.names = {dir_ / "copy.txt"};
  viewer.mn_SaveFileClick();
  EXPECT_EQ(Read(dir_ / "copy.txt"), "\xD6\xD0**\r\n");
  EXPECT_EQ(viewer.CurrentFileName, dir_ / "copy.txt");
  EXPECT_EQ(view.panels[0], L"copy.txt");
  EXPECT_EQ(view.panels[2], L"UTF-8");  // the kind of the file last loaded

  view.names = {dir_ / "no folder" / "x.txt"};
  EXPECT_THROW(viewer.mn_SaveFileClick(), std::runtime_error);
  EXPECT_EQ(viewer.CurrentFileName, dir_ / "copy.txt");
}

TEST_F(ViewerTest, LargeFilesShowTheBusySign) {
  Open(Write("small.txt", std::string(kBusyFileBytes - 1, 'x')));
  EXPECT_FALSE(view.Called("busy"));
  Open(Write("large.txt", std::string(kBusyFileBytes, 'x')));
  EXPECT_TRUE(view.Called("busy"));
}

TEST_F(ViewerTest, CommandLineOpensOnlyAnExistingFile) {
  viewer.Load_Param(dir_ / "missing.txt");
  viewer.Load_Param(dir_);
  EXPECT_TRUE(view.calls.empty());
  viewer.Load_Param(Write("a b.txt", "x"));
  EXPECT_EQ(view.document, "x\r\n");
  EXPECT_EQ(view.panels[0], L"a b.txt");
}

TEST_F(ViewerTest, NotepadGetsAFileItCanSaveOrIsNotStarted) {
  fs::current_path(dir_);
  // No template here: new.txt cannot be made, Notepad does not start.
  EXPECT_THROW(viewer.mn_NewFileClick(), std::runtime_error);
  EXPECT_FALSE(view.Called("run notepad new.txt"));

  fs::create_directory(dir_ / "dll");
  Write("dll/U2A.dll", "\xFF\xFE");
  view.whileRunning = [&] { Write("new.txt", std::string("\xFF\xFE\x2D\x4E", 4)); };  // 中
  view.answers = {TipButton::Ok};
  viewer.mn_NewFileClick();
  EXPECT_EQ(view.calls, (std::vector<std::string>{"tips 1", "run notepad new.txt", "show gb2312"}));
  EXPECT_EQ(view.document, "\xD6\xD0\r\n");
  EXPECT_EQ(view.panels[2], L"Unicode");
  EXPECT_EQ(view.panels[0], L"new.txt");

  view.calls.clear();
  viewer.Tips.ShowInputTip = false;
  viewer.mn_NotepadClick();
  EXPECT_EQ(view.calls, (std::vector<std::string>{"run notepad new.txt", "show gb2312"}));

  Viewer none(view);
  view.calls.clear();
  none.mn_NotepadClick();
  EXPECT_EQ(view.calls, (std::vector<std::string>{"inform"}));
}

TEST_F(ViewerTest, FindAndTheNextUnshownSayWhenThereIsNone) {
  viewer.FindNextClick();  // nothing searched yet: the dialog
  EXPECT_EQ(view.calls, (std::vector<std::string>{"find dialog"}));
  viewer.Find(L"ab", true, false);
  EXPECT_EQ(view.panels[5], L"找不到“ab”");
  view.found = true;
  viewer.FindNextClick();  // the same search again
  EXPECT_EQ(view.calls.back(), "find ab case up");
  EXPECT_EQ(view.panels[5], L"");
  viewer.mn_NextUnshownClick();
  EXPECT_EQ(view.panels[5], L"后面没有无法显示的字符");
}

TEST_F(ViewerTest, DroppedFilesOpenTheFirstAfterThePrompt) {
  const fs::path a = Write("a.txt", "A\r\n");
  Open(a);
  Type();
  view.answers = {TipButton::Cancel};
  view.calls.clear();
  viewer.FilesDropped({Write("b.txt", "B"), Write("c.txt", "C"), Write("d.txt", "D")});
  EXPECT_EQ(view.calls.front(), "tips 2");
  EXPECT_EQ(view.document, "B\r\n");
  EXPECT_EQ(viewer.CurrentFileName, dir_ / "b.txt");
  EXPECT_EQ(view.panels[5], L"另外 2 个文件未打开");
  EXPECT_TRUE(view.previewEnabled);
}

TEST(Tips, EachModeShowsItsTextFlagAndButtons) {
  TipsState s;
  TipsLook look{};
  EXPECT_FALSE(LookOfTips(s, look));  // mode 0 keeps what was shown
  s.TipMode = kInputTip;
  s.ShowInputTip = false;
  ASSERT_TRUE(LookOfTips(s, look));
  EXPECT_EQ(look.text, kInputTipText);
  EXPECT_TRUE(look.ticked);
  EXPECT_FALSE(look.cancelVisible);
  TipsCheckBoxChanged(s, false);
  EXPECT_TRUE(s.ShowInputTip);
  TipsClosed(s, TipButton::Ok);
  EXPECT_FALSE(s.SaveAnswer);  // the input tip answers nothing

  s.TipMode = kSavePrompt;
  ASSERT_TRUE(LookOfTips(s, look));
  EXPECT_TRUE(look.cancelVisible);
  TipsCheckBoxChanged(s, true);
  EXPECT_FALSE(s.ShowSavePrompt);
  TipsClosed(s, TipButton::Ok);
  EXPECT_TRUE(s.SaveAnswer);
  TipsClosed(s, TipButton::None);  // closed without a button
  EXPECT_FALSE(s.SaveAnswer);
}

}  // namespace
}  // namespace vellumo
