#include "tests/e2e/aboutwindow.h"

#include <fstream>
#include <iterator>

#include "app/menuids.h"
#include "skinwin/bsPaint.h"

namespace e2e {

const bs::TbsSkinData& AboutSkinData() {
  static bs::TbsSkinData skin;
  static bool loaded = false;
  if (!loaded) {
    std::ifstream in(ABOUT_SKIN, std::ios::binary);
    if (!in) throw Failure("cannot read " ABOUT_SKIN);
    bs::TbsCompressedStoredSkin stored;
    std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), {});
    stored.CompressedData = bs::TMemoryStream(std::move(bytes));
    skin.LoadFromStoredSkin(stored);
    loaded = true;
  }
  return skin;
}

About::About() {
  p.Main();
  // Created hidden at start-up, before the command.
  HWND hidden = p.WaitWindow(L"Taboutform");
  if (!hidden) p.Fail("no About window was created at start-up");
  p.Idle();  // its creation is over
  p.Command(vellumo::kMenuAbout);
  hwnd = p.WaitWindow(L"Taboutform", 5000, true);
  if (hwnd != hidden) p.Fail("the About command showed another window");
  p.Idle();
}

std::wstring PaneAddress(Program& p, HWND about) {
  const std::vector<HWND> panes = Children(about, L"VellumoBrowserPane");
  if (panes.size() != 1) p.Fail("the About window has no browser pane");
  return WindowText(panes[0]);
}

bs::Picture ScreenShot(const RECT& r) {
  HDC screen = GetDC(nullptr);
  bs::Picture shot = bs::ReadPicture(screen, bs::FromRECT(r));
  ReleaseDC(nullptr, screen);
  return shot;
}

}  // namespace e2e
