#include "skin/controls/bsAboutLayout.h"

#include "skin/controls/bsAlign.h"
#include "skin/controls/bsControlSection.h"
#include "skin/controls/bsEditLook.h"
#include "skin/controls/bsPanelLook.h"

namespace bs {

namespace {

std::function<Size(Size)> SizeRule(const ControlSection& s) {
  return [s](Size request) { return FitControlSize(s, request); };
}

std::function<Size(Size)> EditSizeRule(const ControlSection& s) {
  return [s](Size request) {
    EditState e;
    return Size{request.width, EditHeight(s, e, request.height)};
  };
}

Rect Sized(int x, int y, int w, int h) { return Rect{x, y, x + w, y + h}; }

Size SizeOf(const Rect& r) { return Size{r.Width(), r.Height()}; }

}  // namespace

AboutLayout LayOutAboutWindow(const TbsSkinData* skin, Size client) {
  AboutLayout out;
  const ControlSection panel = LookUpSection(skin, "panel");
  const ControlSection noSection;

  // The window: address bar on top, button row at the bottom, page between.
  std::vector<AlignChild> window(3);
  window[0] = AlignChild{TAlign::alTop, Sized(0, 0, client.width, 25), {}};
  window[1] = AlignChild{TAlign::alClient, Sized(0, 25, 658, 360), {}};
  window[2] = AlignChild{TAlign::alBottom, Sized(0, 385, client.width, 26), SizeRule(panel)};
  AlignChildren(Rect{0, 0, client.width, client.height}, window);
  out.panel1 = window[0].bounds;
  out.browser = window[1].bounds;
  out.panel3 = window[2].bounds;

  // The address bar has no skin data: its children sit inside its plain frame.
  PanelState bar;
  bar.size = SizeOf(out.panel1);
  std::vector<AlignChild> address(3);
  address[0] = AlignChild{TAlign::alLeft, Sized(1, 1, kAboutLabelPanelWidth, 23), SizeRule(panel)};
  address[1] = AlignChild{TAlign::alClient, Sized(41, 1, 569, 23),
                          EditSizeRule(LookUpSection(skin, "edit"))};
  address[2] = AlignChild{TAlign::alRight, Sized(610, 1, 47, 23),
                          SizeRule(LookUpSection(skin, "button"))};
  AlignChildren(PanelClientArea(noSection, bar), address);
  out.panel2 = address[0].bounds;
  out.edit = address[1].bounds;
  out.okButton = address[2].bounds;
  out.note = Sized(4, 3, 113, 16);

  const ControlSection tool = LookUpSection(skin, "toolbutton");
  std::vector<AlignChild> row(kAboutButtonCount);
  const int lefts[kSbExport] = {1, 26, 50, 74, 98, 122};
  for (int i = 0; i < kSbExport; ++i) {
    const Size s = FitControlSize(tool, Size{25, 22});
    row[i] = AlignChild{TAlign::alNone, Sized(lefts[i], 0, s.width, s.height), {}};
  }
  PanelState bottom;
  bottom.size = SizeOf(out.panel3);
  row[kSbExport] = AlignChild{TAlign::alRight, Sized(631, 0, 25, 24), SizeRule(tool)};
  AlignChildren(PanelClientArea(panel, bottom), row);
  for (int i = 0; i < kAboutButtonCount; ++i) out.buttons[i] = row[i].bounds;
  return out;
}

}  // namespace bs
