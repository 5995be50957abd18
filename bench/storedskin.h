// Reading a stored skin file for the benchmarks that use the real skin.
#pragma once

#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

#include "skin/data/bsSkinData.h"

// Fills stored from the file at path; says so on stderr and returns false
// when it cannot be read.
inline bool ReadStoredSkin(const char* tool, const char* path, bs::TbsCompressedStoredSkin& stored) {
  std::ifstream in(path, std::ios::binary);
  const std::vector<std::uint8_t> data{std::istreambuf_iterator<char>(in),
                                       std::istreambuf_iterator<char>()};
  if (data.empty()) {
    std::fprintf(stderr, "%s: cannot read %s\n", tool, path);
    return false;
  }
  stored.CompressedData.WriteBuffer(data.data(), data.size());
  return true;
}
