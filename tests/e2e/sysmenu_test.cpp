// The About window's system menu as a user meets it: the system-menu button,
// a right click on the caption and Alt+Space open it as a skinned popup level
// that leaves the window active; its items maximise, restore and close.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "app/menuids.h"
#include "skin/frame/bsFrameObjects.h"
#include "skin/frame/bsFrameState.h"
#include "skin/menus/bsPopupLayout.h"
#include "skinwin/bsPaint.h"
#include "tests/e2e/harness.h"

namespace {

const bs::TbsSkinData& Skin() {
  static bs::TbsSkinData skin;
  if (skin.Empty()) {
    std::ifstream in(ABOUT_SKIN, std::ios::binary);
    if (!in) throw e2e::Failure("cannot read " ABOUT_SKIN);
    bs::TbsCompressedStoredSkin stored;
    stored.CompressedData =
        bs::TMemoryStream(std::vector<std::uint8_t>((std::istreambuf_iterator<char>(in)), {}));
    skin.LoadFromStoredSkin(stored);
  }
  return skin;
}

// The system-menu button's place on the window of width w, as the frame places it.
bs::Rect SysMenuButton(int w, int h) {
  bs::TbsFrameObjects o;
  o.CreateObjects(Skin());
  o.ApplyBorderIcons(bs::biSystemMenu | bs::biMinimize | bs::biMaximize, false,
                     [](const std::string&) { return false; });
  o.PlaceObjects(bs::FrameSkinOf(Skin()), w, h, Skin().FormInfo.buttonsoffset,
                 Skin().FormInfo.buttonsinleft);
  for (const auto& obj : o.Objects)
    if (auto* b = dynamic_cast<const bs::TbsSkinStdButtonObject*>(obj.get());
        b && b->command == bs::TbsStdCommand::cmSysMenu)
      return b->ObjectRect;
  throw e2e::Failure("the skin has no system-menu button");
}

// The middle of item i of a level of the system menu at screen rectangle level.
POINT ItemCentre(const RECT& level, int count, int separatorAt, int i) {
  std::vector<bs::MenuItem> items(static_cast<std::size_t>(count));
  items[static_cast<std::size_t>(separatorAt)].caption = "-";
  std::vector<const bs::MenuItem*> shown;
  for (const auto& m : items) shown.push_back(&m);
  const std::optional<bs::PopupSkin> skin = bs::PopupSkinOf(&Skin());
  const bs::LevelLayout layout = bs::LayOutLevel(
      shown, [](const bs::MenuItem&) { return 60; }, &*skin, bs::PopupMetrics{});
  const bs::Rect r = bs::PlaceItems(layout, 0).rects.at(static_cast<std::size_t>(i));
  return POINT{level.left + (r.left + r.right) / 2, level.top + (r.top + r.bottom) / 2};
}

void Keys(std::initializer_list<std::pair<WORD, bool>> keys) {
  for (auto [vk, down] : keys) e2e::KeyEvent(vk, down);
  Sleep(50);
}

struct About {
  e2e::Program p;
  HWND hwnd = nullptr;
  About() {
    p.Main();
    p.Command(vellumo::kMenuAbout);
    hwnd = p.WaitWindow(L"Taboutform", 5000, true);
    if (!hwnd) p.Fail("the About command showed no window");
    SetForegroundWindow(hwnd);
    if (!e2e::WaitFor([&] { return GetForegroundWindow() == hwnd; }))
      p.Fail("the About window did not come to the front");
    p.Idle();
  }
  // The open level: waits for it, checks it leaves the window active.
  HWND Level() {
    HWND level = p.WaitWindow(L"TbsSkinPopupWindow", 3000, true);
    if (!level) p.Fail("no popup level opened");
    p.Idle();
    EXPECT_EQ(GetForegroundWindow(), hwnd);
    return level;
  }
  bool LevelGone() { return e2e::WaitFor([&] { return p.Absent(L"TbsSkinPopupWindow"); }, 3000); }
};

const std::wstring kNormalItems = L"最小化(&N)\n最大化(&X)\n-\n关闭(&C)";

RECT MaximizedHere(HWND hwnd) {
  MONITORINFO mi = {};
  mi.cbSize = sizeof mi;
  GetMonitorInfoW(MonitorFromWindow(hwnd, MONITOR_DEFAULTTONEAREST), &mi);
  return bs::ToRECT(bs::MaximizedBounds(bs::MonitorArea{bs::FromRECT(mi.rcMonitor),
                                                        bs::FromRECT(mi.rcWork), true},
                                        false));
}

bool BecomesMaximized(HWND hwnd) {
  const RECT max = MaximizedHere(hwnd);
  return e2e::WaitFor([&] {
    const RECT now = e2e::WindowRect(hwnd);
    return EqualRect(&now, &max) != 0;
  }, 3000);
}

TEST(AboutSystemMenu, ButtonDropsItBelowAndMaximiseMaximises) {
  About a;
  const RECT b = e2e::WindowRect(a.hwnd);
  const bs::Rect button = SysMenuButton(b.right - b.left, b.bottom - b.top);
  e2e::MouseMoveTo(b.left + (button.left + button.right) / 2, b.top + (button.top + button.bottom) / 2);
  e2e::MouseButton(true, true);
  e2e::MouseButton(true, false);
  HWND level = a.Level();
  EXPECT_EQ(e2e::WindowText(level), kNormalItems);
  const RECT at = e2e::WindowRect(level);
  EXPECT_EQ(at.left, b.left + button.left);
  EXPECT_EQ(at.top, b.top + button.bottom);
  EXPECT_TRUE(GetWindowLongPtrW(level, GWL_EXSTYLE) & WS_EX_TOOLWINDOW);

  const POINT maximise = ItemCentre(at, 4, 2, 1);
  e2e::MouseMoveTo(maximise.x, maximise.y);
  Sleep(150);
  EXPECT_EQ(GetForegroundWindow(), a.hwnd);
  e2e::MouseButton(true, true);
  e2e::MouseButton(true, false);
  EXPECT_TRUE(a.LevelGone());
  EXPECT_TRUE(BecomesMaximized(a.hwnd));
  EXPECT_TRUE(IsWindowVisible(a.hwnd));
}

TEST(AboutSystemMenu, CaptionRightClickOpensItAtTheCursorAndCloseHides) {
  About a;
  const RECT b = e2e::WindowRect(a.hwnd);
  const POINT cursor = {b.left + 300, b.top + 20};
  e2e::MouseMoveTo(cursor.x, cursor.y);
  e2e::MouseButton(false, true);
  e2e::MouseButton(false, false);
  HWND level = a.Level();
  EXPECT_EQ(e2e::WindowText(level), kNormalItems);
  const RECT at = e2e::WindowRect(level);
  EXPECT_EQ(at.left, cursor.x);
  EXPECT_EQ(at.top, cursor.y);
  // Esc closes it; the window stays as it was.
  Keys({{VK_ESCAPE, true}, {VK_ESCAPE, false}});
  EXPECT_TRUE(a.LevelGone());
  EXPECT_TRUE(IsWindowVisible(a.hwnd));

  Sleep(GetDoubleClickTime() + 50);  // not a double click
  e2e::MouseButton(false, true);
  e2e::MouseButton(false, false);
  level = a.Level();
  const POINT close = ItemCentre(e2e::WindowRect(level), 4, 2, 3);
  e2e::MouseMoveTo(close.x, close.y);
  Sleep(150);
  e2e::MouseButton(true, true);
  e2e::MouseButton(true, false);
  EXPECT_TRUE(e2e::WaitFor([&] { return !IsWindowVisible(a.hwnd); }));
  EXPECT_TRUE(IsWindow(a.hwnd));
  EXPECT_TRUE(a.LevelGone());
}

TEST(AboutSystemMenu, AltSpaceOpensItAndTheKeysWorkIt) {
  About a;
  Keys({{VK_MENU, true}, {VK_SPACE, true}, {VK_SPACE, false}, {VK_MENU, false}});
  HWND level = a.Level();
  EXPECT_EQ(e2e::WindowText(level), kNormalItems);
  // The accelerator of maximise, then the menu again: restore instead.
  Keys({{'X', true}, {'X', false}});
  EXPECT_TRUE(a.LevelGone());
  EXPECT_TRUE(BecomesMaximized(a.hwnd));
  Keys({{VK_MENU, true}, {VK_SPACE, true}, {VK_SPACE, false}, {VK_MENU, false}});
  level = a.Level();
  EXPECT_EQ(e2e::WindowText(level), L"最小化(&N)\n恢复(&R)\n-\n关闭(&C)");
  // Down twice skips the separator to close; Enter closes the window.
  Keys({{VK_DOWN, true}, {VK_DOWN, false}, {VK_DOWN, true}, {VK_DOWN, false},
        {VK_RETURN, true}, {VK_RETURN, false}});
  EXPECT_TRUE(e2e::WaitFor([&] { return !IsWindowVisible(a.hwnd); }));
}

}  // namespace
