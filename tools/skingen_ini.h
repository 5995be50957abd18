// The INI text of the program's own skin.
#pragma once

#include <string>

#include "tools/skingen_art.h"

namespace skingen {

// File names of the pictures, as [PICTURES] names them.
extern const char* const kFramePictureFile;
extern const char* const kMaskFile;
extern const char* const kExtraPictureFiles[kExtraCount];

// The whole INI, lines ended by CR LF, plain ASCII.
std::string SkinIni(const SkinArt& art);

}  // namespace skingen
