// A skinned control's section looked up in its skin data, the size rule, the
// font rule and the system colours of the plain looks. Portable.
#pragma once

#include <optional>
#include <string>

#include "skin/data/bsSkinData.h"
#include "skin/draw/bsPlainDraw.h"
#include "skin/draw/bsTiling.h"

namespace bs {

// The section of a control as one look-up finds it.
struct ControlSection {
  const TbsSkinData* data = nullptr;
  int position = -1;  // in data->ControlDescriptors; -1 when none is in force
  const TbsDataSkinControl* descriptor = nullptr;
  SectionGeometry geometry;
  StretchMode mode = StretchMode::None;
  const Picture* picture = nullptr;
  const Picture* mask = nullptr;

  bool InForce() const { return descriptor != nullptr; }
  // The descriptor when it is of kind T (or derived), else null.
  template <typename T>
  const T* As() const {
    return dynamic_cast<const T*>(descriptor);
  }
  Size SkinSize() const { return Size{geometry.skinRect.Width(), geometry.skinRect.Height()}; }
};

SectionGeometry SectionGeometryOf(const TbsDataSkinCustomControl& d);

// In force when data is set, its skin is not empty and name is found (case
// counts). A descriptor without the nine-slice geometry gives mode Fixed at
// its skin rectangle, with no picture and no mask.
ControlSection LookUpSection(const TbsSkinData* data, const std::string& name);

// The size a control takes when its bounds are set to request.
Size FitControlSize(const ControlSection& s, Size request);
// The size after a skin change: with no section the default width and
// height where positive, else the size rule on the current size.
Size SkinChangeSize(const ControlSection& s, Size current, Size defaults);

// A font as the Win32 half creates it; charSet is the platform's number
// (0 ANSI, 1 default, 134 GB2312).
struct FontSpec {
  std::string name = kDefaultFontName;
  int height = kDefaultFontHeight;
  TFontStyles style;
  TColor color = 0;
  int charSet = 1;
};

// The font keys of a section of kind T.
template <typename T>
FontSpec SectionFontOf(const T& d) {
  FontSpec f;
  f.name = d.fontname;
  f.height = d.fontheight;
  f.style = d.fontstyle;
  f.color = d.fontcolor;
  return f;
}

// The text font of a skinned control: the section's name, height and style
// with sectionFont given and useSkinFont, else defaultFont; the character
// set of the resource strings when given, else that of defaultFont.
FontSpec ControlFont(const FontSpec* sectionFont, bool useSkinFont, const FontSpec& defaultFont,
                     std::optional<int> resourceCharSet);

}  // namespace bs
