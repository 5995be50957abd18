#include "skin/menus/bsPopupLevel.h"

namespace bs {

PopupLevel::PopupLevel(std::vector<const MenuItem*> items, LevelLayout layout)
    : items_(std::move(items)), layout_(std::move(layout)), places_(PlaceItems(layout_, 0)) {}

bool PopupLevel::SetHighlight(int i) {
  if (i >= Count() || (i >= 0 && !Item(i).Selectable())) return false;
  highlight_ = i;
  return true;
}

int PopupLevel::NextSelectable(int from, int dir) const {
  const int n = Count();
  if (n == 0) return -1;
  int i = from < 0 ? (dir > 0 ? n - 1 : 0) : from;
  for (int step = 0; step < n; ++step) {
    i = (i + dir + n) % n;
    if (Item(i).Selectable()) return i;
  }
  return -1;
}

void PopupLevel::MoveHighlight(int dir) {
  const int next = NextSelectable(highlight_, dir);
  SetHighlight(next);
  KeepInView(next);
}

void PopupLevel::KeepInView(int i) {
  if (i < 0 || i >= Count()) return;
  if (i < first_) {
    SetFirstVisible(i);
    return;
  }
  if (places_.visible[i]) return;
  // The items from first to i must fit between the items area's ends.
  const int margin = layout_.scrolls ? kScrollMarkerHeight : 0;
  const int room = layout_.itemsRect.Height() - 2 * margin;
  int first = i;
  int used = layout_.itemHeights[i];
  while (first > 0 && used + layout_.itemHeights[first - 1] <= room) {
    --first;
    used += layout_.itemHeights[first];
  }
  SetFirstVisible(first);
}

int PopupLevel::ItemAt(Point p) const {
  for (int i = 0; i < Count(); ++i)
    if (places_.visible[i] && Contains(places_.rects[i], p)) return i;
  return -1;
}

int PopupLevel::AcceleratorItem(char ch) const {
  if (ch >= 'A' && ch <= 'Z') ch = static_cast<char>(ch - 'A' + 'a');
  for (int i = 0; i < Count(); ++i)
    if (Item(i).Selectable() && AcceleratorOf(Item(i).caption) == ch) return i;
  return -1;
}

bool PopupLevel::CanScroll(int dir) const {
  if (!layout_.scrolls || Count() == 0) return false;
  if (dir < 0) return first_ > 0;
  return !places_.visible[Count() - 1] && first_ < Count() - 1;
}

bool PopupLevel::ScrollStep(int dir) {
  if (!CanScroll(dir)) return false;
  SetFirstVisible(first_ + (dir < 0 ? -1 : 1));
  return true;
}

void PopupLevel::SetFirstVisible(int first) {
  first_ = first;
  places_ = PlaceItems(layout_, first_);
}

}  // namespace bs
