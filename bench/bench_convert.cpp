// Loading speed: a 64 MB UTF-8 file of mixed Chinese and ASCII and the same
// text as UTF-16LE, loaded and converted to code page 936 bytes by the loader,
// against glibc iconv converting the same files to CP936 and memcpy's ceiling;
// the time of LoadCodeTable for the 936 table; vellumo-convert's peak memory;
// RankPages on files of 1, 20 and 100 MB.
#include <iconv.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "convert/loader.h"
#include "app/displaycodepage.h"
#include "convert/convert.h"
#include "convert/fileio.h"
#include "convert/pagefit.h"

using namespace vellumo;
using Clock = std::chrono::steady_clock;

namespace {

constexpr std::size_t kTargetSize = 64u << 20;

double Seconds(Clock::time_point since) {
  return std::chrono::duration<double>(Clock::now() - since).count();
}

template <class F>
double Best(int runs, F&& f) {
  double best = 1e30;
  for (int i = 0; i < runs; ++i) {
    const auto t = Clock::now();
    f();
    best = std::min(best, Seconds(t));
  }
  return best;
}

void AppendUtf8(std::string& s, unsigned u) {
  if (u < 0x80) {
    s += char(u);
  } else if (u < 0x800) {
    s += char(0xC0 | (u >> 6));
    s += char(0x80 | (u & 0x3F));
  } else {
    s += char(0xE0 | (u >> 12));
    s += char(0x80 | ((u >> 6) & 0x3F));
    s += char(0x80 | (u & 0x3F));
  }
}

// Lines of Chinese runs and ASCII words, CR LF line ends, signature first.
std::string MakeText(const std::vector<unsigned>& hanzi) {
  std::mt19937 rng(936);
  std::string s = "\xEF\xBB\xBF";
  s.reserve(kTargetSize + 4096);
  while (s.size() < kTargetSize) {
    const int segments = 3 + rng() % 8;
    for (int k = 0; k < segments; ++k) {
      if (rng() % 2) {
        for (int n = 2 + rng() % 10; n > 0; --n) AppendUtf8(s, hanzi[rng() % hanzi.size()]);
      } else {
        for (int n = 3 + rng() % 8; n > 0; --n) s += char('a' + rng() % 26);
        s += rng() % 5 ? ' ' : ',';
      }
    }
    s += "\r\n";
  }
  return s;
}

std::string ToUtf16le(const std::string& utf8) {
  iconv_t cd = iconv_open("UTF-16LE", "UTF-8");
  std::string out(utf8.size() * 2 + 16, '\0');
  char* in = const_cast<char*>(utf8.data());
  std::size_t inLeft = utf8.size(), outLeft = out.size();
  char* o = &out[0];
  iconv(cd, &in, &inLeft, &o, &outLeft);
  iconv_close(cd);
  out.resize(out.size() - outLeft);
  return out;  // begins FF FE: the converted signature
}

void WriteFile(const std::string& path, const std::string& bytes) {
  std::ofstream(path, std::ios::binary).write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

// iconv over the file, read through the same 64 KiB buffer as the loader,
// skipping the signature (CP936 has no U+FEFF).
std::size_t IconvFile(const std::string& path, const char* from, std::size_t skip, std::string& out) {
  iconv_t cd = iconv_open("CP936", from);
  InputFile file;
  if (file.Open(PathFromUtf8(path)) != 0) std::abort();
  std::vector<char> buffer(64 * 1024 + 8);
  std::size_t carry = 0, total = 0;
  out.resize(kTargetSize * 2);
  char* o = &out[0];
  std::size_t outLeft = out.size();
  for (;;) {
    std::size_t got = 0;
    file.Read(buffer.data() + carry, 64 * 1024, got);
    if (got == 0) break;
    std::size_t avail = carry + got;
    char* in = buffer.data();
    if (skip) {
      in += skip;
      avail -= skip;
      skip = 0;
    }
    if (iconv(cd, &in, &avail, &o, &outLeft) == static_cast<std::size_t>(-1) && errno != EINVAL) {
      std::perror("iconv");
      std::abort();
    }
    std::memmove(buffer.data(), in, avail);  // a sequence cut by the buffer's end
    carry = avail;
    total += got;
  }
  iconv_close(cd);
  out.resize(out.size() - outLeft);
  return total;
}

long PeakRssOfTool(const std::string& tool, const std::string& file) {
  const pid_t pid = fork();
  if (pid == 0) {
    if (std::freopen("/dev/null", "w", stderr) == nullptr) _exit(126);
    execl(tool.c_str(), tool.c_str(), "-o", "/dev/null", file.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  int status = 0;
  waitpid(pid, &status, 0);
  struct rusage usage {};
  getrusage(RUSAGE_CHILDREN, &usage);
  return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? usage.ru_maxrss : -1;
}

}  // namespace

int main() {
  const std::string tablePath =
      std::string(VELLUMO_DIST_DIR) + "/" + DisplayCodePageOf(CodeType::Gb2312).tableFile;
  CodeTableData table;
  std::vector<double> times;
  for (int i = 0; i < 21; ++i) {
    const auto t = Clock::now();
    if (!LoadCodeTable(PathFromUtf8(tablePath), table)) {
      std::fprintf(stderr, "cannot load %s\n", tablePath.c_str());
      return 1;
    }
    times.push_back(Seconds(t) * 1000);
  }
  const double firstLoad = times[0];
  std::sort(times.begin(), times.end());
  std::printf("LoadCodeTable (936, %zu lines): first %.2f ms, median %.2f ms, best %.2f ms\n",
              table.lines.size(), firstLoad, times[times.size() / 2], times[0]);

  std::vector<unsigned> hanzi;
  for (unsigned u = 0x4E00; u <= 0x9FA5; ++u) {
    char key[5];
    std::snprintf(key, sizeof key, "%04X", u);
    if (LookupCode(key, &table).size() == 2) hanzi.push_back(u);
  }
  std::string utf8 = MakeText(hanzi);
  std::string utf16 = ToUtf16le(utf8);
  const auto dir = std::filesystem::temp_directory_path() / ("vellumo-bench-" + std::to_string(getpid()));
  std::filesystem::create_directories(dir);
  const std::string utf8Path = (dir / "utf8.txt").string(), utf16Path = (dir / "utf16.txt").string();
  WriteFile(utf8Path, utf8);
  WriteFile(utf16Path, utf16);
  const std::size_t utf8Size = utf8.size(), utf16Size = utf16.size();
  std::printf("inputs: %.1f MB UTF-8, %.1f MB UTF-16LE (%zu hanzi to choose from)\n",
              utf8Size / 1e6, utf16Size / 1e6, hanzi.size());
  // The tool runs before this process holds the big buffers: a child's peak
  // counts what it shared with its parent before exec.
  std::string().swap(utf8);
  std::string().swap(utf16);
  const long rss = PeakRssOfTool(VELLUMO_CONVERT_TOOL, utf8Path);

  std::string ours, theirs;
  ours.reserve(kTargetSize * 2);
  auto load = [&](const std::string& path) {
    ours.clear();
    LoadLinesTo(PathFromUtf8(path), &table, [&](const char* line, std::size_t size) {
      ours.append(line, size);
      ours += "\r\n";
    });
  };
  auto mbps = [](std::size_t bytes, double s) { return bytes / 1e6 / s; };

  // Interleaved rounds, best of each: the loader and iconv see the same load
  // of the machine.
  const bool utf8Same = (load(utf8Path), IconvFile(utf8Path, "UTF-8", 3, theirs), ours == theirs);
  const bool utf16Same = (load(utf16Path), IconvFile(utf16Path, "UTF-16LE", 2, theirs), ours == theirs);
  double loadUtf8 = 1e30, iconvUtf8 = 1e30, loadUtf16 = 1e30, iconvUtf16 = 1e30;
  for (int round = 0; round < 7; ++round) {
    loadUtf8 = std::min(loadUtf8, Best(1, [&] { load(utf8Path); }));
    iconvUtf8 = std::min(iconvUtf8, Best(1, [&] { IconvFile(utf8Path, "UTF-8", 3, theirs); }));
    loadUtf16 = std::min(loadUtf16, Best(1, [&] { load(utf16Path); }));
    iconvUtf16 = std::min(iconvUtf16, Best(1, [&] { IconvFile(utf16Path, "UTF-16LE", 2, theirs); }));
  }

  std::string source(utf8Size, 'x'), copy(utf8Size, '\0');
  const double memcpyTime = Best(5, [&] { std::memcpy(&copy[0], source.data(), source.size()); });

  std::printf("UTF-8    loader %7.1f MB/s   iconv %7.1f MB/s   ratio %.2f   same bytes: %s\n",
              mbps(utf8Size, loadUtf8), mbps(utf8Size, iconvUtf8), iconvUtf8 / loadUtf8,
              utf8Same ? "yes" : "NO");
  std::printf("UTF-16LE loader %7.1f MB/s   iconv %7.1f MB/s   ratio %.2f   same bytes: %s\n",
              mbps(utf16Size, loadUtf16), mbps(utf16Size, iconvUtf16), iconvUtf16 / loadUtf16,
              utf16Same ? "yes" : "NO");
  std::printf("memcpy   %7.1f MB/s\n", mbps(utf8Size, memcpyTime));

  std::printf("vellumo-convert on the UTF-8 file: peak RSS %ld KiB\n", rss);

  // RankPages on GBK files (the loader's output) of 1, 20 and 100 MB, and on
  // 20 MB of UTF-8 without and with signature.
  CodeTableData pageTables[4];
  const CodeTableData* tables[4];
  for (int k = 0; k < 4; ++k) {
    const std::string path = std::string(VELLUMO_DIST_DIR) + "/" +
                             DisplayCodePageOf(static_cast<CodeType>(k)).tableFile;
    if (!LoadCodeTable(PathFromUtf8(path), pageTables[k])) std::abort();
    tables[k] = &pageTables[k];
  }
  load(utf8Path);
  const std::string gbk = ours;
  std::string().swap(ours);
  auto rank = [&](const char* what, const std::string& bytes, std::size_t size) {
    const std::string path = (dir / "rank.txt").string();
    std::string file;
    file.reserve(size);
    while (file.size() < size) file.append(bytes, 0, std::min(bytes.size(), size - file.size()));
    WriteFile(path, file);
    int first = -2;
    const double t = Best(3, [&] { first = RankPages(PathFromUtf8(path), tables, 0)[0].page; });
    std::printf("RankPages %-22s %5.0f MB  %7.3f s  %6.0f MB/s  first %d\n", what, size / 1e6, t,
                size / 1e6 / t, first);
  };
  for (std::size_t mb : {1, 20, 100}) rank("GBK", gbk, mb * 1000000);
  {
    InputFile in;
    std::size_t got = 0;
    if (in.Open(PathFromUtf8(utf8Path)) != 0) std::abort();
    std::string all(utf8Size, '\0');
    in.Read(&all[0], all.size(), got);
    rank("UTF-8 without signature", all.substr(3), 20000000);
    rank("UTF-8 with signature", all, 20000000);
  }
  if (!getenv("KEEP")) std::filesystem::remove_all(dir); else printf("%s\n", dir.c_str());
  return 0;
}
