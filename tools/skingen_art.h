// The program's own skin: its pictures, drawn from code, and the rectangles
// the INI text refers to.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "skin/draw/bsGraphics.h"

namespace skingen {

// Picture indexes of the extra pictures, in [PICTURES] activepictures order.
enum ExtraPicture {
  kCaptionButtons = 0,  // 95 x 268: the frame buttons' other states
  kPopupWindow = 1,     // 88 x 80: the popup menu frame
  kMenuItems = 2,       // 68 x 116: popup menu items
  kHintWindow = 3,      // 42 x 22: the hint frame
  kControls = 4,        // 516 x 281: every skinned control
  kMenuBarItems = 5,    // 72 x 21: main menu bar items
  kExtraCount = 6,
};

struct SkinArt {
  bs::Picture frame;  // 277 x 116, 8-bit
  bs::Picture mask;   // 277 x 116, 1-bit, black inside the window
  std::vector<bs::Picture> extra;  // kExtraCount pictures, 8-bit
  // Named rectangles in the pictures (the name's prefix says which).
  std::map<std::string, bs::Rect> rects;
  const bs::Rect& operator[](const std::string& name) const;
};

SkinArt DrawSkin();

// The frame's fixed geometry in the main picture.
namespace frame {
constexpr int kWidth = 277, kHeight = 116;
constexpr bs::Rect kClient{13, 46, 265, 107};
constexpr bs::Point kLT{60, 50}, kRT{140, 50}, kLB{20, 103}, kRB{257, 103};
constexpr int kCaptionTop = 1, kCaptionBottom = 36;  // caption bar rows [1, 36)
constexpr int kRadius = 8;                            // rounded window corners
// The frame objects on the main picture.
constexpr bs::Rect kSysMenu{7, 8, 30, 28};
constexpr bs::Rect kRollUp{31, 8, 54, 28};
constexpr bs::Rect kMinimize{200, 8, 223, 28};
constexpr bs::Rect kMaximize{224, 8, 247, 28};
constexpr bs::Rect kClose{248, 8, 271, 28};
constexpr bs::Rect kCaption{56, 2, 196, 35};
constexpr bs::Rect kCaptionText{2, 7, 92, 26};  // relative to kCaption
}  // namespace frame

}  // namespace skingen
