// The loader: a file to its kind and its lines in the display code page.
// Portable; the main window puts the lines into the text box.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

#include "convert/ioerror.h"

namespace vellumo {

struct CodeTableData;

// The marks of a UTF-8 and of a UTF-16LE file.
constexpr std::string_view Utf8Signature = "\xEF\xBB\xBF";
constexpr std::string_view UnicodeSignature = "\xFF\xFE";

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

struct LoadedText {
  SourceKind kind = SourceKind::Ansi;
  std::vector<std::string> lines;  // display code page bytes, no CR or LF
};

// Reads the file (share-read), cuts it by the line rule, detects its kind and
// converts UTF-8 and Unicode lines through table (null: none loaded, every
// character "**"). Throws LoadError; on failure nothing is kept.
LoadedText LoadLines(const std::filesystem::path& path, const CodeTableData* table);
LoadedText LoadLines(const std::string&, const CodeTableData*) = delete;  // PathFromUtf8

// The same, streaming: each converted line is handed to sink in order, so
// memory stays flat. Returns the kind.
SourceKind LoadLinesTo(const std::filesystem::path& path, const CodeTableData* table,
                       const std::function<void(const std::string&)>& sink);
SourceKind LoadLinesTo(const std::string&, const CodeTableData*,
                       const std::function<void(const std::string&)>&) = delete;

// The line rule on a stream of bytes: the text ends at the first 0x1A, an LF
// ends a line, CR bytes are dropped, and bytes after the last LF (even CR
// bytes only) make one more line. A line is handed over as bytes that stay
// valid only during the call (often straight from the read buffer).
class LineCutter {
 public:
  // ended tells whether an LF ended the line (false for a last line cut by
  // the end of the text or by 0x1A).
  using LineFn = std::function<void(const char* data, std::size_t size, bool ended)>;
  explicit LineCutter(LineFn onLine) : onLine_(std::move(onLine)) {}
  // Cuts the next bytes of the text. Returns false once a 0x1A has ended it.
  bool Feed(const char* data, std::size_t size);
  // The end of the file: hands over the last line if one is pending.
  void Finish();

 private:
  void Emit(const char* data, std::size_t size, bool ended);
  LineFn onLine_;
  std::string line_;      // a line that spans buffers or holds CR bytes
  bool pending_ = false;  // a byte (perhaps a CR) came after the last LF
  bool ended_ = false;
};

// The same loading on a text already in memory (tests, fuzzing).
SourceKind ConvertTextTo(const std::string& text, const CodeTableData* table,
                         const std::function<void(const std::string&)>& sink);

// One line of a file of the given kind into display bytes, equal byte for
// byte to the HexText pipeline (tests/support/pipeline.h).
// firstLine selects the first-line rules (signature bytes); ended tells
// whether an LF ended the line. A Unicode line ended by LF carries the high
// byte of its CR (or LF) unit last, which is dropped; a last line without a
// line end has no such byte and keeps all of its own.
void ConvertLine(SourceKind kind, const char* line, std::size_t size, bool firstLine, bool ended,
                 const CodeTableData* table, std::string& out);
void ConvertLine(SourceKind kind, const std::string& line, bool firstLine, bool ended,
                 const CodeTableData* table, std::string& out);

}  // namespace vellumo
