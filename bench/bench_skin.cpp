// Times the skin engine's frame work at the About window's sizes: the four
// frame strips at 658 x 411 and the window region's runs for a 277 x 116
// mask. The picture and mask are synthetic: a frame picture with a textured
// border and a mask with rounded corners.
#include <chrono>
#include <cstdio>

#include "bench/timing.h"
#include "skin/frame/bsFramePlace.h"
#include "skin/frame/bsFrameShape.h"
#include "skin/frame/bsFrameStrips.h"

namespace {

bs::FrameSkin AboutGeometry() {
  bs::FrameSkin k;
  k.pictureWidth = 277;
  k.pictureHeight = 116;
  k.client = bs::Rect{13, 46, 265, 107};
  k.lt = bs::Point{40, 46};
  k.rt = bs::Point{237, 46};
  k.lb = bs::Point{40, 107};
  k.rb = bs::Point{237, 107};
  k.maskArea = k.client;
  return k;
}

bs::Picture FramePicture() {
  bs::Picture p(277, 116);
  for (int y = 0; y < p.height; ++y)
    for (int x = 0; x < p.width; ++x) p.Set(x, y, bs::Rgb(x * 7, y * 5, (x ^ y) & 255));
  return p;
}

// Black inside a rounded rectangle of radius 8, white outside.
bs::Picture RoundedMask() {
  bs::Picture m(277, 116, 0);
  const int r = 8;
  for (int y = 0; y < m.height; ++y)
    for (int x = 0; x < m.width; ++x) {
      const int cx = x < r ? r : (x >= m.width - r ? m.width - r - 1 : x);
      const int cy = y < r ? r : (y >= m.height - r ? m.height - r - 1 : y);
      if ((x - cx) * (x - cx) + (y - cy) * (y - cy) > r * r) m.Set(x, y, 0xFFFFFF);
    }
  return m;
}

}  // namespace

int main() {
  const bs::FrameSkin skin = AboutGeometry();
  const bs::Picture picture = FramePicture();
  const bs::Picture mask = RoundedMask();
  std::size_t sink = 0;

  const double tiled = MicrosecondsPerRun(200, [&] {
    sink += bs::BuildFrameStrips(picture, skin, 658, 411).top.pixels.size();
  });
  bs::FrameSkin stretching = skin;
  stretching.topStretch = stretching.bottomStretch = stretching.leftStretch =
      stretching.rightStretch = true;
  const double stretched = MicrosecondsPerRun(200, [&] {
    sink += bs::BuildFrameStrips(picture, stretching, 658, 411).top.pixels.size();
  });
  std::size_t rects = 0;
  const double region = MicrosecondsPerRun(500, [&] {
    const bs::PlacedFrame placed = bs::PlaceFrame(skin, 277, 116);
    rects = bs::WindowRegion(bs::BuildMaskStrips(mask, skin, 277, 116), placed).rects.size();
  });
  const double regionLarge = MicrosecondsPerRun(200, [&] {
    const bs::PlacedFrame placed = bs::PlaceFrame(skin, 658, 411);
    sink += bs::WindowRegion(bs::BuildMaskStrips(mask, skin, 658, 411), placed).rects.size();
  });

  std::printf("frame strips 658 x 411, tiled:     %8.1f us\n", tiled);
  std::printf("frame strips 658 x 411, stretched: %8.1f us\n", stretched);
  std::printf("window region 277 x 116:           %8.1f us (%zu rectangles)\n", region, rects);
  std::printf("window region 658 x 411:           %8.1f us\n", regionLarge);
  return sink == 0 ? 1 : 0;
}
