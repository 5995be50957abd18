// TbsSkinPanel (a windowed panel: plain, skinned or tiled look, the client
// area its aligned children go in) and TbsSkinStdLabel (a window-less label
// written in its section's font, embossed when disabled).
#pragma once

#include <string>

#include "skin/controls/bsPanelLook.h"
#include "skinwin/bsSkinCtrls.h"

namespace bs {

class TbsSkinPanel : public TbsSkinCustomControl {
 public:
  TbsSkinPanel() { SkinDataName = "panel"; }

  PanelBorder BorderStyle = PanelBorder::Frame;
  bool CaptionMode = false;
  int DefaultCaptionHeight = 22;
  std::wstring Caption;

 protected:
  const wchar_t* ClassName() const override { return L"TbsSkinPanel"; }
  void PaintControl(TbsCanvas& c) override;

 private:
  PanelState State() const;
};

class TbsSkinStdLabel : public TbsGraphicSkinCustomControl {
 public:
  TbsSkinStdLabel();

  std::wstring Caption;
  void SetCaption(const std::wstring& caption);
  FontSpec Font;  // the label's own font
  bool AutoSize = true;
  bool WordWrap = false;
  void Paint(TbsCanvas& c) override;

 protected:
  // A label keeps the size it is given (or takes its text's, with AutoSize).
  Size FitSize(Size request) const override;
  void SkinChange() override;

 private:
  LabelLook Look() const;
  UINT TextFlags() const;
};

}  // namespace bs
