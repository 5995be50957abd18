// The block the test driver and the probe inside the program exchange: fixed
// width fields, so a driver and a program of either bitness agree on it.
#pragma once

#include <cstdint>

namespace e2e {

struct ProbeBlock {
  static constexpr std::uint32_t kAsked = 0x50524231;  // "PRB1", set by the driver
  static constexpr std::uint32_t kDone = 0x444F4E45;   // "DONE", set by the probe

  std::uint32_t magic;     // kAsked; the probe answers only to it
  std::uint32_t status;    // kDone once the probe has written its answer
  std::uint64_t hwnd;      // the window asked about
  std::uint32_t capacity;  // UTF-16 units the text holds, its NUL included
  std::uint32_t length;    // UTF-16 units written, without the NUL
  std::uint16_t text[1];   // capacity units follow
};

constexpr std::uint32_t ProbeBlockBytes(std::uint32_t capacity) {
  return static_cast<std::uint32_t>(sizeof(ProbeBlock)) + capacity * 2;
}

}  // namespace e2e
