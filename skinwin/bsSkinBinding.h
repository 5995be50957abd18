// What a skinned control keeps of its skin, windowed or window-less: the skin
// data and the name of its section, looked up afresh each time (a kept
// section would point into skin data that a reload frees), its mouse
// callbacks, its size rule and the size it takes after a skin change.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "skin/controls/bsControlSection.h"
#include "skin/data/bsSkinData.h"

namespace bs {

// The size and font settings of the custom controls, windowed or not.
struct TbsControlDefaults {
  int DefaultWidth = 0, DefaultHeight = 0;  // taken without a section; 0 keeps the size
  FontSpec DefaultFont;                     // the plain look's font
  bool UseSkinFont = true;
};

class SkinBinding {
 public:
  virtual ~SkinBinding() = default;

  TbsSkinData* SkinData() const { return skinData_; }
  // A non-empty skin is looked up at once (SkinChange), no skin or an empty
  // one draws the control anew (SkinCleared).
  void SetSkinData(TbsSkinData* data);
  std::string SkinDataName;  // read at the next look-up
  ControlSection Section() const { return LookUpSection(skinData_, SkinDataName); }

  std::function<void()> OnMouseEnter, OnMouseLeave;

 protected:
  // Look-up, size, region and repaint after a skin change.
  virtual void SkinChange() = 0;
  virtual void SkinCleared() = 0;
  // The size while a section is in force when asked for request.
  virtual Size FitSize(Size request) const { return FitControlSize(Section(), request); }
  // The size without a section; a side of 0 keeps the control's.
  virtual Size DefaultSize() const { return Size{}; }

  // The size after a skin change: the size rule with a section in force,
  // else the default size where positive.
  Size SizeAfterSkinChange(Size current) const;
  // A skin notification: SkinChanged of this control's skin runs SkinChange.
  // True when it did.
  bool TakeSkinNotice(UINT msg, const TbsSkinData* data);
  void TellMouseEnter() const;
  void TellMouseLeave() const;

 private:
  TbsSkinData* skinData_ = nullptr;
};

// A skinned control base with the custom kinds' default size and font.
template <class Base>
class TbsCustom : public Base, public TbsControlDefaults {
 protected:
  Size DefaultSize() const override { return Size{DefaultWidth, DefaultHeight}; }
};

}  // namespace bs
