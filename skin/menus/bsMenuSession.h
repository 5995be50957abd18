// The skinned popup menu service as state: the open levels, outermost
// first, over an item list the session owns; mouse, keyboard and timer
// ticks in, the windows to open and close and the messages and commands to
// send, in order, out. Portable; the Win32 half makes one window per level
// and carries the effects out as they come.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "skin/menus/bsPopupLevel.h"

namespace bs {

// Messages to the control that opened the menu (and the frame's form).
constexpr unsigned kMenuClosedMessage = kWmUser + 204;   // 1228
constexpr unsigned kCommandDoneMessage = kWmUser + 205;  // 1229

struct MenuEffect {
  enum Kind {
    OpenLevel,     // level: make its window at levelOrigin
    CloseLevel,    // level: free its window (the innermost first)
    Repaint,       // level
    SendClosedToControl,
    SendClosedToForm,
    RunCommand,    // command, name: copied from the chosen item
    SendDoneToControl,
  };
  Kind kind;
  int level = -1;
  int command = 0;
  std::string name;
};

enum class MenuKey { Down, Up, Left, Right, Escape, Enter };

class MenuSession {
 public:
  static constexpr int kWaitInterval = 500;    // ms before a sub-menu opens
  static constexpr int kScrollInterval = 100;  // ms per scrolling step

  // textWidth measures MeasuredText(item) in the level's font.
  MenuSession(std::function<int(const MenuItem&)> textWidth, std::optional<PopupSkin> skin,
              PopupMetrics metrics);

  // Closes any open levels and opens the first level of items at the
  // screen point, kept in workArea; hasPopupControl: an opening control is
  // to be told of the closing and of the command.
  std::vector<MenuEffect> Open(std::vector<MenuItem> items, Point at, const Rect& workArea,
                               bool hasPopupControl);
  // The mouse timer's look at a point of a level (level coordinates).
  std::vector<MenuEffect> MouseAt(int level, Point p);
  std::vector<MenuEffect> MouseLeft(int level);
  std::vector<MenuEffect> MouseUp(int level, Point p);
  // Keys go to the innermost level.
  std::vector<MenuEffect> Key(MenuKey key);
  std::vector<MenuEffect> Char(char ch);
  // Time passing for the wait and scroll timers.
  std::vector<MenuEffect> Tick(int ms);
  // Closes the whole menu (a click elsewhere, the owner going away).
  std::vector<MenuEffect> CloseAll();

  bool Visible() const { return visible_; }
  int LevelCount() const { return static_cast<int>(levels_.size()); }
  const PopupLevel& Level(int i) const { return levels_[i]; }
  // Where a level's window lies on the screen.
  Rect LevelRect(int i) const { return rects_[i]; }
  bool Skinned() const { return skin_.has_value(); }

 private:
  // The items a level at path shows, from the owned list.
  const std::vector<MenuItem>& ListAt(const std::vector<int>& path) const;
  // Opens the level of the list at path: at the point for the first level,
  // beside parentItem (screen) for a sub-menu.
  void OpenLevel(std::vector<int> path, Point at, const Rect* parentItem,
                 std::vector<MenuEffect>& out);
  void CloseFrom(int level, std::vector<MenuEffect>& out);
  void CloseMenu(bool chosen, std::vector<MenuEffect>& out);
  void HighlightItem(int level, int item, std::vector<MenuEffect>& out);
  void OpenSubMenu(int level, int item, std::vector<MenuEffect>& out);
  void Choose(int level, int item, std::vector<MenuEffect>& out);
  // Enter or a release on item: choose it, or open its sub-menu.
  void Activate(int level, int item, std::vector<MenuEffect>& out);

  std::function<int(const MenuItem&)> textWidth_;
  std::optional<PopupSkin> skin_;
  PopupMetrics metrics_;
  std::vector<MenuItem> items_;
  std::vector<PopupLevel> levels_;
  std::vector<std::vector<int>> paths_;  // per level: the item indexes leading to its list
  std::vector<std::vector<int>> shown_;  // per level: list index of each level item
  std::vector<Rect> rects_;
  Rect workArea_;
  bool visible_ = false;
  bool hasPopupControl_ = false;
  int waitRemaining_ = -1;
  int waitLevel_ = -1, waitItem_ = -1;
};

}  // namespace bs
