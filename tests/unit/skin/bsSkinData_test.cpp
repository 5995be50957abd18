#include "skin/data/bsSkinData.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

namespace bs {
namespace {

namespace fs = std::filesystem;

std::vector<std::uint8_t> Bmp(int w, int h, int bpp, Pixel fill) {
  Picture p(w, h, fill);
  p.bitsPerPixel = bpp;
  return WriteBmp(p);
}

// Writes a skin container by hand.
struct Container {
  std::vector<std::uint8_t> bytes;
  Container& Int(std::int32_t v) {
    for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<std::uint8_t>(static_cast<std::uint32_t>(v) >> (8 * i)));
    return *this;
  }
  Container& Flagged(const std::vector<std::uint8_t>& bmp) {
    bytes.push_back(bmp.empty() ? 1 : 0);
    return Raw(bmp);
  }
  Container& Raw(const std::vector<std::uint8_t>& b) {
    bytes.insert(bytes.end(), b.begin(), b.end());
    return *this;
  }
  Container& Text(const std::string& s) { return Raw(std::vector<std::uint8_t>(s.begin(), s.end())); }
};

const char kIni[] =
    "[VERSION]\r\nskinname=Test skin\r\n[PICTURES]\r\npicture=main.bmp\r\nmask=mask.bmp\r\n"
    "activepicturescount=1\r\n0=extra.bmp\r\n"
    "[FORMINFO]\r\nclientrect=13,46,265,107\r\nlefttoppoint=10,40\r\nrightbottompoint=270,110\r\n"
    "[POPUPWINDOW]\r\nwindowpictureindex=0\r\n"
    "[SKINOBJECTS]\r\ncount=3\r\n0=caption:caption\r\n1=closebutton:stdbutton\r\n2=bogus\r\n"
    "[caption]\r\nfontname=Arial\r\nshadow=1\r\n"
    "[closebutton]\r\ncommand=cmclose\r\n"
    "[SKINCONTROLS]\r\ncount=5\r\n0=panel:panel\r\n1=header:header\r\n2=panel:button\r\n"
    "3=stdlabel:stdlabel\r\n4=edit:edit\r\n"
    "[panel]\r\npictureindex=0\r\nskinrect=0,0,40,23\r\n[stdlabel]\r\nfontname=Arial\r\n";

TbsCompressedStoredSkin Stored(const std::vector<std::uint8_t>& container) {
  TbsCompressedStoredSkin stored;
  TMemoryStream source(container);
  DeflateStream(source, stored.CompressedData);
  return stored;
}

struct Recorder : TbsSkinDataObserver {
  std::vector<unsigned> messages;
  void SkinDataNotify(TbsSkinData& sender, unsigned message, int param) override {
    EXPECT_EQ(param, 1000);
    EXPECT_TRUE(sender.Empty() == (message == SkinChanging) || message == ResStringsChanged);
    messages.push_back(message);
  }
};

std::vector<std::uint8_t> Version3(std::int32_t version = 3) {
  Container c;
  c.Int(version).Flagged(Bmp(277, 116, 8, Rgb(1, 2, 3))).Flagged({}).Flagged(Bmp(277, 116, 1, 0));
  if (version == 2) c.Flagged(Bmp(5, 5, 24, 0)).Flagged(Bmp(6, 6, 24, 0));
  c.Int(1).Raw(Bmp(95, 268, 8, Rgb(9, 9, 9))).Text(kIni);
  return c.bytes;
}

TEST(SkinData, LoadsAContainerAndNotifies) {
  TbsCompressedStoredSkin stored = Stored(Version3());
  TbsSkinData skin;
  Recorder forms;
  skin.AddObserver(&forms);
  EXPECT_TRUE(skin.Empty());
  skin.SetCompressedStoredSkin(&stored);
  EXPECT_EQ(forms.messages, (std::vector<unsigned>{1225, 1226, 1227}));
  EXPECT_FALSE(skin.Empty());
  EXPECT_EQ(skin.picture.width, 277);
  EXPECT_EQ(skin.picture.bitsPerPixel, 8);
  EXPECT_TRUE(skin.inactivepicture.Empty());
  EXPECT_EQ(skin.mask.bitsPerPixel, 1);
  ASSERT_EQ(skin.ExtraPictures.size(), 1u);
  EXPECT_EQ(skin.ExtraPictures[0].height, 268);
  EXPECT_EQ(skin.skinname, "Test skin");
  EXPECT_EQ(skin.activepictures, (std::vector<std::string>{"extra.bmp"}));
  EXPECT_EQ(skin.PopupWindow.windowpictureindex, 0);

  ASSERT_EQ(skin.ObjectDescriptors.size(), 2u);  // "bogus" has no kind
  const auto* caption = skin.ObjectDescriptor<TbsDataSkinCaption>("caption");
  ASSERT_NE(caption, nullptr);
  EXPECT_TRUE(caption->shadow);
  EXPECT_EQ(caption->fontname, "Arial");
  EXPECT_EQ(skin.ObjectDescriptor<TbsDataSkinStdButton>("closebutton")->command, TbsStdCommand::cmClose);

  // header:header makes nothing; the first of two "panel" entries wins; case counts.
  EXPECT_EQ(skin.ControlDescriptors.size(), 4u);
  EXPECT_EQ(skin.FindControlDescriptor("header"), -1);
  EXPECT_EQ(skin.FindControlDescriptor("panel"), 0);
  EXPECT_EQ(skin.FindControlDescriptor("Panel"), -1);
  EXPECT_NE(skin.ControlDescriptor<TbsDataSkinPanelControl>("panel"), nullptr);
  EXPECT_EQ(skin.ControlDescriptor<TbsDataSkinPanelControl>("panel")->skinrect, (Rect{0, 0, 40, 23}));
  EXPECT_EQ(skin.ControlDescriptor<TbsDataSkinStdLabelControl>("stdlabel")->activefontcolor, 16711680);
  EXPECT_EQ(skin.ExtraPicture(0), &skin.ExtraPictures[0]);
  EXPECT_EQ(skin.ExtraPicture(1), nullptr);
  EXPECT_EQ(skin.ExtraPicture(-1), nullptr);
}

TEST(SkinData, VersionsZeroToThreeAndTheVersionTwoPairs) {
  for (int version : {0, 1, 2, 3}) {
    SCOPED_TRACE(version);
    TbsCompressedStoredSkin stored = Stored(Version3(version));
    TbsSkinData skin;
    skin.LoadFromStoredSkin(stored);
    EXPECT_FALSE(skin.Empty());
    ASSERT_EQ(skin.ExtraPictures.size(), 1u);  // the version-2 pairs are dropped
    EXPECT_EQ(skin.ExtraPictures[0].width, 95);
    EXPECT_EQ(skin.ControlDescriptors.size(), 4u);
  }
}

TEST(SkinData, LaterVersionsLeaveTheSkinEmpty) {
  for (int version : {4, 5, -1}) {
    TbsCompressedStoredSkin stored = Stored(Version3(version));
    TbsSkinData skin;
    Recorder forms;
    skin.AddObserver(&forms);
    skin.LoadFromStoredSkin(stored);
    EXPECT_TRUE(skin.Empty());
    EXPECT_TRUE(skin.ControlDescriptors.empty());
    EXPECT_EQ(forms.messages, (std::vector<unsigned>{SkinChanging}));
  }
}

TEST(SkinData, IniAloneAndAnEmptyStoredSkin) {
  Container c;
  c.Int(3).Flagged({}).Flagged({}).Flagged({}).Int(0).Text("[SKINCONTROLS]\r\ncount=1\r\n0=panel:panel\r\n");
  TbsCompressedStoredSkin stored = Stored(c.bytes);
  TbsSkinData skin;
  skin.LoadFromStoredSkin(stored);
  EXPECT_FALSE(skin.Empty());
  EXPECT_TRUE(skin.picture.Empty());
  EXPECT_EQ(skin.FindControlDescriptor("panel"), 0);

  Recorder forms;
  skin.AddObserver(&forms);
  TbsCompressedStoredSkin nothing;
  EXPECT_TRUE(nothing.IsDataEmpty());
  skin.SetCompressedStoredSkin(&nothing);
  EXPECT_TRUE(forms.messages.empty());
  EXPECT_FALSE(skin.Empty());  // unchanged
  EXPECT_EQ(skin.FindControlDescriptor("panel"), 0);
}

TEST(SkinData, FailuresLeaveTheSkinEmpty) {
  TbsCompressedStoredSkin good = Stored(Version3());
  auto bad = [&](TbsCompressedStoredSkin& stored, auto expect) {
    TbsSkinData skin;
    skin.LoadFromStoredSkin(good);
    ASSERT_FALSE(skin.Empty());
    expect([&] { skin.LoadFromStoredSkin(stored); });
    EXPECT_TRUE(skin.Empty());
    EXPECT_TRUE(skin.ObjectDescriptors.empty());
    EXPECT_TRUE(skin.ControlDescriptors.empty());
    EXPECT_TRUE(skin.ExtraPictures.empty());
    EXPECT_TRUE(skin.picture.Empty());
  };
  TbsCompressedStoredSkin corrupt;
  auto bytes = good.CompressedData.Bytes();
  for (std::size_t i = 20; i < 60; ++i) bytes[i] ^= 0x5A;
  corrupt.CompressedData.WriteBuffer(bytes.data(), bytes.size());
  bad(corrupt, [](auto f) { EXPECT_THROW(f(), EDecompressionError); });

  Container c;
  c.Int(3).Text(std::string(1, '\0')).Text("BM not a bitmap at all........................................");
  TbsCompressedStoredSkin badBmp = Stored(c.bytes);
  bad(badBmp, [](auto f) { EXPECT_THROW(f(), EInvalidGraphic); });

  Container d;
  d.Int(3).Flagged({}).Flagged({}).Flagged({}).Int(0).Text(
      "[SKINCONTROLS]\r\ncount=1\r\n0=panel:panel\r\n[panel]\r\nskinrect=5,\r\n");
  TbsCompressedStoredSkin badRect = Stored(d.bytes);
  bad(badRect, [](auto f) { EXPECT_THROW(f(), EConvertError); });

  TbsCompressedStoredSkin truncated = Stored({3, 0, 0});
  bad(truncated, [](auto f) { EXPECT_THROW(f(), EReadError); });
}

std::unique_ptr<TbsSkinData> FormFrom(const std::string& pictures, const std::string& forminfo) {
  Container c;
  c.Int(3).Flagged({}).Flagged({}).Flagged({}).Int(0).Text("[PICTURES]\r\n" + pictures + "\r\n[FORMINFO]\r\n" +
                                                          forminfo);
  TMemoryStream s(c.bytes);
  auto skin = std::make_unique<TbsSkinData>();
  skin->LoadFromContainer(s);
  return skin;
}

TEST(SkinData, FormInfoIsFittedTogether) {
  // A mask and no maskrectarea: the client rectangle; hit-test points from the corners.
  auto a = FormFrom("mask=m.bmp",
                    "clientrect=13,46,265,107\r\nlefttoppoint=20,50\r\nrightbottompoint=250,100\r\n"
                    "righttoppoint=300,10\r\nleftbottompoint=5,200\r\nhittestlefttoppoint=0,7\r\n"
                    "hittestrighttoppoint=3,4\r\n");
  const auto& f = a->FormInfo;
  EXPECT_EQ(f.maskrectarea, (Rect{13, 46, 265, 107}));
  EXPECT_EQ(f.hittestlefttoppoint, (Point{20, 50}));
  EXPECT_EQ(f.hittestrighttoppoint, (Point{3, 4}));
  EXPECT_EQ(f.hittestrightbottompoint, (Point{250, 100}));
  // Corners pulled into the client rectangle.
  EXPECT_EQ(f.lefttoppoint, (Point{20, 50}));
  EXPECT_EQ(f.righttoppoint, (Point{265, 46}));
  EXPECT_EQ(f.leftbottompoint, (Point{13, 107}));
  EXPECT_EQ(f.rightbottompoint, (Point{250, 100}));

  // A maskrectarea is widened to hold the client rectangle.
  auto b = FormFrom("mask=m.bmp", "clientrect=13,46,265,107\r\nmaskrectarea=20,10,200,120\r\n");
  EXPECT_EQ(b->FormInfo.maskrectarea, (Rect{13, 10, 265, 120}));

  // No mask: nothing about the mask changes; all corners at 0,0 stay put.
  auto c = FormFrom("", "clientrect=13,46,265,107\r\n");
  EXPECT_TRUE(c->FormInfo.maskrectarea.IsEmpty());
  EXPECT_EQ(c->FormInfo.lefttoppoint, (Point{0, 0}));
  EXPECT_EQ(c->FormInfo.rightbottompoint, (Point{0, 0}));
}

class TempDir : public testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("bsSkinData_test_" + std::to_string(std::hash<std::string>()(
                                     testing::UnitTest::GetInstance()->current_test_info()->name())));
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string Write(const std::string& name, const std::vector<std::uint8_t>& bytes) {
    std::ofstream(dir_ / name, std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                        static_cast<std::streamsize>(bytes.size()));
    return (dir_ / name).string();
  }
  std::string WriteText(const std::string& name, const std::string& text) {
    return Write(name, std::vector<std::uint8_t>(text.begin(), text.end()));
  }
  fs::path dir_;
};

using StoredSkin = TempDir;

TEST_F(StoredSkin, BuildFromSkinIniThenLoad) {
  Write("main.bmp", Bmp(277, 116, 8, Rgb(10, 20, 30)));
  auto maskBytes = Bmp(277, 116, 1, 0);
  maskBytes.insert(maskBytes.end(), 7, 0xEE);  // bytes past the stated size stay out
  Write("mask.bmp", maskBytes);
  Write("extra.bmp", Bmp(95, 268, 8, Rgb(1, 1, 1)));
  const std::string ini = WriteText("skin.ini", std::string(kIni) + "[HINTWINDOW]\nfontheight=12");

  TbsCompressedStoredSkin stored;
  stored.BuildFromSkinIni(ini);
  EXPECT_EQ(stored.FileName, "skin.ini");
  ASSERT_FALSE(stored.IsDataEmpty());
  EXPECT_EQ(stored.CompressedData.Bytes()[0], 0x78);
  EXPECT_EQ(stored.CompressedData.Bytes()[1], 0xDA);

  TMemoryStream inflated;
  stored.InflateTo(inflated);
  const auto& c = inflated.Bytes();
  EXPECT_EQ(c[0], 3);
  EXPECT_EQ(c[4], 0);          // picture follows
  const std::string tail(c.end() - 15, c.end());
  EXPECT_EQ(tail, "fontheight=12\r\n");

  TbsSkinData skin;
  skin.LoadFromStoredSkin(stored);
  EXPECT_EQ(skin.picture.At(5, 5), Rgb(10, 20, 30));
  EXPECT_TRUE(skin.inactivepicture.Empty());
  EXPECT_EQ(skin.mask.width, 277);
  EXPECT_EQ(skin.ExtraPictures.size(), 1u);
  EXPECT_EQ(skin.HintWindow.fontheight, 12);
  EXPECT_EQ(skin.ControlDescriptors.size(), 4u);
}

TEST_F(StoredSkin, NotASkinIniChangesNothing) {
  TbsCompressedStoredSkin stored = Stored(Version3());
  const auto before = stored.CompressedData.Bytes();
  stored.BuildFromSkinIni(WriteText("half.ini", "[VERSION]\n[PICTURES]\n[FORMINFO]\n[SKINOBJECTS]\n"));
  EXPECT_EQ(stored.CompressedData.Bytes(), before);
  // A missing picture file fails and keeps the old data too.
  EXPECT_THROW(stored.BuildFromSkinIni(WriteText("skin.ini", kIni)), EFOpenError);
  EXPECT_EQ(stored.CompressedData.Bytes(), before);
}

TEST_F(StoredSkin, ImportCompressedFile) {
  const std::vector<std::uint8_t> z = {0x78, 0xDA, 0x03, 0x00, 0x00, 0x00, 0x00, 0x01};
  auto file = [&](std::int32_t version, std::int32_t length, std::size_t cut = 0) {
    Container c;
    c.Int(version).Int(length).Raw(z);
    c.bytes.resize(c.bytes.size() - cut);
    return Write("skin.skn", c.bytes);
  };
  TbsCompressedStoredSkin stored;
  stored.ImportCompressedFile(file(3, 8));
  EXPECT_EQ(stored.CompressedData.Bytes(), z);
  stored.ImportCompressedFile(file(4, 8));
  EXPECT_TRUE(stored.IsDataEmpty());
  EXPECT_THROW(stored.ImportCompressedFile(file(3, 8, 3)), EReadError);
  EXPECT_TRUE(stored.IsDataEmpty());
  stored.ImportCompressedFile(file(1, 0));
  EXPECT_TRUE(stored.IsDataEmpty());
}

TEST(SkinData, ResourceStrings) {
  TbsResourceStrData res;
  res.ResStrings = {"MI_CLOSE=Close", "mi_min=Mini=mize", "broken"};
  EXPECT_EQ(res.GetResStr("MI_CLOSE"), "Close");
  EXPECT_EQ(res.GetResStr("MI_MIN"), "Mini=mize");
  EXPECT_EQ(res.GetResStr("MI_MAX"), "");
  TbsSkinData skin;
  Recorder forms;
  skin.AddObserver(&forms);
  skin.SetResourceStrData(&res);
  EXPECT_EQ(skin.ResourceStrData(), &res);
  EXPECT_EQ(forms.messages, (std::vector<unsigned>{ResStringsChanged}));
}

}  // namespace
}  // namespace bs
