// Support for the control and menu tests: the About window's embedded skin,
// small skins made from an INI text and extra pictures, picture equality.
#pragma once

#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <vector>

#include "skin/data/bsSkinData.h"

inline bool SamePixels(const bs::Picture& a, const bs::Picture& b) {
  return a.width == b.width && a.height == b.height && a.pixels == b.pixels;
}

inline const bs::TbsSkinData& AboutSkin() {
  static const bs::TbsSkinData* skin = [] {
    std::ifstream in(VELLUMO_ABOUT_SKIN, std::ios::binary);
    const std::vector<std::uint8_t> data{std::istreambuf_iterator<char>(in),
                                         std::istreambuf_iterator<char>()};
    bs::TbsCompressedStoredSkin stored;
    stored.CompressedData.WriteBuffer(data.data(), data.size());
    auto* s = new bs::TbsSkinData;
    s->LoadFromStoredSkin(stored);
    return s;
  }();
  return *skin;
}

// A loaded skin with no frame pictures, the given extra pictures (written as
// 24-bit BMPs) and INI text.
inline std::unique_ptr<bs::TbsSkinData> SkinFromIni(const std::string& ini,
                                                    const std::vector<bs::Picture>& extra) {
  std::vector<std::uint8_t> c;
  auto put = [&c](std::int32_t v) {
    for (int i = 0; i < 4; ++i)
      c.push_back(static_cast<std::uint8_t>(static_cast<std::uint32_t>(v) >> (8 * i)));
  };
  put(3);
  c.insert(c.end(), {1, 1, 1});  // no main, inactive or mask picture
  put(static_cast<std::int32_t>(extra.size()));
  for (bs::Picture p : extra) {
    p.bitsPerPixel = 24;
    const std::vector<std::uint8_t> bmp = bs::WriteBmp(p);
    c.insert(c.end(), bmp.begin(), bmp.end());
  }
  c.insert(c.end(), ini.begin(), ini.end());
  bs::TMemoryStream s(c);
  auto skin = std::make_unique<bs::TbsSkinData>();
  skin->LoadFromContainer(s);
  return skin;
}
