#include "tools/skininfo.h"

#include "skin/frame/bsFormGeometry.h"

namespace skininfo {

bs::FrameSkin FrameSkinOf(const bs::TbsSkinData& skin) { return bs::FrameSkinOf(skin); }

bs::SectionGeometry GeometryOf(const bs::TbsDataSkinCustomControl& d) {
  return {d.skinrect, d.lefttoppoint, d.righttoppoint, d.leftbottompoint, d.rightbottompoint,
          d.clientrect};
}

}  // namespace skininfo
