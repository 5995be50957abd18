// Path and command-line helpers of the shell unit. Portable: paths are UTF-8
// byte strings and only the backslash separates folders.
#pragma once

#include <string>
#include <vector>

namespace vellumo {

// The text after the last backslash: the whole path when there is none, empty
// when the path ends in one. "/" and ":" do not separate.
std::string StripPath(const std::string& path);

// The path in double quotes when it holds a blank or a tab, so that a command
// line keeps it as one argument; otherwise unchanged.
std::string QuoteIfBlank(const std::string& path);

// "notepad " and the file, quoted when it has blanks.
std::string NotepadCommand(const std::string& fileName);

// The default value of the text-file verb's "command" key: the executable's
// path in quotes (it may hold blanks), a space and "%1" in quotes.
std::string AssociationCommand(const std::string& exePath);

// fileClass + "\shell\" + verb.
std::string VerbKeyPath(const std::string& fileClass, const std::string& verb);

// The companion files that must lie in the program's folder, in the order in
// which they are checked.
const std::vector<std::string>& CompanionFiles();

}  // namespace vellumo
