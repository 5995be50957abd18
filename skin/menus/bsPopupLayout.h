// The size and geometry of one open level of a skinned popup menu, skinned
// or plain, its scroll markers, and where a level goes on the screen.
// Portable; text widths come measured from the platform.
#pragma once

#include <climits>
#include <functional>
#include <optional>
#include <vector>

#include "skin/data/bsSkinData.h"
#include "skin/draw/bsGeometry.h"
#include "skin/menus/bsMenuModel.h"

namespace bs {

// What the skinned look takes from the skin: the [POPUPWINDOW] geometry
// (in its window picture) and the menuitem object's rectangles.
struct PopupSkin {
  Size windowPicture;
  Point lt, rt, lb, rb;
  Rect itemsRect;
  Rect itemSkinRect;  // menuitem skinrect
  Rect dividerRect;
  Rect textRect;
};
// The skin's first menuitem object, or null.
const TbsDataSkinMenuItem* MenuItemDescriptorOf(const TbsSkinData* data);
// The skinned geometry, or none (the plain look) when the skin has no
// [POPUPWINDOW] picture or no menuitem object.
std::optional<PopupSkin> PopupSkinOf(const TbsSkinData* data);

constexpr int kPlainItemHeight = 20;
constexpr int kPlainSeparatorHeight = 4;
constexpr int kScrollMarkerHeight = 10;

struct PopupMetrics {
  int defaultItemHeight = kPlainItemHeight;
  int maxItemsInWindow = 0;  // above 0: at most this many items, the rest scrolls
  int imageWidth = -1;       // the image list's image width; -1 without one
  int workAreaHeight = INT_MAX;
};

struct LevelLayout {
  int width = 0, height = 0;
  bool scrolls = false;
  std::vector<int> itemHeights;
  Rect itemsRect;         // placed for the size
  Point lt, rt, lb, rb;   // skinned: the corner points placed for the size
};

// Lays out a level of items (visible ones only); textWidth gives the
// measured width of MeasuredText(item).
LevelLayout LayOutLevel(const std::vector<const MenuItem*>& items,
                        const std::function<int(const MenuItem&)>& textWidth,
                        const PopupSkin* skin, const PopupMetrics& metrics);

// Item rectangles from firstVisible on: full width of the items rectangle,
// one under the other from its top (10 lower when the level scrolls); an
// item ending below its bottom (10 higher when scrolling) is not visible,
// nor is any item before firstVisible.
struct ItemPlaces {
  std::vector<Rect> rects;
  std::vector<bool> visible;
  int visibleCount = 0;
};
ItemPlaces PlaceItems(const LevelLayout& layout, int firstVisible);

// The two scroll markers of a scrolling level (empty rectangles otherwise).
struct ScrollMarkers {
  Rect up, down;
};
ScrollMarkers ScrollMarkersOf(const LevelLayout& layout, bool skinned);

// Where a level of size goes: at the point, or to its left / above it
// when it does not fit, kept inside the work area.
Point PlaceLevel(Size size, Point at, const Rect& workArea);
// A sub-menu level beside its parent item (screen rectangle): to the right,
// or to the left when it does not fit; its top at the item's, kept inside.
Point PlaceSubLevel(Size size, const Rect& parentItem, const Rect& workArea);

}  // namespace bs
