#include "skinwin/bsSkinPanel.h"

namespace bs {

// ---- TbsSkinPanel ---------------------------------------------------------------

PanelState TbsSkinPanel::State() const {
  PanelState p;
  p.size = ClientSize();
  p.border = BorderStyle;
  p.captionMode = CaptionMode;
  p.defaultCaptionHeight = DefaultCaptionHeight;
  return p;
}

void TbsSkinPanel::PaintControl(TbsCanvas& c) {
  const ControlSection s = Section();
  const PanelState st = State();
  c.Put(PanelPicture(s, st, CurrentSystemColors()), 0, 0);
  const std::string caption = Caption.empty() ? std::string() : std::string("x");
  const Rect at = PanelCaptionRect(s, st, caption);
  if (at.IsEmpty()) return;
  const FontSpec f = SkinControlFont<TbsDataSkinPanelControl>(s, *this);
  const vellumo::UniqueFont font = FontOf(f);
  UINT align = DT_LEFT;
  if (const auto* d = s.As<TbsDataSkinPanelControl>())
    align = d->alignment == TAlignment::taCenter ? DT_CENTER
            : d->alignment == TAlignment::taRightJustify ? DT_RIGHT : DT_LEFT;
  c.Text(font.get(), Caption, at, align | DT_VCENTER | DT_SINGLELINE, PixelOf(f.color));
}

// ---- TbsSkinStdLabel ------------------------------------------------------------

TbsSkinStdLabel::TbsSkinStdLabel() { SkinDataName = "stdlabel"; }

void TbsSkinStdLabel::SetCaption(const std::wstring& caption) {
  Caption = caption;
  if (AutoSize) SetBounds(Bounds());
  Invalidate();
}

void TbsSkinStdLabel::SkinChange() {
  if (AutoSize) SetBounds(Bounds());
  Invalidate();
}

UINT TbsSkinStdLabel::TextFlags() const {
  return DT_LEFT | DT_EXPANDTABS | (WordWrap ? DT_WORDBREAK : 0);
}

LabelLook TbsSkinStdLabel::Look() const {
  LabelState l;
  l.enabled = Enabled();
  l.useSkinFont = UseSkinFont;
  l.font = Font;
  l.defaultFont = DefaultFont;
  return StdLabelLook(Section(), l, std::nullopt, CurrentSystemColors());
}

Size TbsSkinStdLabel::FitSize(Size request) const {
  if (!AutoSize) return request;
  // Measured as the label draws: an empty caption as a blank.
  const vellumo::UniqueFont font = FontOf(Look().font);
  TbsCanvas c(1, 1);
  const Size s = c.MeasureText(font.get(), LabelMeasureText(Caption), TextFlags());
  return Size{WordWrap ? request.width : s.width, s.height};
}

void TbsSkinStdLabel::Paint(TbsCanvas& c) {
  const LabelLook look = Look();
  const vellumo::UniqueFont font = FontOf(look.font);
  const Size size = ClientSize();
  for (const TextPass& pass : look.passes)
    c.Text(font.get(), Caption, Rect{pass.dx, pass.dy, size.width + pass.dx, size.height + pass.dy},
           TextFlags(), pass.colour);
}

}  // namespace bs
