#include "skin/frame/bsFrameState.h"

#include <gtest/gtest.h>

namespace bs {
namespace {

TEST(MinimizeSlot, FillsRowsFromTheBottomLeftUpwards) {
  const Rect work{0, 0, 1000, 700};
  const Size s{277, 55};
  std::vector<Point> taken;
  // Three slots fit in a row of 1000 (the fourth would pass the right edge).
  const Point expected[] = {{0, 645}, {277, 645}, {554, 645}, {0, 590}, {277, 590}};
  for (const Point& e : expected) {
    const Point p = FindMinimizeSlot(work, s, taken);
    EXPECT_EQ(p, e);
    taken.push_back(p);
  }
  // A freed slot is taken again first.
  taken.erase(taken.begin() + 1);
  EXPECT_EQ(FindMinimizeSlot(work, s, taken), (Point{277, 645}));
  // A work area that does not start at the origin (a taskbar on the left, a second monitor).
  EXPECT_EQ(FindMinimizeSlot(Rect{-1280, 40, 0, 1024}, s, {{-1280, 969}}), (Point{-1003, 969}));
}

TEST(MinimizeSlot, AlwaysEndsAndFallsBackToTheFirstSlot) {
  const Rect work{0, 0, 600, 200};
  // Every slot taken: 2 per row, 3 rows.
  std::vector<Point> all;
  for (int y = 145; y >= 0; y -= 55)
    for (int x = 0; x + 277 <= 600; x += 277) all.push_back(Point{x, y});
  EXPECT_EQ(FindMinimizeSlot(work, Size{277, 55}, all), (Point{0, 145}));
  // Sizes of 0 or less count as 1 x 1: the search ends (1200 slots here).
  std::vector<Point> row;
  for (int x = 0; x < 40; ++x) row.push_back(Point{x, 29});
  EXPECT_EQ(FindMinimizeSlot(Rect{0, 0, 40, 30}, Size{0, -5}, row), (Point{0, 28}));
  std::vector<Point> every;
  for (int y = 0; y < 30; ++y)
    for (int x = 0; x < 40; ++x) every.push_back(Point{x, y});
  EXPECT_EQ(FindMinimizeSlot(Rect{0, 0, 40, 30}, Size{0, 0}, every), (Point{0, 29}));
  // A window larger than the work area, and an empty work area.
  EXPECT_EQ(FindMinimizeSlot(Rect{0, 0, 100, 40}, Size{277, 55}, {{0, -15}}), (Point{0, -15}));
  EXPECT_EQ(FindMinimizeSlot(Rect{}, Size{10, 10}, {{0, -10}}), (Point{0, -10}));
}

TEST(Maximize, WorkAreaAndTheOnePixelRule) {
  const Rect screen{0, 0, 1280, 1024};
  // A taskbar: the work area as it is.
  EXPECT_EQ(MaximizedBounds(MonitorArea{screen, Rect{0, 0, 1280, 984}, true}, false),
            (Rect{0, 0, 1280, 984}));
  // No taskbar space on the primary monitor: one pixel in on every side.
  EXPECT_EQ(MaximizedBounds(MonitorArea{screen, screen, true}, false), (Rect{1, 1, 1279, 1023}));
  // Not the primary monitor, or full-screen maximising: the whole rectangle.
  const Rect second{1280, 0, 2560, 1024};
  EXPECT_EQ(MaximizedBounds(MonitorArea{second, second, false}, false), second);
  EXPECT_EQ(MaximizedBounds(MonitorArea{screen, Rect{0, 0, 1280, 984}, true}, true), screen);
  EXPECT_EQ(MaximizedBounds(MonitorArea{screen, screen, true}, true), screen);
}

TEST(ApplySkin, MinimumSizeAndNudge) {
  const Size min{277, 55};
  auto applied = [&](Size w, bool rolled = false, bool minimized = false) {
    return ApplySkinSize(w, min, rolled, minimized);
  };
  EXPECT_EQ(applied({100, 20}).size, (Size{277, 55}));
  EXPECT_FALSE(applied({100, 20}).nudge);
  EXPECT_EQ(applied({400, 20}).size, (Size{400, 55}));
  EXPECT_EQ(applied({100, 300}).size, (Size{277, 300}));
  EXPECT_EQ(applied({400, 300}).size, (Size{400, 300}));
  EXPECT_TRUE(applied({400, 300}).nudge);
  EXPECT_EQ(applied({400, 300}, true).size, (Size{400, 55}));
  EXPECT_EQ(applied({400, 300}, false, true).size, (Size{277, 55}));

  EXPECT_EQ(NudgeFirstStep(277, 277), 1);
  EXPECT_EQ(NudgeFirstStep(278, 277), -1);
}

TEST(CaptionDoubleClick, DecidesByState) {
  using S = TbsWindowState;
  using A = CaptionDoubleClickAction;
  EXPECT_EQ(CaptionDoubleClick(S::wsNormal, false, true, true), A::Maximize);
  EXPECT_EQ(CaptionDoubleClick(S::wsMaximized, false, true, true), A::Restore);
  EXPECT_EQ(CaptionDoubleClick(S::wsMinimized, false, true, true), A::Restore);
  EXPECT_EQ(CaptionDoubleClick(S::wsNormal, true, true, true), A::ToggleRollUp);
  EXPECT_EQ(CaptionDoubleClick(S::wsNormal, false, false, true), A::ToggleRollUp);
  EXPECT_EQ(CaptionDoubleClick(S::wsNormal, false, true, false), A::ToggleRollUp);
}

TEST(WindowState, MaximizeAndRestoreRememberTheBounds) {
  TbsFrameWindowState w;
  const Rect normal{100, 80, 758, 491};
  const MonitorArea m{Rect{0, 0, 1024, 768}, Rect{0, 0, 1024, 738}, true};
  EXPECT_EQ(w.Maximize(normal, m, false), (Rect{0, 0, 1024, 738}));
  EXPECT_EQ(w.WindowState(), TbsWindowState::wsMaximized);
  // Minimising a maximised window keeps the first remembered bounds.
  const Rect mini = w.Minimize(Rect{0, 0, 1024, 738}, Size{277, 55}, m.work, {});
  EXPECT_EQ(mini, (Rect{0, 683, 277, 738}));
  EXPECT_EQ(w.Restore(mini), normal);
  EXPECT_EQ(w.WindowState(), TbsWindowState::wsNormal);
  // Restoring forgets them: nothing remembered, restore keeps the bounds.
  EXPECT_EQ(w.Restore(mini), mini);
  // A minimum size of 0 minimises to 1 x 1.
  EXPECT_EQ(w.Minimize(normal, Size{0, 0}, m.work, {}), (Rect{0, 737, 1, 738}));
}

TEST(WindowState, RollUpIsKeptApartWhileMaximized) {
  TbsFrameWindowState w;
  const Rect normal{10, 10, 310, 210};
  EXPECT_FALSE(w.ToggleRollUp(normal, 55, false).has_value());  // no roll-up icon
  const Rect rolled = *w.ToggleRollUp(normal, 55, true);
  EXPECT_EQ(rolled, (Rect{10, 10, 310, 65}));
  EXPECT_TRUE(w.RollUpState());
  // Maximised: its own roll-up state, dropped on restore.
  const MonitorArea m{Rect{0, 0, 800, 600}, Rect{0, 0, 800, 570}, true};
  const Rect max = w.Maximize(rolled, m, false);
  EXPECT_FALSE(w.RollUpState());
  EXPECT_EQ(*w.ToggleRollUp(max, 55, true), (Rect{0, 0, 800, 55}));
  EXPECT_TRUE(w.RollUpState());
  EXPECT_EQ(w.Restore(Rect{0, 0, 800, 55}), rolled);
  EXPECT_TRUE(w.RollUpState());  // the normal state is still rolled up
  EXPECT_EQ(*w.ToggleRollUp(rolled, 55, true), normal);
  // Not while minimised.
  w.Minimize(normal, Size{277, 55}, m.work, {});
  EXPECT_FALSE(w.ToggleRollUp(normal, 55, true).has_value());
}

}  // namespace
}  // namespace bs
