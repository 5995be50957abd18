// The About window's skinned controls laid out by their align settings for
// a client size: the address bar (label panel, label, edit, OK button), the
// page, and the bottom row of seven picture buttons. Portable.
#pragma once

#include <array>

#include "skin/data/bsSkinData.h"
#include "skin/draw/bsGeometry.h"

namespace bs {

// The bottom row, left to right as designed.
enum AboutButton {
  kSbBackword,
  kSbForward,
  kSbAbout,
  kSbHome,
  kSbEmail,
  kSbBbs,
  kSbExport,  // bsSkinSpeedButton1, aligned right
  kAboutButtonCount
};

struct AboutLayout {
  // In the window's client area.
  Rect panel1, browser, panel3;
  // In bsSkinPanel1.
  Rect panel2, edit, okButton;
  // In bsSkinPanel2.
  Rect note;
  // In bsSkinPanel3.
  std::array<Rect, kAboutButtonCount> buttons;
};

constexpr Size kAboutClientSize{658, 411};
constexpr int kAboutLabelPanelWidth = 40;

// skin may be null (every control then shows its plain look).
AboutLayout LayOutAboutWindow(const TbsSkinData* skin, Size client);

}  // namespace bs
