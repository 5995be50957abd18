// The state of a skinned push button or speed button fed with mouse,
// keyboard, focus and timer events: Down, the mouse flags, the fade factor,
// whether the fade and repeat timers run, and the clicks and repaints each
// event gives. Portable; the Win32 half runs the timers this asks for.
#pragma once

#include <vector>

namespace bs {

enum class ButtonKind { Push, Speed };

// What one event asks of the window.
struct ButtonEffects {
  int clicks = 0;
  bool repaint = false;
  // Down went true in a group without AllowAllUp: the other buttons of the
  // group on the same parent are to be released (ReleaseGroup).
  bool releaseGroup = false;
};

class ButtonState {
 public:
  explicit ButtonState(ButtonKind kind) : kind_(kind) {}

  static constexpr int kFadeInterval = 20;  // ms

  // Settings.
  int groupIndex = 0;
  bool allowAllUp = false;
  bool repeatMode = false;
  int repeatInterval = 100;  // ms
  bool canFocused = true;    // push button
  bool isDefault = false;    // push button: Default
  // The section in force fades (and, for a speed button, it is not
  // transparent); set at every section look-up.
  bool fades = false;

  ButtonEffects SetDown(bool down);
  ButtonEffects SetEnabled(bool enabled);

  ButtonEffects MouseEnter();
  // activeDefault: the form's active default button is this one.
  ButtonEffects MouseLeave(bool activeDefault = false);
  ButtonEffects MouseDown();
  // over: the mouse is over the button when the left button comes up.
  ButtonEffects MouseUp(bool over);
  // Push button, when it can take the focus.
  ButtonEffects SpaceDown();
  ButtonEffects SpaceUp();
  ButtonEffects Enter();
  ButtonEffects FocusChanged(bool focused);
  // A Default button as the focus moves elsewhere: to another push button or not.
  ButtonEffects FocusMovedElsewhere(bool toPushButton);

  // One tick of the 20 ms fade timer and of the repeat timer.
  ButtonEffects FadeTick();
  ButtonEffects RepeatTick();

  bool Down() const { return down_; }
  bool Enabled() const { return enabled_; }
  bool MouseIn() const { return mouseIn_; }
  bool PressedByMouse() const { return pressedByMouse_; }
  bool Focused() const { return focused_; }
  double MorphFactor() const { return morphFactor_; }
  bool FadeTimerRunning() const { return fadeTimer_; }
  bool RepeatTimerRunning() const { return repeatTimer_; }
  // The look the fade moves towards.
  bool ActiveTarget() const;

 private:
  ButtonEffects StartFade();
  ButtonEffects EnterLook();

  ButtonKind kind_;
  bool down_ = false;
  bool enabled_ = true;
  bool mouseIn_ = false;
  bool pressedByMouse_ = false;
  bool focused_ = false;
  bool downAtPress_ = false;
  double morphFactor_ = 0;
  bool fadeTimer_ = false;
  bool repeatTimer_ = false;
};

// Releases every other button of self's group among siblings (the buttons on
// the same parent); returns the buttons that changed.
std::vector<ButtonState*> ReleaseGroup(const ButtonState& self,
                                       const std::vector<ButtonState*>& siblings);

}  // namespace bs
