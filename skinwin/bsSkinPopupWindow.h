// TbsSkinPopupWindow: one open level of a skinned popup menu, a pop-up that
// never takes the activation, painted off-screen from its session level;
// TbsSkinMenuItem: one item's fade and drawing.
#pragma once

#include <windows.h>

#include <vector>

#include "skin/controls/bsControlSection.h"
#include "skin/menus/bsMenuSession.h"
#include "skin/menus/bsPopupLook.h"
#include "skinwin/bsPaint.h"
#include "win32/window.h"

namespace bs {

class TbsSkinMenu;

// What every level of one opening draws with.
struct PopupDrawing {
  const TbsSkinData* data = nullptr;                    // null: plain look
  const TbsDataSkinMenuItem* itemDescriptor = nullptr;  // null: plain items
  HFONT font = nullptr;
  SystemColors colours;
  bool skinned = false;  // the level background from [POPUPWINDOW]
};


class TbsSkinMenuItem {
 public:
  double fade = 0;  // 0 normal .. 1 highlighted
  // One 20 ms fade step towards the highlight; true while it still moves.
  bool StepFade(bool highlighted);
  // Draws item onto the level's canvas: the picture into pic at rect, then
  // glyphs; the texts go to dc afterwards through DrawTexts.
  void Draw(Picture& pic, const MenuItem& item, const Rect& rect, bool highlighted,
            const PopupDrawing& d) const;
  void DrawTexts(HDC dc, const MenuItem& item, const Rect& rect, bool highlighted,
                 const PopupDrawing& d) const;

 private:
  MenuItemLook Look(const MenuItem& item, const Rect& rect, bool highlighted,
                    const PopupDrawing& d) const;
};

class TbsSkinPopupWindow : public vellumo::Window {
 public:
  static constexpr wchar_t kClassName[] = L"TbsSkinPopupWindow";
  static constexpr UINT_PTR kFadeTimer = 1;  // 20 ms: item fades and the opacity rise

  TbsSkinPopupWindow(TbsSkinMenu& menu, int level);
  // Makes and shows the window at its session rectangle, topmost, not
  // activated. Its window text lists the items' captions, one a line.
  bool Create(HWND owner, const PopupDrawing& drawing, bool firstOfOpening);
  void Repaint();
  int Level() const { return level_; }

 protected:
  LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  const PopupLevel& SessionLevel() const;
  void Paint(HDC dc);
  void ShapeWindow();
  void FadeTick();
  bool ItemHighlighted(int i) const;

  TbsSkinMenu& menu_;
  int level_;
  PopupDrawing drawing_;
  std::vector<TbsSkinMenuItem> items_;
  int opacity_ = -1;  // rising while the opening fades in; -1 when opaque or done
};

}  // namespace bs
