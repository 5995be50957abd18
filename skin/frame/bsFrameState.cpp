// Window-state geometry of the skinned frame.
#include "skin/frame/bsFrameState.h"

#include <algorithm>

namespace bs {

Point FindMinimizeSlot(const Rect& work, Size size, const std::vector<Point>& occupied) {
  const int w = std::max(size.width, 1), h = std::max(size.height, 1);
  const Point first{work.left, work.bottom - h};
  const long long columns = std::max(work.Width() / w, 1);
  const long long rows = std::max(work.Height() / h, 1);
  auto taken = [&](Point p) {
    return std::find(occupied.begin(), occupied.end(), p) != occupied.end();
  };
  Point p = first;
  for (long long tried = 0; tried < columns * rows; ++tried) {
    if (!taken(p)) return p;
    p.x += w;
    if (p.x + w > work.right) {
      p.x = work.left;
      p.y -= h;
      if (p.y < work.top) break;
    }
  }
  return first;
}

Rect MaximizedBounds(const MonitorArea& m, bool fullScreen) {
  if (fullScreen) return m.monitor;
  if (m.primary && m.work == m.monitor)
    return Rect{m.work.left + 1, m.work.top + 1, m.work.right - 1, m.work.bottom - 1};
  return m.work;
}

AppliedSize ApplySkinSize(Size window, Size minimum, bool rolledUp, bool minimized) {
  AppliedSize out{window, false};
  const bool narrow = window.width < minimum.width, low = window.height < minimum.height;
  if (low) out.size.height = minimum.height;
  if (narrow) out.size.width = minimum.width;
  out.nudge = !narrow && !low;
  if (rolledUp || minimized) out.size.height = minimum.height;
  if (minimized) out.size.width = minimum.width;
  return out;
}

int NudgeFirstStep(int width, int minWidth) { return width - 1 < minWidth ? 1 : -1; }

CaptionDoubleClickAction CaptionDoubleClick(TbsWindowState state, bool rolledUp,
                                            bool maximizeIcon, bool sizeable) {
  if (sizeable) {
    if (state == TbsWindowState::wsMinimized || state == TbsWindowState::wsMaximized)
      return CaptionDoubleClickAction::Restore;
    if (!rolledUp && maximizeIcon) return CaptionDoubleClickAction::Maximize;
  }
  return CaptionDoubleClickAction::ToggleRollUp;
}

bool TbsFrameWindowState::RollUpState() const {
  return state_ == TbsWindowState::wsMaximized ? maxRollUp_.rolled : rollUp_.rolled;
}

Rect TbsFrameWindowState::Minimize(const Rect& bounds, Size minSize, const Rect& work,
                                   const std::vector<Point>& occupied) {
  if (remembered_.IsEmpty()) remembered_ = bounds;
  const Size s{std::max(minSize.width, 1), std::max(minSize.height, 1)};
  const Point at = FindMinimizeSlot(work, s, occupied);
  state_ = TbsWindowState::wsMinimized;
  return Rect{at.x, at.y, at.x + s.width, at.y + s.height};
}

Rect TbsFrameWindowState::Maximize(const Rect& bounds, const MonitorArea& monitor,
                                   bool fullScreen) {
  if (remembered_.IsEmpty()) remembered_ = bounds;
  state_ = TbsWindowState::wsMaximized;
  maxRollUp_ = RollUp{};
  return MaximizedBounds(monitor, fullScreen);
}

Rect TbsFrameWindowState::Restore(const Rect& bounds) {
  const Rect to = remembered_.IsEmpty() ? bounds : remembered_;
  remembered_ = Rect{};
  state_ = TbsWindowState::wsNormal;
  maxRollUp_ = RollUp{};
  return to;
}

std::optional<Rect> TbsFrameWindowState::ToggleRollUp(const Rect& bounds, int minHeight,
                                                      bool rollUpIcon) {
  if (!rollUpIcon || state_ == TbsWindowState::wsMinimized) return std::nullopt;
  RollUp& r = Current();
  Rect to = bounds;
  if (r.rolled) {
    to.bottom = to.top + r.height;
  } else {
    r.height = bounds.Height();
    to.bottom = to.top + minHeight;
  }
  r.rolled = !r.rolled;
  return to;
}

}  // namespace bs
