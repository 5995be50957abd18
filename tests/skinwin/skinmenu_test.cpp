// The skinned popup menu service on a form of the test's own: plain level
// sizes, scrolling and the work-area cut, the owner kept active, the mouse,
// closing on a click elsewhere or another window's activation,
// sub-menus after the wait, Esc level by level, and no handles held across
// many openings.
#include <gtest/gtest.h>

#include "skinwin/bsPaint.h"
#include "tests/skinwin/gdicount.h"
#include "tests/skinwin/menutest.h"
#include "tests/support/popup_level_view.h"

namespace {

using menutest::Framed;
using menutest::Pump;
using menutest::PumpUntil;

std::vector<bs::MenuItem> Items(int n, int separatorAt = -1) {
  std::vector<bs::MenuItem> items;
  for (int i = 0; i < n; ++i) {
    if (i == separatorAt) {
      items.push_back(bs::Separator());
      continue;
    }
    bs::MenuItem m;
    m.caption = "Item " + std::to_string(i);
    m.command = i + 1;
    items.push_back(m);
  }
  return items;
}

int LevelHeight(const bs::TbsSkinMenu& menu, int level) {
  RECT r = {};
  GetWindowRect(menutest::LevelWindow(menu, level), &r);
  return r.bottom - r.top;
}

// Whether the screen shows colour somewhere in r of the level.
bool Shows(const bs::TbsSkinMenu& menu, const bs::Rect& r, COLORREF colour) {
  const bs::Rect at = menu.Session()->LevelRect(0);
  HDC screen = GetDC(nullptr);
  const bs::Picture shot = bs::ReadPicture(screen, bs::Moved(r, at.left, at.top));
  ReleaseDC(nullptr, screen);
  for (bs::Pixel p : shot.pixels)
    if (p == bs::ColorRefToPixel(colour)) return true;
  return false;
}

TEST(SkinMenu, PlainLevelSizesMarkersAndTheWorkAreaCut) {
  Framed f(nullptr);
  bs::TbsSkinMenu& menu = f.Menu();
  menu.Popup(nullptr, Items(4, 2), POINT{200, 200}, {});
  ASSERT_EQ(menu.LevelCount(), 1);
  EXPECT_EQ(LevelHeight(menu, 0), 20 * 3 + 4 + 4);
  EXPECT_FALSE(menu.Session()->Level(0).Layout().scrolls);

  menu.MaxMenuItemsInWindow = 5;
  menu.Popup(nullptr, Items(8), POINT{200, 200}, {});
  ASSERT_EQ(menu.LevelCount(), 1);
  EXPECT_EQ(LevelHeight(menu, 0), 5 * 20 + 4 + 20);
  const bs::LevelLayout& layout = menu.Session()->Level(0).Layout();
  ASSERT_TRUE(layout.scrolls);
  const bs::ScrollMarkers markers = bs::ScrollMarkersOf(layout, false);
  Pump();
  EXPECT_TRUE(Shows(menu, markers.up, GetSysColor(COLOR_BTNSHADOW)));
  EXPECT_TRUE(Shows(menu, markers.down, GetSysColor(COLOR_BTNSHADOW)));

  // Taller than the work area: cut to it, and the bottom marker scrolls.
  menu.MaxMenuItemsInWindow = 0;
  MONITORINFO mi = {};
  mi.cbSize = sizeof mi;
  GetMonitorInfoW(MonitorFromWindow(f.form.Handle(), MONITOR_DEFAULTTONEAREST), &mi);
  const int workHeight = mi.rcWork.bottom - mi.rcWork.top;
  menu.Popup(nullptr, Items(workHeight / 20 + 10), POINT{200, 200}, {});
  ASSERT_EQ(menu.LevelCount(), 1);
  EXPECT_EQ(LevelHeight(menu, 0), workHeight);
  ASSERT_TRUE(menu.Session()->Level(0).Layout().scrolls);
  const bs::Rect at = menu.Session()->LevelRect(0);
  const bs::ScrollMarkers tall = bs::ScrollMarkersOf(menu.Session()->Level(0).Layout(), false);
  menutest::MouseTo(at.left + tall.down.left + 10, at.top + tall.down.top + 4);
  EXPECT_TRUE(PumpUntil([&] { return menutest::FirstPlaced(menu.Session()->Level(0)) >= 3; }));
  menutest::MouseTo(at.left + tall.up.left + 10, at.top + tall.up.top + 4);
  EXPECT_TRUE(PumpUntil([&] { return menutest::FirstPlaced(menu.Session()->Level(0)) == 0; }));
  menu.CloseAll();
  EXPECT_EQ(menu.LevelCount(), 0);
}

TEST(SkinMenu, LevelShowingNoWholeItemOpensAndTakesKeys) {
  Framed f(nullptr);
  bs::TbsSkinMenu& menu = f.Menu();
  menu.SetWorkArea(bs::Rect{0, 0, 1280, 30});
  std::vector<int> chosen;
  bs::MenuOpening opening;
  opening.onCommand = [&](int command, const std::string&) { chosen.push_back(command); };
  menu.Popup(nullptr, Items(5), POINT{200, 0}, opening);
  ASSERT_EQ(menu.LevelCount(), 1);
  EXPECT_EQ(LevelHeight(menu, 0), 30);
  EXPECT_EQ(menu.Session()->Level(0).Places().visibleCount, 0);
  for (WORD vk : {VK_DOWN, VK_UP, VK_DOWN}) menutest::Key(vk);
  EXPECT_EQ(menu.LevelCount(), 1);
  menutest::Key(VK_ESCAPE);
  EXPECT_EQ(menu.LevelCount(), 0);
  EXPECT_TRUE(chosen.empty());
}

TEST(SkinMenu, LevelsLeaveTheOwnerActiveAndTheMouseChooses) {
  Framed f(nullptr);
  bs::TbsSkinMenu& menu = f.Menu();
  HWND form = f.form.Handle();
  std::vector<int> chosen;
  bool closed = false;
  bs::MenuOpening opening;
  opening.onCommand = [&](int command, const std::string&) { chosen.push_back(command); };
  opening.onClosed = [&] { closed = true; };
  menu.Popup(nullptr, Items(3), POINT{300, 300}, opening);
  ASSERT_EQ(menu.LevelCount(), 1);
  EXPECT_EQ(GetForegroundWindow(), form);
  EXPECT_EQ(GetActiveWindow(), form);
  EXPECT_TRUE(GetWindowLongPtrW(menutest::LevelWindow(menu, 0), GWL_EXSTYLE) & WS_EX_TOOLWINDOW);

  const POINT item = menutest::ItemCentre(menu, 0, 1);
  menutest::MouseTo(item.x, item.y);
  EXPECT_EQ(menu.Session()->Level(0).Highlight(), 1);
  menutest::Click();
  EXPECT_EQ(chosen, std::vector<int>{2});
  EXPECT_TRUE(closed);
  EXPECT_EQ(menu.LevelCount(), 0);
  EXPECT_EQ(f.form.received, std::vector<UINT>{bs::kMenuClosedMessage});  // chosen: the form is told
  EXPECT_EQ(GetForegroundWindow(), form);

  // A click elsewhere closes the menu without a choice.
  menu.Popup(nullptr, Items(3), POINT{300, 300}, opening);
  RECT b;
  GetWindowRect(form, &b);
  menutest::MouseTo(b.left + 40, b.bottom - 40);
  menutest::Click();
  EXPECT_EQ(menu.LevelCount(), 0);
  EXPECT_EQ(chosen.size(), 1u);

  // So does another window taking the activation.
  menu.Popup(nullptr, Items(3), POINT{300, 300}, opening);
  menutest::Form other;
  ASSERT_TRUE(other.Create(200, 100));
  ShowWindow(other.Handle(), SW_SHOW);
  SetForegroundWindow(other.Handle());
  EXPECT_TRUE(PumpUntil([&] { return menu.LevelCount() == 0; }));
  EXPECT_EQ(chosen.size(), 1u);
}

TEST(SkinMenu, SubMenuAfterTheWaitAndEscClosesTheInnermostLevel) {
  bs::TbsSkinData data;
  menutest::LoadAboutSkin(data);
  Framed f(&data);
  bs::TbsSkinMenu& menu = f.Menu();
  std::vector<bs::MenuItem> items = Items(3);
  items[1].items = Items(2);
  menu.Popup(&data, items, POINT{300, 300}, {});
  ASSERT_TRUE(menu.Session()->Skinned());
  const POINT parent = menutest::ItemCentre(menu, 0, 1);
  menutest::MouseTo(parent.x, parent.y);
  EXPECT_EQ(menu.LevelCount(), 1);  // not before the wait
  EXPECT_TRUE(PumpUntil([&] { return menu.LevelCount() == 2; }, 1500));
  EXPECT_EQ(menu.Session()->Level(0).subMenuOpen, 1);
  menutest::Key(VK_ESCAPE);
  EXPECT_EQ(menu.LevelCount(), 1);
  menutest::Key(VK_RIGHT);
  EXPECT_EQ(menu.LevelCount(), 2);
  menutest::Key(VK_LEFT);
  EXPECT_EQ(menu.LevelCount(), 1);
  menutest::Key(VK_ESCAPE);
  EXPECT_EQ(menu.LevelCount(), 0);
  EXPECT_TRUE(f.form.received.empty());  // closed without a choice
  EXPECT_EQ(GetForegroundWindow(), f.form.Handle());
}

TEST(SkinMenu, ManyOpeningsHoldNoWindowsOrGdiObjects) {
  bs::TbsSkinData data;
  menutest::LoadAboutSkin(data);
  Framed f(&data);
  HWND form = f.form.Handle();
  // Once, so that classes, fonts and caches are made before counting.
  SendMessageW(form, WM_SYSCOMMAND, SC_KEYMENU, VK_SPACE);
  f.Menu().CloseAll();
  Pump();
  const int gdi = skintest::GdiObjectCount(), windows = menutest::ThreadWindowCount();
  ASSERT_GT(gdi, 0) << "this system gives no count of GDI objects";
  for (int i = 0; i < 100; ++i) {
    SendMessageW(form, WM_SYSCOMMAND, SC_KEYMENU, VK_SPACE);
    ASSERT_EQ(f.Menu().LevelCount(), 1);
    PostMessageW(form, WM_KEYDOWN, i % 2 ? VK_DOWN : VK_RIGHT, 0);
    PostMessageW(form, WM_KEYDOWN, VK_ESCAPE, 0);
    Pump(i % 10 == 0 ? 60 : 0);  // now and then long enough for fades to run
    ASSERT_EQ(f.Menu().LevelCount(), 0) << "cycle " << i;
  }
  Pump();
  EXPECT_EQ(skintest::GdiObjectCount(), gdi);
  EXPECT_EQ(menutest::ThreadWindowCount(), windows);
}

}  // namespace
