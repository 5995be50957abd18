#include "skin/menus/bsMenuSession.h"

namespace bs {

namespace {

MenuEffect Effect(MenuEffect::Kind kind, int level = -1) {
  MenuEffect e{kind};
  e.level = level;
  return e;
}

}  // namespace

MenuSession::MenuSession(std::function<int(const MenuItem&)> textWidth,
                         std::optional<PopupSkin> skin, PopupMetrics metrics)
    : textWidth_(std::move(textWidth)), skin_(std::move(skin)), metrics_(metrics) {}

const std::vector<MenuItem>& MenuSession::ListAt(const std::vector<int>& path) const {
  const std::vector<MenuItem>* list = &items_;
  for (int i : path) list = &(*list)[i].items;
  return *list;
}

std::vector<MenuEffect> MenuSession::Open(std::vector<MenuItem> items, Point at,
                                          const Rect& workArea, bool hasPopupControl) {
  std::vector<MenuEffect> out;
  waitRemaining_ = -1;
  CloseFrom(0, out);
  items_ = std::move(items);
  workArea_ = workArea;
  metrics_.workAreaHeight = workArea.Height();
  hasPopupControl_ = hasPopupControl;
  visible_ = false;
  if (!items_.empty()) {
    visible_ = true;
    OpenLevel({}, at, nullptr, out);
  }
  return out;
}

void MenuSession::OpenLevel(std::vector<int> path, Point at, const Rect* parentItem,
                            std::vector<MenuEffect>& out) {
  const std::vector<MenuItem>& list = ListAt(path);
  std::vector<const MenuItem*> items;
  std::vector<int> shown;
  for (int i = 0; i < static_cast<int>(list.size()); ++i) {
    if (!list[i].visible) continue;
    items.push_back(&list[i]);
    shown.push_back(i);
  }
  LevelLayout layout = LayOutLevel(items, textWidth_, skin_ ? &*skin_ : nullptr, metrics_);
  const Size size{layout.width, layout.height};
  const Point origin = parentItem ? PlaceSubLevel(size, *parentItem, workArea_)
                                  : PlaceLevel(size, at, workArea_);
  PopupLevel level(std::move(items), std::move(layout));
  const int first = level.NextSelectable(-1, 1);
  level.SetHighlight(first);
  level.KeepInView(first);
  levels_.push_back(std::move(level));
  paths_.push_back(std::move(path));
  shown_.push_back(std::move(shown));
  rects_.push_back(Rect{origin.x, origin.y, origin.x + size.width, origin.y + size.height});
  out.push_back(Effect(MenuEffect::OpenLevel, LevelCount() - 1));
}

void MenuSession::CloseFrom(int level, std::vector<MenuEffect>& out) {
  if (waitLevel_ >= level) waitRemaining_ = -1;
  while (LevelCount() > level && LevelCount() > 0) {
    out.push_back(Effect(MenuEffect::CloseLevel, LevelCount() - 1));
    levels_.pop_back();
    paths_.pop_back();
    shown_.pop_back();
    rects_.pop_back();
  }
  if (level > 0 && level <= LevelCount()) levels_[level - 1].subMenuOpen = -1;
}

void MenuSession::CloseMenu(bool chosen, std::vector<MenuEffect>& out) {
  waitRemaining_ = -1;
  CloseFrom(0, out);
  visible_ = false;
  if (hasPopupControl_) out.push_back(Effect(MenuEffect::SendClosedToControl));
  if (chosen) out.push_back(Effect(MenuEffect::SendClosedToForm));
}

void MenuSession::HighlightItem(int level, int item, std::vector<MenuEffect>& out) {
  PopupLevel& l = levels_[level];
  if (item == l.Highlight() || !l.Item(item).Selectable()) return;
  waitRemaining_ = -1;
  CloseFrom(level + 1, out);
  l.SetHighlight(item);
  out.push_back(Effect(MenuEffect::Repaint, level));
  if (!l.Item(item).items.empty()) {
    waitRemaining_ = kWaitInterval;
    waitLevel_ = level;
    waitItem_ = item;
  }
}

void MenuSession::OpenSubMenu(int level, int item, std::vector<MenuEffect>& out) {
  const MenuItem& parent = levels_[level].Item(item);
  if (parent.items.empty() || !parent.Selectable()) return;
  waitRemaining_ = -1;
  CloseFrom(level + 1, out);
  MenuEffect click = Effect(MenuEffect::RunCommand, level);
  click.command = parent.command;
  click.name = parent.name;
  out.push_back(click);
  levels_[level].subMenuOpen = item;
  out.push_back(Effect(MenuEffect::Repaint, level));
  std::vector<int> path = paths_[level];
  path.push_back(shown_[level][item]);
  const Rect itemRect = Moved(levels_[level].Places().rects[item], rects_[level].left,
                              rects_[level].top);
  OpenLevel(std::move(path), Point{}, &itemRect, out);
}

void MenuSession::Choose(int level, int item, std::vector<MenuEffect>& out) {
  // The item is found again in the list this session owns once the levels
  // are gone; nothing is read through a closed level.
  std::vector<int> path = paths_[level];
  const int index = shown_[level][item];
  CloseMenu(true, out);
  const MenuItem& chosen = ListAt(path)[index];
  MenuEffect run = Effect(MenuEffect::RunCommand);
  run.command = chosen.command;
  run.name = chosen.name;
  out.push_back(run);
  if (hasPopupControl_) out.push_back(Effect(MenuEffect::SendDoneToControl));
}

void MenuSession::Activate(int level, int item, std::vector<MenuEffect>& out) {
  const PopupLevel& l = levels_[level];
  if (item < 0 || !l.Places().visible[item] || !l.Item(item).Selectable() ||
      l.subMenuOpen == item)
    return;
  if (!l.Item(item).items.empty()) {
    OpenSubMenu(level, item, out);
  } else {
    Choose(level, item, out);
  }
}

std::vector<MenuEffect> MenuSession::MouseAt(int level, Point p) {
  std::vector<MenuEffect> out;
  if (level < 0 || level >= LevelCount()) return out;
  PopupLevel& l = levels_[level];
  const ScrollMarkers markers = ScrollMarkersOf(l.Layout(), Skinned());
  const int dir = Contains(markers.up, p) ? -1 : Contains(markers.down, p) ? 1 : 0;
  if (dir != l.scrollDir) {
    l.scrollDir = dir;
    l.scrollElapsed = 0;
    out.push_back(Effect(MenuEffect::Repaint, level));
  }
  const int item = l.ItemAt(p);
  if (item >= 0) HighlightItem(level, item, out);
  return out;
}

std::vector<MenuEffect> MenuSession::MouseLeft(int level) {
  std::vector<MenuEffect> out;
  if (level < 0 || level >= LevelCount() || levels_[level].scrollDir == 0) return out;
  levels_[level].scrollDir = 0;
  out.push_back(Effect(MenuEffect::Repaint, level));
  return out;
}

std::vector<MenuEffect> MenuSession::MouseUp(int level, Point p) {
  std::vector<MenuEffect> out;
  if (level < 0 || level >= LevelCount()) return out;
  Activate(level, levels_[level].ItemAt(p), out);
  return out;
}

std::vector<MenuEffect> MenuSession::Key(MenuKey key) {
  std::vector<MenuEffect> out;
  if (levels_.empty()) return out;
  const int last = LevelCount() - 1;
  PopupLevel& l = levels_[last];
  switch (key) {
    case MenuKey::Down:
    case MenuKey::Up:
      if (waitLevel_ == last) waitRemaining_ = -1;
      l.MoveHighlight(key == MenuKey::Down ? 1 : -1);
      out.push_back(Effect(MenuEffect::Repaint, last));
      break;
    case MenuKey::Right:
      if (l.Highlight() >= 0) OpenSubMenu(last, l.Highlight(), out);
      break;
    case MenuKey::Left:
      if (last > 0) CloseFrom(last, out);
      break;
    case MenuKey::Escape:
      if (last > 0) {
        CloseFrom(last, out);
      } else {
        CloseMenu(false, out);
      }
      break;
    case MenuKey::Enter:
      if (l.Highlight() >= 0) Activate(last, l.Highlight(), out);
      break;
  }
  return out;
}

std::vector<MenuEffect> MenuSession::Char(char ch) {
  std::vector<MenuEffect> out;
  if (levels_.empty()) return out;
  const int last = LevelCount() - 1;
  const int item = levels_[last].AcceleratorItem(ch);
  if (item < 0) return out;
  HighlightItem(last, item, out);
  levels_[last].KeepInView(item);
  Activate(last, item, out);
  return out;
}

std::vector<MenuEffect> MenuSession::Tick(int ms) {
  std::vector<MenuEffect> out;
  if (waitRemaining_ >= 0) {
    waitRemaining_ -= ms;
    if (waitRemaining_ <= 0) {
      waitRemaining_ = -1;
      if (waitLevel_ < LevelCount() && levels_[waitLevel_].Highlight() == waitItem_)
        OpenSubMenu(waitLevel_, waitItem_, out);
    }
  }
  for (int i = 0; i < LevelCount(); ++i) {
    PopupLevel& l = levels_[i];
    if (l.scrollDir == 0) continue;
    l.scrollElapsed += ms;
    while (l.scrollElapsed >= kScrollInterval) {
      l.scrollElapsed -= kScrollInterval;
      if (!l.ScrollStep(l.scrollDir)) {
        l.scrollDir = 0;
        break;
      }
      out.push_back(Effect(MenuEffect::Repaint, i));
    }
  }
  return out;
}

std::vector<MenuEffect> MenuSession::CloseAll() {
  std::vector<MenuEffect> out;
  if (visible_) CloseMenu(false, out);
  return out;
}

}  // namespace bs
