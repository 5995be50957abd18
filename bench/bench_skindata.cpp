// Prints the time to inflate a stored skin and to load it into TbsSkinData.
// Usage: bench_skindata [compressed-skin]  (the raw zlib CompressedData, as
// the build packs it; the program's own skin by default). With "--synthetic",
// or when that file is missing, it uses a skin of the About window's shape: a 277 x 116 8-bit picture, its 1-bit mask, six 8-bit extra pictures
// and an INI of about 1,400 lines with 12 objects and 52 controls.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <random>

#include "skin/data/bsSkinData.h"

namespace {

using Clock = std::chrono::steady_clock;

std::vector<std::uint8_t> Bmp(int w, int h, int bpp, unsigned seed) {
  bs::Picture p(w, h);
  p.bitsPerPixel = bpp;
  std::mt19937 gen(seed);
  // Bands of a few colours compress like drawn pictures, not like noise.
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) p.Set(x, y, bs::Rgb((x / 9) * 20, (y / 7) * 30, (gen() % 4) * 60));
  return bs::WriteBmp(p);
}

std::vector<std::uint8_t> AboutShapedContainer() {
  std::vector<std::uint8_t> c = {3, 0, 0, 0};
  auto add = [&c](const std::vector<std::uint8_t>& b) { c.insert(c.end(), b.begin(), b.end()); };
  c.push_back(0);
  add(Bmp(277, 116, 8, 1));
  c.push_back(1);
  c.push_back(0);
  add(Bmp(277, 116, 1, 2));
  const int sizes[6][2] = {{95, 268}, {88, 80}, {68, 116}, {42, 22}, {516, 281}, {72, 21}};
  c.insert(c.end(), {6, 0, 0, 0});
  for (int i = 0; i < 6; ++i) add(Bmp(sizes[i][0], sizes[i][1], 8, 3 + i));

  bs::TbsIniFile ini;
  ini.WriteString("VERSION", "skinname", "bench");
  ini.WriteString("PICTURES", "picture", "main.bmp");
  ini.WriteString("PICTURES", "mask", "mask.bmp");
  ini.WriteString("FORMINFO", "clientrect", "13,46,265,107");
  ini.WriteString("SKINOBJECTS", "count", "12");
  const auto objects = bs::ObjectKinds();
  for (int i = 0; i < 12; ++i) {
    const std::string kind = objects[i % objects.size()], name = "object" + std::to_string(i);
    ini.WriteString("SKINOBJECTS", std::to_string(i), name + ":" + kind);
    bs::CreateObjectDescriptor(kind, name)->WriteSection(ini);
  }
  ini.WriteString("SKINCONTROLS", "count", "52");
  const auto controls = bs::ControlKinds();
  for (int i = 0; i < 52; ++i) {
    const std::string kind = controls[i % controls.size()], name = "control" + std::to_string(i);
    ini.WriteString("SKINCONTROLS", std::to_string(i), name + ":" + kind);
    bs::CreateControlDescriptor(kind, name)->WriteSection(ini);
  }
  const auto lines = ini.ToLines();
  for (const auto& line : lines) {
    c.insert(c.end(), line.begin(), line.end());
    c.insert(c.end(), {'\r', '\n'});
  }
  std::printf("synthetic skin: %zu INI lines\n", lines.size());
  return c;
}

double Ms(Clock::duration d) { return std::chrono::duration<double, std::milli>(d).count(); }

}  // namespace

int main(int argc, char** argv) {
  bs::TbsCompressedStoredSkin stored;
  std::string path = argc > 1 ? argv[1] : VELLUMO_ABOUT_SKIN;
  bool loaded = false;
  if (path != "--synthetic") {
    try {
      stored.CompressedData.LoadFromFile(path);
      loaded = true;
      std::printf("%s\n", path.c_str());
    } catch (const bs::EStreamError&) {
      if (argc > 1) throw;
    }
  }
  if (!loaded) {
    bs::TMemoryStream container(AboutShapedContainer());
    bs::DeflateStream(container, stored.CompressedData);
  }
  const int runs = 50;
  std::vector<double> inflate, load;
  std::size_t inflated = 0;
  for (int i = 0; i < runs; ++i) {
    auto t0 = Clock::now();
    bs::TMemoryStream out;
    stored.InflateTo(out);
    inflate.push_back(Ms(Clock::now() - t0));
    inflated = out.Bytes().size();
    bs::TbsSkinData skin;
    t0 = Clock::now();
    skin.LoadFromStoredSkin(stored);
    load.push_back(Ms(Clock::now() - t0));
  }
  std::sort(inflate.begin(), inflate.end());
  std::sort(load.begin(), load.end());
  std::printf("stored skin: %zu bytes compressed, %zu inflated\n", stored.CompressedData.Bytes().size(), inflated);
  std::printf("inflate:              median %.3f ms, min %.3f ms\n", inflate[runs / 2], inflate[0]);
  std::printf("inflate and load:     median %.3f ms, min %.3f ms\n", load[runs / 2], load[0]);
  return 0;
}
