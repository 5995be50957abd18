// The skinned controls on a form of the test's own under Wine: sizes from the
// embedded skin and without one, the edit's one-line rules, speed buttons worked through their host, pictures drawn as the
// portable looks say, and no GDI objects held across many hovers, presses
// and resizes.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <vector>

#include "skin/controls/bsButtonLook.h"
#include "skin/controls/bsGlyph.h"
#include "skin/controls/bsPanelLook.h"
#include "skin/data/bsSkinData.h"
#include "skin/draw/bsPictureCopy.h"
#include "skinwin/bsPaint.h"
#include "skinwin/bsSkinBoxCtrls.h"
#include "skinwin/bsSkinButtons.h"
#include "skinwin/bsSkinPanel.h"
#include "tests/skinwin/gdicount.h"
#include "tests/skinwin/pump.h"
#include "win32/window.h"

namespace {

class Form : public vellumo::Window {
 public:
  bool Create() {
    const vellumo::WindowClass cls = {L"VellumoCtrlTestForm", GetModuleHandleW(nullptr),
                                      LoadCursorW(nullptr, IDC_ARROW)};
    return CreateHandle(cls, 0, L"Controls", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, 50, 50, 700,
                        200, nullptr, nullptr);
  }
};

using skintest::Pump;

void LoadAboutSkin(bs::TbsSkinData& data) {
  std::ifstream in(ABOUT_SKIN, std::ios::binary);
  ASSERT_TRUE(in) << "cannot read " << ABOUT_SKIN;
  bs::TbsCompressedStoredSkin skin;
  skin.CompressedData = bs::TMemoryStream(std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {}));
  data.LoadFromStoredSkin(skin);
}

// A 20 x 20 glyph: a dark square on a key colour.
bs::Picture Glyph() {
  bs::Picture g(20, 20, bs::Rgb(255, 0, 255));
  for (int y = 4; y < 16; ++y)
    for (int x = 4; x < 16; ++x) g.Set(x, y, bs::Rgb(20, 40, 60));
  return g;
}

// What a window-less or windowed control shows, printed off-screen.
bs::Picture Printed(HWND hwnd) {
  RECT r;
  GetClientRect(hwnd, &r);
  HDC screen = GetDC(nullptr);
  HDC memory = CreateCompatibleDC(screen);
  HBITMAP bitmap = CreateCompatibleBitmap(screen, r.right, r.bottom);
  HGDIOBJ old = SelectObject(memory, bitmap);
  SendMessageW(hwnd, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT);
  bs::Picture p = bs::ReadPicture(memory, bs::FromRECT(r));
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);
  ReleaseDC(nullptr, screen);
  return p;
}

// The address bar and a button row, as the About window has them.
struct Controls : ::testing::Test {
  bs::TbsSkinData data;
  Form form;
  bs::TbsSkinPanel bar, row;
  bs::TbsSkinEdit edit;
  bs::TbsSkinButton ok;
  bs::TbsSkinSpeedButton back, forward;
  int okClicks = 0, backClicks = 0, forwardClicks = 0;

  void SetUp() override {
    LoadAboutSkin(data);
    ASSERT_TRUE(form.Create());
    ASSERT_TRUE(bar.CreateControl(form.Handle(), bs::Rect{0, 0, 658, 25}));
    edit.SetSkinData(&data);
    ASSERT_TRUE(edit.CreateEdit(bar.Handle(), bs::Rect{41, 1, 610, 24}));
    ok.SetSkinData(&data);
    ok.Caption = L"OK";
    ok.OnClick = [this] { ++okClicks; };
    ASSERT_TRUE(ok.CreateControl(bar.Handle(), bs::Rect{610, 1, 657, 24}));
    row.SetSkinData(&data);
    ASSERT_TRUE(row.CreateControl(form.Handle(), bs::Rect{0, 100, 658, 126}));
    int* counts[] = {&backClicks, &forwardClicks};
    bs::TbsSkinSpeedButton* buttons[] = {&back, &forward};
    for (int i = 0; i < 2; ++i) {
      bs::TbsSkinSpeedButton& b = *buttons[i];
      b.Glyph = Glyph();
      b.SetParent(&row);
      b.SetSkinData(&data);
      b.SetBounds(bs::Rect{1 + 25 * i, 0, 26 + 25 * i, 22});
      b.OnClick = [c = counts[i]] { ++*c; };
    }
    ShowWindow(form.Handle(), SW_SHOW);
    Pump();
  }
  void Mouse(UINT msg, int x, int y) {
    SendMessageW(row.Handle(), msg, msg == WM_LBUTTONDOWN ? MK_LBUTTON : 0, MAKELPARAM(x, y));
  }
};

TEST_F(Controls, SizesComeFromTheSkinAndTheRequestWithoutOne) {
  EXPECT_EQ(ok.ClientSize().height, 21);
  EXPECT_EQ(ok.ClientSize().width, 47);
  EXPECT_EQ(edit.ClientSize().height, 21);
  EXPECT_EQ(edit.ClientSize().width, 569);
  EXPECT_EQ(back.Bounds().Height(), 26);  // asked for 22
  EXPECT_EQ(back.Bounds().Width(), 25);
  EXPECT_EQ(row.ClientSize().height, 26);
  // The edit's text area is inset 3 pixels on every side.
  RECT client;
  GetClientRect(edit.Handle(), &client);
  EXPECT_EQ(client.right, 569 - 6);
  EXPECT_EQ(client.bottom, 21 - 6);
  // Resizing keeps the skin's height whatever is asked.
  ok.SetBounds(bs::Rect{500, 1, 560, 40});
  EXPECT_EQ(ok.ClientSize().height, 21);
  EXPECT_EQ(ok.ClientSize().width, 60);

  // Without a skin the request stands, and the default size where given.
  data.ResetSkin();
  // No section outlives the skin it was read from, even before the notice.
  EXPECT_FALSE(ok.Section().InForce());
  EXPECT_FALSE(edit.Section().InForce());
  SendMessageW(ok.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(1, 1));
  SendMessageW(ok.Handle(), bs::SkinChanged, reinterpret_cast<WPARAM>(&data), 1000);
  SendMessageW(edit.Handle(), bs::SkinChanged, reinterpret_cast<WPARAM>(&data), 1000);
  ok.SetBounds(bs::Rect{500, 1, 560, 30});
  EXPECT_EQ(ok.ClientSize().height, 29);
  ok.SetDefaultWidth(80);
  EXPECT_EQ(ok.ClientSize().width, 80);
  GetClientRect(edit.Handle(), &client);
  EXPECT_EQ(edit.TextArea(), (bs::Rect{2, 2, 569 - 2, edit.ClientSize().height - 2}));
}

TEST_F(Controls, EditKeepsOneLineAndPassesEnterToItsKeyEvents) {
  std::vector<WORD> downs;
  std::vector<wchar_t> presses;
  edit.OnKeyDown = [&](WORD& k) { downs.push_back(k); };
  edit.OnKeyPress = [&](wchar_t& c) { presses.push_back(c); };
  HWND e = edit.Handle();
  SetFocus(e);
  for (wchar_t c : std::wstring(L"ab\r\x1B\nc")) SendMessageW(e, WM_CHAR, c, 1);
  SendMessageW(e, WM_KEYDOWN, VK_RETURN, 1);
  EXPECT_EQ(edit.Text(), L"abc");
  EXPECT_EQ(presses, (std::vector<wchar_t>{L'a', L'b', L'\r', 0x1B, L'\n', L'c'}));
  EXPECT_EQ(downs, std::vector<WORD>{VK_RETURN});
  EXPECT_EQ(SendMessageW(e, EM_GETLINECOUNT, 0, 0), 1);

  edit.SetSel(1, 1);
  EXPECT_EQ(edit.SelStart(), 1);
  EXPECT_EQ(edit.SelLength(), 1);
  SendMessageW(e, WM_CHAR, L'X', 1);
  EXPECT_EQ(edit.Text(), L"aXc");
  // A key-down handler that sets the key to 0 drops it.
  edit.OnKeyDown = [](WORD& k) { k = 0; };
  edit.SetSel(0, 0);
  SendMessageW(e, WM_KEYDOWN, VK_DELETE, 1);
  EXPECT_EQ(edit.Text(), L"aXc");

  // Read-only: typing, clearing, pasting and the Delete key change nothing.
  edit.OnKeyDown = nullptr;
  edit.SetReadOnly(true);
  edit.SelectAll();
  SendMessageW(e, WM_CHAR, L'Z', 1);
  SendMessageW(e, WM_CLEAR, 0, 0);
  SendMessageW(e, WM_PASTE, 0, 0);
  SendMessageW(e, WM_KEYDOWN, VK_DELETE, 1);
  EXPECT_EQ(edit.Text(), L"aXc");
}

TEST_F(Controls, SpeedButtonsClickOnlyWhenReleasedOverThemAndWhileEnabled) {
  Mouse(WM_MOUSEMOVE, 10, 10);
  EXPECT_TRUE(back.State().MouseIn());
  Mouse(WM_LBUTTONDOWN, 10, 10);
  EXPECT_TRUE(back.State().Down());
  Mouse(WM_LBUTTONUP, 12, 12);
  EXPECT_EQ(backClicks, 1);
  EXPECT_FALSE(back.State().Down());

  // Released outside: no click, and up again.
  Mouse(WM_LBUTTONDOWN, 10, 10);
  Mouse(WM_MOUSEMOVE, 200, 10);
  EXPECT_FALSE(back.State().MouseIn());
  Mouse(WM_LBUTTONUP, 200, 10);
  EXPECT_EQ(backClicks, 1);
  EXPECT_FALSE(back.State().Down());

  // The mouse moves from one to the next.
  Mouse(WM_MOUSEMOVE, 10, 10);
  Mouse(WM_MOUSEMOVE, 35, 10);
  EXPECT_FALSE(back.State().MouseIn());
  EXPECT_TRUE(forward.State().MouseIn());

  forward.SetEnabled(false);
  Mouse(WM_MOUSEMOVE, 35, 10);
  Mouse(WM_LBUTTONDOWN, 35, 10);
  Mouse(WM_LBUTTONUP, 35, 10);
  EXPECT_EQ(forwardClicks, 0);
  EXPECT_FALSE(forward.State().MouseIn());

  // Buttons of one group release each other.
  back.State().groupIndex = forward.State().groupIndex = 1;
  forward.SetEnabled(true);
  forward.SetDown(true);
  back.SetDown(true);
  EXPECT_FALSE(forward.State().Down());
}

TEST_F(Controls, PushButtonClicksByMouseSpaceAndEnter) {
  HWND b = ok.Handle();
  SendMessageW(b, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  EXPECT_EQ(GetFocus(), b);
  SendMessageW(b, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(okClicks, 1);
  SendMessageW(b, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  SendMessageW(b, WM_LBUTTONUP, 0, MAKELPARAM(100, 5));  // outside
  EXPECT_EQ(okClicks, 1);
  SendMessageW(b, WM_KEYDOWN, VK_SPACE, 0);
  SendMessageW(b, WM_KEYUP, VK_SPACE, 0);
  SendMessageW(b, WM_KEYDOWN, VK_RETURN, 0);
  EXPECT_EQ(okClicks, 3);
}

// The row as the portable looks draw it: panel, then each button's picture
// and glyph.
bs::Picture PortableRow(const bs::TbsSkinData& data, bs::Size size,
                        const std::vector<std::pair<bs::Rect, bs::ButtonLookState>>& buttons) {
  bs::PanelState p;
  p.size = size;
  bs::Picture want = bs::PanelPicture(bs::LookUpSection(&data, "panel"), p, bs::SystemColors{});
  const bs::ControlSection tool = bs::LookUpSection(&data, "toolbutton");
  for (const auto& [r, st] : buttons) {
    const bs::ButtonLook look = bs::SpeedButtonLook(tool, st, bs::SystemColors{}, 0);
    bs::GlyphSpec g;
    g.glyph = bs::Size{20, 20};
    const bs::ButtonContent c = bs::PlaceButtonContent(look, g, bs::Size{}, st.enabled);
    bs::Picture pic = look.picture;
    bs::DrawGlyph(pic, c.place.glyph.x, c.place.glyph.y, Glyph(), c.glyphSlice);
    bs::CopyPicture(want, r.left, r.top, pic, bs::Rect{0, 0, pic.width, pic.height});
  }
  return want;
}

TEST_F(Controls, RowPrintsAsThePortableLooksInEachState) {
  using State = bs::ButtonLookState;
  auto state = [](bool mouseIn, bool down, bool enabled) {
    State s;
    s.size = bs::Size{25, 26};
    s.mouseIn = mouseIn;
    s.down = down;
    s.enabled = enabled;
    return s;
  };
  const bs::Rect b0{1, 0, 26, 26}, b1{26, 0, 51, 26};
  const bs::Size size{658, 26};
  EXPECT_TRUE(Printed(row.Handle()).pixels ==
              PortableRow(data, size, {{b0, state(false, false, true)}, {b1, state(false, false, true)}}).pixels);
  // Hovered, once the fade has run; pressed; disabled.
  Mouse(WM_MOUSEMOVE, 10, 10);
  for (int i = 0; i < 8; ++i) back.TimerTick(0);
  EXPECT_TRUE(Printed(row.Handle()).pixels ==
              PortableRow(data, size, {{b0, state(true, false, true)}, {b1, state(false, false, true)}}).pixels);
  Mouse(WM_LBUTTONDOWN, 10, 10);
  bs::Picture pressed = Printed(row.Handle());
  EXPECT_TRUE(pressed.pixels ==
              PortableRow(data, size, {{b0, state(true, true, true)}, {b1, state(false, false, true)}}).pixels);
  Mouse(WM_LBUTTONUP, 10, 10);
  forward.SetEnabled(false);
  Mouse(WM_MOUSEMOVE, 300, 10);
  for (int i = 0; i < 8; ++i) back.TimerTick(0);
  EXPECT_TRUE(Printed(row.Handle()).pixels ==
              PortableRow(data, size, {{b0, state(false, false, true)}, {b1, state(false, false, false)}}).pixels);
}

TEST_F(Controls, ManyHoversPressesAndResizesHoldNoGdiObjects) {
  Pump();
  const int before = skintest::GdiObjectCount();
  ASSERT_GT(before, 0) << "this system gives no count of GDI objects";
  for (int i = 0; i < 100; ++i) {
    Mouse(WM_MOUSEMOVE, 10, 10);
    Mouse(WM_LBUTTONDOWN, 10, 10);
    Mouse(WM_LBUTTONUP, 10, 10);
    Mouse(WM_MOUSEMOVE, 300, 10);
    SendMessageW(ok.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
    SendMessageW(ok.Handle(), WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(3, 3));
    SendMessageW(ok.Handle(), WM_LBUTTONUP, 0, MAKELPARAM(3, 3));
    SendMessageW(edit.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
    SendMessageW(edit.Handle(), WM_CHAR, L'a' + i % 26, 1);
    const int w = 400 + (i * 37) % 300;
    row.SetBounds(bs::Rect{0, 100, w, 126});
    edit.SetBounds(bs::Rect{41, 1, w - 60, 24});
    RedrawWindow(form.Handle(), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
    Pump();
  }
  EXPECT_EQ(skintest::GdiObjectCount(), before);
}

}  // namespace
