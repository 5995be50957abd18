#include <gtest/gtest.h>

#include "control_test_support.h"
#include "skin/controls/bsEditLook.h"
#include "skin/menus/bsMenuSession.h"
#include "tests/support/popup_level_view.h"

namespace bs {
namespace {

MenuItem Item(const std::string& caption, int command = 0, bool enabled = true) {
  MenuItem m;
  m.caption = caption;
  m.command = command;
  m.enabled = enabled;
  return m;
}

// Every caption measures 6 pixels a character.
int Width(const MenuItem& m) { return 6 * static_cast<int>(MeasuredText(m).size()); }

std::vector<MenuItem> Numbered(int n) {
  std::vector<MenuItem> items;
  for (int i = 0; i < n; ++i) items.push_back(Item("item" + std::to_string(i), i + 1));
  return items;
}

PopupLevel LevelOf(const std::vector<MenuItem>& items, const PopupMetrics& m = {}) {
  std::vector<const MenuItem*> p;
  for (const MenuItem& i : items) p.push_back(&i);
  return PopupLevel(p, LayOutLevel(p, Width, nullptr, m));
}

std::vector<MenuEffect::Kind> Kinds(const std::vector<MenuEffect>& effects) {
  std::vector<MenuEffect::Kind> k;
  for (const MenuEffect& e : effects) k.push_back(e.kind);
  return k;
}

TEST(PopupLayout, PlainSizes) {
  const std::vector<MenuItem> items = {Item("Undo"), Separator(), Item("Cut"), Item("Copy")};
  PopupLevel l = LevelOf(items);
  EXPECT_EQ(l.Layout().height, 68);
  EXPECT_FALSE(l.Layout().scrolls);
  // widest 4 * 6 + 2, glyph band 19, 19, plain 10
  EXPECT_EQ(l.Layout().width, 26 + 19 + 19 + 10);
  EXPECT_EQ(l.Places().rects[1], (Rect{2, 22, 72, 26}));
  EXPECT_EQ(l.Places().visibleCount, 4);
  // A shortcut is measured after two spaces; an image list widens the band.
  MenuItem withKey = Item("Go");
  withKey.shortcut = "F5";
  PopupMetrics m;
  m.imageWidth = 16;
  EXPECT_EQ(LevelOf({withKey}, m).Layout().width, 6 * 6 + 2 + 21 + 19 + 10);
}

TEST(PopupLayout, AtMostFiveItemsInAWindowScrolls) {
  PopupMetrics m;
  m.maxItemsInWindow = 5;
  const std::vector<MenuItem> items = Numbered(8);
  PopupLevel l = LevelOf(items, m);
  EXPECT_EQ(l.Layout().height, 124);
  EXPECT_TRUE(l.Layout().scrolls);
  EXPECT_EQ(l.Places().visibleCount, 5);
  EXPECT_EQ(l.Places().rects[0].top, 12);
  const ScrollMarkers markers = ScrollMarkersOf(l.Layout(), false);
  EXPECT_EQ(markers.up, (Rect{3, 3, l.Layout().width - 3, 13}));
  EXPECT_EQ(markers.down, (Rect{3, 114, l.Layout().width - 3, 121}));
  // Scrolling moves the first visible item while there is more to show.
  EXPECT_FALSE(l.CanScroll(-1));
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(l.ScrollStep(1));
  EXPECT_FALSE(l.ScrollStep(1));
  EXPECT_EQ(menutest::FirstPlaced(l), 3);
  EXPECT_TRUE(l.Places().visible[7]);
  EXPECT_FALSE(l.Places().visible[2]);
}

TEST(PopupLayout, TallerThanTheWorkAreaIsCutAndScrolls) {
  PopupMetrics m;
  m.workAreaHeight = 100;
  const std::vector<MenuItem> items = Numbered(10);
  PopupLevel l = LevelOf(items, m);
  EXPECT_EQ(l.Layout().height, 100);
  EXPECT_TRUE(l.Layout().scrolls);
  EXPECT_EQ(l.Places().visibleCount, 3);  // 96 high less the two 10-pixel markers
}

TEST(PopupLayout, SkinnedSizesFromTheEmbeddedSkin) {
  const std::optional<PopupSkin> skin = PopupSkinOf(&AboutSkin());
  ASSERT_TRUE(skin.has_value());
  EXPECT_FALSE(PopupSkinOf(nullptr).has_value());
  const std::vector<MenuItem> items = {Item("a"), Separator(), Item("b")};
  std::vector<const MenuItem*> p = {&items[0], &items[1], &items[2]};
  const LevelLayout l = LayOutLevel(p, Width, &*skin, PopupMetrics{});
  const Rect& ir = skin->itemsRect;
  const int itemH = skin->itemSkinRect.Height(), sepH = skin->dividerRect.Height();
  EXPECT_EQ(l.height, skin->windowPicture.height + 2 * itemH + sepH + ir.top - ir.bottom);
  EXPECT_EQ(l.width, 8 + 19 + 19 + skin->windowPicture.width + skin->textRect.left +
                         skin->itemSkinRect.Width() - skin->textRect.right + ir.left - ir.right);
  const int dx = l.width - skin->windowPicture.width, dy = l.height - skin->windowPicture.height;
  EXPECT_EQ(l.itemsRect, (Rect{ir.left, ir.top, ir.right + dx, ir.bottom + dy}));
  EXPECT_EQ(l.itemHeights, (std::vector<int>{itemH, sepH, itemH}));
}

TEST(PopupLevelKeys, DownAndUpGoRoundSkippingSeparatorsAndDisabled) {
  const std::vector<MenuItem> items = {Item("a"), Separator(), Item("b", 0, false), Item("c")};
  PopupLevel l = LevelOf(items);
  l.SetHighlight(3);
  l.MoveHighlight(1);
  EXPECT_EQ(l.Highlight(), 0);
  l.MoveHighlight(1);
  EXPECT_EQ(l.Highlight(), 3);
  l.MoveHighlight(-1);
  EXPECT_EQ(l.Highlight(), 0);
  l.MoveHighlight(-1);
  EXPECT_EQ(l.Highlight(), 3);
}

TEST(PopupLevelKeys, NothingSelectableLeavesNoHighlight) {
  std::vector<MenuItem> items = {Item("a", 1, false), Separator(), Item("b", 2, false)};
  PopupLevel l = LevelOf(items);
  EXPECT_EQ(l.NextSelectable(-1, 1), -1);
  l.MoveHighlight(1);
  EXPECT_EQ(l.Highlight(), -1);
  l.MoveHighlight(-1);
  EXPECT_EQ(l.Highlight(), -1);
  EXPECT_EQ(LevelOf({}).NextSelectable(-1, 1), -1);
}

TEST(PopupLevelKeys, HighlightKeptInViewAndAShortAreaDoesNotLoop) {
  PopupMetrics m;
  m.maxItemsInWindow = 3;
  const std::vector<MenuItem> items = Numbered(8);
  PopupLevel l = LevelOf(items, m);
  l.SetHighlight(0);
  for (int i = 0; i < 4; ++i) l.MoveHighlight(1);
  EXPECT_EQ(l.Highlight(), 4);
  EXPECT_EQ(menutest::FirstPlaced(l), 2);
  l.MoveHighlight(-1);
  l.MoveHighlight(-1);
  l.MoveHighlight(-1);
  EXPECT_EQ(menutest::FirstPlaced(l), 1);
  l.MoveHighlight(-1);
  l.MoveHighlight(-1);  // round to the last
  EXPECT_EQ(l.Highlight(), 7);
  EXPECT_EQ(menutest::FirstPlaced(l), 5);

  // A work area lower than the markers and one item: no item can show.
  m = PopupMetrics{};
  m.workAreaHeight = 30;
  PopupLevel tiny = LevelOf(items, m);
  EXPECT_EQ(tiny.Places().visibleCount, 0);
  tiny.MoveHighlight(1);
  tiny.MoveHighlight(1);
  EXPECT_EQ(tiny.Highlight(), 1);
  EXPECT_EQ(menutest::FirstPlaced(tiny), 1);
  tiny.MoveHighlight(-1);
  EXPECT_EQ(menutest::FirstPlaced(tiny), 0);
}

TEST(PopupLevelMouse, ItemUnderPointAndAccelerators) {
  const std::vector<MenuItem> items = {Item("&Undo"), Separator(), Item("Cu&t"),
                                       Item("&&Copy"), Item("&Paste", 0, false)};
  PopupLevel l = LevelOf(items);
  EXPECT_EQ(l.ItemAt(Point{5, 2}), 0);
  EXPECT_EQ(l.ItemAt(Point{5, 23}), 1);
  EXPECT_EQ(l.ItemAt(Point{5, 1}), -1);
  EXPECT_EQ(l.ItemAt(Point{l.Layout().width - 1, 30}), -1);
  EXPECT_EQ(l.AcceleratorItem('T'), 2);
  EXPECT_EQ(l.AcceleratorItem('c'), -1);
  EXPECT_EQ(l.AcceleratorItem('p'), -1);
  EXPECT_EQ(AcceleratorOf("&&Copy"), 0);
}

struct Session : ::testing::Test {
  MenuSession menu{Width, std::nullopt, PopupMetrics{}};
  const Rect workArea{0, 0, 800, 600};
};

TEST_F(Session, ChoosingClosesThenSendsAndRunsInOrder) {
  std::vector<MenuItem> items = {Item("a", 10), Separator(), Item("b", 20)};
  items[2].name = "BSF_CLOSE";
  std::vector<MenuEffect> e = menu.Open(items, Point{100, 100}, workArea, true);
  EXPECT_EQ(Kinds(e), std::vector<MenuEffect::Kind>{MenuEffect::OpenLevel});
  EXPECT_EQ(menu.Level(0).Highlight(), 0);
  EXPECT_EQ(menu.LevelRect(0).left, 100);
  menu.Key(MenuKey::Down);
  e = menu.Key(MenuKey::Enter);
  EXPECT_EQ(Kinds(e), (std::vector<MenuEffect::Kind>{
                          MenuEffect::CloseLevel, MenuEffect::SendClosedToControl,
                          MenuEffect::SendClosedToForm, MenuEffect::RunCommand,
                          MenuEffect::SendDoneToControl}));
  EXPECT_EQ(e[3].command, 20);
  EXPECT_EQ(e[3].name, "BSF_CLOSE");
  EXPECT_EQ(menu.LevelCount(), 0);
  EXPECT_FALSE(menu.Visible());

  // Without an opening control only the form hears of it.
  menu.Open(items, Point{}, workArea, false);
  e = menu.MouseUp(0, Point{5, 5});
  EXPECT_EQ(Kinds(e), (std::vector<MenuEffect::Kind>{MenuEffect::CloseLevel,
                                                     MenuEffect::SendClosedToForm,
                                                     MenuEffect::RunCommand}));
  EXPECT_EQ(e[2].command, 10);
}

TEST_F(Session, AllDisabledMenuKeysReturnAtOnceAndNothingIsChosen) {
  // The empty edit's menu with an empty clipboard and nothing to undo.
  menu.Open(EditContextMenu(EditMenuStateOf(0, 0, 0, false, false, false), nullptr), Point{},
            workArea, true);
  EXPECT_EQ(menu.Level(0).Highlight(), -1);
  menu.Key(MenuKey::Down);
  menu.Key(MenuKey::Up);
  EXPECT_EQ(menu.Level(0).Highlight(), -1);
  EXPECT_TRUE(menu.Key(MenuKey::Enter).empty());
  EXPECT_TRUE(menu.MouseUp(0, Point{5, 5}).empty());
  EXPECT_TRUE(menu.Visible());
  EXPECT_EQ(Kinds(menu.Key(MenuKey::Escape)),
            (std::vector<MenuEffect::Kind>{MenuEffect::CloseLevel,
                                           MenuEffect::SendClosedToControl}));
  EXPECT_FALSE(menu.Visible());
}

std::vector<MenuItem> WithSubMenu() {
  MenuItem parent = Item("more", 5);
  parent.items = {Item("x", 51), Item("y", 52)};
  return {Item("a", 1), parent, Item("b", 2)};
}

TEST_F(Session, SubMenuOpensAfterTheWaitBesideItsItem) {
  menu.Open(WithSubMenu(), Point{100, 100}, workArea, true);
  std::vector<MenuEffect> e = menu.MouseAt(0, Point{5, 25});
  EXPECT_EQ(menu.Level(0).Highlight(), 1);
  EXPECT_TRUE(menu.Tick(450).empty());  // waiting
  e = menu.Tick(50);
  EXPECT_EQ(Kinds(e), (std::vector<MenuEffect::Kind>{MenuEffect::RunCommand, MenuEffect::Repaint,
                                                     MenuEffect::OpenLevel}));
  EXPECT_EQ(e[0].command, 5);
  ASSERT_EQ(menu.LevelCount(), 2);
  EXPECT_EQ(menu.Level(0).subMenuOpen, 1);
  EXPECT_EQ(menu.LevelRect(1).left, menu.LevelRect(0).right - 2);  // the item's right edge
  EXPECT_EQ(menu.LevelRect(1).top, 100 + 22);
  EXPECT_EQ(menu.Level(1).Highlight(), 0);

  // Keys go to the inner level; Esc closes only it.
  e = menu.Key(MenuKey::Enter);
  EXPECT_EQ(e[e.size() - 2].command, 51);
  menu.Open(WithSubMenu(), Point{100, 100}, workArea, true);
  menu.Key(MenuKey::Down);
  menu.Key(MenuKey::Right);
  ASSERT_EQ(menu.LevelCount(), 2);
  EXPECT_EQ(Kinds(menu.Key(MenuKey::Escape)),
            std::vector<MenuEffect::Kind>{MenuEffect::CloseLevel});
  EXPECT_EQ(menu.LevelCount(), 1);
  EXPECT_EQ(menu.Level(0).subMenuOpen, -1);
  EXPECT_TRUE(menu.Visible());
}

TEST_F(Session, MovingOnStopsTheWaitAndClosesDeeperLevels) {
  menu.Open(WithSubMenu(), Point{}, workArea, false);
  menu.MouseAt(0, Point{5, 25});
  menu.Tick(300);
  menu.MouseAt(0, Point{5, 45});
  EXPECT_TRUE(menu.Tick(1000).empty());  // the wait stopped
  EXPECT_EQ(menu.LevelCount(), 1);

  menu.MouseAt(0, Point{5, 25});
  menu.Tick(500);
  ASSERT_EQ(menu.LevelCount(), 2);
  // Left closes the inner level; the mouse on another item of the outer does too.
  menu.Key(MenuKey::Left);
  EXPECT_EQ(menu.LevelCount(), 1);
  menu.Key(MenuKey::Right);
  ASSERT_EQ(menu.LevelCount(), 2);
  EXPECT_EQ(Kinds(menu.MouseAt(0, Point{5, 5})),
            (std::vector<MenuEffect::Kind>{MenuEffect::CloseLevel, MenuEffect::Repaint}));
  // A release on an item whose sub-menu is open does nothing.
  menu.MouseUp(0, Point{5, 25});
  ASSERT_EQ(menu.LevelCount(), 2);
  EXPECT_TRUE(menu.MouseUp(0, Point{5, 25}).empty());
}

TEST_F(Session, RestingOnAMarkerScrollsEvery100MsWhileThereIsMore) {
  MenuSession m{Width, std::nullopt, PopupMetrics{20, 5}};
  m.Open(Numbered(8), Point{}, workArea, true);
  const ScrollMarkers markers = ScrollMarkersOf(m.Level(0).Layout(), false);
  m.MouseAt(0, Point{10, markers.down.top + 1});
  EXPECT_TRUE(m.Tick(90).empty());
  EXPECT_EQ(m.Tick(10).size(), 1u);
  EXPECT_EQ(menutest::FirstPlaced(m.Level(0)), 1);
  m.Tick(1000);
  EXPECT_EQ(menutest::FirstPlaced(m.Level(0)), 3);
  EXPECT_EQ(m.Level(0).scrollDir, 0);
  m.MouseAt(0, Point{10, 5});
  m.Tick(100);
  EXPECT_EQ(menutest::FirstPlaced(m.Level(0)), 2);
  m.MouseLeft(0);
  m.Tick(500);
  EXPECT_EQ(menutest::FirstPlaced(m.Level(0)), 2);
}

TEST_F(Session, AcceleratorChoosesAndReopeningStartsAfresh) {
  std::vector<MenuItem> items = {Item("&Undo", 1), Item("Cu&t", 2)};
  menu.Open(items, Point{790, 590}, workArea, true);
  // Placed to the left of and above the point when it does not fit.
  EXPECT_EQ(menu.LevelRect(0).right, 790);
  EXPECT_EQ(menu.LevelRect(0).bottom, 590);
  std::vector<MenuEffect> e = menu.Char('T');
  EXPECT_EQ(e[e.size() - 2].command, 2);
  EXPECT_TRUE(menu.Char('u').empty());

  menu.Open(items, Point{}, workArea, true);
  e = menu.Open({}, Point{}, workArea, true);
  EXPECT_EQ(Kinds(e), std::vector<MenuEffect::Kind>{MenuEffect::CloseLevel});
  EXPECT_FALSE(menu.Visible());
  EXPECT_TRUE(menu.CloseAll().empty());
}

}  // namespace
}  // namespace bs
