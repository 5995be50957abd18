#include "convert/loader.h"

#include <algorithm>
#include <cstring>

#include "convert/convert.h"
#include "convert/fileio.h"

namespace vellumo {

namespace {

constexpr std::size_t kReadBufferSize = 64 * 1024;

// The first bytes of the first line, as many as DetectSourceKind looks at.
class FirstLineProbe {
 public:
  // Returns false once the first line is settled.
  bool Feed(const char* p, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) {
      const char c = p[i];
      if (c == '\n' || c == 0x1A) return false;
      if (c == '\r') continue;
      head_ += c;
      if (head_.size() == 4) return false;
    }
    return true;
  }
  SourceKind Kind() const { return DetectSourceKind(head_); }

 private:
  std::string head_;
};

// Converts lines in file order, applying the first-line rules once.
class LineConverter {
 public:
  LineConverter(SourceKind kind, const CodeTableData* table,
                const std::function<void(const std::string&)>& sink)
      : kind_(kind), table_(table), sink_(sink) {}
  void operator()(const char* line, std::size_t size, bool ended) {
    ConvertLine(kind_, line, size, first_, ended, table_, out_);
    first_ = false;
    sink_(out_);
  }

 private:
  SourceKind kind_;
  const CodeTableData* table_;
  const std::function<void(const std::string&)>& sink_;
  bool first_ = true;
  std::string out_;
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

SourceKind DetectSourceKind(const std::string& firstLine) {
  SourceKind kind = SourceKind::Ansi;
  if (firstLine.size() >= 4 && firstLine.compare(0, 3, Utf8Signature) == 0) kind = SourceKind::Utf8;
  if (firstLine.size() >= 3 && firstLine.compare(0, 2, UnicodeSignature) == 0)
    kind = SourceKind::Unicode;
  return kind;
}

bool LineCutter::Feed(const char* data, std::size_t size) {
  if (ended_) return false;
  const char* p = data;
  const char* end = data + size;
  if (const void* sub = std::memchr(p, 0x1A, size)) {
    end = static_cast<const char*>(sub);
    ended_ = true;
  }
  while (p < end) {
    const char* lf = static_cast<const char*>(std::memchr(p, '\n', static_cast<std::size_t>(end - p)));
    const char* stop = lf ? lf : end;
    if (stop > p) pending_ = true;
    const char* cr = static_cast<const char*>(std::memchr(p, '\r', static_cast<std::size_t>(stop - p)));
    if (lf && line_.empty() && (!cr || cr == stop - 1)) {
      // A whole line in the buffer with no CR, or one just before the LF,
      // goes out without a copy.
      Emit(p, static_cast<std::size_t>((cr ? cr : stop) - p), true);
      p = lf + 1;
      continue;
    }
    while (cr) {
      line_.append(p, static_cast<std::size_t>(cr - p));
      p = cr + 1;
      cr = static_cast<const char*>(std::memchr(p, '\r', static_cast<std::size_t>(stop - p)));
    }
    line_.append(p, static_cast<std::size_t>(stop - p));
    p = stop;
    if (lf) {
      Emit(line_.data(), line_.size(), true);
      line_.clear();
      p = lf + 1;
    }
  }
  if (ended_) {
    Finish();
    return false;
  }
  return true;
}

void LineCutter::Emit(const char* data, std::size_t size, bool ended) {
  pending_ = false;
  onLine_(data, size, ended);
}

void LineCutter::Finish() {
  if (!pending_) return;
  Emit(line_.data(), line_.size(), false);
  line_.clear();
}

void ConvertLine(SourceKind kind, const char* line, std::size_t size, bool firstLine, bool ended,
                 const CodeTableData* table, std::string& out) {
  switch (kind) {
    case SourceKind::Ansi:
      out.assign(line, size);
      return;
    case SourceKind::Utf8:
      Utf8BytesToNative(line, size, table, out);
      if (firstLine) out.erase(0, std::min<std::size_t>(2, out.size()));
      return;
    case SourceKind::Unicode: {
      // Drop the high byte of the CR or LF unit that ended the line, then the
      // signature (first line) or the high byte of the LF unit that ended the
      // line before.
      const std::size_t skip = firstLine ? 2 : 1;
      const std::size_t kept = (size == 0 || !ended) ? size : size - 1;
      if (kept <= skip)
        out.clear();
      else
        Utf16BytesToNative(line + skip, kept - skip, table, out);
      return;
    }
  }
}

void ConvertLine(SourceKind kind, const std::string& line, bool firstLine, bool ended,
                 const CodeTableData* table, std::string& out) {
  ConvertLine(kind, line.data(), line.size(), firstLine, ended, table, out);
}

SourceKind ConvertTextTo(const std::string& text, const CodeTableData* table,
                         const std::function<void(const std::string&)>& sink) {
  FirstLineProbe probe;
  probe.Feed(text.data(), text.size());
  const SourceKind kind = probe.Kind();
  LineConverter convert(kind, table, sink);
  LineCutter cutter([&](const char* line, std::size_t size, bool ended) { convert(line, size, ended); });
  cutter.Feed(text.data(), text.size());
  cutter.Finish();
  return kind;
}

SourceKind LoadLinesTo(const std::filesystem::path& path, const CodeTableData* table,
                       const std::function<void(const std::string&)>& sink) {
  InputFile file;
  if (int err = file.Open(path)) Fail(err);
  std::vector<char> buffer(kReadBufferSize);
  std::size_t got = 0;

  // First pass: the first line decides the kind.
  FirstLineProbe probe;
  for (;;) {
    if (int err = file.Read(buffer.data(), buffer.size(), got)) Fail(err);
    if (got == 0 || !probe.Feed(buffer.data(), got)) break;
  }
  const SourceKind kind = probe.Kind();

  // Second pass from the first byte: every line, the first one again.
  if (int err = file.Rewind()) Fail(err);
  LineConverter convert(kind, table, sink);
  LineCutter cutter([&](const char* line, std::size_t size, bool ended) { convert(line, size, ended); });
  for (;;) {
    if (int err = file.Read(buffer.data(), buffer.size(), got)) Fail(err);
    if (got == 0 || !cutter.Feed(buffer.data(), got)) break;
  }
  cutter.Finish();
  return kind;
}

LoadedText LoadLines(const std::filesystem::path& path, const CodeTableData* table) {
  LoadedText text;
  text.kind = LoadLinesTo(path, table, [&](const std::string& line) { text.lines.push_back(line); });
  return text;
}

}  // namespace vellumo
