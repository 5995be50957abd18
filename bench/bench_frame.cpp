// Times the skinned frame's object placement and window region per resize, own skin.
#include <cstdio>
#include <fstream>
#include <iterator>

#include "bench/timing.h"
#include "skin/draw/bsRegionData.h"
#include "skin/draw/bsShape.h"
#include "skin/frame/bsFrameObjects.h"
#include "skin/frame/bsFramePlace.h"
#include "skin/frame/bsFrameShape.h"
#include "skin/frame/bsFrameStrips.h"

// Usage: bench_frame [compressed-skin].
int main(int argc, char** argv) {
  std::ifstream file(argc > 1 ? argv[1] : VELLUMO_ABOUT_SKIN, std::ios::binary);
  const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file), {}};
  bs::TbsCompressedStoredSkin stored;
  stored.CompressedData.Write(bytes.data(), bytes.size());
  bs::TbsSkinData skin;
  skin.LoadFromStoredSkin(stored);
  if (skin.Empty()) {
    std::fprintf(stderr, "no skin\n");
    return 1;
  }
  bs::TbsFrameObjects frame;
  frame.CreateObjects(skin);
  frame.ApplyBorderIcons(bs::biSystemMenu | bs::biMinimize | bs::biMaximize, false, nullptr);
  const bs::FrameSkin k = bs::FrameSkinOf(skin);
  const int offset = skin.FormInfo.buttonsoffset;
  const bool left = skin.FormInfo.buttonsinleft;

  // A live resize: widths and heights stepping up from the picture's size.
  const int steps = 200;
  auto sizeAt = [&](int i) {
    return bs::Size{k.pictureWidth + i * 5, k.pictureHeight + i * 4};
  };
  std::size_t sink = 0;
  int i = 0;
  const double place = MicrosecondsPerRun(steps * 50, [&] {
    const bs::Size s = sizeAt(i++ % steps);
    frame.PlaceObjects(k, s.width, s.height, offset, left);
    sink += frame.Objects.front()->ObjectRect.right;
  });
  i = 0;
  std::size_t rects = 0;
  const double region = MicrosecondsPerRun(steps, [&] {
    const bs::Size s = sizeAt(i++ % steps);
    const bs::PlacedFrame placed = bs::PlaceFrame(k, s.width, s.height);
    const bs::Region r =
        bs::WindowRegion(bs::BuildMaskStrips(skin.mask, k, s.width, s.height), placed);
    rects = r.rects.size();
    sink += bs::RegionData(r).size();
  });
  const bs::Size last = sizeAt(steps - 1);
  std::printf("objects placed per resize (%zu objects):  %8.2f us\n", frame.Objects.size(), place);
  std::printf("window region per resize, %d x %d to %d x %d: %8.1f us (%zu rectangles at the largest)\n",
              k.pictureWidth, k.pictureHeight, last.width, last.height, region, rects);
  return sink == 0 ? 1 : 0;
}
