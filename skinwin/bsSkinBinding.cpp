#include "skinwin/bsSkinBinding.h"

namespace bs {

void SkinBinding::SetSkinData(TbsSkinData* data) {
  skinData_ = data;
  if (data && !data->Empty()) SkinChange();
  else SkinCleared();
}

Size SkinBinding::SizeAfterSkinChange(Size current) const {
  const ControlSection s = Section();
  return s.InForce() ? FitSize(current) : SkinChangeSize(s, current, DefaultSize());
}

bool SkinBinding::TakeSkinNotice(UINT msg, const TbsSkinData* data) {
  if (msg != SkinChanged || data != skinData_) return false;
  SkinChange();
  return true;
}

void SkinBinding::TellMouseEnter() const {
  if (OnMouseEnter) OnMouseEnter();
}

void SkinBinding::TellMouseLeave() const {
  if (OnMouseLeave) OnMouseLeave();
}

}  // namespace bs
