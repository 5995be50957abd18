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

#include "convert/convert.h"
#include "convert/ioerror.h"

namespace vellumo {

// The marks of a UTF-8 and of a UTF-16LE file.
constexpr std::string_view Utf8Signature = "\xEF\xBB\xBF";
constexpr std::string_view UnicodeSignature = "\xFF\xFE";

enum class SourceKind : std::uint8_t { Utf8 = 0, Ansi = 1, Unicode = 2 };

// "UTF-8", "ANSI" or "Unicode" (status panel 2).
const char* SourceKindText(SourceKind kind);

// The kind of a file from its first bytes (head, four are enough) and its
// first line by the byte rule: Unicode when the file begins FF FE and has at
// least one more unit (4 bytes or more), else UTF-8 when the first line is at
// least 4 bytes long and begins EF BB BF, else ANSI.
SourceKind DetectSourceKind(std::string_view head, std::string_view firstLine);

// Settles the kind of a file from its first bytes, fed in order.
class SourceKindProbe {
 public:
  // Returns false once the kind is settled.
  bool Feed(const char* data, std::size_t size);
  SourceKind Kind() const;
  // Reads file from where it stands until the kind is settled, then back to
  // its first byte. Returns 0 or the error code.
  int Run(InputFile& file, std::vector<char>& buffer);

 private:
  std::string head_, line_;
  bool lineDone_ = false;
};

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

// Throws the LoadError of a system error code.
[[noreturn]] void ThrowLoadError(int code);

struct LoadOptions {
  // A file without signature is read as UTF-8 (nothing dropped from its first
  // line; panel text "UTF-8"). A file with a signature is read by it.
  bool asUtf8 = false;
};

struct LoadResult {
  SourceKind kind = SourceKind::Ansi;
  std::uint64_t unshown = 0;             // characters conversion showed as "**"
  std::vector<UnshownRun> unshownRuns;   // their runs, by offset in the document
};

// One converted line, display bytes without CR or LF, valid during the call.
using LineSink = std::function<void(const char* data, std::size_t size)>;

// Reads the file (share-read), detects its kind, cuts it into lines (by
// bytes, a Unicode file by 16-bit units after its signature) and converts
// UTF-8 and Unicode lines through table (null: none loaded, every character
// "**"), handing each to sink in order, so memory stays flat. The document is
// the lines handed to sink, each followed by CR LF; the offsets of the result
// count in it. A "**" counts only where conversion made it, never one that
// was in the file. Throws LoadError.
LoadResult LoadLinesTo(const std::filesystem::path& path, const CodeTableData* table,
                       const LineSink& sink, const LoadOptions& options = {});
LoadResult LoadLinesTo(const std::string&, const CodeTableData*, const LineSink&,
                       const LoadOptions& = {}) = delete;  // UTF-8 text: PathFromUtf8

// The same, all lines at once; on failure nothing is kept.
struct LoadedText : LoadResult {
  std::vector<std::string> lines;  // display code page bytes, no CR or LF
};
LoadedText LoadLines(const std::filesystem::path& path, const CodeTableData* table,
                     const LoadOptions& options = {});
LoadedText LoadLines(const std::string&, const CodeTableData*, const LoadOptions& = {}) = delete;

// The same loading on a text already in memory (tests, fuzzing).
LoadResult ConvertTextTo(const std::string& text, const CodeTableData* table, const LineSink& sink,
                         const LoadOptions& options = {});

// One line of a file of the given kind into display bytes, equal byte for
// byte to the HexText pipeline (tests/support/pipeline.h). A UTF-8 line is
// its bytes, and the first one (firstLine) loses the two display bytes of its
// signature; a Unicode line is the bytes of its units. Returns how many
// characters it showed as "**"; runs, when given, gets their runs (offsets in
// out) appended.
std::uint64_t ConvertLine(SourceKind kind, const char* line, std::size_t size, bool firstLine,
                          const CodeTableData* table, std::string& out,
                          std::vector<UnshownRun>* runs = nullptr);
std::uint64_t ConvertLine(SourceKind kind, const std::string& line, bool firstLine,
                          const CodeTableData* table, std::string& out,
                          std::vector<UnshownRun>* runs = nullptr);

}  // namespace vellumo
