#include "skin/controls/bsAboutLayout.h"

#include <gtest/gtest.h>

#include "control_test_support.h"
#include "skin/controls/bsAlign.h"

namespace bs {
namespace {

TEST(Align, OrderEdgesAndSizeRules) {
  // Two top children stack from the top by their tops, not their list order;
  // a right child that keeps a fixed height; the client child fills the rest.
  std::vector<AlignChild> c(5);
  c[0] = AlignChild{TAlign::alTop, Rect{0, 50, 10, 60}, {}};
  c[1] = AlignChild{TAlign::alTop, Rect{0, 0, 10, 5}, {}};
  c[2] = AlignChild{TAlign::alClient, Rect{}, {}};
  c[3] = AlignChild{TAlign::alRight, Rect{0, 0, 20, 1},
                    [](Size s) { return Size{s.width, 7}; }};
  c[4] = AlignChild{TAlign::alNone, Rect{3, 4, 5, 6}, {}};
  AlignChildren(Rect{1, 1, 101, 101}, c);
  EXPECT_EQ(c[1].bounds, (Rect{1, 1, 101, 6}));
  EXPECT_EQ(c[0].bounds, (Rect{1, 6, 101, 16}));
  EXPECT_EQ(c[3].bounds, (Rect{81, 16, 101, 23}));
  EXPECT_EQ(c[2].bounds, (Rect{1, 16, 81, 101}));
  EXPECT_EQ(c[4].bounds, (Rect{3, 4, 5, 6}));

  // Bottom children stack upwards; an area smaller than they ask for gives
  // no negative sizes.
  std::vector<AlignChild> b(2);
  b[0] = AlignChild{TAlign::alBottom, Rect{0, 90, 10, 100}, {}};
  b[1] = AlignChild{TAlign::alLeft, Rect{0, 0, 30, 1}, {}};
  AlignChildren(Rect{0, 0, 20, 8}, b);
  EXPECT_EQ(b[0].bounds, (Rect{0, -2, 20, 8}));
  EXPECT_EQ(b[1].bounds, (Rect{0, 0, 30, 0}));
}

TEST(AboutLayout, DesignSizeWithTheEmbeddedSkin) {
  const AboutLayout l = LayOutAboutWindow(&AboutSkin(), kAboutClientSize);
  EXPECT_EQ(l.panel1, (Rect{0, 0, 658, 25}));
  EXPECT_EQ(l.browser, (Rect{0, 25, 658, 385}));
  EXPECT_EQ(l.panel3, (Rect{0, 385, 658, 411}));
  // Inside the plain address bar's 1-pixel frame.
  EXPECT_EQ(l.panel2, (Rect{1, 1, 41, 24}));
  EXPECT_EQ(l.okButton, (Rect{610, 1, 657, 22}));
  EXPECT_EQ(l.edit, (Rect{41, 1, 610, 22}));
  EXPECT_EQ(l.note, (Rect{4, 3, 117, 19}));
  EXPECT_EQ(l.buttons[kSbBackword], (Rect{1, 0, 26, 26}));
  EXPECT_EQ(l.buttons[kSbForward], (Rect{26, 0, 51, 26}));
  EXPECT_EQ(l.buttons[kSbBbs], (Rect{122, 0, 147, 26}));
  // Aligned right inside the skinned panel's client rectangle.
  EXPECT_EQ(l.buttons[kSbExport], (Rect{631, 2, 656, 28}));
}

TEST(AboutLayout, ControlsKeepTheirEdgesAsTheWindowResizes) {
  const AboutLayout small = LayOutAboutWindow(&AboutSkin(), Size{300, 200});
  EXPECT_EQ(small.panel3, (Rect{0, 174, 300, 200}));
  EXPECT_EQ(small.browser, (Rect{0, 25, 300, 174}));
  EXPECT_EQ(small.okButton, (Rect{252, 1, 299, 22}));
  EXPECT_EQ(small.edit, (Rect{41, 1, 252, 22}));
  EXPECT_EQ(small.buttons[kSbExport], (Rect{273, 2, 298, 28}));
  EXPECT_EQ(small.buttons[kSbHome], (Rect{74, 0, 99, 26}));

  // Without a skin every control keeps the size its place asks for.
  const AboutLayout plain = LayOutAboutWindow(nullptr, kAboutClientSize);
  EXPECT_EQ(plain.edit, (Rect{41, 1, 610, 24}));
  EXPECT_EQ(plain.buttons[kSbBackword], (Rect{1, 0, 26, 22}));
  EXPECT_EQ(plain.buttons[kSbExport], (Rect{632, 1, 657, 25}));
}

}  // namespace
}  // namespace bs
