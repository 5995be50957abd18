// The skinned frame's system menu items, captions and button hints.
#include "skin/frame/bsSystemMenu.h"

namespace bs {

namespace {

struct Text {
  const char* resName;
  const char* own;  // GBK
};

Text CaptionText(SysMenuItem item) {
  switch (item) {
    case SysMenuItem::BSF_MINITEM: return {"MI_MINCAPTION", "\xD7\xEE\xD0\xA1\xBB\xAF(&N)"};
    case SysMenuItem::BSF_MAXITEM: return {"MI_MAXCAPTION", "\xD7\xEE\xB4\xF3\xBB\xAF(&X)"};
    case SysMenuItem::BSF_RESTORE: return {"MI_RESTORECAPTION", "\xBB\xD6\xB8\xB4(&R)"};
    case SysMenuItem::BSF_ROLLUP: return {"MI_ROLLUPCAPTION", "\xBE\xED\xC6\xF0(&L)"};
    case SysMenuItem::BSF_MINTOTRAY:
      return {"MI_MINTOTRAYCAPTION",
              "\xD7\xEE\xD0\xA1\xBB\xAF\xB5\xBD\xCF\xB5\xCD\xB3\xCD\xD0\xC5\xCC\xC7\xF8(&T)"};
    case SysMenuItem::BSF_CLOSE: return {"MI_CLOSECAPTION", "\xB9\xD8\xB1\xD5(&C)"};
    case SysMenuItem::Separator: break;
  }
  return {nullptr, ""};
}

std::string Lookup(const Text& t, const TbsResourceStrData* strings) {
  if (t.resName == nullptr) return std::string();
  return strings != nullptr ? strings->GetResStr(t.resName) : std::string(t.own);
}

}  // namespace

unsigned BorderIconOf(TbsStdCommand command) {
  switch (command) {
    case TbsStdCommand::cmMaximize: return biMaximize;
    case TbsStdCommand::cmMinimize: return biMinimize;
    case TbsStdCommand::cmSysMenu: return biSystemMenu;
    case TbsStdCommand::cmRollUp: return biRollUp;
    case TbsStdCommand::cmMinimizeToTray: return biMinimizeToTray;
    case TbsStdCommand::cmClose:
    case TbsStdCommand::cmDefault: break;
  }
  return 0;
}

std::string SysMenuCaption(SysMenuItem item, const TbsResourceStrData* strings) {
  return Lookup(CaptionText(item), strings);
}

std::vector<SysMenuEntry> BuildSystemMenu(const SysMenuState& s,
                                          const TbsResourceStrData* strings) {
  const bool minimized = s.windowState == TbsWindowState::wsMinimized;
  const bool maximized = s.windowState == TbsWindowState::wsMaximized;
  std::vector<SysMenuItem> items;
  if (!minimized && (s.borderIcons & biMinimize)) items.push_back(SysMenuItem::BSF_MINITEM);
  if (!maximized && (s.borderIcons & biMaximize)) items.push_back(SysMenuItem::BSF_MAXITEM);
  if (minimized || maximized || s.rolledUp) items.push_back(SysMenuItem::BSF_RESTORE);
  if ((s.borderIcons & biRollUp) && !s.rolledUp && !minimized && !s.maximizedMdiChild)
    items.push_back(SysMenuItem::BSF_ROLLUP);
  if (s.borderIcons & biMinimizeToTray) items.push_back(SysMenuItem::BSF_MINTOTRAY);
  if (!items.empty()) items.push_back(SysMenuItem::Separator);
  items.push_back(SysMenuItem::BSF_CLOSE);

  std::vector<SysMenuEntry> menu;
  for (SysMenuItem item : items) menu.push_back(SysMenuEntry{item, SysMenuCaption(item, strings)});
  return menu;
}

std::string DefaultObjectHint(TbsStdCommand command, const TbsResourceStrData* strings) {
  Text t{nullptr, ""};
  switch (command) {
    case TbsStdCommand::cmClose: t = {"CLOSEBUTTON_HINT", "\xB9\xD8\xB1\xD5"}; break;
    case TbsStdCommand::cmMaximize: t = {"MAXBUTTON_HINT", "\xD7\xEE\xB4\xF3\xBB\xAF"}; break;
    case TbsStdCommand::cmMinimize: t = {"MINBUTTON_HINT", "\xD7\xEE\xD0\xA1\xBB\xAF"}; break;
    case TbsStdCommand::cmSysMenu: t = {"MENUBUTTON_HINT", "\xCF\xB5\xCD\xB3\xB2\xCB\xB5\xA5"}; break;
    case TbsStdCommand::cmRollUp: t = {"ROLLUPBUTTON_HINT", "\xBE\xED\xC6\xF0"}; break;
    case TbsStdCommand::cmMinimizeToTray:
      t = {"TRAYBUTTON_HINT", "\xD7\xEE\xD0\xA1\xBB\xAF\xB5\xBD\xCF\xB5\xCD\xB3\xCD\xD0\xC5\xCC\xC7\xF8"};
      break;
    case TbsStdCommand::cmDefault: break;
  }
  return Lookup(t, strings);
}

}  // namespace bs
