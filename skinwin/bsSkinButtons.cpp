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

namespace {

// The look with the button's glyph and caption in its section's font (or its
// default font).
void PaintButton(TbsCanvas& c, const ButtonLook& look, const TbsButtonContent& content,
                 const SkinBinding& binding, const TbsControlDefaults& defaults, bool enabled) {
  const vellumo::UniqueFont font =
      FontOf(SkinControlFont<TbsDataSkinButtonControl>(binding.Section(), defaults));
  DrawButton(c, look, content, font.get(), enabled);
}

}  // namespace

// ---- TbsSkinButton ----------------------------------------------------------------

TbsSkinButton::TbsSkinButton() : TbsButtonDriver(ButtonKind::Push) {
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

void TbsSkinButton::SkinChange() {
  TbsSkinControl::SkinChange();
  state_.fades = SectionFades(Section());
}

void TbsSkinButton::EnabledChanged() { Apply(state_.SetEnabled(Enabled())); }

void TbsSkinButton::MouseEntered() {}

void TbsSkinButton::MouseLeft() {
  if (state_.MouseIn() && GetCapture() != Handle()) Apply(state_.MouseLeave());
}

bool TbsSkinButton::SetButtonTimer(int which, bool on, UINT ms) {
  HWND hwnd = Handle();
  if (!hwnd) return false;
  const UINT_PTR id = which == 0 ? kFadeTimer : kRepeatTimer;
  if (on) SetTimer(hwnd, id, ms, nullptr);
  else KillTimer(hwnd, id);
  return true;
}

// The push buttons on the same parent.
std::vector<TbsButtonDriver*> TbsSkinButton::GroupSiblings() {
  std::vector<TbsButtonDriver*> group;
  HWND parent = GetParent(Handle());
  for (TbsSkinButton* b : AllButtons())
    if (b->Handle() && GetParent(b->Handle()) == parent) group.push_back(b);
  return group;
}

void TbsSkinButton::PaintControl(TbsCanvas& c) {
  state_.fades = SectionFades(Section());
  ButtonLookState st = LookState(ClientSize(), Enabled());
  st.focused = GetFocus() == Handle();
  st.canFocused = CanFocused;
  PaintButton(c, PushButtonLook(Section(), st, CurrentSystemColors(), PixelOf(DefaultFont.color)),
              *this, *this, *this, st.enabled);
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

TbsSkinSpeedButton::TbsSkinSpeedButton() : TbsButtonDriver(ButtonKind::Speed) {
  SkinDataName = "toolbutton";
}

TbsSkinSpeedButton::~TbsSkinSpeedButton() {
  StopTimer(0);
  StopTimer(1);
}

void TbsSkinSpeedButton::ReadFade() { state_.fades = SectionFades(Section()) && !Transparent; }

void TbsSkinSpeedButton::SkinChange() {
  TbsGraphicSkinControl::SkinChange();
  ReadFade();
}

void TbsSkinSpeedButton::EnabledChanged() { Apply(state_.SetEnabled(Enabled())); }

bool TbsSkinSpeedButton::SetButtonTimer(int which, bool on, UINT ms) {
  if (on) StartTimer(which, ms);
  else StopTimer(which);
  return true;
}

// The speed buttons on the same host.
std::vector<TbsButtonDriver*> TbsSkinSpeedButton::GroupSiblings() {
  std::vector<TbsButtonDriver*> group;
  if (Parent())
    for (TbsGraphicControl* g : Parent()->Graphics())
      if (auto* b = dynamic_cast<TbsSkinSpeedButton*>(g)) group.push_back(b);
  return group;
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
  ButtonLookState st = LookState(ClientSize(), Enabled());
  st.transparent = Transparent || Flat;
  st.flat = Flat;
  TbsButtonContent content = *this;
  if (!ShowCaption) content.Caption.clear();
  PaintButton(c, SpeedButtonLook(Section(), st, CurrentSystemColors(), PixelOf(DefaultFont.color)),
              content, *this, *this, st.enabled);
}

}  // namespace bs
