// The table of display code pages: each row as the menu, the loader, the
// status bar and the font read it, and the Tags that select the rows.
#include <gtest/gtest.h>

#include <set>

#include "app/displaycodepage.h"
#include "app/menuids.h"

namespace vellumo {
namespace {

const CodeType kAll[] = {CodeType::Gb2312, CodeType::Korean, CodeType::Japanese, CodeType::Big5};

TEST(DisplayCodePages, TagsSelectTheirCodeType) {
  // The menu's order and Tags differ from the numbering of CodeType.
  EXPECT_EQ(CodeTypeOfTag(1), CodeType::Gb2312);
  EXPECT_EQ(CodeTypeOfTag(2), CodeType::Big5);
  EXPECT_EQ(CodeTypeOfTag(3), CodeType::Korean);
  EXPECT_EQ(CodeTypeOfTag(4), CodeType::Japanese);
  EXPECT_EQ(CodeTypeOfTag(0), CodeType::Gb2312);
  EXPECT_EQ(CodeTypeOfTag(5), CodeType::Gb2312);
  std::set<unsigned> menuIds;
  for (CodeType c : kAll) {
    EXPECT_EQ(CodeTypeOfTag(DisplayCodePageOf(c).tag), c);
    menuIds.insert(DisplayCodePageOf(c).menuId);
  }
  EXPECT_EQ(menuIds, (std::set<unsigned>{kMenuGb2312, kMenuKorean, kMenuJapanese, kMenuBig5}));
  EXPECT_EQ(static_cast<int>(CodeType::Big5), 3);
}

TEST(DisplayCodePages, EachRowBelongsToOneCodePage) {
  struct Row {
    CodeType type;
    unsigned menuId, windowsCodePage, charset;
    const wchar_t *font, *panel;
  };
  const Row rows[] = {
      {CodeType::Gb2312, kMenuGb2312, 936, 134, L"宋体", L"中文简体[GB2312]"},
      {CodeType::Korean, kMenuKorean, 949, 129, L"GulimChe", L"韩文[KOREAN]"},
      {CodeType::Japanese, kMenuJapanese, 932, 128, L"MS PMincho", L"日文[JIS]"},
      {CodeType::Big5, kMenuBig5, 950, 136, L"MingLiU", L"中文繁体[BIG5]"},
  };
  for (const Row& r : rows) {
    const DisplayCodePage& page = DisplayCodePageOf(r.type);
    EXPECT_EQ(page.menuId, r.menuId);
    EXPECT_EQ(page.windowsCodePage, r.windowsCodePage);
    EXPECT_EQ(page.charset, r.charset);
    EXPECT_STREQ(page.fontName, r.font);
    EXPECT_STREQ(page.panelText, r.panel);
  }
}

TEST(DisplayCodePages, ShortNames) {
  CodeType c = CodeType::Gb2312;
  for (CodeType want : kAll) {
    ASSERT_TRUE(CodeTypeOfName(DisplayCodePageOf(want).name, c));
    EXPECT_EQ(c, want);
  }
  EXPECT_TRUE(CodeTypeOfName("big5", c));
  EXPECT_EQ(c, CodeType::Big5);
  EXPECT_FALSE(CodeTypeOfName("BIG5", c));
  EXPECT_FALSE(CodeTypeOfName("latin1", c));
  EXPECT_EQ(c, CodeType::Big5);  // untouched
}

}  // namespace
}  // namespace vellumo
