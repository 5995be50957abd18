// Processes, the shell, the registry verb and the companion-file check.
// Strings are UTF-8; the Unicode API is called with UTF-16.
#pragma once

#include <windows.h>

#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "shell/paths.h"

namespace vellumo {

// A registry key or value the system refused to write. what() is the message
// the application's error box shows.
class RegistryError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Longest command line RunAndWait accepts, in UTF-16 code units.
constexpr std::size_t kCommandLineLimit = 512;

// Runs commandLine as a new process in its own console and waits for it
// without a time-out. Returns its exit code, or -1 when it cannot be started
// or the command line is longer than kCommandLineLimit.
std::int32_t RunAndWait(const std::string& commandLine, bool visible);

// The shell's default action on a file or an address; the result is ignored.
void OpenWithShell(const std::string& target);

// Whether a file, not a folder, exists at path.
bool FileExists(const std::string& path);

// Whether every name exists as a file (a folder does not count) in folder
// (ending in a backslash). All names are tested, also after a missing one.
bool AllFilesPresent(const std::string& folder, const std::vector<std::string>& names);

// The running executable's full path.
std::string ExecutablePath();

// Writes the verb fileClass\shell\verb under root (HKEY_CLASSES_ROOT): its
// text and a command that opens "%1" with this executable. A verb left from
// before is deleted first with everything below it. Throws RegistryError
// when a key cannot be created or a value cannot be set; false when the
// command key cannot be opened for writing.
bool AddTextAssociation(const std::string& verb, const std::string& displayText,
                        const std::string& fileClass, HKEY root = HKEY_CLASSES_ROOT);

// Whether fileClass\shell\verb exists under root.
bool TextAssociationExists(const std::string& verb, const std::string& fileClass,
                           HKEY root = HKEY_CLASSES_ROOT);

// Deletes the verb with everything below it. True only when it existed and
// is gone afterwards.
bool RemoveTextAssociation(const std::string& verb, const std::string& fileClass,
                           HKEY root = HKEY_CLASSES_ROOT);

}  // namespace vellumo
