// vellumo-convert: loads a text file exactly as the viewer does (line rule,
// kind, first-line rules, conversion through the code mapping table) and
// writes the bytes the text box would hold, every line followed by CR LF.
// Streams line by line, so memory stays flat whatever the file's size.
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "app/displaycodepage.h"
#include "convert/loader.h"
#include "convert/convert.h"
#include "convert/fileio.h"

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#include <windows.h>
#else
#include <unistd.h>
#endif

#ifndef VELLUMO_BUILD_DIST
#define VELLUMO_BUILD_DIST ""
#endif

namespace {

using namespace vellumo;

#ifdef _WIN32
const char kSeparator = '\\';
#else
const char kSeparator = '/';
#endif

const char kUsage[] =
    "usage: vellumo-convert [--code gb2312|korean|japanese|big5] [--tables DIR] [--utf8] [-o OUT] FILE\n"
    "  Converts FILE as the viewer shows it into bytes of the display code page\n"
    "  (default gb2312), every line followed by CR LF, to OUT or standard output.\n"
    "  --utf8 reads a FILE without signature as UTF-8.\n"
    "  DIR is a program folder holding dll\\ with the code mapping tables; by\n"
    "  default the folder of this command, then the build's distribution folder.\n"
    "  The kind of FILE (UTF-8, ANSI or Unicode) is written to standard error.\n";

int Usage(const char* problem) {
  if (problem) std::fprintf(stderr, "vellumo-convert: %s\n", problem);
  std::fputs(kUsage, stderr);
  return 2;
}

// The error box's rule: a final "." unless the message already ends in one.
std::string WithPeriod(const std::string& message) {
  if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') return message + ".";
  return message;
}

std::string WithSeparator(std::string dir) {
  if (!dir.empty() && dir.back() != '/' && dir.back() != '\\') dir += kSeparator;
  return dir;
}

#ifdef _WIN32
std::string CommandFolder() {
  std::vector<wchar_t> path(32768);
  const DWORD n = GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
  if (n == 0 || n >= path.size()) return std::string();
  std::string p = PathToUtf8(std::wstring(path.data(), n));
  return p.substr(0, p.find_last_of("\\/") + 1);
}

FILE* OpenOutput(const std::string& path) { return _wfopen(PathFromUtf8(path).c_str(), L"wb"); }
void RemoveOutput(const std::string& path) { _wremove(PathFromUtf8(path).c_str()); }
#else
std::string CommandFolder() {
  std::vector<char> path(4096);
  const ssize_t n = readlink("/proc/self/exe", path.data(), path.size() - 1);
  if (n <= 0) return std::string();
  std::string p(path.data(), static_cast<std::size_t>(n));
  return p.substr(0, p.find_last_of('/') + 1);
}

FILE* OpenOutput(const std::string& path) { return std::fopen(path.c_str(), "wb"); }
void RemoveOutput(const std::string& path) { std::remove(path.c_str()); }
#endif

bool TableOpens(const std::string& path) {
  InputFile file;
  return file.Open(PathFromUtf8(path)) == 0;
}

int Run(const std::vector<std::string>& args) {
  CodeType code = CodeType::Gb2312;
  LoadOptions options;
  std::string tables, out, file;
  bool haveFile = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    auto value = [&](const char* what) -> const std::string* {
      if (i + 1 >= args.size()) {
        Usage((std::string(what) + " needs a value").c_str());
        return nullptr;
      }
      return &args[++i];
    };
    if (a == "-h" || a == "--help") {
      std::fputs(kUsage, stdout);
      return 0;
    } else if (a == "--code") {
      const std::string* v = value("--code");
      if (!v) return 2;
      if (!CodeTypeOfName(*v, code)) return Usage(("unknown code page " + *v).c_str());
    } else if (a == "--utf8") {
      options.asUtf8 = true;
    } else if (a == "--tables") {
      const std::string* v = value("--tables");
      if (!v) return 2;
      tables = *v;
    } else if (a == "-o") {
      const std::string* v = value("-o");
      if (!v) return 2;
      out = *v;
    } else if (a.size() > 1 && a[0] == '-') {
      return Usage(("unknown option " + a).c_str());
    } else {
      if (haveFile) return Usage("only one FILE");
      file = a;
      haveFile = true;
    }
  }
  if (!haveFile) return Usage("no FILE given");

  const std::string tableFile = DisplayCodePageOf(code).tableFile;
  std::string tablePath;
  if (!tables.empty()) {
    tablePath = WithSeparator(tables) + tableFile;
  } else {
    tablePath = CommandFolder() + tableFile;
    const std::string dist = WithSeparator(VELLUMO_BUILD_DIST);
    if (!TableOpens(tablePath) && !dist.empty() && TableOpens(dist + tableFile))
      tablePath = dist + tableFile;
  }
  CodeTableData table;
  const bool loaded = LoadCodeTable(PathFromUtf8(tablePath), table);
  if (!loaded)
    std::fprintf(stderr, "vellumo-convert: cannot load %s; converted characters show as **\n",
                 tablePath.c_str());

  FILE* sink = stdout;
  if (!out.empty()) {
    sink = OpenOutput(out);
    if (!sink) {
      std::fprintf(stderr, "vellumo-convert: cannot create %s\n", out.c_str());
      return 1;
    }
  }
  std::vector<char> buffer(1 << 20);
  std::setvbuf(sink, buffer.data(), _IOFBF, buffer.size());
  bool writeFailed = false;
  SourceKind kind;
  try {
    kind = LoadLinesTo(PathFromUtf8(file), loaded ? &table : nullptr,
                       [&](const char* line, std::size_t size) {
                         if (std::fwrite(line, 1, size, sink) != size ||
                             std::fwrite("\r\n", 1, 2, sink) != 2)
                           writeFailed = true;
                       },
                       options)
               .kind;
  } catch (const LoadError& e) {
    if (sink != stdout) {
      std::fclose(sink);
      RemoveOutput(out);
    } else {
      std::fflush(sink);
    }
    std::fprintf(stderr, "%s\n", WithPeriod(e.what()).c_str());
    return 1;
  }
  if (std::fflush(sink) != 0) writeFailed = true;
  if (sink != stdout && std::fclose(sink) != 0) writeFailed = true;
  if (sink == stdout) std::setvbuf(stdout, nullptr, _IONBF, 0);
  if (writeFailed) {
    std::fprintf(stderr, "vellumo-convert: cannot write %s\n", out.empty() ? "the output" : out.c_str());
    return 1;
  }
  std::fprintf(stderr, "%s\n", SourceKindText(kind));
  return 0;
}

}  // namespace

#ifdef _WIN32
int wmain(int argc, wchar_t** argv) {
  _setmode(_fileno(stdout), _O_BINARY);
  std::vector<std::string> args;
  for (int i = 1; i < argc; ++i) args.push_back(PathToUtf8(argv[i]));
  return Run(args);
}
#else
int main(int argc, char** argv) { return Run(std::vector<std::string>(argv + 1, argv + argc)); }
#endif
