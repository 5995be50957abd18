#include "skin/menus/bsPopupLook.h"

#include <gtest/gtest.h>

#include "control_test_support.h"
#include "skin/draw/bsTiling.h"

namespace bs {
namespace {

const SystemColors kColours;

TEST(PopupLook, PlainLevelBackground) {
  LevelLayout l;
  l.width = 80;
  l.height = 68;
  const Picture p = PopupLevelPicture(nullptr, l, -1, kColours);
  EXPECT_EQ(p.At(0, 0), kColours.btnShadow);
  EXPECT_EQ(p.At(1, 1), kColours.window);
  EXPECT_EQ(p.At(20, 30), kColours.btnFace);
  EXPECT_EQ(p.At(21, 30), kColours.window);
  EXPECT_EQ(PopupLevelPicture(nullptr, l, 16, kColours).At(17, 30), kColours.btnFace);
}

TEST(PopupLook, PlainItems) {
  MenuItemState st;
  st.size = Size{76, 20};
  MenuItemLook look = MenuItemLookOf(nullptr, nullptr, st, kColours);
  EXPECT_EQ(look.picture.At(18, 10), kColours.btnFace);
  EXPECT_EQ(look.picture.At(19, 10), kColours.window);
  EXPECT_EQ(look.textColour, kColours.windowText);
  EXPECT_EQ(look.captionX, 18);
  EXPECT_EQ(look.shortcutRight, 57);
  st.enabled = false;
  EXPECT_EQ(MenuItemLookOf(nullptr, nullptr, st, kColours).textColour, kColours.btnShadow);
  st.highlighted = true;
  look = MenuItemLookOf(nullptr, nullptr, st, kColours);
  EXPECT_EQ(look.picture.At(0, 0), Rgb(0, 0, 128));
  EXPECT_EQ(look.picture.At(5, 5), Rgb(182, 189, 210));

  st = MenuItemState{};
  st.size = Size{76, 4};
  st.separator = true;
  look = MenuItemLookOf(nullptr, nullptr, st, kColours);
  EXPECT_EQ(look.separatorY, 2);
  EXPECT_EQ(look.picture.At(19, 2), kColours.btnShadow);
  EXPECT_EQ(look.picture.At(18, 2), kColours.btnFace);
  EXPECT_EQ(look.picture.At(30, 1), kColours.window);
}

TEST(PopupLook, SkinnedItemsFromTheEmbeddedSkin) {
  const TbsSkinData* skin = &AboutSkin();
  const TbsDataSkinMenuItem* d = MenuItemDescriptorOf(skin);
  ASSERT_NE(d, nullptr);
  const Picture& active = *skin->ExtraPicture(d->activepictureindex);
  MenuItemState st;
  st.size = Size{120, d->skinrect.Height()};
  MenuItemLook look = MenuItemLookOf(skin, d, st, kColours);
  EXPECT_TRUE(SamePixels(look.picture, TileHorizontal(active, d->skinrect, d->itemleftoffset,
                                                      d->itemrightoffset, 120)));
  EXPECT_EQ(look.textColour, PixelOf(d->fontcolor));
  EXPECT_EQ(look.textArea.right, d->textrect.right + 120 - d->skinrect.Width());
  EXPECT_EQ(look.captionX, d->textrect.left + 16);
  st.highlighted = true;
  look = MenuItemLookOf(skin, d, st, kColours);
  EXPECT_TRUE(SamePixels(look.picture, TileHorizontal(active, d->activeskinrect,
                                                      d->itemleftoffset, d->itemrightoffset,
                                                      120)));
  EXPECT_EQ(look.textColour, PixelOf(d->activefontcolor));

  LevelLayout l;
  l.width = 150;
  l.height = 90;
  const Picture level = PopupLevelPicture(skin, l, -1, kColours);
  const Picture& window = *skin->ExtraPicture(skin->PopupWindow.windowpictureindex);
  EXPECT_EQ(level.At(0, 0), window.At(0, 0));
  EXPECT_EQ(level.At(149, 89), window.At(window.width - 1, window.height - 1));
}

TEST(PopupLook, ItemFadeStepsAFifthAndStops) {
  double f = 0;
  for (int i = 0; i < 7; ++i) f = StepItemFade(f, true);
  EXPECT_EQ(f, 1.0);
  EXPECT_NEAR(StepItemFade(1.0, false), 0.8, 1e-9);
  EXPECT_EQ(StepItemFade(0.1, false), 0.0);
}

}  // namespace
}  // namespace bs
