// The About window's skinned frame as a user meets it: shown by the About
// command, sized from the skin, shaped, hit-tested, painted and worked with
// the real mouse; each compared with the portable frame arithmetic.
#include <gtest/gtest.h>

#include "app/menuids.h"
#include "skin/data/bsSkinData.h"
#include "skin/draw/bsGeometry.h"
#include "skin/draw/bsPictureCopy.h"
#include "skin/draw/bsShape.h"
#include "skin/frame/bsFormGeometry.h"
#include "skin/frame/bsFrameHitTest.h"
#include "skin/frame/bsFrameObjects.h"
#include "skin/frame/bsFramePaint.h"
#include "skin/frame/bsFramePlace.h"
#include "skin/frame/bsFrameShape.h"
#include "skin/frame/bsFrameStrips.h"
#include "skinwin/bsPaint.h"
#include "tests/e2e/aboutwindow.h"
#include "tests/e2e/harness.h"

namespace {

using vellumo::kMenuAbout;

using e2e::About;
using e2e::AboutSkinData;
using e2e::ScreenShot;

// The window's region as a membership bitmap, and the portable one.
std::vector<bool> RegionBits(HRGN rgn, int w, int h) {
  std::vector<bool> bits(static_cast<std::size_t>(w) * h);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) bits[static_cast<std::size_t>(y) * w + x] = PtInRegion(rgn, x, y);
  return bits;
}

std::vector<bool> PortableRegionBits(int w, int h) {
  const bs::TbsSkinData& skin = AboutSkinData();
  const bs::FrameSkin fs = bs::FrameSkinOf(skin);
  const bs::PlacedFrame placed = bs::PlaceFrame(fs, w, h);
  const bs::Region region = bs::WindowRegion(bs::BuildMaskStrips(skin.mask, fs, w, h), placed);
  std::vector<bool> bits(static_cast<std::size_t>(w) * h);
  for (const bs::Rect& r : region.rects)
    for (int y = std::max(r.top, 0); y < std::min(r.bottom, h); ++y)
      for (int x = std::max(r.left, 0); x < std::min(r.right, w); ++x)
        bits[static_cast<std::size_t>(y) * w + x] = true;
  return bits;
}

// The About window's frame objects as the portable core places them.
struct PortableObjects {
  bs::TbsFrameObjects objects;
  PortableObjects(int w, int h, bool active) {
    const bs::TbsSkinData& skin = AboutSkinData();
    objects.CreateObjects(skin);
    objects.Status.windowActive = active;
    objects.ApplyBorderIcons(bs::biSystemMenu | bs::biMinimize | bs::biMaximize, false,
                             [](const std::string&) { return false; });
    if (bs::TbsSkinCaptionObject* c = objects.Caption()) c->SetWindowActive(active);
    objects.PlaceObjects(bs::FrameSkinOf(skin), w, h, skin.FormInfo.buttonsoffset,
                         skin.FormInfo.buttonsinleft);
    objects.TakeRequests();
  }
};

std::vector<bool> WindowRegionBits(HWND hwnd, int w, int h) {
  HRGN rgn = CreateRectRgn(0, 0, 0, 0);
  const int kind = GetWindowRgn(hwnd, rgn);
  std::vector<bool> bits = kind == ERROR ? std::vector<bool>() : RegionBits(rgn, w, h);
  DeleteObject(rgn);
  if (kind == ERROR) throw e2e::Failure("the About window has no region");
  return bits;
}

TEST(AboutWindow, ShownByTheCommandSizedFromTheSkin) {
  About a;
  const RECT b = a.Bounds();
  const RECT c = e2e::ClientRect(a.hwnd);
  EXPECT_EQ(c.right, 658);
  EXPECT_EQ(c.bottom, 411);
  // The skin's margins: 13 left, 46 top, 12 right, 9 bottom.
  EXPECT_EQ(b.right - b.left, 658 + 25);
  EXPECT_EQ(b.bottom - b.top, 411 + 55);
  EXPECT_EQ(b.left, 194);
  EXPECT_EQ(b.top, 145);
  POINT origin = {0, 0};
  ClientToScreen(a.hwnd, &origin);
  EXPECT_EQ(origin.x - b.left, 13);
  EXPECT_EQ(origin.y - b.top, 46);
  EXPECT_FALSE(e2e::WindowStyle(a.hwnd) & WS_CAPTION);

  // Closing hides it; the command shows the same window again.
  PostMessageW(a.hwnd, WM_CLOSE, 0, 0);
  ASSERT_TRUE(e2e::WaitFor([&] { return !IsWindowVisible(a.hwnd); }));
  EXPECT_TRUE(IsWindow(a.hwnd));
  a.p.Command(kMenuAbout);
  EXPECT_EQ(a.p.WaitWindow(L"Taboutform", 5000, true), a.hwnd);
}

TEST(AboutWindow, RegionAndHitTestFollowThePortableFrame) {
  About a;
  for (int grow : {0, 100}) {
    if (grow) {
      const RECT b = a.Bounds();
      SetWindowPos(a.hwnd, nullptr, 0, 0, b.right - b.left + grow, b.bottom - b.top + grow / 2,
                   SWP_NOMOVE | SWP_NOZORDER);
      a.p.Idle();
    }
    const RECT b = a.Bounds();
    const int w = b.right - b.left, h = b.bottom - b.top;
    EXPECT_EQ(WindowRegionBits(a.hwnd, w, h), PortableRegionBits(w, h)) << w << " x " << h;

    const bs::TbsSkinData& skin = AboutSkinData();
    const bs::FrameSkin fs = bs::FrameSkinOf(skin);
    const bs::PlacedFrame placed = bs::PlaceFrame(fs, w, h);
    const bs::FrameStrips mask = bs::BuildMaskStrips(skin.mask, fs, w, h);
    const PortableObjects objects(w, h, true);
    int checked = 0;
    for (int y = 0; y < h; y += 7)
      for (int x = 0; x < w; x += 7) {
        bs::FrameHitInput in;
        in.point = bs::Point{x, y};
        in.sizeable = true;
        in.mask = &mask;
        in.captionRects = objects.objects.CaptionRects();
        const int want = bs::FrameHitTest(placed, fs.borderWidth, in);
        DWORD_PTR got = 0;
        ASSERT_TRUE(SendMessageTimeoutW(a.hwnd, WM_NCHITTEST, 0, MAKELPARAM(b.left + x, b.top + y),
                                        SMTO_ABORTIFHUNG, 5000, &got));
        ASSERT_EQ(static_cast<int>(got), want) << "at " << x << "," << y << " of " << w << " x " << h;
        ++checked;
      }
    EXPECT_GT(checked, 1000);
  }
}

// Frame pixels that differ between a shot of the window and the portable
// strips, inside the shape and outside the client area; "" when none.
std::string FrameDifference(const bs::Picture& shot, bool active) {
  const bs::TbsSkinData& skin = AboutSkinData();
  const int w = shot.width, h = shot.height;
  const bs::FrameSkin fs = bs::FrameSkinOf(skin);
  const bs::Picture& source =
      active || skin.inactivepicture.Empty() ? skin.picture : skin.inactivepicture;
  const bs::Rect client = bs::PlaceFrame(fs, w, h).client;
  const PortableObjects objects(w, h, active);
  const bs::FrameStrips strips =
      bs::ComposeFrameStrips(bs::BuildFrameStrips(source, fs, w, h), objects.objects, client);
  const bs::StripPlaces at = bs::FrameStripPlaces(fs, w, h);
  // Text pixels are the font's: the caption's text rectangle must differ
  // (text is there), the rest must match.
  const bs::Rect text = objects.objects.Caption()->TextRect();
  bs::Picture want(w, h);
  for (auto [strip, place] : {std::pair{&strips.top, at.top}, {&strips.left, at.left},
                              {&strips.right, at.right}, {&strips.bottom, at.bottom}})
    bs::CopyPicture(want, place.x, place.y, *strip, bs::Rect{0, 0, strip->width, strip->height});
  const std::vector<bool> inside = PortableRegionBits(w, h);
  int differing = 0, textPixels = 0;
  std::string first;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      if (!inside[static_cast<std::size_t>(y) * w + x] || bs::Contains(client, x, y)) continue;
      if (bs::Contains(text, x, y)) {
        textPixels += shot.At(x, y) != want.At(x, y);
        continue;
      }
      if (shot.At(x, y) != want.At(x, y) && differing++ == 0) {
        char buf[96];
        std::snprintf(buf, sizeof buf, "at %d,%d: %06X, want %06X", x, y, shot.At(x, y),
                      want.At(x, y));
        first = buf;
      }
    }
  if (textPixels == 0) return "no caption text in its rectangle";
  return differing ? std::to_string(differing) + " pixels differ, first " + first : "";
}

TEST(AboutWindow, FramePixelsOnScreenEqualThePortableFrame) {
  About a;
  SetForegroundWindow(a.hwnd);
  ASSERT_TRUE(e2e::WaitFor([&] { return GetForegroundWindow() == a.hwnd; }));
  for (int grow : {0, 150}) {
    if (grow) {
      const RECT b = a.Bounds();
      SetWindowPos(a.hwnd, nullptr, 0, 0, b.right - b.left + grow, b.bottom - b.top + grow,
                   SWP_NOMOVE | SWP_NOZORDER);
    }
    a.p.Idle();
    std::string difference;
    // Painting follows the size change: give it a moment to land.
    e2e::WaitFor([&] { return (difference = FrameDifference(ScreenShot(a.Bounds()), true)).empty(); },
                 3000);
    EXPECT_EQ(difference, "") << "grown by " << grow;
  }
}

// The first object of a caption button command.
const bs::TbsSkinStdButtonObject* Button(const PortableObjects& o, bs::TbsStdCommand command) {
  for (const auto& obj : o.objects.Objects)
    if (auto* b = dynamic_cast<const bs::TbsSkinStdButtonObject*>(obj.get()); b && b->command == command)
      return b;
  throw e2e::Failure("the skin has no such caption button");
}

POINT Centre(const RECT& window, const bs::Rect& r) {
  return POINT{window.left + (r.left + r.right) / 2, window.top + (r.top + r.bottom) / 2};
}

bool BoundsAre(HWND hwnd, const RECT& want) {
  const RECT b = e2e::WindowRect(hwnd);
  return EqualRect(&b, &want);
}

std::string Text(const RECT& r) {
  return std::to_string(r.left) + "," + std::to_string(r.top) + "," + std::to_string(r.right) +
         "," + std::to_string(r.bottom);
}

// The bounds of the maximised window by the portable rule, from this screen.
RECT MaximizedHere(HWND hwnd) {
  MONITORINFO mi = {};
  mi.cbSize = sizeof mi;
  GetMonitorInfoW(MonitorFromWindow(hwnd, MONITOR_DEFAULTTONEAREST), &mi);
  const bs::Rect r = bs::MaximizedBounds(
      bs::MonitorArea{bs::FromRECT(mi.rcMonitor), bs::FromRECT(mi.rcWork),
                      (mi.dwFlags & MONITORINFOF_PRIMARY) != 0},
      false);
  return bs::ToRECT(r);
}

// A point of the window, in its shape, where the portable hit test answers
// hit, searched from the bottom-right corner inwards.
POINT GripPoint(const RECT& b, int hit) {
  const int w = b.right - b.left, h = b.bottom - b.top;
  const bs::TbsSkinData& skin = AboutSkinData();
  const bs::FrameSkin fs = bs::FrameSkinOf(skin);
  const bs::PlacedFrame placed = bs::PlaceFrame(fs, w, h);
  const bs::FrameStrips mask = bs::BuildMaskStrips(skin.mask, fs, w, h);
  for (int d = 1; d < 20; ++d)
    for (int e = 1; e <= d; ++e)
      for (POINT p : {POINT{w - d, h - e}, POINT{w - e, h - d}}) {
        if (!bs::PointInShape(mask, placed, p.x, p.y)) continue;
        bs::FrameHitInput in;
        in.point = bs::Point{p.x, p.y};
        in.sizeable = true;
        in.mask = &mask;
        if (bs::FrameHitTest(placed, fs.borderWidth, in) == hit) return POINT{b.left + p.x, b.top + p.y};
      }
  throw e2e::Failure("no point of the frame answers hit test " + std::to_string(hit));
}

class AboutMouse : public ::testing::Test {
 protected:
  void SetUp() override {
    SetForegroundWindow(a.hwnd);
    ASSERT_TRUE(e2e::WaitFor([&] { return GetForegroundWindow() == a.hwnd; }));
    a.p.Idle();
  }
  // Waits for the bounds; on failure says what they are.
  void ExpectBounds(const RECT& want) {
    EXPECT_TRUE(e2e::WaitFor([&] { return BoundsAre(a.hwnd, want); }, 3000))
        << "bounds " << Text(a.Bounds()) << ", want " << Text(want);
  }
  About a;
};

TEST_F(AboutMouse, CaptionDragMovesBorderDragsSizeWithinTheLimits) {
  const RECT b = a.Bounds();
  const int w = b.right - b.left, h = b.bottom - b.top;
  const PortableObjects o(w, h, true);
  const bs::Rect caption = o.objects.CaptionRects().at(0);
  const POINT grip = {b.left + caption.right - 20, b.top + (caption.top + caption.bottom) / 2};
  e2e::Drag(grip, POINT{grip.x + 40, grip.y + 30});
  ExpectBounds(RECT{b.left + 40, b.top + 30, b.right + 40, b.bottom + 30});

  const RECT moved = a.Bounds();
  const POINT right = {moved.right - 2, moved.top + h / 2};
  e2e::Drag(right, POINT{right.x + 50, right.y});
  ExpectBounds(RECT{moved.left, moved.top, moved.right + 50, moved.bottom});

  // The corner dragged far in stops at the minimum: the picture's width,
  // its height less the client rectangle's.
  const RECT wide = a.Bounds();
  const POINT corner = GripPoint(wide, bs::ht::BottomRight);
  e2e::Drag(corner, POINT{wide.left + 60, wide.top + 20});
  ExpectBounds(RECT{wide.left, wide.top, wide.left + 277, wide.top + 55});
}

TEST_F(AboutMouse, DoubleClickAndMaximizeButtonMaximizeToTheWorkAreaAndRestore) {
  const RECT b = a.Bounds();
  const PortableObjects o(b.right - b.left, b.bottom - b.top, true);
  const bs::Rect caption = o.objects.CaptionRects().at(0);
  e2e::DoubleClickAt(POINT{b.left + caption.right - 20, b.top + (caption.top + caption.bottom) / 2});
  const RECT max = MaximizedHere(a.hwnd);
  ExpectBounds(max);
  // Maximised, the caption no longer drags.
  const POINT grip = {max.left + 300, max.top + 15};
  e2e::Drag(grip, POINT{grip.x + 30, grip.y + 30});
  ExpectBounds(max);
  e2e::DoubleClickAt(grip);
  ExpectBounds(b);

  const POINT maxButton = Centre(b, Button(o, bs::TbsStdCommand::cmMaximize)->ObjectRect);
  e2e::MouseMoveTo(maxButton.x, maxButton.y);
  e2e::MouseButton(true, true);
  e2e::MouseButton(true, false);
  ExpectBounds(max);
  const PortableObjects big(max.right - max.left, max.bottom - max.top, true);
  const POINT restore = Centre(max, Button(big, bs::TbsStdCommand::cmMaximize)->ObjectRect);
  e2e::MouseMoveTo(restore.x, restore.y);
  e2e::MouseButton(true, true);
  e2e::MouseButton(true, false);
  ExpectBounds(b);
}

TEST_F(AboutMouse, CloseActsOnlyWhenReleasedOverIt) {
  const RECT b = a.Bounds();
  const PortableObjects o(b.right - b.left, b.bottom - b.top, true);
  const bs::TbsSkinStdButtonObject* close = Button(o, bs::TbsStdCommand::cmClose);
  const POINT at = Centre(b, close->ObjectRect);
  e2e::MouseMoveTo(at.x, at.y);
  // Hovered, the button fades to its mouse-over picture.
  const bs::Picture hover = bs::CropPicture(*close->ExtraPicture, close->activeskinrect);
  const RECT button = RECT{b.left + close->ObjectRect.left, b.top + close->ObjectRect.top,
                           b.left + close->ObjectRect.right, b.top + close->ObjectRect.bottom};
  EXPECT_TRUE(e2e::WaitFor([&] { return ScreenShot(button).pixels == hover.pixels; }, 2000));

  e2e::MouseButton(true, true);
  e2e::MouseMoveTo(b.left + 300, b.top + 200);  // off the button, into the client area
  e2e::MouseButton(true, false);
  a.p.Idle();
  Sleep(200);
  EXPECT_TRUE(IsWindowVisible(a.hwnd));

  // A second press this soon would be a double click, which a caption
  // button does not take as a press.
  Sleep(GetDoubleClickTime() + 50);
  e2e::MouseMoveTo(at.x, at.y);
  e2e::MouseButton(true, true);
  e2e::MouseButton(true, false);
  EXPECT_TRUE(e2e::WaitFor([&] { return !IsWindowVisible(a.hwnd); }));
  EXPECT_TRUE(IsWindow(a.hwnd));
}

}  // namespace
