// TbsSkinMenu: the skinned popup menu service a skinned frame owns: the
// window half of a MenuSession (one TbsSkinPopupWindow per open level, the
// mouse poll, wait and scroll timers, the keyboard sent to the innermost
// level, closing on a click elsewhere or the form's deactivation); and
// TbsSkinPopupMenu, a menu of items that pops up through it.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "skin/menus/bsMenuSession.h"
#include "skinwin/bsSkinPopupWindow.h"
#include "win32/handles.h"
#include "win32/window.h"

namespace bs {

// What one opening reports back to its opener.
struct MenuOpening {
  // Told WM_USER+204 when the menu closes, WM_USER+205 after the chosen
  // item's command; none for the frame's own menus.
  HWND control = nullptr;
  // Runs the chosen item's command (and a sub-menu parent's click).
  std::function<void(int command, const std::string& name)> onCommand;
  // The menu has closed, chosen or not.
  std::function<void()> onClosed;
  // Kept until the opening is over: after WM_USER+205 when an item was chosen.
  std::shared_ptr<void> keepAlive;
};

class TbsSkinMenu : public vellumo::Window {
 public:
  static constexpr UINT_PTR kPollTimer = 1;  // 50 ms: the mouse, the wait and scroll timers
  static constexpr int kPollInterval = 50;

  TbsSkinMenu();
  ~TbsSkinMenu() override;

  // The frame's form: levels are owned by it, WM_USER+204 goes to it when
  // an item is chosen, and TbsSkinPopupMenu finds this service through it.
  void SetForm(HWND form);
  HWND Form() const { return form_; }
  static TbsSkinMenu* OfForm(HWND form);
  // The frame's skin, used when a popup menu has none of its own.
  TbsSkinData* FormSkinData = nullptr;

  int MaxMenuItemsInWindow = 0;
  bool UseSkinFont = true;
  bool AlphaBlend = false;
  bool AlphaBlendAnimation = false;
  int AlphaBlendValue = 150;
  // Values above 0 only.
  void SetDefaultItemHeight(int height);
  std::wstring DefaultFontName = L"宋体";
  int DefaultFontHeight = 14;

  // Closes any open menu and opens items at the screen point, drawn from
  // data (null: the plain look).
  void Popup(TbsSkinData* data, std::vector<MenuItem> items, POINT at, MenuOpening opening);
  void CloseAll();
  bool Visible() const { return session_ && session_->Visible(); }

  // Fixes the work area instead of the form's monitor's (tests).
  void SetWorkArea(std::optional<Rect> area) { workArea_ = area; }

  // The open levels, for the level windows.
  const MenuSession* Session() const { return session_.get(); }
  int LevelCount() const { return static_cast<int>(levels_.size()); }
  bool OwnsWindow(HWND hwnd) const;

  // Input the keyboard route and the level windows hand over.
  void LevelMouseUp(int level, Point p);
  // True when the key was the menu's.
  bool KeyDown(UINT vk);
  void Char(wchar_t ch);

 protected:
  LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  // Carries the session's effects out in order.
  void Run(std::vector<MenuEffect> effects);
  void OpenLevelWindow(int level);
  void CloseLevelWindows(int from);
  void Poll();
  void StartKeyboardRoute();
  void StopKeyboardRoute();
  Rect WorkArea() const;
  vellumo::UniqueFont MakeFont(const TbsSkinData* data) const;

  HWND form_ = nullptr;
  int defaultItemHeight_ = kPlainItemHeight;
  std::optional<Rect> workArea_;
  std::unique_ptr<MenuSession> session_;
  std::shared_ptr<MenuOpening> opening_;
  PopupDrawing drawing_;
  vellumo::UniqueFont font_;
  std::vector<std::unique_ptr<TbsSkinPopupWindow>> levels_;
  // Closed levels whose objects go once no message of theirs is running.
  std::vector<std::unique_ptr<TbsSkinPopupWindow>> closed_;
  bool firstLevel_ = false;
  // The mouse poll: the level under the cursor at the last look, where
  // the cursor was, when the last look was.
  int hoverLevel_ = -1;
  POINT lastCursor_ = {};
  DWORD lastTick_ = 0;
  bool formWasActive_ = false;
  int buttons_ = 0;  // mouse buttons held at the last look
};

// A menu of items that pops up through the skinned frame of its form.
class TbsSkinPopupMenu {
 public:
  std::vector<MenuItem> Items;
  // Its own skin; empty means the frame's, and Popup stores the choice.
  TbsSkinData* SkinData = nullptr;
  HWND Form = nullptr;  // its form: the frame's menu service is found by it
  std::function<void()> OnPopup;
  std::function<void(int command, const std::string& name)> OnClick;

  // Fires OnPopup and shows the items at the screen point through the
  // frame's service; false when the form has no skinned frame.
  bool Popup(int x, int y);
  // The same for an opening control, told WM_USER+204 and +205; shows
  // nothing without skin data either. keepAlive lives until the control was
  // told the command is done.
  bool Popup(HWND control, int x, int y, std::shared_ptr<void> keepAlive = nullptr);

 private:
  TbsSkinMenu* Service();
};

}  // namespace bs
