// skingen: draws the program's own skin and writes it as a skin folder, the
// INI and the BMP files it names, ready for BuildFromSkinIni.
// Usage: skingen <output folder>
//        skingen --glyphs <output folder>   (the About window's button pictures)
#include <cstdio>
#include <fstream>
#include <string>
#include <vector>

#include "tools/skingen_art.h"
#include "tools/skingen_glyphs.h"
#include "tools/skingen_ini.h"

namespace {

bool WriteFile(const std::string& path, const void* data, std::size_t size) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(static_cast<const char*>(data), static_cast<std::streamsize>(size));
  return static_cast<bool>(out);
}

bool WritePicture(const std::string& folder, const char* name, const bs::Picture& picture) {
  const std::vector<std::uint8_t> bmp = bs::WriteBmp(picture);
  return WriteFile(folder + "/" + name, bmp.data(), bmp.size());
}

int WriteGlyphs(const std::string& folder) {
  const auto glyphs = skingen::DrawGlyphs();
  for (int i = 0; i < skingen::kGlyphCount; ++i)
    if (!WritePicture(folder, skingen::kGlyphFiles[i], glyphs[i])) {
      std::fprintf(stderr, "skingen: cannot write into %s\n", folder.c_str());
      return 1;
    }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc == 3 && std::string(argv[1]) == "--glyphs") return WriteGlyphs(argv[2]);
  if (argc != 2) {
    std::fprintf(stderr, "usage: skingen [--glyphs] <output folder>\n");
    return 2;
  }
  const std::string folder = argv[1];
  const skingen::SkinArt art = skingen::DrawSkin();
  bool ok = WritePicture(folder, skingen::kFramePictureFile, art.frame) &&
            WritePicture(folder, skingen::kMaskFile, art.mask);
  for (int i = 0; i < skingen::kExtraCount; ++i)
    ok = ok && WritePicture(folder, skingen::kExtraPictureFiles[i], art.extra[i]);
  const std::string ini = skingen::SkinIni(art);
  ok = ok && WriteFile(folder + "/vellumo.ini", ini.data(), ini.size());
  if (!ok) {
    std::fprintf(stderr, "skingen: cannot write into %s\n", folder.c_str());
    return 1;
  }
  return 0;
}
