#include "skin/controls/bsButtonState.h"

namespace bs {

namespace {

ButtonEffects& operator+=(ButtonEffects& a, const ButtonEffects& b) {
  a.clicks += b.clicks;
  a.repaint = a.repaint || b.repaint;
  a.releaseGroup = a.releaseGroup || b.releaseGroup;
  return a;
}

ButtonEffects Repaint() {
  ButtonEffects e;
  e.repaint = true;
  return e;
}

ButtonEffects Click() {
  ButtonEffects e;
  e.clicks = 1;
  return e;
}

}  // namespace

bool ButtonState::ActiveTarget() const {
  if (kind_ == ButtonKind::Speed) return mouseIn_;
  return mouseIn_ || (focused_ && canFocused);
}

ButtonEffects ButtonState::StartFade() {
  if (!fades) return Repaint();
  fadeTimer_ = true;
  return ButtonEffects{};
}

ButtonEffects ButtonState::EnterLook() {
  if (!down_) return StartFade();
  if (fades) morphFactor_ = 1;
  return Repaint();
}

ButtonEffects ButtonState::SetDown(bool down) {
  down_ = down;
  if (fades) {
    morphFactor_ = 1;
    fadeTimer_ = !down;
  }
  ButtonEffects e = Repaint();
  e.releaseGroup = down && groupIndex != 0 && !allowAllUp;
  return e;
}

ButtonEffects ButtonState::SetEnabled(bool enabled) {
  enabled_ = enabled;
  fadeTimer_ = false;
  morphFactor_ = 0;
  mouseIn_ = false;
  return Repaint();
}

ButtonEffects ButtonState::MouseEnter() {
  if (!enabled_) return {};
  mouseIn_ = true;
  ButtonEffects e;
  if (groupIndex == 0) {
    if (kind_ == ButtonKind::Speed || !focused_ || down_) e += EnterLook();
    if (down_ && repeatMode) repeatTimer_ = true;
  } else if (!down_) {
    e += StartFade();
  }
  return e;
}

ButtonEffects ButtonState::MouseLeave(bool activeDefault) {
  if (!enabled_) return {};
  const bool keepsLook =
      kind_ == ButtonKind::Push && isDefault && canFocused && activeDefault && !focused_;
  if (!keepsLook) mouseIn_ = false;
  ButtonEffects e;
  const bool fade = groupIndex == 0
                        ? kind_ == ButtonKind::Speed || !focused_ || down_
                        : !down_;
  if (fade) e += StartFade();
  repeatTimer_ = false;
  return e;
}

ButtonEffects ButtonState::MouseDown() {
  if (!enabled_) return {};
  pressedByMouse_ = true;
  downAtPress_ = down_;
  ButtonEffects e;
  if (!down_) {
    mouseIn_ = true;
    e += SetDown(true);
    if (groupIndex == 0 && repeatMode) repeatTimer_ = true;
    if (groupIndex != 0) e += Click();
  }
  return e;
}

ButtonEffects ButtonState::MouseUp(bool over) {
  if (!pressedByMouse_) return {};
  pressedByMouse_ = false;
  ButtonEffects e;
  if (groupIndex == 0) {
    repeatTimer_ = false;
    if (over) {
      e += SetDown(false);
      e += Click();
    } else {
      down_ = false;
    }
  } else if (allowAllUp && downAtPress_ && over) {
    e += SetDown(false);
    e += Click();
  }
  return e;
}

ButtonEffects ButtonState::SpaceDown() {
  if (!enabled_ || !canFocused || down_) return {};
  ButtonEffects e = SetDown(true);
  if (repeatMode) e += Click();
  return e;
}

ButtonEffects ButtonState::SpaceUp() {
  if (!enabled_ || !canFocused || !down_) return {};
  ButtonEffects e = SetDown(false);
  e += Click();
  return e;
}

ButtonEffects ButtonState::Enter() {
  if (!enabled_ || !canFocused) return {};
  return Click();
}

ButtonEffects ButtonState::FocusChanged(bool focused) {
  focused_ = focused;
  ButtonEffects e;
  if (canFocused) e += StartFade();
  if (!focused) {
    repeatTimer_ = false;
    if (groupIndex == 0 && down_) e += SetDown(false);
  }
  return e;
}

ButtonEffects ButtonState::FocusMovedElsewhere(bool toPushButton) {
  if (!isDefault || !canFocused) return {};
  if (toPushButton) {
    if (!mouseIn_) return {};
    mouseIn_ = false;
  } else {
    mouseIn_ = true;
    if (fades) morphFactor_ = 1;
  }
  return Repaint();
}

ButtonEffects ButtonState::FadeTick() {
  if (!fadeTimer_) return {};
  const bool target = ActiveTarget();
  if (!fades) {
    morphFactor_ = target ? 1 : 0;
    fadeTimer_ = false;
    return {};
  }
  if (target && morphFactor_ < 1) {
    morphFactor_ += 0.2;
  } else if (!target && morphFactor_ > 0) {
    morphFactor_ -= 0.2;
  } else {
    morphFactor_ = target ? 1 : 0;
    fadeTimer_ = false;
  }
  return Repaint();
}

ButtonEffects ButtonState::RepeatTick() {
  if (!repeatTimer_ || !enabled_) return {};
  return Click();
}

std::vector<ButtonState*> ReleaseGroup(const ButtonState& self,
                                       const std::vector<ButtonState*>& siblings) {
  std::vector<ButtonState*> changed;
  if (self.groupIndex == 0) return changed;
  for (ButtonState* b : siblings) {
    if (b == &self || b->groupIndex != self.groupIndex || !b->Down()) continue;
    b->SetDown(false);
    changed.push_back(b);
  }
  return changed;
}

}  // namespace bs
