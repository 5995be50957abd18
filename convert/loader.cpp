#include "convert/loader.h"

#include <algorithm>

#include "convert/convert.h"
#include "convert/fileio.h"
#include "convert/linerule.h"

namespace vellumo {

namespace {

constexpr std::size_t kReadBufferSize = 64 * 1024;

// The first bytes of a file and of its first line by the byte rule, as many
// as DetectSourceKind looks at.
class KindProbe {
 public:
  // Returns false once the kind is settled.
  bool Feed(const char* p, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) {
      const char c = p[i];
      if (head_.size() < 4) head_ += c;
      if (!lineDone_) {
        if (c == '\n' || c == 0x1A)
          lineDone_ = true;
        else if (c != '\r')
          line_ += c;
        if (line_.size() == 4) lineDone_ = true;
      }
      if (head_.size() == 4 && lineDone_) return false;
    }
    return true;
  }
  SourceKind Kind() const { return DetectSourceKind(head_, line_); }

 private:
  std::string head_, line_;
  bool lineDone_ = false;
};

// Cuts a text of a known kind into lines and converts them in order: by bytes,
// or a Unicode text by units after its signature.
class TextConverter {
 public:
  TextConverter(SourceKind kind, const CodeTableData* table,
                const std::function<void(const std::string&)>& sink)
      : kind_(kind), table_(table), sink_(sink), bytes_(Fn()), units_(Fn()) {}
  // Returns false once the text has ended.
  bool Feed(const char* p, std::size_t n) {
    if (kind_ != SourceKind::Unicode) return bytes_.Feed(p, n);
    const std::size_t skip = std::min(signature_, n);
    signature_ -= skip;
    return units_.Feed(p + skip, n - skip);
  }
  void Finish() { kind_ == SourceKind::Unicode ? units_.Finish() : bytes_.Finish(); }

 private:
  LineCutter::LineFn Fn() {
    return [this](const char* line, std::size_t size) {
      ConvertLine(kind_, line, size, first_, table_, out_);
      first_ = false;
      sink_(out_);
    };
  }
  SourceKind kind_;
  const CodeTableData* table_;
  const std::function<void(const std::string&)>& sink_;
  bool first_ = true;
  std::size_t signature_ = UnicodeSignature.size();
  std::string out_;
  LineCutter bytes_;
  UnitLineCutter units_;
};

[[noreturn]] void Fail(int code) { throw LoadError(code, IoErrorMessage(code)); }

}  // namespace

const char* SourceKindText(SourceKind kind) {
  switch (kind) {
    case SourceKind::Utf8: return "UTF-8";
    case SourceKind::Unicode: return "Unicode";
    default: return "ANSI";
  }
}

SourceKind DetectSourceKind(std::string_view head, std::string_view firstLine) {
  if (head.size() >= 4 && head.substr(0, 2) == UnicodeSignature) return SourceKind::Unicode;
  if (firstLine.size() >= 4 && firstLine.substr(0, 3) == Utf8Signature) return SourceKind::Utf8;
  return SourceKind::Ansi;
}

void ConvertLine(SourceKind kind, const char* line, std::size_t size, bool firstLine,
                 const CodeTableData* table, std::string& out) {
  switch (kind) {
    case SourceKind::Ansi:
      out.assign(line, size);
      return;
    case SourceKind::Utf8:
      Utf8BytesToNative(line, size, table, out);
      if (firstLine) out.erase(0, std::min<std::size_t>(2, out.size()));
      return;
    case SourceKind::Unicode:
      Utf16BytesToNative(line, size, table, out);
      return;
  }
}

void ConvertLine(SourceKind kind, const std::string& line, bool firstLine,
                 const CodeTableData* table, std::string& out) {
  ConvertLine(kind, line.data(), line.size(), firstLine, table, out);
}

SourceKind ConvertTextTo(const std::string& text, const CodeTableData* table,
                         const std::function<void(const std::string&)>& sink) {
  KindProbe probe;
  probe.Feed(text.data(), text.size());
  const SourceKind kind = probe.Kind();
  TextConverter convert(kind, table, sink);
  convert.Feed(text.data(), text.size());
  convert.Finish();
  return kind;
}

SourceKind LoadLinesTo(const std::filesystem::path& path, const CodeTableData* table,
                       const std::function<void(const std::string&)>& sink) {
  InputFile file;
  if (int err = file.Open(path)) Fail(err);
  std::vector<char> buffer(kReadBufferSize);
  std::size_t got = 0;

  // First pass: the first bytes decide the kind.
  KindProbe probe;
  for (;;) {
    if (int err = file.Read(buffer.data(), buffer.size(), got)) Fail(err);
    if (got == 0 || !probe.Feed(buffer.data(), got)) break;
  }
  const SourceKind kind = probe.Kind();

  // Second pass from the first byte: every line, the first one again.
  if (int err = file.Rewind()) Fail(err);
  TextConverter convert(kind, table, sink);
  for (;;) {
    if (int err = file.Read(buffer.data(), buffer.size(), got)) Fail(err);
    if (got == 0 || !convert.Feed(buffer.data(), got)) break;
  }
  convert.Finish();
  return kind;
}

LoadedText LoadLines(const std::filesystem::path& path, const CodeTableData* table) {
  LoadedText text;
  text.kind = LoadLinesTo(path, table, [&](const std::string& line) { text.lines.push_back(line); });
  return text;
}

}  // namespace vellumo
