// Times the program's start-up (launch to an idle, shown main window, the
// About window created on the way) and the About window's first and later
// shows; optionally saves a picture of the shown window.
// Usage: about_bench.exe PROGRAM_DIR [RUNS] [SHOT.bmp]   (under Wine)
// Prints the median and the range of each, in milliseconds.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "app/menuids.h"
#include "skin/draw/bsGraphics.h"
#include "skinwin/bsPaint.h"
#include "tests/e2e/harness.h"

namespace {

double Now() {
  LARGE_INTEGER f, t;
  QueryPerformanceFrequency(&f);
  QueryPerformanceCounter(&t);
  return 1000.0 * static_cast<double>(t.QuadPart) / static_cast<double>(f.QuadPart);
}

void Report(const char* what, std::vector<double> ms) {
  std::sort(ms.begin(), ms.end());
  std::printf("%-34s median %7.1f ms  (%.1f .. %.1f, %zu runs)\n", what, ms[ms.size() / 2],
              ms.front(), ms.back(), ms.size());
}

HWND ShowAbout(e2e::Program& p) {
  p.Command(vellumo::kMenuAbout);
  HWND about = p.WaitWindow(L"Taboutform", 5000, true);
  if (!about) p.Fail("the About window did not show");
  p.Idle();
  return about;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) {
    std::fprintf(stderr, "usage: about_bench PROGRAM_DIR [RUNS] [SHOT.bmp]\n");
    return 2;
  }
  std::wstring dir = argv[1];
  if (dir.back() != L'\\') dir += L'\\';
  const int runs = argc > 2 ? std::max(1, _wtoi(argv[2])) : 7;
  std::vector<double> start, first, again;
  try {
    for (int i = 0; i < runs; ++i) {
      const double t0 = Now();
      e2e::Program p(L"", L"", dir);
      p.Main();
      p.Idle();
      start.push_back(Now() - t0);
      const double t1 = Now();
      HWND about = ShowAbout(p);
      first.push_back(Now() - t1);
      if (i == 0 && argc > 3) {
        Sleep(500);  // let the fade and the paint settle
        RECT r = e2e::WindowRect(about);
        HDC screen = GetDC(nullptr);
        const bs::Picture shot = bs::ReadPicture(screen, bs::Rect{r.left, r.top, r.right, r.bottom});
        ReleaseDC(nullptr, screen);
        const std::vector<std::uint8_t> bmp = bs::WriteBmp(shot);
        std::ofstream(argv[3], std::ios::binary)
            .write(reinterpret_cast<const char*>(bmp.data()), static_cast<std::streamsize>(bmp.size()));
      }
      PostMessageW(about, WM_CLOSE, 0, 0);
      e2e::WaitFor([&] { return !IsWindowVisible(about); });
      const double t2 = Now();
      ShowAbout(p);
      again.push_back(Now() - t2);
    }
  } catch (const std::exception& e) {
    std::fprintf(stderr, "about_bench: %s\n", e.what());
    return 1;
  }
  Report("start-up to an idle main window", start);
  Report("About window, first show", first);
  Report("About window, shown again", again);
  return 0;
}
