#include "skinwin/bsSkinButtons.h"

#include <windowsx.h>

#include <algorithm>
#include <vector>

#include "skin/draw/bsEffects.h"

namespace bs {

namespace {

constexpr UINT_PTR kFadeTimer = 1;
constexpr UINT_PTR kRepeatTimer = 2;

UINT CaptionFlags(const std::wstring& caption) {
  return caption.find(L'\n') == std::wstring::npos ? DT_CENTER | DT_VCENTER | DT_SINGLELINE
                                                    : DT_CENTER;
}

// Every push button, for releasing a group among the buttons of one parent.
std::vector<TbsSkinButton*>& AllButtons() {
  static std::vector<TbsSkinButton*> buttons;
  return buttons;
}

}  // namespace

void DrawButton(TbsCanvas& c, const ButtonLook& look, const TbsButtonContent& b, HFONT font,
                bool enabled) {
  const UINT flags = CaptionFlags(b.Caption);
  const Size text = b.Caption.empty() ? Size{}
                                      : c.MeasureText(font, b.Caption, flags & DT_SINGLELINE);
  GlyphSpec g;
  g.glyph = Size{b.Glyph.width, b.Glyph.height};
  g.numGlyphs = b.NumGlyphs;
  g.margin = b.Margin;
  g.spacing = b.Spacing;
  g.layout = b.Layout;
  const ButtonContent at = PlaceButtonContent(look, g, text, enabled);
  auto glyph = [&](Picture& p) {
    if (!b.Glyph.Empty()) DrawGlyph(p, at.place.glyph.x, at.place.glyph.y, b.Glyph, at.glyphSlice);
  };
  if (look.which == ButtonPicture::Fade) {
    // Each picture with its own caption colour, then the blend.
    Picture normal = look.picture, active = look.activePicture;
    glyph(normal);
    glyph(active);
    DrawTextOn(normal, font, b.Caption, at.textRect, flags, look.textColour);
    DrawTextOn(active, font, b.Caption, at.textRect, flags, look.activeTextColour);
    c.Put(MorphBlend(normal, active, look.morphKind, look.factor), 0, 0);
    return;
  }
  // Without a picture (transparent) the glyph goes onto what lies under it.
  Picture p = look.picture.Empty() ? c.Take(look.content) : look.picture;
  const Point at0 = look.picture.Empty() ? Point{look.content.left, look.content.top} : Point{};
  if (!b.Glyph.Empty())
    DrawGlyph(p, at.place.glyph.x - at0.x, at.place.glyph.y - at0.y, b.Glyph, at.glyphSlice);
  c.Put(p, at0.x, at0.y);
  c.Text(font, b.Caption, at.textRect, flags, look.textColour);
}

// ---- TbsSkinButton ----------------------------------------------------------------

TbsSkinButton::TbsSkinButton() {
  SkinDataName = "button";
  AllButtons().push_back(this);
}

TbsSkinButton::~TbsSkinButton() {
  auto& all = AllButtons();
  all.erase(std::remove(all.begin(), all.end(), this), all.end());
  if (Handle()) {
    KillTimer(Handle(), kFadeTimer);
    KillTimer(Handle(), kRepeatTimer);
  }
}

DWORD TbsSkinButton::Style() const {
  return WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | (CanFocused ? WS_TABSTOP : 0);
}

void TbsSkinButton::SetDown(bool down) { Apply(state_.SetDown(down)); }

void TbsSkinButton::Click() {
  if (OnClick) OnClick();
}

void TbsSkinButton::SkinChange() {
  TbsSkinControl::SkinChange();
  state_.fades = SectionFades(Section());
}

void TbsSkinButton::EnabledChanged() { Apply(state_.SetEnabled(Enabled())); }

void TbsSkinButton::MouseEntered() {}

void TbsSkinButton::MouseLeft() {
  if (state_.MouseIn() && GetCapture() != Handle()) Apply(state_.MouseLeave());
}

void TbsSkinButton::SyncTimers() {
  HWND hwnd = Handle();
  if (!hwnd) return;
  if (state_.FadeTimerRunning() != fadeTimer_) {
    fadeTimer_ = state_.FadeTimerRunning();
    if (fadeTimer_) SetTimer(hwnd, kFadeTimer, ButtonState::kFadeInterval, nullptr);
    else KillTimer(hwnd, kFadeTimer);
  }
  if (state_.RepeatTimerRunning() != repeatTimer_) {
    repeatTimer_ = state_.RepeatTimerRunning();
    if (repeatTimer_) SetTimer(hwnd, kRepeatTimer, static_cast<UINT>(state_.repeatInterval), nullptr);
    else KillTimer(hwnd, kRepeatTimer);
  }
}

void TbsSkinButton::Apply(const ButtonEffects& e) {
  SyncTimers();
  if (e.releaseGroup) {
    HWND parent = GetParent(Handle());
    std::vector<ButtonState*> siblings;
    for (TbsSkinButton* b : AllButtons())
      if (b->Handle() && GetParent(b->Handle()) == parent) siblings.push_back(&b->state_);
    for (ButtonState* changed : ReleaseGroup(state_, siblings))
      for (TbsSkinButton* b : AllButtons())
        if (&b->state_ == changed) b->Apply(ButtonEffects{0, true, false});
  }
  if (e.repaint) Repaint();
  for (int i = 0; i < e.clicks; ++i) Click();
}

void TbsSkinButton::PaintControl(TbsCanvas& c) {
  state_.fades = SectionFades(Section());
  ButtonLookState st;
  st.size = ClientSize();
  st.enabled = Enabled();
  st.down = state_.Down();
  st.mouseIn = state_.MouseIn();
  st.focused = GetFocus() == Handle();
  st.canFocused = CanFocused;
  st.pressedByMouse = state_.PressedByMouse();
  st.groupIndex = state_.groupIndex;
  st.morphFactor = state_.MorphFactor();
  const ButtonLook look =
      PushButtonLook(Section(), st, CurrentSystemColors(), PixelOf(DefaultFont.color));
  const vellumo::UniqueFont font = FontOf(SkinControlFont<TbsDataSkinButtonControl>(Section(), *this));
  DrawButton(c, look, *this, font.get(), st.enabled);
}

LRESULT TbsSkinButton::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
  HWND hwnd = Handle();
  state_.fades = SectionFades(Section());
  switch (msg) {
    case WM_MOUSEMOVE: {
      TbsSkinControl::OnMessage(msg, wp, lp);  // tracks the leaving
      const bool over = InClient(lp);
      if (over && !state_.MouseIn()) Apply(state_.MouseEnter());
      else if (!over && state_.MouseIn() && GetCapture() == hwnd) Apply(state_.MouseLeave());
      return 0;
    }
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (CanFocused && GetFocus() != hwnd) {
        SetFocus(hwnd);
        if (GetFocus() != hwnd) return 0;  // the press is dropped
      }
      SetCapture(hwnd);
      Apply(state_.MouseDown());
      return 0;
    case WM_LBUTTONUP: {
      if (!state_.PressedByMouse()) return 0;
      const ButtonEffects e = state_.MouseUp(InClient(lp));
      if (GetCapture() == hwnd) ReleaseCapture();
      Apply(ButtonEffects{0, true, e.releaseGroup});
      for (int i = 0; i < e.clicks; ++i) Click();
      return 0;
    }
    case WM_CAPTURECHANGED:
      if (state_.PressedByMouse() && reinterpret_cast<HWND>(lp) != hwnd) Apply(state_.MouseUp(false));
      return 0;
    case WM_KEYDOWN:
      if (wp == VK_SPACE && !(lp & (1 << 30))) Apply(state_.SpaceDown());
      else if (wp == VK_RETURN) Apply(state_.Enter());
      else break;
      return 0;
    case WM_KEYUP:
      if (wp != VK_SPACE) break;
      Apply(state_.SpaceUp());
      return 0;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      Apply(state_.FocusChanged(msg == WM_SETFOCUS));
      Repaint();
      return 0;
    case WM_TIMER:
      if (wp == kFadeTimer) Apply(state_.FadeTick());
      else if (wp == kRepeatTimer) Apply(state_.RepeatTick());
      else break;
      return 0;
  }
  return TbsSkinCustomControl::OnMessage(msg, wp, lp);
}

// ---- TbsSkinSpeedButton ------------------------------------------------------------

TbsSkinSpeedButton::TbsSkinSpeedButton() { SkinDataName = "toolbutton"; }

TbsSkinSpeedButton::~TbsSkinSpeedButton() {
  StopTimer(0);
  StopTimer(1);
}

void TbsSkinSpeedButton::ReadFade() { state_.fades = SectionFades(Section()) && !Transparent; }

void TbsSkinSpeedButton::SetDown(bool down) { Apply(state_.SetDown(down)); }

void TbsSkinSpeedButton::Click() {
  if (OnClick) OnClick();
}

void TbsSkinSpeedButton::SkinChange() {
  TbsGraphicSkinControl::SkinChange();
  ReadFade();
}

void TbsSkinSpeedButton::EnabledChanged() { Apply(state_.SetEnabled(Enabled())); }

void TbsSkinSpeedButton::SyncTimers() {
  if (state_.FadeTimerRunning() != fadeTimer_) {
    fadeTimer_ = state_.FadeTimerRunning();
    if (fadeTimer_) StartTimer(0, ButtonState::kFadeInterval);
    else StopTimer(0);
  }
  if (state_.RepeatTimerRunning() != repeatTimer_) {
    repeatTimer_ = state_.RepeatTimerRunning();
    if (repeatTimer_) StartTimer(1, static_cast<UINT>(state_.repeatInterval));
    else StopTimer(1);
  }
}

void TbsSkinSpeedButton::Apply(const ButtonEffects& e) {
  SyncTimers();
  if (e.releaseGroup && Parent()) {
    std::vector<TbsSkinSpeedButton*> group;
    for (TbsGraphicControl* g : Parent()->Graphics())
      if (auto* b = dynamic_cast<TbsSkinSpeedButton*>(g)) group.push_back(b);
    std::vector<ButtonState*> siblings;
    for (TbsSkinSpeedButton* b : group) siblings.push_back(&b->state_);
    for (ButtonState* changed : ReleaseGroup(state_, siblings))
      for (TbsSkinSpeedButton* b : group)
        if (&b->state_ == changed) b->Apply(ButtonEffects{0, true, false});
  }
  if (e.repaint) Invalidate();
  for (int i = 0; i < e.clicks; ++i) Click();
}

void TbsSkinSpeedButton::MouseEnter() {
  TbsGraphicSkinControl::MouseEnter();
  ReadFade();
  Apply(state_.MouseEnter());
}

void TbsSkinSpeedButton::MouseLeave() {
  TbsGraphicSkinControl::MouseLeave();
  ReadFade();
  Apply(state_.MouseLeave());
}

void TbsSkinSpeedButton::MouseDown(Point) {
  ReadFade();
  Apply(state_.MouseDown());
}

void TbsSkinSpeedButton::MouseUp(Point, bool over) {
  const ButtonEffects e = state_.MouseUp(over);
  Apply(ButtonEffects{e.clicks, true, e.releaseGroup});
}

void TbsSkinSpeedButton::CaptureLost() { Apply(state_.MouseUp(false)); }

void TbsSkinSpeedButton::TimerTick(int which) {
  Apply(which == 0 ? state_.FadeTick() : state_.RepeatTick());
}

void TbsSkinSpeedButton::Paint(TbsCanvas& c) {
  ReadFade();
  ButtonLookState st;
  st.size = ClientSize();
  st.enabled = Enabled();
  st.down = state_.Down();
  st.mouseIn = state_.MouseIn();
  st.pressedByMouse = state_.PressedByMouse();
  st.groupIndex = state_.groupIndex;
  st.morphFactor = state_.MorphFactor();
  st.transparent = Transparent || Flat;
  st.flat = Flat;
  const ButtonLook look =
      SpeedButtonLook(Section(), st, CurrentSystemColors(), PixelOf(DefaultFont.color));
  const vellumo::UniqueFont font = FontOf(SkinControlFont<TbsDataSkinButtonControl>(Section(), *this));
  TbsButtonContent content = *this;
  if (!ShowCaption) content.Caption.clear();
  DrawButton(c, look, content, font.get(), st.enabled);
}

}  // namespace bs
