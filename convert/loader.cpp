#include "convert/loader.h"

#include <algorithm>

#include "convert/convert.h"
#include "convert/fileio.h"
#include "convert/linerule.h"

namespace vellumo {

namespace {

constexpr std::size_t kReadBufferSize = 64 * 1024;

// Cuts a text of a known kind into lines and converts them in order: by bytes,
// or a Unicode text by units after its signature. Keeps the document offset
// of each line for the runs of "**".
class TextConverter {
 public:
  TextConverter(SourceKind kind, bool dropSignature, const CodeTableData* table,
                const LineSink& sink, LoadResult& result)
      : kind_(kind), first_(dropSignature), table_(table), sink_(sink), result_(result),
        bytes_(Fn()), units_(Fn()) {
    result_.kind = kind;
  }
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
      std::vector<UnshownRun>& runs = result_.unshownRuns;
      const std::size_t from = runs.size();
      result_.unshown += ConvertLine(kind_, line, size, first_, table_, out_, &runs);
      for (std::size_t i = from; i < runs.size(); ++i) runs[i].offset += offset_;
      first_ = false;
      offset_ += out_.size() + 2;
      sink_(out_.data(), out_.size());
    };
  }
  SourceKind kind_;
  bool first_;
  const CodeTableData* table_;
  const LineSink& sink_;
  LoadResult& result_;
  std::uint64_t offset_ = 0;
  std::size_t signature_ = UnicodeSignature.size();
  std::string out_;
  LineCutter bytes_;
  UnitLineCutter units_;
};

// The kind to read a file as, and whether its first line loses a signature.
SourceKind ReadAs(SourceKind detected, const LoadOptions& options) {
  return detected == SourceKind::Ansi && options.asUtf8 ? SourceKind::Utf8 : detected;
}

// Moves the runs from index from by the bytes dropped from the front of their
// line; returns how many characters went with those bytes.
std::uint64_t DropFront(std::vector<UnshownRun>& runs, std::size_t from, std::uint64_t dropped) {
  std::uint64_t gone = 0;
  std::size_t kept = from;
  for (std::size_t i = from; i < runs.size(); ++i) {
    UnshownRun r = runs[i];
    if (r.offset < dropped) {
      const std::uint64_t cut = std::min(r.count, (dropped - r.offset + 1) / 2);
      gone += cut;
      r.count -= cut;
      r.offset += 2 * cut;
    }
    if (r.count == 0) continue;
    r.offset -= dropped;
    runs[kept++] = r;
  }
  runs.resize(kept);
  return gone;
}

}  // namespace

void ThrowLoadError(int code) { throw LoadError(code, IoErrorMessage(code)); }

bool SourceKindProbe::Feed(const char* p, std::size_t n) {
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

SourceKind SourceKindProbe::Kind() const { return DetectSourceKind(head_, line_); }

int SourceKindProbe::Run(InputFile& file, std::vector<char>& buffer) {
  for (;;) {
    std::size_t got = 0;
    if (int err = file.Read(buffer.data(), buffer.size(), got)) return err;
    if (got == 0 || !Feed(buffer.data(), got)) return file.Rewind();
  }
}

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

std::uint64_t ConvertLine(SourceKind kind, const char* line, std::size_t size, bool firstLine,
                          const CodeTableData* table, std::string& out,
                          std::vector<UnshownRun>* runs) {
  switch (kind) {
    case SourceKind::Utf8: {
      if (!firstLine) return Utf8BytesToNative(line, size, table, out, runs);
      std::vector<UnshownRun> own;
      std::vector<UnshownRun>& kept = runs ? *runs : own;
      const std::size_t from = kept.size();
      std::uint64_t n = Utf8BytesToNative(line, size, table, out, &kept);
      const std::size_t dropped = std::min<std::size_t>(2, out.size());
      out.erase(0, dropped);
      if (n) n -= DropFront(kept, from, dropped);
      return n;
    }
    case SourceKind::Unicode:
      return Utf16BytesToNative(line, size, table, out, runs);
    default:
      out.assign(line, size);
      return 0;
  }
}

std::uint64_t ConvertLine(SourceKind kind, const std::string& line, bool firstLine,
                          const CodeTableData* table, std::string& out,
                          std::vector<UnshownRun>* runs) {
  return ConvertLine(kind, line.data(), line.size(), firstLine, table, out, runs);
}

LoadResult ConvertTextTo(const std::string& text, const CodeTableData* table, const LineSink& sink,
                         const LoadOptions& options) {
  SourceKindProbe probe;
  probe.Feed(text.data(), text.size());
  const SourceKind detected = probe.Kind();
  LoadResult result;
  TextConverter convert(ReadAs(detected, options), detected == SourceKind::Utf8, table, sink, result);
  convert.Feed(text.data(), text.size());
  convert.Finish();
  return result;
}

LoadResult LoadLinesTo(const std::filesystem::path& path, const CodeTableData* table,
                       const LineSink& sink, const LoadOptions& options) {
  InputFile file;
  if (int err = file.Open(path)) ThrowLoadError(err);
  std::vector<char> buffer(kReadBufferSize);
  std::size_t got = 0;

  // First pass: the first bytes decide the kind; then every line from the
  // first byte, the first one again.
  SourceKindProbe probe;
  if (int err = probe.Run(file, buffer)) ThrowLoadError(err);
  const SourceKind detected = probe.Kind();
  LoadResult result;
  TextConverter convert(ReadAs(detected, options), detected == SourceKind::Utf8, table, sink, result);
  for (;;) {
    if (int err = file.Read(buffer.data(), buffer.size(), got)) ThrowLoadError(err);
    if (got == 0 || !convert.Feed(buffer.data(), got)) break;
  }
  convert.Finish();
  return result;
}

LoadedText LoadLines(const std::filesystem::path& path, const CodeTableData* table,
                     const LoadOptions& options) {
  LoadedText text;
  static_cast<LoadResult&>(text) = LoadLinesTo(
      path, table, [&](const char* line, std::size_t size) { text.lines.emplace_back(line, size); },
      options);
  return text;
}

}  // namespace vellumo
