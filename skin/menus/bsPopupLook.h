// How a popup level and its items look: the level's background, each
// item's picture, text colour and text places, skinned or plain, and the
// item fade. Portable; the Win32 half draws the texts and glyphs.
#pragma once

#include <optional>

#include "skin/draw/bsPlainDraw.h"
#include "skin/draw/bsShape.h"
#include "skin/frame/bsFramePlace.h"
#include "skin/menus/bsPopupLayout.h"

namespace bs {

// The level's background at its size: skinned, the window picture with its
// corners kept and edges stretched or tiled by the descriptor's flags (mask
// applied when given); plain, the left band, the window colour and the two
// frames.
Picture PopupLevelPicture(const TbsSkinData* data, const LevelLayout& layout, int imageWidth,
                          const SystemColors& colours);
// The popup window section's geometry over its window picture of a size, as
// the frame arithmetic takes it.
FrameSkin PopupFrameSkin(const TbsDataSkinPopupWindow& d, Size picture);
// A skinned level's shape from the section's mask; none without a skin, a
// window picture or a mask.
std::optional<Region> PopupLevelRegion(const TbsSkinData* data, const LevelLayout& layout);

struct MenuItemState {
  Size size;
  bool highlighted = false;  // or its sub-menu is open
  bool enabled = true;
  bool separator = false;
  double fade = 0;  // 0 normal .. 1 highlighted, while a skinned fade runs
  int imageWidth = -1;
};

struct MenuItemLook {
  Picture picture;
  Pixel textColour = 0;
  Rect textArea;     // in the item
  int captionX = 0;  // where the caption starts; centred vertically in textArea
  int shortcutRight = 0;  // where the shortcut text ends
  int arrowRight = 0;     // where a sub-menu arrow ends
  int separatorY = -1;    // plain separator: its line, from separatorX
  int separatorX = 0;
};

// With item null (or no active picture): the plain look.
MenuItemLook MenuItemLookOf(const TbsSkinData* data, const TbsDataSkinMenuItem* item,
                            const MenuItemState& st, const SystemColors& colours);

// One 20 ms step of an item's fade towards highlighted (1) or not (0).
double StepItemFade(double fade, bool highlighted);

}  // namespace bs
