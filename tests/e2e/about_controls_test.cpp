// The About window's skinned controls as a user meets them: placed by the
// skin's size rules as the window resizes, their pixels on screen equal to
// the portable looks in each state, and worked with the real mouse and
// keyboard, their handlers seen by what they do.
#include <gtest/gtest.h>

#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#include "skin/controls/bsAboutLayout.h"
#include "skin/controls/bsButtonLook.h"
#include "skin/controls/bsEditLook.h"
#include "skin/controls/bsGlyph.h"
#include "skin/controls/bsPanelLook.h"
#include "skin/draw/bsGeometry.h"
#include "skin/draw/bsPictureCopy.h"
#include "skinwin/bsPaint.h"
#include "skinwin/bsSkinCanvas.h"
#include "skinwin/bsSkinCtrls.h"
#include "tests/e2e/aboutwindow.h"

namespace {

using e2e::AboutSkinData;
using e2e::ScreenShot;

bs::Picture GlyphOf(int button) {
  static const char* const files[] = {"back", "forward", "about", "home", "email", "bbs", "export"};
  const std::string path = std::string(ABOUT_GLYPHS) + "\\" + files[button] + ".bmp";
  std::ifstream in(path, std::ios::binary);
  if (!in) throw e2e::Failure("cannot read " + path);
  const std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), {});
  std::size_t used = 0;
  return bs::ReadBmp(bytes.data(), bytes.size(), &used);
}

// A rectangle of child in the client coordinates of parent.
bs::Rect RectIn(HWND child, HWND parent) {
  RECT r = e2e::WindowRect(child);
  MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&r), 2);
  return bs::FromRECT(r);
}

RECT OnScreen(HWND parent, const bs::Rect& r) {
  RECT s = bs::ToRECT(r);
  MapWindowPoints(parent, HWND_DESKTOP, reinterpret_cast<POINT*>(&s), 2);
  return s;
}

// Pixels of shot that differ from want outside the rectangles skipped; and
// whether each rectangle that must hold text has a pixel that differs.
std::string Difference(const bs::Picture& shot, const bs::Picture& want,
                       const std::vector<bs::Rect>& skip = {},
                       const std::vector<bs::Rect>& text = {}) {
  if (shot.width != want.width || shot.height != want.height)
    return "size " + std::to_string(shot.width) + "x" + std::to_string(shot.height) + ", want " +
           std::to_string(want.width) + "x" + std::to_string(want.height);
  int differing = 0;
  std::string first;
  for (int y = 0; y < shot.height; ++y)
    for (int x = 0; x < shot.width; ++x) {
      bool skipped = false;
      for (const bs::Rect& r : skip) skipped = skipped || bs::Contains(r, x, y);
      if (skipped || shot.At(x, y) == want.At(x, y)) continue;
      if (differing++ == 0) {
        char buf[80];
        std::snprintf(buf, sizeof buf, " first at %d,%d: %06X, want %06X", x, y, shot.At(x, y),
                      want.At(x, y));
        first = buf;
      }
    }
  for (const bs::Rect& r : text) {
    int ink = 0;
    for (int y = std::max(r.top, 0); y < std::min(r.bottom, shot.height); ++y)
      for (int x = std::max(r.left, 0); x < std::min(r.right, shot.width); ++x)
        ink += shot.At(x, y) != want.At(x, y);
    if (ink == 0) return "no text pixels in its rectangle";
  }
  return differing ? std::to_string(differing) + " pixels differ;" + first : "";
}

// Waits for the window's pixels to equal what want() gives.
std::string Settled(HWND parent, const bs::Rect& r, const std::function<std::string(const bs::Picture&)>& check) {
  std::string d;
  e2e::WaitFor([&] { return (d = check(ScreenShot(OnScreen(parent, r)))).empty(); }, 3000);
  return d;
}

void Key(WORD vk, bool down) {
  e2e::KeyEvent(vk, down);
  Sleep(10);
}

void TypeKeys(const std::wstring& text) {
  for (wchar_t c : text) {
    INPUT in[2] = {};
    in[0].type = in[1].type = INPUT_KEYBOARD;
    in[0].ki.wScan = in[1].ki.wScan = c;
    in[0].ki.dwFlags = KEYEVENTF_UNICODE;
    in[1].ki.dwFlags = KEYEVENTF_UNICODE | KEYEVENTF_KEYUP;
    SendInput(2, in, sizeof in[0]);
    Sleep(10);
  }
}

// The About window shown and in front, its controls found.
class AboutControls : public ::testing::Test {
 protected:
  void SetUp() override {
    SetForegroundWindow(a.hwnd);
    ASSERT_TRUE(e2e::WaitFor([&] { return GetForegroundWindow() == a.hwnd; }));
    for (HWND p : e2e::Children(a.hwnd, L"TbsSkinPanel")) {
      if (GetParent(p) != a.hwnd) panel2 = p;
      else if (RectIn(p, a.hwnd).top == 0) panel1 = p;
      else panel3 = p;
    }
    const auto edits = e2e::Children(a.hwnd, L"Edit");
    const auto buttons = e2e::Children(a.hwnd, L"TbsSkinButton");
    ASSERT_TRUE(panel1 && panel2 && panel3 && edits.size() == 1 && buttons.size() == 1);
    edit = edits[0];
    ok = buttons[0];
    e2e::MouseMoveTo(5, 5);  // away from the window
    a.p.Idle();
  }
  bs::AboutLayout Layout() const {
    const RECT c = e2e::ClientRect(a.hwnd);
    return bs::LayOutAboutWindow(&AboutSkinData(), bs::Size{c.right, c.bottom});
  }
  std::wstring Asked() { return e2e::PaneAddress(a.p, a.hwnd); }
  POINT Centre(HWND parent, const bs::Rect& r) {
    const RECT s = OnScreen(parent, r);
    return POINT{(s.left + s.right) / 2, (s.top + s.bottom) / 2};
  }
  void Click(POINT at) {
    e2e::MouseMoveTo(at.x, at.y);
    e2e::MouseButton(true, true);
    e2e::MouseButton(true, false);
  }

  e2e::About a;
  HWND panel1 = nullptr, panel2 = nullptr, panel3 = nullptr, edit = nullptr, ok = nullptr;
};

// ---- placement -------------------------------------------------------------------

TEST_F(AboutControls, SizesFromTheSkinAndEdgesKeptAsTheWindowResizes) {
  for (int grow : {0, 160}) {
    if (grow) {
      const RECT b = a.Bounds();
      SetWindowPos(a.hwnd, nullptr, 0, 0, b.right - b.left + grow, b.bottom - b.top + grow / 2,
                   SWP_NOMOVE | SWP_NOZORDER);
      a.p.Idle();
    }
    SCOPED_TRACE("grown by " + std::to_string(grow));
    const RECT client = e2e::ClientRect(a.hwnd);
    const bs::AboutLayout l = Layout();
    EXPECT_EQ(RectIn(panel1, a.hwnd), l.panel1);
    EXPECT_EQ(RectIn(panel3, a.hwnd), l.panel3);
    EXPECT_EQ(RectIn(panel2, panel1), l.panel2);
    EXPECT_EQ(RectIn(edit, panel1), l.edit);
    EXPECT_EQ(RectIn(ok, panel1), l.okButton);
    // The skin's sizes, and the edges each control keeps.
    EXPECT_EQ(l.okButton.Height(), 21);
    EXPECT_EQ(l.edit.Height(), 21);
    EXPECT_EQ(l.panel2.Width(), 40);
    EXPECT_EQ(l.buttons[bs::kSbBackword].Height(), 26);
    EXPECT_EQ(l.panel1.right, client.right);
    EXPECT_EQ(l.okButton.right, client.right - 1);
    EXPECT_EQ(l.panel3.bottom, client.bottom);
    EXPECT_EQ(l.browser, (bs::Rect{0, 25, client.right, client.bottom - 26}));
    EXPECT_EQ(l.buttons[bs::kSbExport].right, client.right - 2);
  }
}

// ---- pixels ----------------------------------------------------------------------

bs::ButtonLookState SpeedState(bool mouseIn, bool down, bool enabled) {
  bs::ButtonLookState s;
  s.size = bs::Size{25, 26};
  s.mouseIn = mouseIn;
  s.down = down;
  s.enabled = enabled;
  return s;
}

// The bottom row as the portable looks draw it; states by button.
bs::Picture PortableRow(const bs::AboutLayout& l, const std::vector<bs::ButtonLookState>& states,
                        std::vector<bs::Point>* glyphs = nullptr) {
  const bs::TbsSkinData& skin = AboutSkinData();
  bs::PanelState p;
  p.size = bs::Size{l.panel3.Width(), l.panel3.Height()};
  bs::Picture row = bs::PanelPicture(bs::LookUpSection(&skin, "panel"), p, bs::CurrentSystemColors());
  const bs::ControlSection tool = bs::LookUpSection(&skin, "toolbutton");
  for (int i = 0; i < bs::kAboutButtonCount; ++i) {
    const bs::ButtonLook look = bs::SpeedButtonLook(tool, states[i], bs::CurrentSystemColors(), 0);
    const bs::Picture glyph = GlyphOf(i);
    bs::GlyphSpec g;
    g.glyph = bs::Size{glyph.width, glyph.height};
    g.spacing = i == bs::kSbExport ? 0 : 1;
    const bs::ButtonContent c = bs::PlaceButtonContent(look, g, bs::Size{}, states[i].enabled);
    bs::Picture pic = look.picture;
    bs::DrawGlyph(pic, c.place.glyph.x, c.place.glyph.y, glyph, c.glyphSlice);
    if (glyphs) glyphs->push_back(c.place.glyph);
    const bs::Rect& r = l.buttons[i];
    bs::CopyPicture(row, r.left, r.top, pic, bs::Rect{0, 0, pic.width, pic.height});
  }
  return row;
}

std::vector<bs::ButtonLookState> AtStart() {
  std::vector<bs::ButtonLookState> s(bs::kAboutButtonCount, SpeedState(false, false, true));
  s[bs::kSbForward].enabled = false;  // disabled at start
  return s;
}

bs::Picture PortableEdit(bs::Size size, bool active) {
  bs::EditState e;
  e.size = size;
  e.mouseOver = active;
  return bs::EditPicture(bs::LookUpSection(&AboutSkinData(), "edit"), e, bs::CurrentSystemColors());
}

// The OK button's look and where its caption goes.
struct OkLook {
  bs::Picture picture;
  bs::Rect text;
};
OkLook PortableOk(bs::Size size, bool mouseIn, bool down, bool focused) {
  const bs::ControlSection s = bs::LookUpSection(&AboutSkinData(), "button");
  bs::ButtonLookState st;
  st.size = size;
  st.mouseIn = mouseIn;
  st.down = down;
  st.focused = focused;
  st.morphFactor = mouseIn || focused ? 1 : 0;
  const bs::ButtonLook look = bs::PushButtonLook(s, st, bs::CurrentSystemColors(), 0);
  const vellumo::UniqueFont font =
      bs::FontOf(bs::SkinControlFont<bs::TbsDataSkinButtonControl>(s, bs::TbsControlDefaults{}));
  bs::TbsCanvas measure(1, 1);
  const bs::Size text = measure.MeasureText(font.get(), L"确定", DT_SINGLELINE);
  const bs::ButtonContent c = bs::PlaceButtonContent(look, bs::GlyphSpec{}, text, true);
  return OkLook{look.picture, c.textRect};
}

TEST_F(AboutControls, PixelsOnScreenEqualThePortableLooksAtRest) {
  const bs::AboutLayout l = Layout();
  const bs::TbsSkinData& skin = AboutSkinData();
  // The address bar has no skin data: the plain look shows around its children.
  bs::PanelState bar;
  bar.size = bs::Size{l.panel1.Width(), l.panel1.Height()};
  EXPECT_EQ(Settled(a.hwnd, l.panel1, [&](const bs::Picture& shot) {
              return Difference(shot, bs::PanelPicture(bs::ControlSection{}, bar, bs::CurrentSystemColors()),
                                {l.panel2, l.edit, l.okButton});
            }), "");
  bs::PanelState labelPanel;
  labelPanel.size = bs::Size{l.panel2.Width(), l.panel2.Height()};
  const bs::Picture panel2Want =
      bs::PanelPicture(bs::LookUpSection(&skin, "panel"), labelPanel, bs::CurrentSystemColors());
  EXPECT_EQ(Settled(panel1, l.panel2, [&](const bs::Picture& shot) {
              return Difference(shot, panel2Want, {l.note}, {l.note});
            }), "");
  // Shown, the window puts the focus in the edit: the active look, with the
  // caret at the start of the text area.
  EXPECT_EQ(Settled(panel1, l.edit, [&](const bs::Picture& shot) {
              return Difference(shot, PortableEdit(bs::Size{l.edit.Width(), 21}, true),
                                {bs::Rect{3, 3, 8, 18}});
            }), "");
  const OkLook okWant = PortableOk(bs::Size{l.okButton.Width(), 21}, false, false, false);
  EXPECT_EQ(Settled(panel1, l.okButton, [&](const bs::Picture& shot) {
              return Difference(shot, okWant.picture, {okWant.text}, {okWant.text});
            }), "");
  // Forward is disabled; its section has no disabled picture, so it shows the normal one.
  const bs::Picture rowWant = PortableRow(l, AtStart());
  EXPECT_EQ(Settled(a.hwnd, l.panel3, [&](const bs::Picture& shot) { return Difference(shot, rowWant); }), "");
}

// ---- the real mouse --------------------------------------------------------------

TEST_F(AboutControls, SpeedButtonFadesInPressesWithTheGlyphMovedAndClicksOnlyOverItself) {
  const bs::AboutLayout l = Layout();
  const bs::Rect back = l.buttons[bs::kSbBackword];
  const bs::Rect inRow = bs::Moved(back, l.panel3.left, l.panel3.top);
  auto buttonOf = [&](const bs::Picture& row) { return bs::CropPicture(row, back); };
  std::vector<bs::ButtonLookState> states = AtStart();
  const bs::Picture normal = buttonOf(PortableRow(l, states));
  states[bs::kSbBackword] = SpeedState(true, false, true);
  const bs::Picture hover = buttonOf(PortableRow(l, states));

  // Hovering fades from the normal to the mouse-over picture: some frame
  // in between is neither.
  const POINT at = Centre(a.hwnd, inRow);
  e2e::MouseMoveTo(at.x, at.y);
  bool between = false, arrived = false;
  for (DWORD start = GetTickCount(); GetTickCount() - start < 2000 && !arrived;) {
    const bs::Picture shot = ScreenShot(OnScreen(a.hwnd, inRow));
    between = between || (shot.pixels != normal.pixels && shot.pixels != hover.pixels);
    arrived = shot.pixels == hover.pixels;
  }
  EXPECT_TRUE(arrived);
  EXPECT_TRUE(between) << "no frame of the fade was seen";

  // Pressed: the pressed picture, the glyph one pixel down and right.
  std::vector<bs::Point> upGlyphs, downGlyphs;
  PortableRow(l, states, &upGlyphs);
  states[bs::kSbBackword] = SpeedState(true, true, true);
  const bs::Picture pressed = buttonOf(PortableRow(l, states, &downGlyphs));
  EXPECT_EQ(downGlyphs[0].x, upGlyphs[0].x + 1);
  EXPECT_EQ(downGlyphs[0].y, upGlyphs[0].y + 1);
  e2e::MouseButton(true, true);
  EXPECT_EQ(Settled(a.hwnd, inRow, [&](const bs::Picture& s) { return Difference(s, pressed); }), "");

  // Released elsewhere: no click, the button up again; Back, which a click
  // disables on a fresh window, lights up again under the mouse.
  e2e::MouseMoveTo(at.x + 200, at.y);
  e2e::MouseButton(true, false);
  a.p.Idle();
  EXPECT_EQ(Settled(a.hwnd, inRow, [&](const bs::Picture& s) { return Difference(s, normal); }), "");
  e2e::MouseMoveTo(at.x, at.y);
  EXPECT_EQ(Settled(a.hwnd, inRow, [&](const bs::Picture& s) { return Difference(s, hover); }), "");

  // Released over it: the click; Back fails on a fresh window and is
  // disabled, its normal look under the mouse.
  Click(at);
  states[bs::kSbBackword] = SpeedState(false, false, false);
  const bs::Picture disabled = buttonOf(PortableRow(l, states));
  EXPECT_EQ(Settled(a.hwnd, inRow, [&](const bs::Picture& s) { return Difference(s, disabled); }), "");

  // Forward, disabled at start, neither lights up nor clicks.
  const bs::Rect forward = bs::Moved(l.buttons[bs::kSbForward], l.panel3.left, l.panel3.top);
  Click(Centre(a.hwnd, forward));
  Sleep(300);
  a.p.Idle();
  const bs::Picture rowAtStart = PortableRow(l, AtStart());
  EXPECT_EQ(Settled(a.hwnd, forward, [&](const bs::Picture& s) {
              return Difference(s, bs::CropPicture(rowAtStart, l.buttons[bs::kSbForward]));
            }), "");
}

TEST_F(AboutControls, OkButtonHoverPressAndFocusLooksAndItsClick) {
  const bs::AboutLayout l = Layout();
  const bs::Size size{l.okButton.Width(), 21};
  auto matches = [&](const OkLook& want) {
    return Settled(panel1, l.okButton, [&](const bs::Picture& s) {
      return Difference(s, want.picture, {want.text}, {want.text});
    });
  };
  const POINT at = Centre(panel1, l.okButton);
  const std::wstring address = L"File://C:/ok.htm";
  if (!SendMessageTimeoutW(edit, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(address.c_str()),
                          SMTO_ABORTIFHUNG, 5000, nullptr))
    a.p.Fail("filling in the address");
  e2e::MouseMoveTo(at.x, at.y);
  EXPECT_EQ(matches(PortableOk(size, true, false, false)), "") << "hover";
  e2e::MouseButton(true, true);
  EXPECT_EQ(matches(PortableOk(size, true, true, true)), "") << "pressed";
  ASSERT_NE(Asked(), address);
  e2e::MouseButton(true, false);
  EXPECT_TRUE(e2e::WaitFor([&] { return Asked() == address; }, 3000));  // the click goes there
  e2e::MouseMoveTo(5, 5);
  EXPECT_EQ(matches(PortableOk(size, false, false, true)), "") << "focused";
}

TEST_F(AboutControls, EditTypesSelectsAndTakesEnterAsACommand) {
  const bs::AboutLayout l = Layout();
  const bs::Size size{l.edit.Width(), 21};
  const bs::Rect area{3, 3, size.width - 3, 18};
  const POINT at = Centre(panel1, l.edit);
  e2e::MouseMoveTo(at.x, at.y);
  // Hovered: the active frame.
  EXPECT_EQ(Settled(panel1, l.edit, [&](const bs::Picture& s) {
              return Difference(s, PortableEdit(size, true), {area});
            }), "");
  e2e::MouseButton(true, true);
  e2e::MouseButton(true, false);
  ASSERT_TRUE(e2e::WaitFor([&] {
    GUITHREADINFO g = {sizeof g};
    return GetGUIThreadInfo(GetWindowThreadProcessId(edit, nullptr), &g) && g.hwndFocus == edit;
  }));
  TypeKeys(L"abc");
  ASSERT_TRUE(e2e::WaitFor([&] { return e2e::WindowText(edit) == L"abc"; }, 3000))
      << e2e::Utf8(e2e::WindowText(edit));
  // Focused, away from the mouse: still the active frame, and the text drawn.
  e2e::MouseMoveTo(5, 5);
  EXPECT_EQ(Settled(panel1, l.edit, [&](const bs::Picture& s) {
              return Difference(s, PortableEdit(size, true), {area}, {area});
            }), "");

  // Enter reaches the key-down handler, which runs the OK button's: the
  // pane is asked the address; nothing is inserted.
  ASSERT_NE(Asked(), L"abc");
  Key(VK_RETURN, true);
  Key(VK_RETURN, false);
  EXPECT_TRUE(e2e::WaitFor([&] { return Asked() == L"abc"; }, 3000));
  a.p.Idle();
  EXPECT_EQ(e2e::WindowText(edit), L"abc");

  // Selecting with Shift+Home and typing over the selection.
  Key(VK_SHIFT, true);
  Key(VK_HOME, true);
  Key(VK_HOME, false);
  Key(VK_SHIFT, false);
  a.p.Idle();
  DWORD_PTR sel = 0;
  SendMessageTimeoutW(edit, EM_GETSEL, 0, 0, SMTO_ABORTIFHUNG, 5000, &sel);
  EXPECT_EQ(LOWORD(sel), 0);
  EXPECT_EQ(HIWORD(sel), 3);
  TypeKeys(L"xy");
  EXPECT_TRUE(e2e::WaitFor([&] { return e2e::WindowText(edit) == L"xy"; }, 3000))
      << e2e::Utf8(e2e::WindowText(edit));
}

}  // namespace
