#include "skin/menus/bsPopupLayout.h"

#include <algorithm>

namespace bs {

const TbsDataSkinMenuItem* MenuItemDescriptorOf(const TbsSkinData* data) {
  if (data == nullptr || data->Empty()) return nullptr;
  for (const auto& d : data->ObjectDescriptors)
    if (const auto* item = dynamic_cast<const TbsDataSkinMenuItem*>(d.get())) return item;
  return nullptr;
}

std::optional<PopupSkin> PopupSkinOf(const TbsSkinData* data) {
  if (data == nullptr || data->Empty()) return std::nullopt;
  const TbsDataSkinPopupWindow& w = data->PopupWindow;
  if (w.windowpictureindex == -1) return std::nullopt;
  const Picture* picture = data->ExtraPicture(w.windowpictureindex);
  if (picture == nullptr) return std::nullopt;
  const TbsDataSkinMenuItem* item = MenuItemDescriptorOf(data);
  if (item == nullptr) return std::nullopt;
  PopupSkin s;
  s.windowPicture = Size{picture->width, picture->height};
  s.lt = w.lefttoppoint;
  s.rt = w.righttoppoint;
  s.lb = w.leftbottompoint;
  s.rb = w.rightbottompoint;
  s.itemsRect = w.itemsrect;
  s.itemSkinRect = item->skinrect;
  s.dividerRect = item->dividerrect;
  s.textRect = item->textrect;
  return s;
}

LevelLayout LayOutLevel(const std::vector<const MenuItem*>& items,
                        const std::function<int(const MenuItem&)>& textWidth,
                        const PopupSkin* skin, const PopupMetrics& metrics) {
  LevelLayout out;
  int widest = 0;
  for (const MenuItem* item : items) widest = std::max(widest, textWidth(*item) + 2);
  const int glyphWidth = metrics.imageWidth >= 0 ? metrics.imageWidth + 5 : 19;
  int w = widest + glyphWidth + 19;
  const int itemHeight = skin ? skin->itemSkinRect.Height() : metrics.defaultItemHeight;
  const int separatorHeight = skin ? skin->dividerRect.Height() : kPlainSeparatorHeight;
  // What the window adds around its items.
  int frameHeight = 4;
  if (skin) {
    const Rect& ir = skin->itemsRect;
    w += skin->windowPicture.width + skin->textRect.left + skin->itemSkinRect.Width() -
         skin->textRect.right + ir.left - ir.right;
    frameHeight = skin->windowPicture.height + ir.top - ir.bottom;
  } else {
    w += 10;
  }
  int sum = 0;
  for (const MenuItem* item : items) {
    out.itemHeights.push_back(item->IsSeparator() ? separatorHeight : itemHeight);
    sum += out.itemHeights.back();
  }
  int h = sum + frameHeight;
  const int count = static_cast<int>(items.size());
  if (metrics.maxItemsInWindow > 0 && count > metrics.maxItemsInWindow) {
    h = itemHeight * metrics.maxItemsInWindow + frameHeight + 2 * kScrollMarkerHeight;
    out.scrolls = true;
  }
  if (h > metrics.workAreaHeight) {
    h = metrics.workAreaHeight;
    out.scrolls = true;
  }
  out.width = w;
  out.height = h;
  if (skin) {
    const int dx = w - skin->windowPicture.width, dy = h - skin->windowPicture.height;
    out.lt = skin->lt;
    out.rt = Point{skin->rt.x + dx, skin->rt.y};
    out.lb = Point{skin->lb.x, skin->lb.y + dy};
    out.rb = Point{skin->rb.x + dx, skin->rb.y + dy};
    const Rect& ir = skin->itemsRect;
    out.itemsRect = Rect{ir.left, ir.top, ir.right + dx, ir.bottom + dy};
  } else {
    out.itemsRect = Rect{2, 2, w - 2, h - 2};
  }
  return out;
}

ItemPlaces PlaceItems(const LevelLayout& layout, int firstVisible) {
  ItemPlaces out;
  const int n = static_cast<int>(layout.itemHeights.size());
  const int margin = layout.scrolls ? kScrollMarkerHeight : 0;
  const Rect& ir = layout.itemsRect;
  const int bottom = ir.bottom - margin;
  int y = ir.top + margin;
  out.rects.resize(n);
  out.visible.assign(n, false);
  for (int i = std::max(firstVisible, 0); i < n; ++i) {
    const int h = layout.itemHeights[i];
    out.rects[i] = Rect{ir.left, y, ir.right, y + h};
    if (y + h <= bottom) {
      out.visible[i] = true;
      ++out.visibleCount;
    }
    y += h;
  }
  return out;
}

ScrollMarkers ScrollMarkersOf(const LevelLayout& layout, bool skinned) {
  if (!layout.scrolls) return ScrollMarkers{};
  const int w = layout.width, h = layout.height;
  if (!skinned) return ScrollMarkers{Rect{3, 3, w - 3, 13}, Rect{3, h - 10, w - 3, h - 3}};
  const Rect& ir = layout.itemsRect;
  return ScrollMarkers{Rect{ir.left, ir.top, ir.right, ir.top + kScrollMarkerHeight},
                       Rect{ir.left, ir.bottom - kScrollMarkerHeight, ir.right, ir.bottom}};
}

namespace {

int KeepInside(int v, int size, int low, int high) {
  return std::max(std::min(v, high - size), low);
}

}  // namespace

Point PlaceLevel(Size size, Point at, const Rect& workArea) {
  Point p = at;
  if (p.x + size.width > workArea.right) p.x = at.x - size.width;
  if (p.y + size.height > workArea.bottom) p.y = at.y - size.height;
  return Point{KeepInside(p.x, size.width, workArea.left, workArea.right),
               KeepInside(p.y, size.height, workArea.top, workArea.bottom)};
}

Point PlaceSubLevel(Size size, const Rect& parentItem, const Rect& workArea) {
  Point p{parentItem.right, parentItem.top};
  if (p.x + size.width > workArea.right) p.x = parentItem.left - size.width;
  return Point{KeepInside(p.x, size.width, workArea.left, workArea.right),
               KeepInside(p.y, size.height, workArea.top, workArea.bottom)};
}

}  // namespace bs
