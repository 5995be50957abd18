// skininfo's parts: the loaded skin seen by the drawing arithmetic, and previews.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "skin/data/bsSkinData.h"
#include "skin/draw/bsTiling.h"
#include "skin/frame/bsFramePlace.h"

namespace skininfo {

// The form geometry of a loaded skin as the frame arithmetic takes it.
bs::FrameSkin FrameSkinOf(const bs::TbsSkinData& skin);
// A control section's nine-slice geometry.
bs::SectionGeometry GeometryOf(const bs::TbsDataSkinCustomControl& d);

// What is incoherent in the skin (nothing for a sound skin); text is the
// skin's INI as the container holds it.
std::vector<std::string> VerifySkin(const bs::TbsSkinData& skin, const bs::TbsIniFile& text);

// Writes preview pictures of the skin into folder; returns the files written.
std::vector<std::string> WritePreviews(const bs::TbsSkinData& skin, const std::string& folder);

}  // namespace skininfo
