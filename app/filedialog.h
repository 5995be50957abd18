// The open and save dialogs: filter "*.txt", default extension txt, no
// existing-file or overwrite question; a name too long for the platform's
// dialog is refused with a message before the dialog acts on it.
#pragma once

#include <windows.h>

#include <filesystem>

namespace vellumo {

// Shows the dialog with name (the last choice) in initialDir (none when
// empty); false when cancelled, else name is the choice.
bool AskFileName(HWND owner, bool save, std::filesystem::path& name,
                 const std::filesystem::path& initialDir);

}  // namespace vellumo
