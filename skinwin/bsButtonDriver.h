// What both skinned buttons share, windowed or window-less: the portable
// button state, its effects carried out (timers, repaint, the rest of the
// group released, clicks), the click event and the look's state, over a few
// things each button does its own way.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

#include "skin/controls/bsButtonLook.h"
#include "skin/controls/bsButtonState.h"

namespace bs {

class TbsButtonDriver {
 public:
  std::function<void()> OnClick;

  // Down, GroupIndex, AllowAllUp, RepeatMode, RepeatInterval live in the state.
  ButtonState& State() { return state_; }
  void SetDown(bool down) { Apply(state_.SetDown(down)); }
  void Click();

 protected:
  explicit TbsButtonDriver(ButtonKind kind) : state_(kind) {}
  virtual ~TbsButtonDriver() = default;

  void Apply(const ButtonEffects& e);
  // The look's state of the button at size, from the button state.
  ButtonLookState LookState(Size size, bool enabled) const;

  // ---- The host: what each button does its own way ----
  // Starts (every ms milliseconds) or stops timer which, 0 the fade and 1
  // the repeat; false when it cannot now, and it is asked again later.
  virtual bool SetButtonTimer(int which, bool on, UINT ms) = 0;
  virtual void RedrawButton() = 0;
  // The buttons a group release looks at: this one and its siblings.
  virtual std::vector<TbsButtonDriver*> GroupSiblings() = 0;

  ButtonState state_;

 private:
  void SyncTimers();
  bool timerOn_[2] = {false, false};
};

}  // namespace bs
