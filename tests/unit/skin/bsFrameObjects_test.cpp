#include "skin/frame/bsFrameObjects.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

namespace bs {
namespace {

using K = FrameRequestKind;

// A 200 x 40 frame picture and one extra picture; the window is active.
struct Frame {
  TbsSkinData skin;
  TbsFrameObjects frame;
  FrameSkin geometry;

  Frame() {
    skin.picture = Picture(200, 40, Rgb(10, 10, 10));
    Picture extra(100, 40);
    for (int y = 0; y < 40; ++y)
      for (int x = 0; x < 100; ++x) extra.Set(x, y, Rgb(x, y, 200));
    skin.ExtraPictures.push_back(extra);
    geometry.pictureWidth = 200;
    geometry.pictureHeight = 40;
    geometry.lt = Point{40, 30};
    geometry.rt = Point{120, 30};
    geometry.lb = Point{40, 35};
    geometry.rb = Point{120, 35};
    geometry.client = Rect{5, 30, 195, 35};
    geometry.caption = Rect{15, 5, 125, 25};
    frame.Status.windowActive = true;
  }

  template <typename T, typename D>
  T& Add(const D& d) {
    auto o = std::make_unique<T>(frame, d, skin);
    if (!d.skinrectinapicture) o->ObjectRect = d.skinrect;  // placed as at the picture's size
    o->Index = static_cast<int>(frame.Objects.size());
    T& ref = *o;
    frame.Objects.push_back(std::move(o));
    return ref;
  }
  TbsSkinStdButtonObject& Button(const char* name, TbsStdCommand command, Rect skinrect,
                                 bool inPicture = false) {
    TbsDataSkinStdButton d(name);
    d.command = command;
    d.skinrect = skinrect;
    d.skinrectinapicture = inPicture;
    d.activepictureindex = 0;
    d.activeskinrect = Rect{0, 0, skinrect.Width(), skinrect.Height()};
    d.downrect = Rect{20, 0, 20 + skinrect.Width(), skinrect.Height()};
    d.morphing = true;
    return Add<TbsSkinStdButtonObject>(d);
  }
  TbsSkinCaptionObject& Caption(Rect skinrect) {
    TbsDataSkinCaption d("caption");
    d.skinrect = skinrect;
    d.textrect = Rect{4, 0, 94, 19};
    return Add<TbsSkinCaptionObject>(d);
  }
  std::vector<K> Kinds() {
    std::vector<K> kinds;
    for (const FrameRequest& r : frame.TakeRequests()) kinds.push_back(r.kind);
    return kinds;
  }
  std::vector<WindowAction> Actions() {
    std::vector<WindowAction> actions;
    for (const FrameRequest& r : frame.TakeRequests())
      if (r.kind == K::RunWindowAction) actions.push_back(r.action);
    return actions;
  }
};

TEST(FrameObjects, CreatedFromTheDescriptorsInOrder) {
  const char ini[] =
      "[VERSION]\r\n[PICTURES]\r\npicture=p.bmp\r\nactivepicturescount=1\r\n0=e.bmp\r\n"
      "[FORMINFO]\r\nclientrect=5,30,195,35\r\n"
      "[SKINOBJECTS]\r\ncount=8\r\n0=menuitem:menuitem\r\n1=caption:caption\r\n"
      "2=close:stdbutton\r\n3=plain:button\r\n4=anim:animate\r\n5=user:userobject\r\n"
      "6=barclose:mainmenubarbutton\r\n7=odd:unknown\r\n"
      "[close]\r\ncommand=cmclose\r\nactivepictureindex=3\r\nactiveskinrect=0,0,9,9\r\nmorphing=1\r\n"
      "[anim]\r\ntimerinterval=10\r\ncountframes=0\r\n"
      "[SKINCONTROLS]\r\ncount=0\r\n";
  std::vector<std::uint8_t> c = {3, 0, 0, 0, 0};
  auto bmp = [&](int w, int h) {
    const auto b = WriteBmp(Picture(w, h));
    c.insert(c.end(), b.begin(), b.end());
  };
  bmp(200, 40);
  c.push_back(1);  // no inactive picture
  c.push_back(1);  // no mask
  c.insert(c.end(), {1, 0, 0, 0});
  bmp(100, 40);
  c.insert(c.end(), ini, ini + sizeof ini - 1);
  TbsSkinData skin;
  TMemoryStream stream(c);
  skin.LoadFromContainer(stream);
  ASSERT_FALSE(skin.Empty());

  TbsFrameObjects frame;
  frame.CreateObjects(skin);
  ASSERT_EQ(frame.Objects.size(), 5u);
  EXPECT_NE(dynamic_cast<TbsSkinCaptionObject*>(frame.Objects[0].get()), nullptr);
  EXPECT_NE(dynamic_cast<TbsSkinStdButtonObject*>(frame.Objects[1].get()), nullptr);
  EXPECT_EQ(dynamic_cast<TbsSkinStdButtonObject*>(frame.Objects[2].get()), nullptr);
  EXPECT_NE(dynamic_cast<TbsSkinButtonObject*>(frame.Objects[2].get()), nullptr);
  auto* anim = dynamic_cast<TbsSkinAnimateObject*>(frame.Objects[3].get());
  ASSERT_NE(anim, nullptr);
  EXPECT_EQ(anim->Interval, 25);
  EXPECT_EQ(anim->countframes, 1);
  EXPECT_NE(dynamic_cast<TbsUserObject*>(frame.Objects[4].get()), nullptr);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(frame.Objects[i]->Index, i);
  // Picture index 3 lies past the extra pictures: no active image, no fade.
  const TbsActiveSkinObject& close = *frame.Objects[1];
  EXPECT_EQ(close.ExtraPicture, nullptr);
  EXPECT_TRUE(close.activeskinrect.IsEmpty());
  EXPECT_FALSE(close.morphing);

  TbsSkinData empty;
  frame.CreateObjects(empty);
  EXPECT_TRUE(frame.Objects.empty());
}

TEST(FrameObjects, PlacedForTheWindowSize) {
  Frame f;
  TbsSkinCaptionObject& caption = f.Caption(Rect{15, 5, 125, 25});
  TbsSkinStdButtonObject& close = f.Button("close", TbsStdCommand::cmClose, Rect{180, 5, 190, 15});
  TbsSkinStdButtonObject& sys = f.Button("sys", TbsStdCommand::cmSysMenu, Rect{2, 5, 12, 15});
  f.frame.PlaceObjects(f.geometry, 200, 40, 0, false);
  EXPECT_EQ(close.ObjectRect, close.skinrect);
  const Rect text = caption.TextRect();
  // 100 pixels wider: the close button moves with the right edge, the
  // caption and its text rectangle widen, the system-menu button stays.
  f.frame.PlaceObjects(f.geometry, 300, 60, 0, false);
  EXPECT_EQ(close.ObjectRect, (Rect{280, 5, 290, 15}));
  EXPECT_EQ(caption.ObjectRect, (Rect{15, 5, 225, 25}));
  EXPECT_EQ(caption.TextRect(), (Rect{text.left, text.top, text.right + 100, text.bottom}));
  EXPECT_EQ(sys.ObjectRect, sys.skinrect);
  EXPECT_EQ(f.frame.CaptionRects(), (std::vector<Rect>{caption.ObjectRect}));
}

TEST(FrameObjects, ButtonsInExtraPicturesRunInARow) {
  Frame f;
  TbsSkinCaptionObject& caption = f.Caption(Rect{15, 5, 125, 25});
  auto& min = f.Button("min", TbsStdCommand::cmMinimize, Rect{0, 0, 10, 10}, true);
  auto& custom = f.Button("custom", TbsStdCommand::cmDefault, Rect{0, 0, 10, 10}, true);
  auto& close = f.Button("close", TbsStdCommand::cmClose, Rect{0, 0, 10, 10}, true);
  auto& sys = f.Button("sys", TbsStdCommand::cmSysMenu, Rect{0, 0, 12, 8}, true);
  auto& max = f.Button("max", TbsStdCommand::cmMaximize, Rect{0, 0, 10, 10}, true);
  auto& hidden = f.Button("roll", TbsStdCommand::cmRollUp, Rect{0, 0, 10, 10}, true);
  hidden.Visible = false;

  // From the caption rectangle's right: close, maximize, minimize, then cmdefault.
  f.frame.PlaceObjects(f.geometry, 200, 40, 2, false);
  EXPECT_EQ(close.ObjectRect, (Rect{115, 5, 125, 15}));
  EXPECT_EQ(max.ObjectRect, (Rect{103, 5, 113, 15}));
  EXPECT_EQ(min.ObjectRect, (Rect{91, 5, 101, 15}));
  EXPECT_EQ(custom.ObjectRect, (Rect{79, 5, 89, 15}));
  EXPECT_TRUE(hidden.ObjectRect.IsEmpty());
  // The system-menu button at the caption's left, centred vertically.
  EXPECT_EQ(sys.ObjectRect, (Rect{15, 11, 27, 19}));
  EXPECT_EQ(caption.ObjectRect, (Rect{27, 5, 79, 25}));
  // With the form's icon the button takes the icon's size.
  f.frame.Status.showIcon = true;
  f.frame.PlaceObjects(f.geometry, 200, 40, 2, false);
  EXPECT_EQ(sys.ObjectRect, (Rect{15, 7, 31, 23}));

  // From the left, the system-menu button last; the caption starts after.
  f.frame.Status.showIcon = false;
  f.frame.PlaceObjects(f.geometry, 200, 40, 2, true);
  EXPECT_EQ(close.ObjectRect, (Rect{15, 5, 25, 15}));
  EXPECT_EQ(custom.ObjectRect, (Rect{51, 5, 61, 15}));
  EXPECT_EQ(sys.ObjectRect, (Rect{63, 5, 75, 13}));
  EXPECT_EQ(caption.ObjectRect.left, 79);

  // A buttons rectangle right of the middle moves with the right edge and
  // leaves the caption alone.
  f.geometry.buttons = Rect{140, 2, 190, 14};
  f.frame.PlaceObjects(f.geometry, 250, 40, 0, false);
  EXPECT_EQ(close.ObjectRect, (Rect{230, 2, 240, 12}));
  EXPECT_EQ(caption.ObjectRect.right, 175);
}

TEST(FrameObjects, TrackingEntersAndLeaves) {
  Frame f;
  auto& a = f.Button("a", TbsStdCommand::cmClose, Rect{0, 0, 10, 10});
  auto& b = f.Button("b", TbsStdCommand::cmMaximize, Rect{5, 0, 20, 10});
  f.frame.TrackObjectUnderMouse(7, 5);  // both contain it: the first wins
  EXPECT_EQ(f.frame.ObjectUnderMouse(), 0);
  EXPECT_TRUE(a.MouseIn);
  EXPECT_EQ(f.Kinds(), (std::vector<K>{K::StartMorphTimer, K::MouseEnterEvent}));
  a.Enabled = false;  // disabled objects take no part
  f.frame.TrackObjectUnderMouse(7, 5);
  EXPECT_EQ(f.frame.ObjectUnderMouse(), 1);
  EXPECT_FALSE(a.MouseIn);
  EXPECT_TRUE(b.MouseIn);
  f.frame.TrackObjectUnderMouse(-1, -1);  // the cursor went into the client area
  EXPECT_EQ(f.frame.ObjectUnderMouse(), -1);
  EXPECT_FALSE(b.MouseIn);
  f.frame.TakeRequests();
  // An inactive window tracks nothing.
  f.frame.Status.windowActive = false;
  f.frame.TrackObjectUnderMouse(15, 5);
  EXPECT_EQ(f.frame.ObjectUnderMouse(), -1);
  EXPECT_TRUE(f.Kinds().empty());
}

TEST(FrameObjects, CaptionButtonsActOnReleaseOverThem) {
  Frame f;
  auto& close = f.Button("close", TbsStdCommand::cmClose, Rect{0, 0, 10, 10});
  auto& max = f.Button("max", TbsStdCommand::cmMaximize, Rect{20, 0, 30, 10});

  // Press close, move off, release there: nothing happens.
  f.frame.MouseDown(5, 5, TMouseButton::mbLeft);
  EXPECT_TRUE(close.Down);
  EXPECT_EQ(f.frame.CapturedObject(), 0);
  f.frame.TrackObjectUnderMouse(50, 5);
  f.frame.TrackObjectUnderMouse(25, 5);  // another object is not entered while one is captured
  EXPECT_EQ(f.frame.ObjectUnderMouse(), -1);
  f.frame.MouseUp(25, 5, TMouseButton::mbLeft);
  EXPECT_FALSE(close.Down);
  EXPECT_EQ(f.frame.CapturedObject(), -1);
  EXPECT_TRUE(f.Actions().empty());

  // Press and release over it: the button is released, then the form closes.
  f.frame.MouseDown(5, 5, TMouseButton::mbLeft);
  f.frame.TakeRequests();
  f.frame.MouseUp(5, 5, TMouseButton::mbLeft);
  std::vector<K> kinds = f.Kinds();
  const auto redraw = std::find(kinds.begin(), kinds.end(), K::RedrawObject);
  const auto run = std::find(kinds.begin(), kinds.end(), K::RunWindowAction);
  ASSERT_NE(run, kinds.end());
  EXPECT_LT(redraw, run);
  EXPECT_EQ(kinds.back(), K::ReleaseCapture);

  // Maximize acts before the release; when maximised the same button restores.
  f.frame.MouseDown(25, 5, TMouseButton::mbLeft);
  f.frame.TakeRequests();
  f.frame.MouseUp(25, 5, TMouseButton::mbLeft);
  kinds.clear();
  for (const FrameRequest& r : f.frame.TakeRequests()) kinds.push_back(r.kind);
  EXPECT_EQ(kinds.front(), K::RunWindowAction);
  f.frame.Status.windowState = TbsWindowState::wsMaximized;
  f.frame.MouseDown(25, 5, TMouseButton::mbLeft);
  f.frame.MouseUp(25, 5, TMouseButton::mbLeft);
  EXPECT_EQ(f.Actions(), (std::vector<WindowAction>{WindowAction::Restore}));
  // The right button does not press a caption button.
  f.frame.MouseDown(25, 5, TMouseButton::mbRight);
  f.frame.MouseUp(25, 5, TMouseButton::mbRight);
  EXPECT_TRUE(f.Actions().empty());
}

TEST(FrameObjects, SystemMenuButtonAndCaption) {
  Frame f;
  auto& caption = f.Caption(Rect{15, 0, 100, 20});
  auto& sys = f.Button("sys", TbsStdCommand::cmSysMenu, Rect{0, 0, 10, 10});
  // The menu drops on the press; the button stays down until it closes.
  f.frame.MouseDown(5, 5, TMouseButton::mbLeft);
  std::vector<K> kinds = f.Kinds();
  EXPECT_NE(std::find(kinds.begin(), kinds.end(), K::DropSystemMenu), kinds.end());
  f.frame.MouseUp(5, 5, TMouseButton::mbLeft);
  EXPECT_TRUE(sys.Down);
  EXPECT_TRUE(f.Actions().empty());
  f.frame.MenuClosed(1);
  EXPECT_FALSE(sys.Down);
  f.frame.MenuClosed(7);  // no such object
  // A double click on it closes the form.
  f.frame.DoubleClick();
  EXPECT_EQ(f.Actions(), (std::vector<WindowAction>{WindowAction::Close}));
  // A right press on the caption opens the menu at the cursor; the caption
  // is never given the mouse capture.
  f.frame.MouseDown(50, 5, TMouseButton::mbRight);
  kinds = f.Kinds();
  EXPECT_NE(std::find(kinds.begin(), kinds.end(), K::SystemMenuAtCursor), kinds.end());
  EXPECT_EQ(std::find(kinds.begin(), kinds.end(), K::CaptureMouse), kinds.end());
  EXPECT_EQ(f.frame.CapturedObject(), 0);
  f.frame.MouseUp(50, 5, TMouseButton::mbRight);
  kinds = f.Kinds();
  EXPECT_EQ(std::find(kinds.begin(), kinds.end(), K::ReleaseCapture), kinds.end());
}

TEST(FrameObjects, FadeTakesFiveStepsEachWay) {
  Frame f;
  auto& b = f.Button("close", TbsStdCommand::cmClose, Rect{0, 0, 10, 10});
  f.frame.TrackObjectUnderMouse(5, 5);
  const double up[] = {0.2, 0.4, 0.6, 0.8, 1.0};
  for (int i = 0; i < 5; ++i) {
    EXPECT_TRUE(b.MorphRunning());
    EXPECT_EQ(f.frame.MorphTimerTick(), i < 4);
    EXPECT_DOUBLE_EQ(b.MorphFactor, up[i]);
  }
  EXPECT_EQ(b.Draw(false).kind, ObjectImage::Copy);  // the active image
  EXPECT_EQ(b.Draw(false).rect, b.activeskinrect);
  f.frame.TrackObjectUnderMouse(-1, -1);
  for (int i = 0; i < 5; ++i) {
    const ObjectImage image = b.Draw(true);
    EXPECT_EQ(image.kind, ObjectImage::Blend);
    EXPECT_EQ(f.frame.MorphTimerTick(), i < 4);
  }
  EXPECT_EQ(b.MorphFactor, 0.0);
  EXPECT_FALSE(f.frame.MorphTimerTick());
  // Every step asked for a redraw of the button, and so did leaving it.
  int redraws = 0;
  for (const FrameRequest& r : f.frame.TakeRequests())
    if (r.kind == K::RedrawObject && r.object == 0) ++redraws;
  EXPECT_EQ(redraws, 11);
}

TEST(FrameObjects, SkinChangingForgetsEveryIndex) {
  Frame f;
  auto& close = f.Button("close", TbsStdCommand::cmClose, Rect{0, 0, 10, 10});
  f.frame.MouseDown(5, 5, TMouseButton::mbLeft);
  ASSERT_EQ(f.frame.ObjectUnderMouse(), 0);
  ASSERT_EQ(f.frame.CapturedObject(), 0);
  f.frame.TakeRequests();
  f.frame.SkinChanging();
  EXPECT_EQ(f.frame.ObjectUnderMouse(), -1);
  EXPECT_EQ(f.frame.CapturedObject(), -1);
  EXPECT_TRUE(f.frame.Objects.empty());
  EXPECT_EQ(f.Kinds(), (std::vector<K>{K::ReleaseCapture}));
  // The new skin failed to load: mouse messages and timer ticks find nothing.
  f.frame.MouseMove(5, 5);
  f.frame.MouseUp(5, 5, TMouseButton::mbLeft);
  f.frame.DoubleClick();
  f.frame.TrackObjectUnderMouse(5, 5);
  EXPECT_FALSE(f.frame.MorphTimerTick());
  EXPECT_FALSE(f.frame.AnimationTimerTick());
  EXPECT_TRUE(f.Kinds().empty());
  EXPECT_EQ(f.frame.ObjectAt(0), nullptr);
  EXPECT_EQ(f.frame.ObjectAt(-1), nullptr);
}

TEST(FrameObjects, BorderIconsEnableAndHideButtons) {
  Frame f;
  auto& close = f.Button("close", TbsStdCommand::cmClose, Rect{0, 0, 10, 10});
  auto& roll = f.Button("roll", TbsStdCommand::cmRollUp, Rect{10, 0, 20, 10});
  auto& tray = f.Button("tray", TbsStdCommand::cmMinimizeToTray, Rect{0, 0, 10, 10}, true);
  auto& custom = f.Button("mine", TbsStdCommand::cmDefault, Rect{30, 0, 40, 10});
  auto& max = f.Button("max", TbsStdCommand::cmMaximize, Rect{40, 0, 50, 10});
  std::vector<std::string> asked;
  auto handler = [&](const std::string& name) {
    asked.push_back(name);
    return true;
  };
  // The About window: no roll-up. Part of the frame picture, the roll-up
  // button stays visible but disabled; the tray button in an extra picture hides.
  f.frame.ApplyBorderIcons(biSystemMenu | biMinimize | biMaximize, false, handler);
  EXPECT_TRUE(close.Enabled && close.Visible);
  EXPECT_TRUE(max.Enabled);
  EXPECT_FALSE(roll.Enabled);
  EXPECT_TRUE(roll.Visible);
  EXPECT_FALSE(tray.Enabled || tray.Visible);
  EXPECT_TRUE(custom.Visible);
  EXPECT_EQ(asked, (std::vector<std::string>{"mine"}));
  EXPECT_EQ(close.Hint, DefaultObjectHint(TbsStdCommand::cmClose, nullptr));
  // Hovering and clicking the disabled roll-up button does nothing.
  f.frame.TrackObjectUnderMouse(15, 5);
  EXPECT_FALSE(roll.MouseIn);
  EXPECT_FALSE(roll.Active);
  f.frame.MouseDown(15, 5, TMouseButton::mbLeft);
  f.frame.MouseUp(15, 5, TMouseButton::mbLeft);
  EXPECT_TRUE(f.Actions().empty());
  // Without a handler a cmdefault button stays hidden.
  f.frame.ApplyBorderIcons(kDefaultBorderIcons, false, nullptr);
  EXPECT_FALSE(custom.Visible);
  EXPECT_TRUE(roll.Enabled);
  // Hidden caption buttons: all disabled.
  f.frame.ApplyBorderIcons(kDefaultBorderIcons, true, handler);
  EXPECT_FALSE(close.Enabled || max.Enabled || tray.Enabled);
  EXPECT_TRUE(close.Visible);
  EXPECT_FALSE(tray.Visible);
}

TEST(FrameObjects, ImagesForEachState) {
  Frame f;
  auto& max = f.Button("max", TbsStdCommand::cmMaximize, Rect{0, 0, 10, 10});
  max.morphing = false;
  const Picture* extra = &f.skin.ExtraPictures[0];
  // Normal and part of the frame picture: drawn only on its own.
  EXPECT_EQ(max.Draw(false).kind, ObjectImage::None);
  EXPECT_EQ(max.Draw(true).picture, &f.skin.picture);
  // Down with the mouse inside.
  f.frame.MouseDown(5, 5, TMouseButton::mbLeft);
  EXPECT_EQ(max.Draw(false).rect, max.downrect);
  EXPECT_EQ(max.Draw(false).picture, extra);
  f.frame.MouseUp(50, 50, TMouseButton::mbLeft);
  f.frame.TrackObjectUnderMouse(-1, -1);
  // Inactive window with an inactive image.
  max.inactiveskinrect = Rect{40, 0, 50, 10};
  f.frame.Status.windowActive = false;
  EXPECT_EQ(max.Draw(false).rect, max.inactiveskinrect);
  f.frame.Status.windowActive = true;
  // Maximised: the restore images.
  max.restorerect = Rect{60, 0, 70, 10};
  max.restoreactiverect = Rect{70, 0, 80, 10};
  f.frame.Status.windowState = TbsWindowState::wsMaximized;
  EXPECT_EQ(max.Draw(false).rect, max.restorerect);
  f.frame.TrackObjectUnderMouse(5, 5);
  EXPECT_EQ(max.Draw(false).rect, max.restoreactiverect);
  // Disabled with a disabled image.
  max.disableskinrsect = Rect{80, 0, 90, 10};
  max.Enabled = false;
  EXPECT_EQ(max.Draw(false).rect, max.disableskinrsect);
}

TEST(FrameObjects, DrawnImagesLandOnTheCanvas) {
  Frame f;
  auto& b = f.Button("b", TbsStdCommand::cmClose, Rect{0, 0, 10, 10});
  Picture canvas(30, 20, 0);
  DrawObjectImage(canvas, Point{5, 5}, b.Draw(true));
  EXPECT_EQ(canvas.At(5, 5), Rgb(10, 10, 10));
  EXPECT_EQ(canvas.At(4, 4), 0u);
  ObjectImage blend{ObjectImage::Blend, nullptr, Rect{}, &f.skin.ExtraPictures[0], Rect{0, 0, 2, 1}};
  blend.factor = 0.5;
  Picture white(4, 4, Rgb(255, 255, 255));
  DrawObjectImage(white, Point{1, 1}, blend);  // the canvas under the object is the normal image
  EXPECT_EQ(white.At(1, 1), Rgb(128, 128, 228));
  EXPECT_EQ(white.At(2, 1), Rgb(128, 128, 228));
}

TEST(FrameObjects, AnimationRunsForwardsAndBack) {
  Frame f;
  TbsDataSkinAnimate d("anim");
  d.skinrect = Rect{0, 0, 10, 10};
  d.activepictureindex = 0;
  d.activeskinrect = Rect{0, 10, 40, 20};
  d.countframes = 4;
  d.buttonstyle = true;
  d.timerinterval = 50;
  d.command = TbsStdCommand::cmMinimize;
  auto& a = f.Add<TbsSkinAnimateObject>(d);
  EXPECT_EQ(a.Draw(false).rect, (Rect{0, 10, 10, 20}));
  f.frame.TrackObjectUnderMouse(5, 5);
  std::vector<int> frames;
  while (f.frame.AnimationTimerTick()) frames.push_back(a.CurrentFrame);
  // The first step once 50 ms have passed; then the elapsed time restarts
  // at 25, so each tick steps. The run stops on the last frame.
  EXPECT_EQ(frames, (std::vector<int>{1, 2, 3}));
  EXPECT_EQ(a.CurrentFrame, 4);
  EXPECT_EQ(a.Draw(false).rect, (Rect{30, 10, 40, 20}));
  f.frame.MouseDown(5, 5, TMouseButton::mbLeft);
  f.frame.MouseUp(5, 5, TMouseButton::mbLeft);
  EXPECT_EQ(f.Actions(), (std::vector<WindowAction>{WindowAction::Minimize}));
  f.frame.TrackObjectUnderMouse(-1, -1);
  int ticks = 0;
  while (f.frame.AnimationTimerTick()) ++ticks;
  EXPECT_EQ(a.CurrentFrame, 1);
  EXPECT_EQ(ticks, 2);  // 3, 2, then 1 ends the run
  // Cycling wraps past the last frame and keeps running.
  a.cycle = true;
  f.frame.TrackObjectUnderMouse(5, 5);
  for (int i = 0; i < 8; ++i) EXPECT_TRUE(f.frame.AnimationTimerTick());
  EXPECT_EQ(a.CurrentFrame, 1);
}

TEST(FrameObjects, PlainFrameButtons) {
  TbsFrameObjects frame;
  frame.CreatePlainButtons();
  ASSERT_EQ(frame.Objects.size(), 6u);
  frame.ApplyBorderIcons(biSystemMenu | biMinimize | biMaximize, false, nullptr);
  frame.PlacePlainButtons(300, false);
  auto rectOf = [&](const char* name) {
    for (const auto& o : frame.Objects)
      if (o->IDName == name) return o->Visible ? o->ObjectRect : Rect{};
    return Rect{};
  };
  EXPECT_EQ(rectOf("closebutton"), (Rect{280, 4, 297, 21}));
  EXPECT_EQ(rectOf("maxbutton"), (Rect{263, 4, 280, 21}));
  EXPECT_EQ(rectOf("minbutton"), (Rect{246, 4, 263, 21}));
  EXPECT_TRUE(rectOf("rollupbutton").IsEmpty());
  EXPECT_TRUE(rectOf("traybutton").IsEmpty());
  EXPECT_EQ(rectOf("sysmenubutton"), (Rect{3, 4, 20, 21}));
  EXPECT_EQ(frame.PlainCaptionArea(300, false), (Rect{20, 3, 246, 22}));
  frame.PlacePlainButtons(300, true);
  EXPECT_EQ(rectOf("closebutton"), (Rect{284, 4, 297, 17}));
}

TEST(FrameObjects, CommandTable) {
  using S = TbsWindowState;
  using A = WindowAction;
  EXPECT_EQ(CommandAction(TbsStdCommand::cmClose, S::wsMaximized, false), A::Close);
  EXPECT_EQ(CommandAction(TbsStdCommand::cmMaximize, S::wsNormal, false), A::Maximize);
  EXPECT_EQ(CommandAction(TbsStdCommand::cmMaximize, S::wsMinimized, false), A::Maximize);
  EXPECT_EQ(CommandAction(TbsStdCommand::cmMinimize, S::wsNormal, false), A::Minimize);
  EXPECT_EQ(CommandAction(TbsStdCommand::cmMinimize, S::wsMinimized, false), A::Restore);
  EXPECT_EQ(CommandAction(TbsStdCommand::cmMinimize, S::wsNormal, true), A::MinimizeToTray);
  EXPECT_EQ(CommandAction(TbsStdCommand::cmRollUp, S::wsNormal, false), A::ToggleRollUp);
  EXPECT_EQ(CommandAction(TbsStdCommand::cmMinimizeToTray, S::wsNormal, false), A::MinimizeToTray);
  EXPECT_EQ(CommandAction(TbsStdCommand::cmSysMenu, S::wsNormal, false), A::None);
  EXPECT_EQ(CommandAction(TbsStdCommand::cmDefault, S::wsNormal, false), A::None);
}

}  // namespace
}  // namespace bs

namespace bs {
namespace {

// The program's own stored skin.
TEST(FrameObjects, AboutSkinCaptionButtonsFollowTheRightEdge) {
  std::ifstream file(VELLUMO_ABOUT_SKIN, std::ios::binary);
  ASSERT_TRUE(file.good());
  TbsCompressedStoredSkin stored;
  const std::vector<std::uint8_t> bytes{std::istreambuf_iterator<char>(file), {}};
  stored.CompressedData.Write(bytes.data(), bytes.size());
  TbsSkinData skin;
  skin.LoadFromStoredSkin(stored);
  ASSERT_FALSE(skin.Empty());

  TbsFrameObjects frame;
  frame.CreateObjects(skin);
  frame.ApplyBorderIcons(biSystemMenu | biMinimize | biMaximize, false, nullptr);
  const FrameSkin k = FrameSkinOf(skin);
  auto named = [&](const std::string& name) -> TbsActiveSkinObject& {
    for (const auto& o : frame.Objects)
      if (o->IDName == name) return *o;
    ADD_FAILURE() << name;
    return *frame.Objects.front();
  };
  frame.PlaceObjects(k, k.pictureWidth, k.pictureHeight, skin.FormInfo.buttonsoffset,
                     skin.FormInfo.buttonsinleft);
  const Rect close = named("closebutton").ObjectRect, sys = named("sysmenubutton").ObjectRect;
  const Rect roll = named("rollupbutton").ObjectRect;
  const Rect max = named("maximizebutton").ObjectRect, min = named("minimizebutton").ObjectRect;
  const Rect text = frame.Caption()->TextRect();
  EXPECT_FALSE(close.IsEmpty());
  frame.PlaceObjects(k, k.pictureWidth + 100, k.pictureHeight + 40, skin.FormInfo.buttonsoffset,
                     skin.FormInfo.buttonsinleft);
  EXPECT_EQ(named("closebutton").ObjectRect, Moved(close, 100, 0));
  EXPECT_EQ(named("maximizebutton").ObjectRect, Moved(max, 100, 0));
  EXPECT_EQ(named("minimizebutton").ObjectRect, Moved(min, 100, 0));
  EXPECT_EQ(named("sysmenubutton").ObjectRect, sys);
  EXPECT_EQ(named("rollupbutton").ObjectRect, roll);
  EXPECT_EQ(frame.Caption()->TextRect().Width(), text.Width() + 100);
  // No roll-up icon: the roll-up button is part of the frame picture, so it
  // stays but takes no part in tracking.
  EXPECT_FALSE(named("rollupbutton").Enabled);
  EXPECT_TRUE(named("rollupbutton").Visible);
}

}  // namespace
}  // namespace bs
