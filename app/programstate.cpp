#include "app/programstate.h"

namespace vellumo {

std::string ProgramDir;
std::string CurrentFileName;
bool ShowInputTip = true;
bool ShowSavePrompt = true;
bool SaveAnswer = false;
std::int32_t TipMode = 0;
CodeType CurrentCodeType = CodeType::Gb2312;
std::string AboutLanguage = "chinese";

}  // namespace vellumo
