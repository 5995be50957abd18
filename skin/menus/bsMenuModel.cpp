#include "skin/menus/bsMenuModel.h"

namespace bs {

char AcceleratorOf(const std::string& caption) {
  for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    const char c = caption[i + 1];
    if (c == '&') {
      ++i;
      continue;
    }
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  }
  return 0;
}

std::string MeasuredText(const MenuItem& item) {
  return item.shortcut.empty() ? item.caption : item.caption + "  " + item.shortcut;
}

}  // namespace bs
