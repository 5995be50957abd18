// Window-state geometry of the skinned frame: minimise slot, maximised bounds, restore, roll-up.
#pragma once

#include <optional>
#include <vector>

#include "skin/draw/bsGeometry.h"

namespace bs {

// The frame's own window states (the system's are not used).
enum class TbsWindowState { wsNormal = 0, wsMinimized = 1, wsMaximized = 2 };

// Top-left corner of the first free slot for a minimised window of size
// (at least 1 x 1) in work: slots run from the bottom-left corner to the
// right, then row by row upwards; a slot is free when no point of occupied
// (the corners of the other minimised skinned windows) equals it. After as
// many slots as the work area holds, or when the rows reach its top, the
// first slot.
Point FindMinimizeSlot(const Rect& work, Size size, const std::vector<Point>& occupied);

// A monitor as the maximise rule sees it.
struct MonitorArea {
  Rect monitor;
  Rect work;
  bool primary = true;
};
// The bounds of a maximised window: the work area (the monitor with
// fullScreen). A work area that is the whole primary monitor is shrunk by
// one pixel on every side, so that an auto-hiding taskbar can still appear.
Rect MaximizedBounds(const MonitorArea& m, bool fullScreen);

// The size a window gets when a skin is applied, for its minimum size;
// nudge when the size is kept (the frame then runs NudgeFrame).
struct AppliedSize {
  Size size;
  bool nudge = false;
};
AppliedSize ApplySkinSize(Size window, Size minimum, bool rolledUp, bool minimized);
// NudgeFrame's first change of width: +1 when width - 1 would be below the
// minimum width, else -1; the second change undoes it.
int NudgeFirstStep(int width, int minWidth);

// What a double click on the caption does.
enum class CaptionDoubleClickAction { Restore, Maximize, ToggleRollUp };
CaptionDoubleClickAction CaptionDoubleClick(TbsWindowState state, bool rolledUp,
                                            bool maximizeIcon, bool sizeable);

// The frame's window state, roll-up state and remembered bounds. Each change
// returns the window's new bounds for the caller to set.
class TbsFrameWindowState {
 public:
  TbsWindowState WindowState() const { return state_; }
  // Rolled up in the current state (maximised windows keep their own flag).
  bool RollUpState() const;

  // Shrinks to minSize (each at least 1) at the first free slot of work.
  Rect Minimize(const Rect& bounds, Size minSize, const Rect& work,
                const std::vector<Point>& occupied);
  Rect Maximize(const Rect& bounds, const MonitorArea& monitor, bool fullScreen);
  // The remembered bounds, then forgotten; the bounds unchanged when none.
  Rect Restore(const Rect& bounds);
  // Rolls up to minHeight or back to the remembered height; nothing while
  // minimised or without the roll-up icon.
  std::optional<Rect> ToggleRollUp(const Rect& bounds, int minHeight, bool rollUpIcon);

 private:
  struct RollUp {
    bool rolled = false;
    int height = 0;
  };
  RollUp& Current() { return state_ == TbsWindowState::wsMaximized ? maxRollUp_ : rollUp_; }

  TbsWindowState state_ = TbsWindowState::wsNormal;
  Rect remembered_;
  RollUp rollUp_;     // normal state
  RollUp maxRollUp_;  // while maximised, dropped on restore
};

}  // namespace bs
