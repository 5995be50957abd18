#include "skin/controls/bsEditLook.h"

#include <gtest/gtest.h>

#include "control_test_support.h"
#include "skin/controls/bsEditPicture.h"

namespace bs {
namespace {

const SystemColors kColours;

struct SkinnedEdit : ::testing::Test {
  ControlSection s = LookUpSection(&AboutSkin(), "edit");
  EditState e;
  SkinnedEdit() { e.size = Size{569, 21}; }
};

TEST_F(SkinnedEdit, HeightTextAreaAndActiveFrame) {
  EXPECT_EQ(EditHeight(s, e, 23), 21);
  EXPECT_EQ(EditTextAreaRect(s, e), (Rect{3, 3, 566, 18}));
  e.useSkinFont = false;
  e.cellHeight = 16;
  EXPECT_EQ(EditHeight(s, e, 23), 16 + 21 - 15);

  e.useSkinFont = true;
  const Picture normal = EditPicture(s, e, kColours);
  EXPECT_TRUE(SamePixels(normal, BuildEditPicture(*s.picture, s.geometry, s.geometry.skinRect,
                                                  569)));
  e.mouseOver = true;
  const Picture hover = EditPicture(s, e, kColours);
  EXPECT_TRUE(SamePixels(hover, BuildEditPicture(*s.picture, s.geometry,
                                                 Rect{225, 121, 282, 142}, 569)));
  e.mouseOver = false;
  e.focused = true;
  EXPECT_TRUE(SamePixels(EditPicture(s, e, kColours), hover));
}

TEST_F(SkinnedEdit, FontColourByState) {
  const auto* d = s.As<TbsDataSkinEditControl>();
  ASSERT_NE(d, nullptr);
  EXPECT_EQ(EditFontColour(s, e, 0, kColours), PixelOf(d->fontcolor));
  e.mouseOver = true;
  EXPECT_EQ(EditFontColour(s, e, 0, kColours), PixelOf(d->activefontcolor));
  e.enabled = false;
  EXPECT_EQ(EditFontColour(s, e, 0, kColours), PixelOf(d->disabledfontcolor));
  // Without a section: the mouse changes nothing, disabled is grey.
  EXPECT_EQ(EditFontColour(ControlSection{}, e, Rgb(1, 1, 1), kColours), kColours.grayText);
  e.enabled = true;
  EXPECT_EQ(EditFontColour(ControlSection{}, e, Rgb(1, 1, 1), kColours), Rgb(1, 1, 1));
}

TEST(Edit, PlainLookAndHeight) {
  EditState e;
  e.size = Size{100, 20};
  e.cellHeight = 16;
  e.useSkinFont = false;
  EXPECT_EQ(EditHeight(ControlSection{}, e, 30), 20);
  e.useSkinFont = true;
  EXPECT_EQ(EditHeight(ControlSection{}, e, 30), 30);
  EXPECT_EQ(EditTextAreaRect(ControlSection{}, e), (Rect{2, 2, 98, 18}));
  const Picture p = EditPicture(ControlSection{}, e, kColours);
  EXPECT_EQ(p.At(0, 0), kColours.btnShadow);
  EXPECT_EQ(p.At(1, 1), kColours.btnFace);
  EXPECT_EQ(p.At(2, 2), kColours.window);
}

TEST(Edit, KeysAndReadOnly) {
  EXPECT_FALSE(EditInsertsChar(13, false));
  EXPECT_FALSE(EditInsertsChar(27, false));
  EXPECT_TRUE(EditInsertsChar('a', false));
  EXPECT_FALSE(EditInsertsChar('a', true));
  for (EditOperation op : {EditOperation::Cut, EditOperation::Paste, EditOperation::Clear,
                           EditOperation::Undo, EditOperation::DeleteKey}) {
    EXPECT_TRUE(EditAllows(op, false));
    EXPECT_FALSE(EditAllows(op, true));
  }
  EXPECT_TRUE(EditAllows(EditOperation::Copy, true));
  EXPECT_TRUE(EditAllows(EditOperation::SelectAll, true));
}

std::vector<bool> Enabled(const std::vector<MenuItem>& items) {
  std::vector<bool> out;
  for (const MenuItem& m : items)
    if (!m.IsSeparator()) out.push_back(m.enabled);
  return out;
}

TEST(EditContextMenu, ItemsAndEnabling) {
  // An empty edit, an empty clipboard, nothing to undo: all six disabled.
  std::vector<MenuItem> menu = EditContextMenu(EditMenuStateOf(0, 0, 0, false, false, false),
                                               nullptr);
  ASSERT_EQ(menu.size(), 8u);
  EXPECT_TRUE(menu[1].IsSeparator());
  EXPECT_TRUE(menu[6].IsSeparator());
  EXPECT_EQ(Enabled(menu), std::vector<bool>(6, false));
  EXPECT_EQ(menu[0].caption, "\xB3\xB7\xCF\xFA");
  EXPECT_EQ(menu[7].caption, "\xC8\xAB\xB2\xBF\xD1\xA1\xD4\xF1");
  EXPECT_EQ(menu[4].command, kEditPaste);

  // Some text selected, text on the clipboard, undo possible.
  menu = EditContextMenu(EditMenuStateOf(10, 2, 3, true, true, false), nullptr);
  EXPECT_EQ(Enabled(menu), std::vector<bool>(6, true));
  // All selected: select-all disabled; read-only: only copy and select-all.
  EXPECT_FALSE(EditContextMenu(EditMenuStateOf(10, 0, 10, true, true, false), nullptr)[7].enabled);
  menu = EditContextMenu(EditMenuStateOf(10, 2, 3, true, true, true), nullptr);
  EXPECT_EQ(Enabled(menu), (std::vector<bool>{true, false, true, false, false, true}));

  TbsResourceStrData strings;
  strings.ResStrings = {"EDIT_COPY=Copy"};
  menu = EditContextMenu(EditMenuStateOf(0, 0, 0, false, false, false), &strings);
  EXPECT_EQ(menu[3].caption, "Copy");
  EXPECT_EQ(menu[2].caption, "\xBC\xF4\xC7\xD0");
}

}  // namespace
}  // namespace bs
