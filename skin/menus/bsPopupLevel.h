// One open level of a skinned popup menu as state: its items, layout,
// highlighted item, first visible item and scrolling; the keyboard's
// highlight moves and the mouse's item under a point. Portable.
#pragma once

#include <vector>

#include "skin/menus/bsPopupLayout.h"

namespace bs {

class PopupLevel {
 public:
  // items point into a list their owner keeps alive while the level lives.
  PopupLevel(std::vector<const MenuItem*> items, LevelLayout layout);

  int Count() const { return static_cast<int>(items_.size()); }
  const MenuItem& Item(int i) const { return *items_[i]; }
  const LevelLayout& Layout() const { return layout_; }
  const ItemPlaces& Places() const { return places_; }

  int Highlight() const { return highlight_; }
  // -1 clears the highlight; an item that cannot be highlighted is refused.
  bool SetHighlight(int i);
  // The next (dir +1) or previous (dir -1) item that is enabled and not a
  // separator, round the level, searched for one round at most; -1 when
  // there is none. from -1 starts at the first (or last) item.
  int NextSelectable(int from, int dir) const;
  // Down and Up: moves the highlight to NextSelectable and scrolls it into
  // view; with none selectable the highlight is cleared.
  void MoveHighlight(int dir);
  // Scrolls the least so that item i is visible; an item no first visible
  // item can show becomes the first visible one.
  void KeepInView(int i);

  // The visible item under a level point, or -1.
  int ItemAt(Point p) const;
  // The first selectable item whose accelerator is ch, or -1.
  int AcceleratorItem(char ch) const;

  // Whether there is more to show upwards (dir -1) or downwards (+1).
  bool CanScroll(int dir) const;
  // Moves the first visible item by one; false when there was nothing more.
  bool ScrollStep(int dir);
  void SetFirstVisible(int first);

  // The item whose sub-menu is open here, or -1.
  int subMenuOpen = -1;
  // While the mouse rests on a scroll marker: its direction, else 0; and
  // the time since the last step.
  int scrollDir = 0;
  int scrollElapsed = 0;

 private:
  std::vector<const MenuItem*> items_;
  LevelLayout layout_;
  ItemPlaces places_;
  int highlight_ = -1;
  int first_ = 0;
};

}  // namespace bs
