// TbsSkinForm: takes over a form's window procedure and draws everything
// outside its client area from a skin (frame, shape, caption objects), or a
// plain raised frame without one; answers hit tests, keeps the size limits
// and runs the window states itself.
#pragma once

#include <windows.h>

#include <memory>
#include <vector>

#include "skin/bsSkinData.h"
#include "skin/bsUtils.h"
#include "win32/window.h"

namespace bs {

// The caption buttons and system menu items a form allows (bits of BorderIcons).
enum TbsBorderIcon : unsigned {
  biSystemMenu = 1,
  biMinimize = 2,
  biMaximize = 4,
  biRollUp = 8,
  biMinimizeToTray = 16,
};

// The frame's own window states.
enum class FrameState { Normal = 0, Minimized = 1, Maximized = 2 };

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
  TbsSkinForm() = default;
  ~TbsSkinForm() override;

  // Takes over form's window procedure and removes its caption and border
  // icons; the frame then draws them. False when form is no window.
  bool Attach(HWND form);
  // The skin to draw; ApplySkin runs at once. Null (or an empty skin) gives
  // the plain frame.
  void SetSkinData(TbsSkinData* data);
  TbsSkinData* SkinData() const { return skinData_; }

  unsigned BorderIcons = biSystemMenu | biMinimize | biMaximize | biRollUp;
  int MinWidth = 0, MinHeight = 0, MaxWidth = 0, MaxHeight = 0;
  int ClientWidth = 0, ClientHeight = 0;
  bool MaximizeOnFullScreen = false;

  bool Skinned() const { return skinned_; }
  FrameState WindowState() const { return state_; }
  bool RollUpState() const { return rolledUp_; }
  const PlacedFrame& Placed() const { return placed_; }

  void ApplySkin();
  void ChangeWindowState(FrameState state);
  void ToggleRollUp();
  int FrameMinWidth() const;
  int FrameMinHeight() const;
  int FrameMaxWidth() const;
  int FrameMaxHeight() const;
  // The frame as it paints it, for a window of the current size (tests).
  Picture RenderCurrentFrame() const;

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
  LRESULT WMNCLButtonDblClk(WPARAM wp, LPARAM lp);

  void NudgeFrame();
  void PlaceFrameNow();
  void ShapeWindow();
  void PaintFrame(HDC dc);
  void PaintPlainFrame(HDC dc);
  void RepaintFrame();
  void StopTimers();
  // Tells the form's skinned controls (its child windows) of a skin change.
  void TellControls(UINT msg, WPARAM data);

  FrameLimitInputs LimitInputs() const;
  Rect WorkArea() const;
  Rect WindowBounds() const;
  bool Sizeable() const;
  const Picture& FrameSource() const;
  const FrameStrips& Strips() const;

  TbsSkinData* skinData_ = nullptr;
  bool skinned_ = false;
  FrameSkin skin_;
  PlacedFrame placed_;
  int width_ = 0, height_ = 0;
  FrameState state_ = FrameState::Normal;
  bool rolledUp_ = false;
  int rollUpHeight_ = 0;
  RECT restoreBounds_ = {};  // empty when none is remembered
  bool active_ = false;
  bool sizeMove_ = false;
  FrameStrips maskStrips_;
  // The frame strips for the last size and activity, made once for them.
  mutable FrameStrips strips_;
  mutable int stripsWidth_ = -1, stripsHeight_ = -1;
  mutable bool stripsActive_ = false;
};

}  // namespace bs
