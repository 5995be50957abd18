// The loader's reading half: a file to its kind and its list of lines in the
// display code page. Portable; the main window puts the lines into the text box.
#pragma once

#include <cstdint>
#include <functional>
#include <stdexcept>
#include <string>
#include <vector>

namespace vellumo {

enum class SourceKind : std::uint8_t { Utf8 = 0, Ansi = 1, Unicode = 2 };

// "UTF-8", "ANSI" or "Unicode" (status panel 2).
const char* SourceKindText(SourceKind kind);

// The kind of a file from its first line as cut by the line rule.
SourceKind DetectSourceKind(const std::string& firstLine);

// A file that cannot be opened or read. code is the system's error code
// (2 file not found, 5 access denied, 32 sharing violation, ...); what() is
// the message for it without the final period ("File not found", "I/O error 32").
class LoadError : public std::runtime_error {
 public:
  LoadError(int code, const std::string& message) : std::runtime_error(message), code_(code) {}
  int code() const { return code_; }

 private:
  int code_;
};

// "File not found", "Invalid filename", ..., "I/O error %d".
std::string IoErrorMessage(int code);

struct LoadedText {
  SourceKind kind = SourceKind::Ansi;
  std::vector<std::string> lines;  // display code page bytes, no CR or LF
};

// Reads the file (share-read), cuts it by the line rule, detects its kind and
// converts UTF-8 and Unicode lines through the current code table. Sets
// TokenMode as the loader does. Throws LoadError; on failure nothing is kept.
LoadedText LoadLines(const std::string& path);

// The same, streaming: each converted line is handed to sink in order, so
// memory stays flat. Returns the kind.
SourceKind LoadLinesTo(const std::string& path, const std::function<void(const std::string&)>& sink);

}  // namespace vellumo
