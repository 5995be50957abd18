#include "skin/controls/bsButtonState.h"

#include <gtest/gtest.h>

namespace bs {
namespace {

// Runs the fade timer until it stops; returns the factors after each tick.
std::vector<double> RunFade(ButtonState& b) {
  std::vector<double> seen;
  for (int i = 0; i < 20 && b.FadeTimerRunning(); ++i) {
    b.FadeTick();
    seen.push_back(b.MorphFactor());
  }
  EXPECT_FALSE(b.FadeTimerRunning());
  return seen;
}

TEST(ButtonFade, HoverFadesInAndOutInStepsOfAFifth) {
  ButtonState b(ButtonKind::Speed);
  b.fades = true;
  EXPECT_FALSE(b.MouseEnter().repaint);
  EXPECT_TRUE(b.FadeTimerRunning());
  const std::vector<double> in = RunFade(b);
  ASSERT_EQ(in.size(), 6u);
  EXPECT_NEAR(in[0], 0.2, 1e-9);
  EXPECT_NEAR(in[3], 0.8, 1e-9);
  EXPECT_EQ(in.back(), 1.0);

  b.MouseLeave();
  const std::vector<double> out = RunFade(b);
  EXPECT_NEAR(out[0], 0.8, 1e-9);
  EXPECT_EQ(out.back(), 0.0);
}

TEST(ButtonFade, WithoutFadingSectionEventsRepaintAndTheTimerSettlesSilently) {
  ButtonState b(ButtonKind::Speed);
  EXPECT_TRUE(b.MouseEnter().repaint);
  EXPECT_FALSE(b.FadeTimerRunning());
  // The section stops fading while a fade runs: one silent jump.
  ButtonState c(ButtonKind::Speed);
  c.fades = true;
  c.MouseEnter();
  c.fades = false;
  EXPECT_FALSE(c.FadeTick().repaint);
  EXPECT_EQ(c.MorphFactor(), 1.0);
  EXPECT_FALSE(c.FadeTimerRunning());
}

TEST(ButtonMouse, ClickOnReleaseOverTheButtonOnly) {
  ButtonState b(ButtonKind::Speed);
  b.MouseEnter();
  EXPECT_EQ(b.MouseDown().clicks, 0);
  EXPECT_TRUE(b.Down());
  ButtonEffects up = b.MouseUp(true);
  EXPECT_EQ(up.clicks, 1);
  EXPECT_FALSE(b.Down());

  b.MouseDown();
  b.MouseLeave();
  up = b.MouseUp(false);
  EXPECT_EQ(up.clicks, 0);
  EXPECT_FALSE(b.Down());
  EXPECT_FALSE(b.PressedByMouse());
  // A release that no press of this button began does nothing.
  EXPECT_EQ(b.MouseUp(true).clicks, 0);
}

TEST(ButtonMouse, DisabledButtonDoesNothing) {
  ButtonState b(ButtonKind::Speed);
  b.fades = true;
  b.SetEnabled(false);
  EXPECT_FALSE(b.MouseEnter().repaint);
  EXPECT_FALSE(b.MouseIn());
  b.MouseDown();
  EXPECT_FALSE(b.Down());
  EXPECT_EQ(b.MouseUp(true).clicks, 0);
  EXPECT_FALSE(b.FadeTimerRunning());
}

TEST(ButtonMouse, EnablingResetsTheFade) {
  ButtonState b(ButtonKind::Speed);
  b.fades = true;
  b.MouseEnter();
  b.FadeTick();
  EXPECT_TRUE(b.SetEnabled(false).repaint);
  EXPECT_EQ(b.MorphFactor(), 0.0);
  EXPECT_FALSE(b.FadeTimerRunning());
  EXPECT_FALSE(b.MouseIn());
}

TEST(ButtonMouse, RepeatClicksWhileHeldOutsideAGroup) {
  ButtonState b(ButtonKind::Speed);
  b.repeatMode = true;
  b.MouseEnter();
  b.MouseDown();
  EXPECT_TRUE(b.RepeatTimerRunning());
  EXPECT_EQ(b.RepeatTick().clicks + b.RepeatTick().clicks, 2);
  b.MouseLeave();
  EXPECT_FALSE(b.RepeatTimerRunning());
  EXPECT_EQ(b.RepeatTick().clicks, 0);
  b.MouseEnter();  // back over the held button: repeating again
  EXPECT_TRUE(b.RepeatTimerRunning());
  EXPECT_EQ(b.MouseUp(true).clicks, 1);
  EXPECT_FALSE(b.RepeatTimerRunning());
}

TEST(ButtonGroup, PressClicksAtOnceAndReleasesTheOthers) {
  ButtonState a(ButtonKind::Speed), b(ButtonKind::Speed), other(ButtonKind::Speed);
  a.groupIndex = b.groupIndex = 1;
  other.groupIndex = 2;
  other.SetDown(true);
  b.SetDown(true);
  const ButtonEffects down = a.MouseDown();
  EXPECT_EQ(down.clicks, 1);
  ASSERT_TRUE(down.releaseGroup);
  const std::vector<ButtonState*> changed = ReleaseGroup(a, {&a, &b, &other});
  EXPECT_EQ(changed, std::vector<ButtonState*>{&b});
  EXPECT_TRUE(a.Down());
  EXPECT_FALSE(b.Down());
  EXPECT_TRUE(other.Down());
  // Releasing keeps it down; without AllowAllUp a second press does nothing.
  EXPECT_EQ(a.MouseUp(true).clicks, 0);
  EXPECT_TRUE(a.Down());
  a.MouseDown();
  EXPECT_EQ(a.MouseUp(true).clicks, 0);
  EXPECT_TRUE(a.Down());
  a.allowAllUp = true;
  a.MouseDown();
  EXPECT_EQ(a.MouseUp(true).clicks, 1);
  EXPECT_FALSE(a.Down());
}

TEST(PushButtonKeys, SpaceEnterAndFocus) {
  ButtonState b(ButtonKind::Push);
  b.fades = true;
  b.FocusChanged(true);
  EXPECT_TRUE(b.ActiveTarget());
  EXPECT_TRUE(b.FadeTimerRunning());
  EXPECT_EQ(b.SpaceDown().clicks, 0);
  EXPECT_TRUE(b.Down());
  EXPECT_EQ(b.SpaceUp().clicks, 1);
  EXPECT_FALSE(b.Down());
  EXPECT_EQ(b.Enter().clicks, 1);
  // Losing the focus while Space holds it down: up without a click.
  b.SpaceDown();
  const ButtonEffects lost = b.FocusChanged(false);
  EXPECT_EQ(lost.clicks, 0);
  EXPECT_FALSE(b.Down());
  b.canFocused = false;
  EXPECT_EQ(b.Enter().clicks, 0);
}

TEST(PushButtonKeys, DefaultButtonKeepsOrDropsItsLook) {
  ButtonState b(ButtonKind::Push);
  b.isDefault = true;
  b.MouseEnter();
  b.MouseLeave(true);  // the form's active default, not focused
  EXPECT_TRUE(b.MouseIn());
  b.FocusMovedElsewhere(true);
  EXPECT_FALSE(b.MouseIn());
  b.FocusMovedElsewhere(false);
  EXPECT_TRUE(b.MouseIn());
}

TEST(ButtonDown, SettingDownJumpsTheFadeAndFadesOutWhenUp) {
  ButtonState b(ButtonKind::Speed);
  b.fades = true;
  b.SetDown(true);
  EXPECT_EQ(b.MorphFactor(), 1.0);
  EXPECT_FALSE(b.FadeTimerRunning());
  b.SetDown(false);
  EXPECT_TRUE(b.FadeTimerRunning());
  EXPECT_EQ(RunFade(b).back(), 0.0);
}

}  // namespace
}  // namespace bs
