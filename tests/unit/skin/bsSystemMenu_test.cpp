#include "skin/frame/bsSystemMenu.h"

#include <gtest/gtest.h>
#include <iconv.h>

namespace bs {
namespace {

// UTF-8 to GBK through the C library, to check the program's own texts.
std::string Gbk(const std::string& utf8) {
  iconv_t cd = iconv_open("GBK", "UTF-8");
  std::string in = utf8, out(utf8.size() * 2, '\0');
  char* src = in.data();
  char* dst = out.data();
  std::size_t inLeft = in.size(), outLeft = out.size();
  iconv(cd, &src, &inLeft, &dst, &outLeft);
  iconv_close(cd);
  out.resize(out.size() - outLeft);
  return out;
}

std::vector<SysMenuItem> Items(const SysMenuState& s) {
  std::vector<SysMenuItem> items;
  for (const SysMenuEntry& e : BuildSystemMenu(s, nullptr)) items.push_back(e.item);
  return items;
}

using I = SysMenuItem;

TEST(SystemMenu, ItemsFollowStateAndIcons) {
  SysMenuState s;
  s.borderIcons = biSystemMenu | biMinimize | biMaximize;  // the About window's
  EXPECT_EQ(Items(s), (std::vector<I>{I::BSF_MINITEM, I::BSF_MAXITEM, I::Separator, I::BSF_CLOSE}));
  s.windowState = TbsWindowState::wsMaximized;
  EXPECT_EQ(Items(s), (std::vector<I>{I::BSF_MINITEM, I::BSF_RESTORE, I::Separator, I::BSF_CLOSE}));
  s.windowState = TbsWindowState::wsMinimized;
  EXPECT_EQ(Items(s), (std::vector<I>{I::BSF_MAXITEM, I::BSF_RESTORE, I::Separator, I::BSF_CLOSE}));

  SysMenuState all;
  all.borderIcons = kDefaultBorderIcons | biMinimizeToTray;
  EXPECT_EQ(Items(all), (std::vector<I>{I::BSF_MINITEM, I::BSF_MAXITEM, I::BSF_ROLLUP,
                                        I::BSF_MINTOTRAY, I::Separator, I::BSF_CLOSE}));
  all.rolledUp = true;
  EXPECT_EQ(Items(all), (std::vector<I>{I::BSF_MINITEM, I::BSF_MAXITEM, I::BSF_RESTORE,
                                        I::BSF_MINTOTRAY, I::Separator, I::BSF_CLOSE}));
  all.rolledUp = false;
  all.maximizedMdiChild = true;
  all.windowState = TbsWindowState::wsMaximized;
  EXPECT_EQ(Items(all), (std::vector<I>{I::BSF_MINITEM, I::BSF_RESTORE, I::BSF_MINTOTRAY,
                                        I::Separator, I::BSF_CLOSE}));
  // Nothing before close: no separator.
  SysMenuState bare;
  bare.borderIcons = biSystemMenu;
  EXPECT_EQ(Items(bare), (std::vector<I>{I::BSF_CLOSE}));
}

TEST(SystemMenu, ProgramTextsAreTheGbkStrings) {
  SysMenuState s;
  s.borderIcons = biSystemMenu | biMinimize | biMaximize;
  const auto menu = BuildSystemMenu(s, nullptr);
  ASSERT_EQ(menu.size(), 4u);
  EXPECT_EQ(menu[0].caption, Gbk("最小化(&N)"));
  EXPECT_EQ(menu[1].caption, Gbk("最大化(&X)"));
  EXPECT_EQ(menu[2].caption, "");
  EXPECT_EQ(menu[3].caption, Gbk("关闭(&C)"));
  EXPECT_EQ(SysMenuCaption(I::BSF_RESTORE, nullptr), Gbk("恢复(&R)"));
  EXPECT_EQ(SysMenuCaption(I::BSF_ROLLUP, nullptr), Gbk("卷起(&L)"));
  EXPECT_EQ(SysMenuCaption(I::BSF_MINTOTRAY, nullptr), Gbk("最小化到系统托盘区(&T)"));

  EXPECT_EQ(DefaultObjectHint(TbsStdCommand::cmClose, nullptr), Gbk("关闭"));
  EXPECT_EQ(DefaultObjectHint(TbsStdCommand::cmMaximize, nullptr), Gbk("最大化"));
  EXPECT_EQ(DefaultObjectHint(TbsStdCommand::cmMinimize, nullptr), Gbk("最小化"));
  EXPECT_EQ(DefaultObjectHint(TbsStdCommand::cmSysMenu, nullptr), Gbk("系统菜单"));
  EXPECT_EQ(DefaultObjectHint(TbsStdCommand::cmRollUp, nullptr), Gbk("卷起"));
  EXPECT_EQ(DefaultObjectHint(TbsStdCommand::cmMinimizeToTray, nullptr), Gbk("最小化到系统托盘区"));
  EXPECT_EQ(DefaultObjectHint(TbsStdCommand::cmDefault, nullptr), "");
}

TEST(SystemMenu, ResourceStringsReplaceTheProgramTexts) {
  TbsResourceStrData strings;
  strings.ResStrings = {"MI_MINCAPTION=Minimize", "mi_closecaption=Close", "CLOSEBUTTON_HINT=Shut"};
  EXPECT_EQ(SysMenuCaption(I::BSF_MINITEM, &strings), "Minimize");
  EXPECT_EQ(SysMenuCaption(I::BSF_CLOSE, &strings), "Close");
  EXPECT_EQ(SysMenuCaption(I::BSF_MAXITEM, &strings), "");  // absent from the skin's strings
  EXPECT_EQ(DefaultObjectHint(TbsStdCommand::cmClose, &strings), "Shut");
}

TEST(SystemMenu, BorderIconOfEachCommand) {
  EXPECT_EQ(BorderIconOf(TbsStdCommand::cmMaximize), biMaximize);
  EXPECT_EQ(BorderIconOf(TbsStdCommand::cmMinimize), biMinimize);
  EXPECT_EQ(BorderIconOf(TbsStdCommand::cmSysMenu), biSystemMenu);
  EXPECT_EQ(BorderIconOf(TbsStdCommand::cmRollUp), biRollUp);
  EXPECT_EQ(BorderIconOf(TbsStdCommand::cmMinimizeToTray), biMinimizeToTray);
  EXPECT_EQ(BorderIconOf(TbsStdCommand::cmClose), 0u);
}

}  // namespace
}  // namespace bs
