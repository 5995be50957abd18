// The skinned frame's border icons, system menu items and button hints as data (GBK texts).
#pragma once

#include <string>
#include <vector>

#include "skin/data/bsSkinData.h"
#include "skin/frame/bsFrameState.h"

namespace bs {

// The bits of a TbsBorderIcons set.
enum TbsBorderIcon : unsigned {
  biSystemMenu = 1,
  biMinimize = 2,
  biMaximize = 4,
  biRollUp = 8,
  biMinimizeToTray = 16,
};
using TbsBorderIcons = unsigned;
constexpr TbsBorderIcons kDefaultBorderIcons = biSystemMenu | biMinimize | biMaximize | biRollUp;

// The border icon a caption button's command needs to keep working; 0 for
// cmclose (always) and cmdefault (decided by its handler).
unsigned BorderIconOf(TbsStdCommand command);

enum class SysMenuItem {
  BSF_MINITEM,
  BSF_MAXITEM,
  BSF_RESTORE,
  BSF_ROLLUP,
  BSF_MINTOTRAY,
  Separator,
  BSF_CLOSE,
};

struct SysMenuEntry {
  SysMenuItem item;
  std::string caption;  // empty for the separator
};

// What the system menu depends on.
struct SysMenuState {
  TbsWindowState windowState = TbsWindowState::wsNormal;
  bool rolledUp = false;
  bool maximizedMdiChild = false;
  TbsBorderIcons borderIcons = kDefaultBorderIcons;
};

// The system menu as it opens in state: its items in order, with captions
// from strings when the skin has resource strings, else the program's own.
std::vector<SysMenuEntry> BuildSystemMenu(const SysMenuState& state,
                                          const TbsResourceStrData* strings);
std::string SysMenuCaption(SysMenuItem item, const TbsResourceStrData* strings);

// The default hint of a caption button by its command (empty for cmdefault),
// from strings when given, else the program's own.
std::string DefaultObjectHint(TbsStdCommand command, const TbsResourceStrData* strings);

}  // namespace bs
