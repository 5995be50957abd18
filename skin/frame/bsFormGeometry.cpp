#include "skin/frame/bsFormGeometry.h"

namespace bs {

FrameSkin FrameSkinOf(const TbsSkinData& skin) {
  const TbsDataSkinFormInfo& f = skin.FormInfo;
  FrameSkin s;
  s.pictureWidth = skin.picture.width;
  s.pictureHeight = skin.picture.height;
  s.lt = f.lefttoppoint;
  s.rt = f.righttoppoint;
  s.lb = f.leftbottompoint;
  s.rb = f.rightbottompoint;
  s.client = f.clientrect;
  s.caption = f.captionrect;
  s.buttons = f.buttonsrect;
  s.hitLT = f.hittestlefttoppoint;
  s.hitRT = f.hittestrighttoppoint;
  s.hitLB = f.hittestleftbottompoint;
  s.hitRB = f.hittestrightbottompoint;
  s.maskArea = f.maskrectarea;
  s.leftStretch = f.leftstretch;
  s.rightStretch = f.rightstretch;
  s.topStretch = f.topstretch;
  s.bottomStretch = f.bottomstretch;
  s.borderWidth = f.borderwidth;
  return s;
}

}  // namespace bs
