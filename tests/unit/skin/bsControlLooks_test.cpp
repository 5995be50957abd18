#include <gtest/gtest.h>

#include "control_test_support.h"
#include "skin/controls/bsButtonLook.h"
#include "skin/controls/bsControlSection.h"
#include "skin/controls/bsPanelLook.h"

namespace bs {
namespace {

const SystemColors kColours;

TEST(SectionLookUp, InForceOnlyWithSkinAndExactName) {
  EXPECT_FALSE(LookUpSection(nullptr, "panel").InForce());
  TbsSkinData empty;
  EXPECT_FALSE(LookUpSection(&empty, "panel").InForce());
  EXPECT_FALSE(LookUpSection(&AboutSkin(), "Panel").InForce());
  EXPECT_FALSE(LookUpSection(&AboutSkin(), "nosuchsection").InForce());

  const ControlSection panel = LookUpSection(&AboutSkin(), "panel");
  ASSERT_TRUE(panel.InForce());
  EXPECT_EQ(panel.mode, StretchMode::Both);
  EXPECT_EQ(panel.geometry.skinRect, (Rect{141, 4, 200, 56}));
  EXPECT_EQ(panel.picture, AboutSkin().ExtraPicture(4));
  EXPECT_EQ(panel.mask, nullptr);

  // A descriptor without the nine-slice keys: Fixed, no picture.
  const ControlSection label = LookUpSection(&AboutSkin(), "stdlabel");
  ASSERT_TRUE(label.InForce());
  EXPECT_EQ(label.mode, StretchMode::Fixed);
  EXPECT_EQ(label.picture, nullptr);
}

TEST(SizeRule, EmbeddedSectionsAndDefaults) {
  const TbsSkinData* skin = &AboutSkin();
  EXPECT_EQ(FitControlSize(LookUpSection(skin, "button"), Size{47, 23}), (Size{47, 21}));
  EXPECT_EQ(FitControlSize(LookUpSection(skin, "toolbutton"), Size{25, 22}), (Size{25, 26}));
  EXPECT_EQ(FitControlSize(LookUpSection(skin, "panel"), Size{40, 23}), (Size{40, 23}));
  EXPECT_EQ(FitControlSize(ControlSection{}, Size{40, 23}), (Size{40, 23}));
  // A skin change without a section takes the positive defaults only.
  EXPECT_EQ(SkinChangeSize(ControlSection{}, Size{75, 25}, Size{0, 30}), (Size{75, 30}));
  EXPECT_EQ(SkinChangeSize(LookUpSection(skin, "button"), Size{75, 25}, Size{10, 30}),
            (Size{75, 21}));
}

TEST(FontRule, SectionFontOnlyWithUseSkinFontCharSetFromResourceStrings) {
  const auto* d = AboutSkin().ControlDescriptor<TbsDataSkinButtonControl>("button");
  ASSERT_NE(d, nullptr);
  const FontSpec section = SectionFontOf(*d);
  FontSpec def;
  def.charSet = 134;
  FontSpec f = ControlFont(&section, true, def, std::nullopt);
  EXPECT_EQ(f.name, "Arial");
  EXPECT_EQ(f.height, 14);
  EXPECT_EQ(f.charSet, 134);
  f = ControlFont(&section, false, def, 0);
  EXPECT_EQ(f.name, kDefaultFontName);
  EXPECT_EQ(f.charSet, 0);
  EXPECT_EQ(ControlFont(nullptr, true, def, std::nullopt).name, kDefaultFontName);
}

TEST(Panel, PlainLookAndClientArea) {
  PanelState p;
  p.size = Size{658, 25};
  const Picture pic = PanelPicture(ControlSection{}, p, kColours);
  EXPECT_EQ(pic.At(0, 0), kColours.btnShadow);
  EXPECT_EQ(pic.At(657, 24), kColours.btnShadow);
  EXPECT_EQ(pic.At(1, 1), kColours.btnFace);
  EXPECT_EQ(PanelClientArea(ControlSection{}, p), (Rect{1, 1, 657, 24}));

  p.border = PanelBorder::Raised;
  const Picture raised = PanelPicture(ControlSection{}, p, kColours);
  EXPECT_EQ(raised.At(0, 0), kColours.btnHighlight);
  EXPECT_EQ(raised.At(657, 24), kColours.btnShadow);
  p.border = PanelBorder::None;
  EXPECT_EQ(PanelPicture(ControlSection{}, p, kColours).At(0, 0), kColours.btnFace);
  EXPECT_EQ(PanelClientArea(ControlSection{}, p), (Rect{0, 0, 658, 25}));
  p.captionMode = true;
  EXPECT_EQ(PanelClientArea(ControlSection{}, p), (Rect{0, 22, 658, 25}));
  p.size = Size{0, 25};
  EXPECT_TRUE(PanelPicture(ControlSection{}, p, kColours).Empty());
}

TEST(Panel, SkinnedLooks) {
  const ControlSection s = LookUpSection(&AboutSkin(), "panel");
  PanelState p;
  p.size = Size{40, 23};
  EXPECT_EQ(PanelClientArea(s, p), (Rect{2, 2, 38, 21}));
  EXPECT_TRUE(SamePixels(PanelPicture(s, p, kColours),
                         BuildControlPicture(*s.picture, s.geometry, s.mode, 40, 23)));

  // Borderless in mode Both: the client rectangle tiled over the whole panel.
  p.border = PanelBorder::None;
  p.size = Size{120, 60};
  EXPECT_EQ(PanelClientArea(s, p), (Rect{0, 0, 120, 60}));
  const Picture tiled = PanelPicture(s, p, kColours);
  const Rect& cl = s.geometry.client;
  const Rect& sr = s.geometry.skinRect;
  for (Point q : {Point{0, 0}, Point{54, 47}, Point{119, 59}, Point{60, 10}})
    EXPECT_EQ(tiled.At(q.x, q.y), s.picture->At(sr.left + cl.left + q.x % cl.Width(),
                                                 sr.top + cl.top + q.y % cl.Height()));
  EXPECT_TRUE(PanelCaptionRect(s, p, "text").IsEmpty());
}

TEST(Panel, BackgroundPictureTiledAndMissingPictureBlank) {
  Picture bg(3, 2);
  for (int i = 0; i < 6; ++i) bg.pixels[i] = Rgb(10 * i, 1, 2);
  auto skin = SkinFromIni(
      "[SKINCONTROLS]\ncount=2\n0=bg:panel\n1=nopicture:panel\n"
      "[bg]\npictureindex=0\nbgpictureindex=0\nskinrect=0,0,3,2\n"
      "[nopicture]\npictureindex=7\nskinrect=0,0,3,2\nrightbottompoint=2,1\n"
      "lefttoppoint=1,1\nclientrect=1,1,2,1\n",
      {bg});
  PanelState p;
  p.size = Size{7, 5};
  const ControlSection s = LookUpSection(skin.get(), "bg");
  ASSERT_TRUE(s.InForce());
  EXPECT_EQ(PanelClientArea(s, p), (Rect{0, 0, 7, 5}));
  const Picture pic = PanelPicture(s, p, kColours);
  for (int y = 0; y < 5; ++y)
    for (int x = 0; x < 7; ++x) EXPECT_EQ(pic.At(x, y), bg.At(x % 3, y % 2)) << x << "," << y;

  const Picture blank = PanelPicture(LookUpSection(skin.get(), "nopicture"), p, kColours);
  EXPECT_EQ(blank.width, 7);
  EXPECT_EQ(blank.At(3, 3), 0u);
}

TEST(StdLabel, FontColourCharSetAndEmboss) {
  LabelState l;
  l.font.name = "Courier";
  l.font.color = 255;
  l.defaultFont.charSet = 0;  // ANSI
  const ControlSection s = LookUpSection(&AboutSkin(), "stdlabel");
  LabelLook look = StdLabelLook(s, l, std::nullopt, kColours);
  EXPECT_EQ(look.font.name, "Arial");
  EXPECT_EQ(look.font.height, 14);
  EXPECT_EQ(look.font.charSet, 0);
  ASSERT_EQ(look.passes.size(), 1u);
  EXPECT_EQ(look.passes[0].colour, Rgb(0, 0, 0));

  l.useSkinFont = false;
  EXPECT_EQ(StdLabelLook(s, l, 134, kColours).font.name, "Courier");
  EXPECT_EQ(StdLabelLook(s, l, 134, kColours).font.charSet, 134);
  // No section: DefaultFont with UseSkinFont, the label's Font without.
  EXPECT_EQ(StdLabelLook(ControlSection{}, l, std::nullopt, kColours).font.name, "Courier");
  l.useSkinFont = true;
  EXPECT_EQ(StdLabelLook(ControlSection{}, l, std::nullopt, kColours).font.name,
            kDefaultFontName);

  l.enabled = false;
  look = StdLabelLook(s, l, std::nullopt, kColours);
  ASSERT_EQ(look.passes.size(), 2u);
  EXPECT_EQ(look.passes[0].dx, 1);
  EXPECT_EQ(look.passes[0].dy, 1);
  EXPECT_EQ(look.passes[0].colour, kColours.btnHighlight);
  EXPECT_EQ(look.passes[1].dx, 0);
  EXPECT_EQ(look.passes[1].colour, kColours.btnShadow);

  EXPECT_EQ(LabelMeasureText(L""), L" ");
  EXPECT_EQ(LabelMeasureText(L"&"), L" ");
  EXPECT_EQ(LabelMeasureText(L"&Go"), L"&Go");
}

}  // namespace
}  // namespace bs
