#include "skinwin/bsButtonDriver.h"

namespace bs {

void TbsButtonDriver::Click() {
  if (OnClick) OnClick();
}

void TbsButtonDriver::SyncTimers() {
  const bool wanted[2] = {state_.FadeTimerRunning(), state_.RepeatTimerRunning()};
  const UINT ms[2] = {ButtonState::kFadeInterval, static_cast<UINT>(state_.repeatInterval)};
  for (int which = 0; which < 2; ++which)
    if (wanted[which] != timerOn_[which] && SetButtonTimer(which, wanted[which], ms[which]))
      timerOn_[which] = wanted[which];
}

void TbsButtonDriver::Apply(const ButtonEffects& e) {
  SyncTimers();
  if (e.releaseGroup) {
    const std::vector<TbsButtonDriver*> group = GroupSiblings();
    std::vector<ButtonState*> states;
    for (TbsButtonDriver* b : group) states.push_back(&b->state_);
    for (ButtonState* changed : ReleaseGroup(state_, states))
      for (TbsButtonDriver* b : group)
        if (&b->state_ == changed) b->Apply(ButtonEffects{0, true, false});
  }
  if (e.repaint) RedrawButton();
  for (int i = 0; i < e.clicks; ++i) Click();
}

ButtonLookState TbsButtonDriver::LookState(Size size, bool enabled) const {
  ButtonLookState st;
  st.size = size;
  st.enabled = enabled;
  st.down = state_.Down();
  st.mouseIn = state_.MouseIn();
  st.pressedByMouse = state_.PressedByMouse();
  st.groupIndex = state_.groupIndex;
  st.morphFactor = state_.MorphFactor();
  return st;
}

}  // namespace bs
