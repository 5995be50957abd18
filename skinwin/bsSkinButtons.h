// TbsSkinButton (windowed push button that takes the focus) and
// TbsSkinSpeedButton (window-less picture button): the portable button
// state fed with mouse, keys, focus and timers, the look drawn off-screen
// with glyph and caption, fades blended by the section's kind.
#pragma once

#include <functional>
#include <string>

#include "skin/controls/bsButtonLook.h"
#include "skin/controls/bsButtonState.h"
#include "skinwin/bsButtonDriver.h"
#include "skinwin/bsSkinCtrls.h"

namespace bs {

// The glyph and caption settings both buttons share.
struct TbsButtonContent {
  Picture Glyph;  // NumGlyphs equal slices, left to right
  int NumGlyphs = 1;
  int Margin = -1;
  int Spacing = 1;
  GlyphLayout Layout = GlyphLayout::Left;
  std::wstring Caption;
};

// Draws a button's look with its glyph and caption into c (origin at the
// button): the fade's two pictures each with their caption, then blended.
void DrawButton(TbsCanvas& c, const ButtonLook& look, const TbsButtonContent& content,
                HFONT font, bool enabled);

class TbsSkinButton : public TbsSkinCustomControl, public TbsButtonContent, public TbsButtonDriver {
 public:
  TbsSkinButton();
  ~TbsSkinButton() override;

  bool CanFocused = true;

 protected:
  const wchar_t* ClassName() const override { return L"TbsSkinButton"; }
  DWORD Style() const override;
  void PaintControl(TbsCanvas& c) override;
  void SkinChange() override;
  void EnabledChanged() override;
  void MouseEntered() override;
  void MouseLeft() override;
  LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;
  bool SetButtonTimer(int which, bool on, UINT ms) override;
  void RedrawButton() override { Repaint(); }
  std::vector<TbsButtonDriver*> GroupSiblings() override;
};

class TbsSkinSpeedButton : public TbsGraphicSkinCustomControl,
                           public TbsButtonContent,
                           public TbsButtonDriver {
 public:
  TbsSkinSpeedButton();
  ~TbsSkinSpeedButton() override;

  bool ShowCaption = true;
  bool Transparent = false;
  bool Flat = false;

  void Paint(TbsCanvas& c) override;
  void MouseEnter() override;
  void MouseLeave() override;
  void MouseDown(Point p) override;
  void MouseUp(Point p, bool over) override;
  void CaptureLost() override;
  void TimerTick(int which) override;

 protected:
  void SkinChange() override;
  void EnabledChanged() override;
  bool SetButtonTimer(int which, bool on, UINT ms) override;
  void RedrawButton() override { Invalidate(); }
  std::vector<TbsButtonDriver*> GroupSiblings() override;

 private:
  void ReadFade();
};

}  // namespace bs
