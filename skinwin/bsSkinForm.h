// TbsSkinForm: takes over a form's window procedure and draws everything
// outside its client area from a skin (frame, shape, caption and its
// buttons), or a plain raised frame with built-in buttons without one;
// answers hit tests, keeps the size limits and runs the window states
// itself. The decisions are the portable core's; this class carries them out.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "skin/data/bsSkinData.h"
#include "skin/frame/bsFrameObjects.h"
#include "skin/frame/bsFramePlace.h"
#include "skin/frame/bsFrameSize.h"
#include "skin/frame/bsFrameState.h"
#include "skin/frame/bsFrameStrips.h"
#include "skin/frame/bsPlainFrame.h"
#include "skin/frame/bsSystemMenu.h"
#include "skinwin/bsSkinMenus.h"
#include "win32/handles.h"
#include "win32/window.h"

namespace bs {

// Timer ids the frame uses on its form's window; the form keeps the rest.
constexpr UINT_PTR kMouseTimer = 0x5B01;      // 50 ms: the object under the mouse
constexpr UINT_PTR kMorphTimer = 0x5B02;      // 20 ms: fades
constexpr UINT_PTR kAnimationTimer = 0x5B03;  // 25 ms: animate objects

// Relays the skin's notifications to a form as window messages, the
// TbsSkinData as first parameter.
class TbsFormNotifier : public TbsSkinDataObserver {
 public:
  explicit TbsFormNotifier(HWND form = nullptr) : form_(form) {}
  void SetForm(HWND form) { form_ = form; }
  void SkinDataNotify(TbsSkinData& sender, unsigned message, int param) override;

 private:
  HWND form_;
};

class TbsSkinForm : public vellumo::Window {
 public:
  TbsSkinForm();
  ~TbsSkinForm() override;

  // Takes over form's window procedure and removes its caption and border
  // icons; the frame then draws them. False when form is no window.
  bool Attach(HWND form);
  // The skin to draw; ApplySkin runs at once. Null (or an empty skin) gives
  // the plain frame.
  void SetSkinData(TbsSkinData* data);
  TbsSkinData* SkinData() const { return skinData_; }

  TbsBorderIcons BorderIcons = kDefaultBorderIcons;
  int MinWidth = 0, MinHeight = 0, MaxWidth = 0, MaxHeight = 0;
  int ClientWidth = 0, ClientHeight = 0;
  bool MaximizeOnFullScreen = false;
  bool HideCaptionButtons = false;
  bool ShowIcon = false;
  // The plain frame's caption fonts (active, inactive).
  std::wstring DefCaptionFontName = L"宋体";
  int DefCaptionFontHeight = 14;

  bool Skinned() const { return skinned_; }
  TbsWindowState WindowState() const { return state_.WindowState(); }
  bool RollUpState() const { return state_.RollUpState(); }

  void ApplySkin();
  void ChangeWindowState(TbsWindowState state);
  void ToggleRollUp();
  int FrameMinWidth() const;
  int FrameMinHeight() const;
  int FrameMaxWidth() const;
  int FrameMaxHeight() const;

 protected:
  LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  // Message handlers.
  LRESULT WMNCCalcSize(WPARAM wp, LPARAM lp);
  LRESULT WMNCHitTest(LPARAM lp);
  void WMSize();
  void WMGetMinMaxInfo(LPARAM lp);
  void WMEraseBkgnd(HDC dc);
  void WMPrint(HDC dc, LPARAM flags);
  void WMNCActivate(bool active);
  void WMNCLButtonDblClk(WPARAM hit);
  void WMTimer(UINT_PTR id);

  void NudgeFrame();
  void PlaceFrameNow();
  void PlaceObjects();
  void ShapeWindow();
  void PaintFrame(HDC dc);
  void PaintPlainFrame(HDC dc);
  void DrawCaptionText(HDC dc);
  // The plain frame's look now, captionPatch behind its caption text.
  PlainFrame PlainLook(const Rect& captionPatch) const;
  void DrawPlainIcon(HDC dc, const TbsSkinStdButtonObject& button) const;
  void RedrawObject(int index);
  void RepaintFrame();
  void StopTimers();
  // Tells the form's skinned controls (its child windows) of a skin change.
  void TellControls(UINT msg, WPARAM data);
  // Carries out what the objects asked for.
  void RunRequests();
  void RunWindowAction(WindowAction action);
  // The system menu at a screen point; object: the button that dropped it.
  void ShowSystemMenu(POINT at, int object = -1);
  void RunSystemMenuItem(SysMenuItem item);
  // Alt+Space: below the system-menu button, else at the caption's left.
  void ShowSystemMenuFromKeyboard();
  void SyncStatus();

  FrameLimitInputs LimitInputs() const;
  MonitorArea Monitor() const;
  Rect WindowBounds() const;
  Point WindowPoint(LPARAM screen) const;
  bool Sizeable() const;
  bool ToolWindow() const;
  void SetBounds(const Rect& r);
  const FrameStrips& Strips() const;

  TbsSkinData* skinData_ = nullptr;
  bool skinned_ = false;
  FrameSkin skin_;
  PlacedFrame placed_;
  int width_ = 0, height_ = 0;
  TbsFrameWindowState state_;
  TbsFrameObjects objects_;
  bool active_ = false;
  bool sizeMove_ = false;
  bool mouseTimerOn_ = false;
  bool inRequests_ = false;
  FrameStrips maskStrips_;
  // The frame strips (objects not drawn) for the last size and activity,
  // made once for them.
  mutable FrameStrips strips_;
  mutable int stripsWidth_ = -1, stripsHeight_ = -1;
  mutable bool stripsActive_ = false;
  TbsSkinMenu menu_;
};

}  // namespace bs
