// What a popup level shows, read from its item places as the window draws
// them: where its view of the items starts.
#pragma once

#include "skin/menus/bsPopupLevel.h"

namespace menutest {

// The first item the level places (the items before it are scrolled away),
// whether or not it shows whole; -1 for none.
inline int FirstPlaced(const bs::PopupLevel& level) {
  const std::vector<bs::Rect>& rects = level.Places().rects;
  for (std::size_t i = 0; i < rects.size(); ++i)
    if (!rects[i].IsEmpty()) return static_cast<int>(i);
  return -1;
}

}  // namespace menutest
