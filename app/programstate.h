// Program-wide state shared by the main window, the tips dialog, the Notepad
// commands and the About window. Lives for the run; nothing is saved. The
// code table and its flag belong to the conversion unit (convert/convert.h),
// the signatures to the loader (convert/loader.h).
#pragma once

#include <cstdint>
#include <string>

#include "app/displaycodepage.h"

namespace vellumo {

// Paths are UTF-8 in the portable code; the Windows layer converts them to
// UTF-16 for the Unicode API.
extern std::string ProgramDir;       // folder of the executable, ending in a backslash
extern std::string CurrentFileName;  // the document shown; empty until a file was opened
extern bool ShowInputTip;
extern bool ShowSavePrompt;
extern bool SaveAnswer;
extern std::int32_t TipMode;  // 1 input tip, 2 save prompt
extern CodeType CurrentCodeType;  // the display code page in force
extern std::string AboutLanguage;

}  // namespace vellumo
