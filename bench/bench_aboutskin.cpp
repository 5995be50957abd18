// Times the About window's real skin: inflating and loading the stored skin
// kept in the tree, then the frame strips, the window region and the
// control pictures at the window's designed size (client 658 x 411).
#include <chrono>
#include <cstdio>
#include <vector>

#include "bench/storedskin.h"
#include "bench/timing.h"
#include "skin/controls/bsEditPicture.h"
#include "skin/data/bsSkinData.h"
#include "skin/draw/bsShape.h"
#include "skin/draw/bsTiling.h"
#include "skin/frame/bsFramePlace.h"
#include "skin/frame/bsFrameShape.h"
#include "skin/frame/bsFrameSize.h"
#include "skin/frame/bsFrameStrips.h"
#include "tools/skininfo.h"

int main(int argc, char** argv) {
  const char* path = argc > 1 ? argv[1] : VELLUMO_ABOUT_SKIN;
  bs::TbsCompressedStoredSkin stored;
  if (!ReadStoredSkin("bench_aboutskin", path, stored)) return 1;
  std::size_t sink = 0;
  constexpr int kRuns = 50;

  const double inflate = MicrosecondsPerRun(kRuns, [&] {
    bs::TMemoryStream out;
    stored.InflateTo(out);
    sink += out.Bytes().size();
  });
  bs::TbsSkinData skin;
  const double load = MicrosecondsPerRun(kRuns, [&] {
    skin.LoadFromStoredSkin(stored);
    sink += skin.ControlDescriptors.size();
  });

  const bs::FrameSkin frame = skininfo::FrameSkinOf(skin);
  const bs::FrameMargins m = bs::SkinnedMargins(frame);
  const int w = 658 + m.left + m.right, h = 411 + m.top + m.bottom;
  const double strips = MicrosecondsPerRun(kRuns, [&] {
    const bs::FrameStrips s = bs::BuildFrameStrips(skin.picture, frame, w, h);
    sink += s.top.pixels.size() + s.left.pixels.size();
  });
  std::size_t rects = 0;
  const double region = MicrosecondsPerRun(kRuns, [&] {
    const bs::FrameStrips s = bs::BuildMaskStrips(skin.mask, frame, w, h);
    const bs::Region r = bs::WindowRegion(s, bs::PlaceFrame(frame, w, h));
    rects = r.rects.size();
  });

  const bs::Picture* controls = skin.ExtraPicture(4);
  const auto* panel = skin.ControlDescriptor<bs::TbsDataSkinCustomControl>("panel");
  const auto* button = skin.ControlDescriptor<bs::TbsDataSkinCustomControl>("button");
  const auto* tool = skin.ControlDescriptor<bs::TbsDataSkinCustomControl>("toolbutton");
  const auto* edit = skin.ControlDescriptor<bs::TbsDataSkinCustomControl>("edit");
  if (!controls || !panel || !button || !tool || !edit) {
    std::fprintf(stderr, "bench_aboutskin: the skin lacks the About window's sections\n");
    return 1;
  }
  const double paint = MicrosecondsPerRun(kRuns, [&] {
    const bs::SectionGeometry pg = skininfo::GeometryOf(*panel);
    sink += bs::BuildControlPicture(*controls, pg, bs::DecideStretchMode(pg), 658, 26).pixels.size();
    sink += bs::BuildControlPicture(*controls, pg, bs::DecideStretchMode(pg), 40, 23).pixels.size();
    const bs::SectionGeometry bg = skininfo::GeometryOf(*button);
    sink += bs::BuildControlPicture(*controls, bg, bs::DecideStretchMode(bg), 47, 21).pixels.size();
    const bs::SectionGeometry tg = skininfo::GeometryOf(*tool);
    for (int i = 0; i < 7; ++i)
      sink += bs::BuildControlPicture(*controls, tg, bs::DecideStretchMode(tg), 25, 26).pixels.size();
    const bs::SectionGeometry eg = skininfo::GeometryOf(*edit);
    sink += bs::BuildEditPicture(*controls, eg, edit->skinrect, 570).pixels.size();
  });

  std::printf("stored skin: %zu bytes compressed\n", stored.CompressedData.Bytes().size());
  std::printf("inflate: %.0f us\n", inflate);
  std::printf("inflate and load (pictures, %zu objects, %zu controls): %.0f us\n",
              skin.ObjectDescriptors.size(), skin.ControlDescriptors.size(), load);
  std::printf("frame strips at %d x %d: %.0f us\n", w, h, strips);
  std::printf("window region at %d x %d (%zu rectangles): %.0f us\n", w, h, rects, region);
  std::printf("control pictures (2 panels, OK button, 7 picture buttons, edit): %.0f us\n", paint);
  return sink == 0;
}
