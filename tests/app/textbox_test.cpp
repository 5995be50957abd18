// The text box in process under Wine: the bytes it is given come back exactly,
// it answers a screen reader as editable text whose value is its text, and the
// walk to the "**" conversion made goes by pairs within a run.
#include <windows.h>
#include <oleacc.h>

#include <gtest/gtest.h>

#include <Scintilla.h>

#include "about/comobject.h"
#include "app/textbox.h"
#include "win32/window.h"

namespace vellumo {
namespace {

class Parent : public Window {
 public:
  bool Create() {
    const WindowClass cls = {L"TextBoxTestParent", GetModuleHandleW(nullptr)};
    return CreateHandle(cls, 0, L"parent", WS_OVERLAPPEDWINDOW, 0, 0, 420, 300, nullptr, nullptr);
  }
};

class TextBoxTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));  // the program's OleSession does this
    ASSERT_TRUE(parent.Create());
    ASSERT_TRUE(box.Create(GetModuleHandleW(nullptr), parent.Handle(), 1, RECT{0, 0, 420, 271}));
  }
  void Show(const std::string& bytes, CodeType page = CodeType::Gb2312) {
    auto document = box.NewDocument(bytes.size());
    document->Append(bytes.data(), bytes.size());
    box.Show(std::move(document), page);
  }
  void TearDown() override { OleUninitialize(); }
  Parent parent;
  TextBox box;
};

TEST_F(TextBoxTest, HoldsEveryByteItIsGiven) {
  std::string bytes;
  for (int b = 0; b < 256; ++b) bytes += static_cast<char>(b);
  for (CodeType page : {CodeType::Gb2312, CodeType::Korean, CodeType::Japanese, CodeType::Big5}) {
    Show(bytes + "\x81", page);
    EXPECT_EQ(box.Bytes(), bytes + "\x81");
    EXPECT_EQ(box.Call(SCI_GETCODEPAGE), static_cast<std::intptr_t>(DisplayCodePageOf(page).windowsCodePage));
    EXPECT_FALSE(box.Call(SCI_CANUNDO));
  }
}

TEST_F(TextBoxTest, AnswersAScreenReaderAsEditableText) {
  Show("\xD6\xD0\xCE\xC4 ab\r\n");
  ComPtr<IAccessible> acc;
  ASSERT_EQ(AccessibleObjectFromWindow(box.Handle(), OBJID_CLIENT, __uuidof(IAccessible), acc.PutVoid()),
            S_OK);
  VARIANT self;
  VariantInit(&self);
  self.vt = VT_I4;
  self.lVal = CHILDID_SELF;
  VARIANT role;
  ASSERT_EQ(acc->get_accRole(self, &role), S_OK);
  EXPECT_EQ(role.lVal, ROLE_SYSTEM_TEXT);
  Bstr value;
  ASSERT_EQ(acc->get_accValue(self, value.out()), S_OK);
  EXPECT_EQ(value.str(), L"中文 ab\r\n");
  Bstr name;
  acc->get_accName(self, name.out());
  EXPECT_EQ(name.str(), L"");  // not the whole text, as a plain window would say
  VARIANT state;
  ASSERT_EQ(acc->get_accState(self, &state), S_OK);
  EXPECT_TRUE(state.lVal & STATE_SYSTEM_FOCUSABLE);
}

TEST_F(TextBoxTest, NextUnshownGoesByPairsThenToTheNextRun) {
  Show("**a****b**\r\n");  // conversion made the first pair and the run of two
  box.MarkUnshown({{0, 1}, {3, 2}});
  box.Call(SCI_GOTOPOS, 0);
  std::vector<std::pair<std::intptr_t, std::intptr_t>> seen;
  while (box.SelectNextUnshown())
    seen.emplace_back(box.Call(SCI_GETSELECTIONSTART), box.Call(SCI_GETSELECTIONEND));
  EXPECT_EQ(seen, (std::vector<std::pair<std::intptr_t, std::intptr_t>>{{0, 2}, {3, 5}, {5, 7}}));
}

}  // namespace
}  // namespace vellumo
