// Placeholder until the page-fit ranking lands.
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "convert/convert.h"

namespace vellumo {

struct PageCandidate {
  int page;
  std::uint64_t invalid;
  std::uint64_t unshown;
  std::string preview;
};

inline std::vector<PageCandidate> RankPages(const std::filesystem::path&, const CodeTableData* const[4], int) {
  return {};
}

}  // namespace vellumo
