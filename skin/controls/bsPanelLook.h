// The skinned panel and the skinned standard label: client area, the three
// looks of the panel, and the label's font and text passes. Portable.
#pragma once

#include <string>
#include <vector>

#include "skin/controls/bsControlSection.h"

namespace bs {

enum class PanelBorder { Frame, Raised, Lowered, None };

struct PanelState {
  Size size;
  PanelBorder border = PanelBorder::Frame;
  bool captionMode = false;
  int defaultCaptionHeight = 22;
  bool designing = false;
};

// Where aligned children go, in panel coordinates.
Rect PanelClientArea(const ControlSection& s, const PanelState& p);

// The panel's picture at its size: the plain look with no section in force,
// else the background picture tiled, the section's picture by its stretch
// mode, or (borderless, mode Both, no caption mode) the skin's client
// rectangle tiled. A missing picture leaves it blank (black).
Picture PanelPicture(const ControlSection& s, const PanelState& p, const SystemColors& colours);

// Where the panel's caption is drawn, or an empty rectangle when it is not:
// plain, only in caption mode (the caption strip); skinned, the section's
// caption rectangle when the caption is not empty and no background
// picture replaces the look.
Rect PanelCaptionRect(const ControlSection& s, const PanelState& p, const std::string& caption);

// The skinned standard label.
struct LabelState {
  bool enabled = true;
  bool useSkinFont = true;
  FontSpec font;         // the label's own Font
  FontSpec defaultFont;  // DefaultFont
};

// One drawing of the text: at offset (dx, dy) from its place, in colour.
struct TextPass {
  int dx = 0, dy = 0;
  Pixel colour = 0;
};
struct LabelLook {
  FontSpec font;
  std::vector<TextPass> passes;  // in drawing order
};
LabelLook StdLabelLook(const ControlSection& s, const LabelState& l,
                       std::optional<int> resourceCharSet, const SystemColors& colours);
// The text measured in measuring mode: a blank for an empty caption or a lone "&".
std::wstring LabelMeasureText(const std::wstring& caption);

}  // namespace bs
