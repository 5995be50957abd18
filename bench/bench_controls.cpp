// Times the portable halves of the About window's skinned controls and popup
// menu with its real skin: each control's picture per state, one fade step,
// the whole window's control pictures, the layout of a 100-item level and
// the keyboard round it.
#include <cstdio>
#include <string>
#include <vector>

#include "bench/storedskin.h"
#include "bench/timing.h"
#include "skin/controls/bsAboutLayout.h"
#include "skin/controls/bsButtonLook.h"
#include "skin/controls/bsEditLook.h"
#include "skin/controls/bsPanelLook.h"
#include "skin/menus/bsMenuSession.h"
#include "skin/menus/bsPopupLook.h"

namespace {

bs::Size SizeOf(const bs::Rect& r) { return bs::Size{r.Width(), r.Height()}; }

}  // namespace

int main(int argc, char** argv) {
  const char* path = argc > 1 ? argv[1] : VELLUMO_ABOUT_SKIN;
  bs::TbsCompressedStoredSkin stored;
  if (!ReadStoredSkin("bench_controls", path, stored)) return 1;
  bs::TbsSkinData skin;
  skin.LoadFromStoredSkin(stored);
  const bs::SystemColors colours;
  const bs::AboutLayout layout = bs::LayOutAboutWindow(&skin, bs::kAboutClientSize);
  std::size_t sink = 0;
  constexpr int kRuns = 2000;

  const bs::ControlSection button = bs::LookUpSection(&skin, "button");
  const bs::ControlSection tool = bs::LookUpSection(&skin, "toolbutton");
  const bs::ControlSection edit = bs::LookUpSection(&skin, "edit");
  const bs::ControlSection panel = bs::LookUpSection(&skin, "panel");

  bs::ButtonLookState ok;
  ok.size = SizeOf(layout.okButton);
  const double okNormal = MicrosecondsPerRun(kRuns, [&] {
    sink += bs::PushButtonLook(bs::LookUpSection(&skin, "button"), ok, colours, 0).picture.width;
  });
  ok.morphFactor = 0.4;
  const double okFade = MicrosecondsPerRun(kRuns, [&] {
    const bs::ButtonLook look = bs::PushButtonLook(button, ok, colours, 0);
    sink += bs::MorphBlend(look.picture, look.activePicture, look.morphKind, look.factor).width;
  });
  bs::ButtonLookState sb;
  sb.size = SizeOf(layout.buttons[bs::kSbBackword]);
  sb.mouseIn = sb.down = true;
  const double speedDown = MicrosecondsPerRun(kRuns, [&] {
    sink += bs::SpeedButtonLook(tool, sb, colours, 0).picture.height;
  });
  sb.mouseIn = sb.down = false;
  sb.morphFactor = 0.6;
  const double speedFade = MicrosecondsPerRun(kRuns, [&] {
    const bs::ButtonLook look = bs::SpeedButtonLook(tool, sb, colours, 0);
    sink += bs::MorphBlend(look.picture, look.activePicture, look.morphKind, look.factor).width;
  });
  bs::EditState es;
  es.size = SizeOf(layout.edit);
  es.focused = true;
  const double editPic = MicrosecondsPerRun(kRuns, [&] {
    sink += bs::EditPicture(edit, es, colours).width;
  });
  bs::PanelState bottom;
  bottom.size = SizeOf(layout.panel3);
  const double panelPic = MicrosecondsPerRun(kRuns, [&] {
    sink += bs::PanelPicture(panel, bottom, colours).width;
  });

  const double window = MicrosecondsPerRun(200, [&] {
    const bs::AboutLayout l = bs::LayOutAboutWindow(&skin, bs::kAboutClientSize);
    bs::PanelState p1, p2, p3;
    p1.size = SizeOf(l.panel1);
    p2.size = SizeOf(l.panel2);
    p3.size = SizeOf(l.panel3);
    sink += bs::PanelPicture(bs::ControlSection{}, p1, colours).width;
    sink += bs::PanelPicture(panel, p2, colours).width;
    sink += bs::PanelPicture(panel, p3, colours).width;
    bs::EditState e;
    e.size = SizeOf(l.edit);
    sink += bs::EditPicture(edit, e, colours).width;
    bs::ButtonLookState b;
    b.size = SizeOf(l.okButton);
    sink += bs::PushButtonLook(button, b, colours, 0).picture.width;
    for (const bs::Rect& r : l.buttons) {
      b.size = SizeOf(r);
      sink += bs::SpeedButtonLook(tool, b, colours, 0).picture.width;
    }
  });

  std::vector<bs::MenuItem> items(100);
  for (int i = 0; i < 100; ++i) items[i].caption = "Item number " + std::to_string(i);
  auto width = [](const bs::MenuItem& m) { return 7 * static_cast<int>(m.caption.size()); };
  const std::optional<bs::PopupSkin> popup = bs::PopupSkinOf(&skin);
  std::vector<const bs::MenuItem*> ptrs;
  for (const bs::MenuItem& m : items) ptrs.push_back(&m);
  bs::PopupMetrics metrics;
  metrics.workAreaHeight = 740;
  const double level = MicrosecondsPerRun(kRuns, [&] {
    sink += bs::LayOutLevel(ptrs, width, popup ? &*popup : nullptr, metrics).height;
  });
  bs::MenuSession session(width, popup, metrics);
  const double open = MicrosecondsPerRun(200, [&] {
    sink += session.Open(items, bs::Point{10, 10}, bs::Rect{0, 0, 1024, 740}, true).size();
  });
  const double round = MicrosecondsPerRun(200, [&] {
    for (int i = 0; i < 100; ++i) sink += session.Key(bs::MenuKey::Down).size();
  });

  std::printf("OK button picture, normal        %8.2f us\n", okNormal);
  std::printf("OK button fade step (mkgradient) %8.2f us\n", okFade);
  std::printf("speed button picture, pressed    %8.2f us\n", speedDown);
  std::printf("speed button fade step           %8.2f us\n", speedFade);
  std::printf("address edit picture, focused    %8.2f us\n", editPic);
  std::printf("bottom panel picture             %8.2f us\n", panelPic);
  std::printf("whole window: layout + pictures  %8.2f us\n", window);
  std::printf("100-item level layout            %8.2f us\n", level);
  std::printf("100-item menu open (session)     %8.2f us\n", open);
  std::printf("100 Down keys round the level    %8.2f us\n", round);
  return sink == 0 ? 1 : 0;
}
