// The items of a skinned popup menu as plain data: what a menu service
// opens, what the edit and the frame build. Portable.
#pragma once

#include <string>
#include <vector>

namespace bs {

struct MenuItem {
  std::string caption;  // "-" makes a separator
  bool enabled = true;
  bool visible = true;
  bool checked = false;
  bool radioItem = false;
  std::string shortcut;  // the shortcut's text; empty for none
  int imageIndex = -1;
  std::string name;  // system-menu items: "BSF_CLOSE" and the like
  int command = 0;   // what choosing it runs, as its owner numbers it
  std::vector<MenuItem> items;  // sub-items

  bool IsSeparator() const { return caption == "-"; }
  // Can be highlighted and chosen.
  bool Selectable() const { return enabled && !IsSeparator(); }
};

inline MenuItem Separator() {
  MenuItem m;
  m.caption = "-";
  return m;
}

// The accelerator of a caption: the character after a single "&", folded to
// lower case for ASCII letters; 0 when there is none ("&&" is a literal "&").
char AcceleratorOf(const std::string& caption);

// The text measured for an item's width: the caption, then two spaces and
// the shortcut when it has one.
std::string MeasuredText(const MenuItem& item);

}  // namespace bs
