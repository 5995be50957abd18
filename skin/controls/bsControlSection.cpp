#include "skin/controls/bsControlSection.h"

namespace bs {

SectionGeometry SectionGeometryOf(const TbsDataSkinCustomControl& d) {
  return SectionGeometry{d.skinrect,       d.lefttoppoint,     d.righttoppoint,
                         d.leftbottompoint, d.rightbottompoint, d.clientrect};
}

ControlSection LookUpSection(const TbsSkinData* data, const std::string& name) {
  ControlSection s;
  if (data == nullptr || data->Empty()) return s;
  const int i = data->FindControlDescriptor(name);
  if (i < 0) return s;
  s.data = data;
  s.position = i;
  s.descriptor = data->ControlDescriptors[i].get();
  if (const auto* custom = dynamic_cast<const TbsDataSkinCustomControl*>(s.descriptor)) {
    s.geometry = SectionGeometryOf(*custom);
    s.mode = DecideStretchMode(s.geometry);
    s.picture = data->ExtraPicture(custom->pictureindex);
    s.mask = data->ExtraPicture(custom->maskpictureindex);
  } else {
    s.geometry.skinRect = s.descriptor->skinrect;
    s.mode = StretchMode::Fixed;
  }
  return s;
}

Size FitControlSize(const ControlSection& s, Size request) {
  return s.InForce() ? FitSize(s.mode, s.geometry, request) : request;
}

Size SkinChangeSize(const ControlSection& s, Size current, Size defaults) {
  if (s.InForce()) return FitControlSize(s, current);
  if (defaults.width > 0) current.width = defaults.width;
  if (defaults.height > 0) current.height = defaults.height;
  return current;
}

FontSpec ControlFont(const FontSpec* sectionFont, bool useSkinFont, const FontSpec& defaultFont,
                     std::optional<int> resourceCharSet) {
  FontSpec f = defaultFont;
  if (sectionFont != nullptr && useSkinFont) {
    f.name = sectionFont->name;
    f.height = sectionFont->height;
    f.style = sectionFont->style;
  }
  f.charSet = resourceCharSet ? *resourceCharSet : defaultFont.charSet;
  return f;
}

}  // namespace bs
