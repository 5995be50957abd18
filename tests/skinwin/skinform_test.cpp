// The skinned frame on a form of the test's own: a skin that cannot be read
// leaves the plain frame working; PrintWindow shows the frame as the screen
// does; resizes and skin changes hold no GDI objects.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "skin/data/bsSkinData.h"
#include "skin/data/bszlibcompress.h"
#include "skinwin/bsPaint.h"
#include "skinwin/bsSkinForm.h"
#include "tests/skinwin/gdicount.h"
#include "tests/skinwin/menutest.h"
#include "tests/skinwin/pump.h"

namespace {

using menutest::Framed;
using menutest::LoadAboutSkin;

using skintest::Pump;

std::vector<std::uint8_t> Deflated(const std::string& text) {
  bs::TMemoryStream source(std::vector<std::uint8_t>(text.begin(), text.end())), out;
  bs::DeflateStream(source, out);
  return out.Bytes();
}

int HitTest(HWND form, int x, int y) {
  RECT b;
  GetWindowRect(form, &b);
  return static_cast<int>(SendMessageW(form, WM_NCHITTEST, 0, MAKELPARAM(b.left + x, b.top + y)));
}

TEST(SkinForm, SkinThatCannotBeReadGivesThePlainFrame) {
  const std::vector<std::vector<std::uint8_t>> stored = {
      {}, {0x78, 0x9C, 1, 2, 3, 4, 5}, Deflated("no skin container at all")};
  for (std::size_t i = 0; i < stored.size(); ++i) {
    SCOPED_TRACE("stored skin " + std::to_string(i));
    bs::TbsCompressedStoredSkin skin;
    skin.CompressedData = bs::TMemoryStream(stored[i]);
    bs::TbsSkinData data;
    try {
      data.LoadFromStoredSkin(skin);
    } catch (const std::exception&) {
      // the reader's error; the skin stays empty
    }
    ASSERT_TRUE(data.Empty());
    Framed f(&data, 400, 300);
    EXPECT_FALSE(f.frame.Skinned());
    RECT client;
    GetClientRect(f.form.Handle(), &client);
    EXPECT_EQ(client.right, 400 - 6);
    EXPECT_EQ(client.bottom, 300 - 22 - 3);  // 3-pixel borders, a 19-pixel caption bar
    EXPECT_EQ(HitTest(f.form.Handle(), 150, 12), HTCAPTION);
    EXPECT_EQ(HitTest(f.form.Handle(), 1, 150), HTLEFT);
    EXPECT_EQ(HitTest(f.form.Handle(), 200, 298), HTBOTTOM);
    EXPECT_EQ(HitTest(f.form.Handle(), 200, 150), HTCLIENT);
    const int closeX = 400 - 3 - 8, closeY = 4 + 8;  // the close button's middle
    EXPECT_EQ(HitTest(f.form.Handle(), closeX, closeY), HTOBJECT);

    // Pressing and releasing the close button closes the form.
    RECT b;
    GetWindowRect(f.form.Handle(), &b);
    SendMessageW(f.form.Handle(), WM_NCLBUTTONDOWN, HTOBJECT, MAKELPARAM(b.left + closeX, b.top + closeY));
    SendMessageW(f.form.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(closeX, closeY));
    Pump();
    EXPECT_EQ(f.form.closes, 1);
  }
}

TEST(SkinForm, PrintWindowShowsTheFrameAsTheScreenDoes) {
  bs::TbsSkinData data;
  Framed f(&data, 500, 300);
  LoadAboutSkin(data);
  Pump();
  ASSERT_TRUE(f.frame.Skinned());
  RECT b;
  GetWindowRect(f.form.Handle(), &b);
  const int w = b.right - b.left, h = b.bottom - b.top;

  HDC screen = GetDC(nullptr);
  const bs::Picture shown = bs::ReadPicture(screen, bs::FromRECT(b));
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, w, h);
  HGDIOBJ old = SelectObject(memory, bitmap);
  ASSERT_TRUE(PrintWindow(f.form.Handle(), memory, 0));
  const bs::Picture printed = bs::ReadPicture(memory, bs::Rect{0, 0, w, h});
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);

  // The client area in window coordinates.
  RECT c;
  GetClientRect(f.form.Handle(), &c);
  MapWindowPoints(f.form.Handle(), nullptr, reinterpret_cast<POINT*>(&c), 2);
  const bs::Rect client = bs::Moved(bs::FromRECT(c), -b.left, -b.top);
  HRGN shape = CreateRectRgn(0, 0, 0, 0);
  ASSERT_NE(GetWindowRgn(f.form.Handle(), shape), ERROR);
  int compared = 0, differing = 0;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      if (bs::Contains(client, x, y) || !PtInRegion(shape, x, y)) continue;
      ++compared;
      differing += shown.At(x, y) != printed.At(x, y);
    }
  DeleteObject(shape);
  EXPECT_GT(compared, 10000);
  EXPECT_EQ(differing, 0);
}

TEST(SkinForm, ResizesAndSkinChangesHoldNoGdiObjects) {
  bs::TbsSkinData data;
  Framed f(&data, 500, 300);
  LoadAboutSkin(data);
  Pump();
  const int before = skintest::GdiObjectCount();
  ASSERT_GT(before, 0) << "this system gives no count of GDI objects";
  HWND hwnd = f.form.Handle();
  for (int i = 0; i < 100; ++i) {
    SetWindowPos(hwnd, nullptr, 0, 0, 400 + (i * 37) % 500, 200 + (i * 53) % 400,
                 SWP_NOMOVE | SWP_NOZORDER);
    RedrawWindow(hwnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW);
    if (i % 10 == 9) {
      if (i % 20 == 9) data.ResetSkin(), SendMessageW(hwnd, bs::SkinChanged, reinterpret_cast<WPARAM>(&data), 1000);
      else LoadAboutSkin(data);
    }
    Pump();
  }
  EXPECT_EQ(skintest::GdiObjectCount(), before);
}

}  // namespace
