#include "skin/data/bsDescriptors.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>

namespace bs {
namespace {

// A value unlike the default text for every type: non-default integers,
// colours and booleans, moved rectangles and points, other names.
std::string Changed(const std::string& text, int salt) {
  static const std::map<std::string, std::string> names = {
      {"tacenter", "taleftjustify"}, {"mkdefault", "mkpush"}, {"iebrightness", "ieinvert"},
      {"cmdefault", "cmrollup"},     {"", "fsbold,fsstrikeout"}, {kDefaultFontName, "Arial"}};
  auto it = names.find(text);
  if (it != names.end()) return it->second;
  if (text == "0") return "1";  // booleans true, integers and colours 1
  const int commas = static_cast<int>(std::count(text.begin(), text.end(), ','));
  const std::string a = std::to_string(salt), b = std::to_string(salt + 1), c = std::to_string(salt + 7),
                    d = std::to_string(salt + 9);
  if (commas == 1) return a + "," + b;
  if (commas == 3) return a + "," + b + "," + c + "," + d;
  return std::to_string(ParseInteger(text).value() + 3 + salt);
}

std::vector<std::pair<std::string, std::string>> Entries(const TbsIniFile& ini, const std::string& section) {
  std::vector<std::pair<std::string, std::string>> out;
  for (const std::string& key : ini.Keys(section)) out.emplace_back(key, *ini.Find(section, key));
  return out;
}

// Writes the defaults, changes every key, reads that into a fresh descriptor
// and writes it again: every key must come back changed, so every key
// written is read and read into its own field.
template <typename D>
void RoundTrip(const std::function<std::unique_ptr<D>()>& make, const std::string& kind,
               const std::vector<std::string>& sticky = {}) {
  SCOPED_TRACE(kind);
  auto fresh = make();
  TbsIniFile defaults;
  fresh->WriteSection(defaults);
  TbsIniFile changed;
  int salt = 2;
  for (const auto& [key, value] : Entries(defaults, fresh->IDName))
    changed.WriteString(fresh->IDName, key, Changed(value, salt++));
  auto read = make();
  read->ReadSection(TbsIniFile(changed.ToLines()));
  TbsIniFile again;
  read->WriteSection(again);
  const auto want = Entries(changed, fresh->IDName);
  const auto got = Entries(again, fresh->IDName);
  ASSERT_EQ(got.size(), want.size());
  for (std::size_t i = 0; i < want.size(); ++i) {
    EXPECT_EQ(got[i].first, want[i].first);
    if (std::find(sticky.begin(), sticky.end(), want[i].first) == sticky.end())
      EXPECT_EQ(got[i].second, want[i].second) << want[i].first;
  }
}

TEST(Descriptors, EveryObjectKindRoundTrips) {
  for (const std::string& kind : ObjectKinds()) {
    RoundTrip<TbsDataSkinObject>([&] { return CreateObjectDescriptor(kind, "obj_" + kind); }, kind,
                                 kind == "animate" ? std::vector<std::string>{"morphing"} : std::vector<std::string>{});
    EXPECT_EQ(ObjectKindOf(*CreateObjectDescriptor(kind, "x")), kind);
  }
}

TEST(Descriptors, EveryControlKindRoundTrips) {
  EXPECT_EQ(ControlKinds().size(), 28u);
  for (const std::string& kind : ControlKinds()) {
    RoundTrip<TbsDataSkinControl>([&] { return CreateControlDescriptor(kind, "ctl_" + kind); }, kind);
    EXPECT_EQ(ControlKindOf(*CreateControlDescriptor(kind, "x")), kind);
  }
}

TEST(Descriptors, WindowAndFormSectionsRoundTrip) {
  RoundTrip<TbsDataSkinPopupWindow>([] { return std::make_unique<TbsDataSkinPopupWindow>(); }, "popup");
  RoundTrip<TbsDataSkinHintWindow>([] { return std::make_unique<TbsDataSkinHintWindow>(); }, "hint");
  RoundTrip<TbsDataSkinFormInfo>([] { return std::make_unique<TbsDataSkinFormInfo>(); }, "forminfo");
}

std::vector<std::string> KeysOf(const TbsDataSkinControl& d) {
  TbsIniFile ini;
  d.WriteSection(ini);
  return ini.Keys(d.IDName);
}

TEST(Descriptors, KeysOfTheAboutWindowsKindsInOrder) {
  const std::vector<std::string> control = {"pictureindex", "maskpictureindex", "skinrect"};
  const std::vector<std::string> nine = {"lefttoppoint", "righttoppoint", "leftbottompoint", "rightbottompoint",
                                         "clientrect"};
  auto join = [](std::vector<std::string> a, const std::vector<std::string>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
  };
  const auto custom = join(control, nine);
  EXPECT_EQ(KeysOf(TbsDataSkinPanelControl("p")),
            join(custom, {"bgpictureindex", "captionrect", "alignment", "fontname", "fontheight", "fontstyle",
                          "fontcolor", "checkimagerect", "uncheckimagerect"}));
  EXPECT_EQ(KeysOf(TbsDataSkinButtonControl("b")),
            join(custom, {"fontname", "fontheight", "fontstyle", "fontcolor", "activefontcolor", "downfontcolor",
                          "disabledfontcolor", "activeskinrect", "downskinrect", "disabledskinrect", "morphing",
                          "morphkind"}));
  EXPECT_EQ(KeysOf(TbsDataSkinEditControl("e")),
            join(custom, {"activeskinrect", "fontname", "fontheight", "fontstyle", "fontcolor", "disabledfontcolor",
                          "activefontcolor", "buttonrect", "activebuttonrect", "downbuttonrect",
                          "unenabledbuttonrect"}));
  EXPECT_EQ(KeysOf(TbsDataSkinStdLabelControl("s")),
            join(control, {"fontname", "fontheight", "fontstyle", "fontcolor", "activefontcolor"}));
  EXPECT_EQ(KeysOf(TbsDataSkinSplitterControl("v")), custom);
}

TEST(Descriptors, DefaultsOfAnEmptySection) {
  const TbsIniFile empty;
  TbsDataSkinStdLabelControl label("stdlabel");
  label.ReadSection(empty);
  EXPECT_EQ(label.pictureindex, -1);
  EXPECT_EQ(label.fontname, "\xCB\xCE\xCC\xE5");
  EXPECT_EQ(label.fontheight, 14);
  EXPECT_EQ(label.activefontcolor, 16711680);
  TbsDataSkinCaption caption("caption");
  caption.ReadSection(empty);
  EXPECT_EQ(caption.alignment, TAlignment::taCenter);
  EXPECT_EQ(caption.activepictureindex, -1);
  EXPECT_TRUE(caption.skinrect.IsEmpty());
  TbsDataSkinAnimate animate("a");
  animate.ReadSection(TbsIniFile({"[a]", "morphing=1"}));
  EXPECT_EQ(animate.countframes, 1);
  EXPECT_EQ(animate.timerinterval, 50);
  EXPECT_EQ(animate.command, TbsStdCommand::cmDefault);
  EXPECT_FALSE(animate.morphing);
  TbsDataSkinFormInfo form;
  form.ReadSection(empty);
  EXPECT_EQ(form.inactiveeffect, InactiveEffect::iebrightness);
  EXPECT_EQ(form.bgpictureindex, -1);
}

TEST(Descriptors, TheAboutWindowsToolbutton) {
  TbsDataSkinButtonControl b("toolbutton");
  b.ReadSection(TbsIniFile({"[toolbutton]", "pictureindex=4", "skinrect=55,31,80,57", "clientrect=2,3,23,24",
                            "activeskinrect=80,31,105,57", "downskinrect=105,31,131,57", "morphing=1",
                            "morphkind=mkgradient", "shadow=true"}));
  EXPECT_EQ(b.pictureindex, 4);
  EXPECT_EQ(b.skinrect, (Rect{55, 31, 80, 57}));
  EXPECT_EQ(b.skinrect.Width(), 25);
  EXPECT_EQ(b.clientrect, (Rect{2, 3, 23, 24}));
  EXPECT_EQ(b.downskinrect, (Rect{105, 31, 131, 57}));
  EXPECT_TRUE(b.morphing);
  EXPECT_EQ(b.morphkind, MorphKind::mkgradient);
  EXPECT_THROW(b.ReadSection(TbsIniFile({"[toolbutton]", "skinrect="})), EConvertError);
}

}  // namespace
}  // namespace bs
