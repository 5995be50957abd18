// skinpack: builds the stored skin from a skin INI and the BMP files beside
// it (BuildFromSkinIni: container version 3, deflated at level max) and
// writes its CompressedData, the zlib stream the program embeds.
// Usage: skinpack <skin.ini> <output file>
#include <cstdio>
#include <exception>
#include <fstream>
#include <vector>

#include "skin/data/bsSkinData.h"

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: skinpack <skin.ini> <output file>\n");
    return 2;
  }
  try {
    bs::TbsCompressedStoredSkin stored;
    stored.BuildFromSkinIni(argv[1]);
    if (stored.IsDataEmpty()) {
      std::fprintf(stderr, "skinpack: %s is not a skin INI\n", argv[1]);
      return 1;
    }
    const std::vector<std::uint8_t>& data = stored.CompressedData.Bytes();
    if (data.size() < 2 || data[0] != 0x78 || data[1] != 0xDA) {
      std::fprintf(stderr, "skinpack: the stream is not deflated at level max\n");
      return 1;
    }
    std::ofstream out(argv[2], std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data.data()), static_cast<std::streamsize>(data.size()));
    if (!out) {
      std::fprintf(stderr, "skinpack: cannot write %s\n", argv[2]);
      return 1;
    }
    return 0;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "skinpack: %s: %s\n", argv[1], e.what());
    return 1;
  }
}
