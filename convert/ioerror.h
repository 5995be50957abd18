// The messages of failed file operations, in one table: the load messages by
// system error code, the save messages, and the system's own text for a code.
#pragma once

#include <filesystem>
#include <string>

#include "convert/fileio.h"

namespace vellumo {

// A failed open or read: "File not found", "Invalid filename", "Too many open
// files", "File access denied", "Read beyond end of file", "Disk full",
// "Invalid numeric input", or "I/O error %d".
std::string IoErrorMessage(int code);

// The system's text for an error code, UTF-8, without trailing blanks, line
// ends and periods (FormatMessage on Windows; a plain text elsewhere).
std::string SystemErrorText(int code);

// The message for a failed write to path: "Cannot create file \"<full
// path>\". <system text>", "Stream write error", or, for an unreadable source
// of a copy, its load message.
std::string WriteErrorMessage(const std::filesystem::path& path, const WriteError& error);

}  // namespace vellumo
