#include "skinwin/bsSkinPopupWindow.h"

#include <algorithm>

#include "skin/controls/bsGlyph.h"
#include "skin/draw/bsGeometry.h"
#include "skin/draw/bsPictureCopy.h"
#include "skin/draw/bsRegionData.h"
#include "skin/frame/bsFramePlace.h"
#include "skin/frame/bsFrameShape.h"
#include "skin/frame/bsFrameStrips.h"
#include "skinwin/bsPaint.h"
#include "skinwin/bsSkinMenus.h"

namespace bs {

namespace {

// A line from the first point up to, not including, the second; level,
// upright or at 45 degrees.
void Line(Picture& p, int x1, int y1, int x2, int y2, Pixel c) {
  const int dx = (x2 > x1) - (x2 < x1), dy = (y2 > y1) - (y2 < y1);
  for (int x = x1, y = y1; x != x2 || y != y2; x += dx, y += dy)
    if (x >= 0 && y >= 0 && x < p.width && y < p.height) p.Set(x, y, c);
}

void Box(Picture& p, int l, int t, int r, int b, Pixel c) {
  Line(p, l, t, r - 1, t, c);
  Line(p, r - 1, t, r - 1, b - 1, c);
  Line(p, r - 1, b - 1, l, b - 1, c);
  Line(p, l, b - 1, l, t, c);
}

void Fill(Picture& p, int l, int t, int r, int b, Pixel c) {
  for (int y = t; y < b; ++y) Line(p, l, y, r, y, c);
}

// The built-in glyph of a system-menu item, a check mark or a dot, in a
// 10 x 10 cell at (a, b); false when the item has none.
bool DrawGlyph(Picture& p, const MenuItem& item, int a, int b, Pixel c) {
  const std::string& n = item.name;
  if (n == "BSF_CLOSE" || n == "TRAY_BSF_CLOSE") {
    Line(p, a + 1, b + 1, a + 9, b + 9, c), Line(p, a + 9, b + 1, a + 1, b + 9, c);
    Line(p, a + 2, b + 1, a + 10, b + 9, c), Line(p, a + 8, b + 1, a, b + 9, c);
  } else if (n == "BSF_MINITEM") {
    Line(p, a + 1, b + 8, a + 9, b + 8, c), Line(p, a + 1, b + 9, a + 9, b + 9, c);
  } else if (n == "BSF_MAXITEM") {
    Box(p, a, b, a + 10, b + 10, c), Box(p, a, b, a + 10, b + 2, c);
  } else if (n == "BSF_RESTORE" || n == "TRAY_BSF_RESTORE") {
    Box(p, a + 2, b, a + 10, b + 6, c), Box(p, a + 2, b, a + 10, b + 2, c);
    Box(p, a, b + 4, a + 7, b + 10, c), Box(p, a, b + 4, a + 7, b + 6, c);
  } else if (n == "BSF_ROLLUP") {
    for (int i = 0; i < 5; ++i) Line(p, a + 1 + i, b + 6 - i, a + 9 - i, b + 6 - i, c);
  } else if (n == "BSF_MINTOTRAY") {
    Fill(p, a + 2, b + 2, a + 7, b + 7, c);
  } else if (item.checked && item.radioItem) {
    Fill(p, a + 3, b + 4, a + 7, b + 6, c), Fill(p, a + 4, b + 3, a + 6, b + 7, c);
  } else if (item.checked) {
    for (int d = 0; d < 2; ++d) {
      Line(p, a + 1, b + 4 + d, a + 4, b + 7 + d, c);
      Line(p, a + 4, b + 7 + d, a + 9, b + 2 + d, c);
    }
  } else {
    return false;
  }
  return true;
}

// A small filled triangle pointing right (sub-menu) ending at x, centred on y.
void RightArrow(Picture& p, int x, int y, Pixel c) {
  for (int i = 0; i < 4; ++i) Line(p, x - 4 + i, y - 3 + i, x - 4 + i, y + 4 - i, c);
}

// A scroll marker's triangle, up or down, centred in r.
void MarkerArrow(Picture& p, const Rect& r, bool up, Pixel c) {
  const int cx = (r.left + r.right) / 2, top = r.top + (r.Height() - 4) / 2;
  for (int i = 0; i < 4; ++i) {
    const int half = up ? i : 3 - i;
    Line(p, cx - half, top + i, cx + half + 1, top + i, c);
  }
}

// A memory device context holding a bitmap of a size, freed on destruction.
class MemoryCanvas {
 public:
  MemoryCanvas(HDC like, int w, int h)
      : dc_(CreateCompatibleDC(like)), bitmap_(CreateCompatibleBitmap(like, w, h)),
        old_(SelectObject(dc_, bitmap_)) {}
  ~MemoryCanvas() {
    SelectObject(dc_, old_);
    DeleteObject(bitmap_);
    DeleteDC(dc_);
  }
  MemoryCanvas(const MemoryCanvas&) = delete;
  MemoryCanvas& operator=(const MemoryCanvas&) = delete;
  HDC dc() const { return dc_; }

 private:
  HDC dc_;
  HBITMAP bitmap_;
  HGDIOBJ old_;
};

bool Morphing(const PopupDrawing& d) { return d.itemDescriptor && d.itemDescriptor->morphing; }

}  // namespace

// ---- TbsSkinMenuItem ---------------------------------------------------------

bool TbsSkinMenuItem::StepFade(bool highlighted) {
  const double before = fade;
  fade = StepItemFade(fade, highlighted);
  return fade != before;
}

MenuItemLook TbsSkinMenuItem::Look(const MenuItem& item, const Rect& rect, bool highlighted,
                                   const PopupDrawing& d) const {
  MenuItemState st;
  st.size = Size{rect.Width(), rect.Height()};
  st.highlighted = highlighted;
  st.enabled = item.enabled;
  st.separator = item.IsSeparator();
  if (Morphing(d)) {
    // While the fade runs its far end does not show yet.
    const bool settled = fade == (highlighted ? 1.0 : 0.0);
    st.fade = settled ? fade : std::clamp(fade, 1e-6, 1 - 1e-6);
  }
  return MenuItemLookOf(d.data, d.itemDescriptor, st, d.colours);
}

void TbsSkinMenuItem::Draw(Picture& pic, const MenuItem& item, const Rect& rect, bool highlighted,
                           const PopupDrawing& d) const {
  const MenuItemLook look = Look(item, rect, highlighted, d);
  CopyPicture(pic, rect.left, rect.top, look.picture,
              Rect{0, 0, look.picture.width, look.picture.height});
  if (item.IsSeparator()) return;
  const int cy = rect.top + (look.textArea.top + look.textArea.bottom) / 2;
  DrawGlyph(pic, item, rect.left + look.textArea.left + 3, cy - 5, look.textColour);
  if (!item.items.empty()) RightArrow(pic, rect.left + look.arrowRight, cy, look.textColour);
}

void TbsSkinMenuItem::DrawTexts(HDC dc, const MenuItem& item, const Rect& rect, bool highlighted,
                                const PopupDrawing& d) const {
  if (item.IsSeparator()) return;
  const MenuItemLook look = Look(item, rect, highlighted, d);
  SetTextColor(dc, PixelToColorRef(look.textColour));
  const std::wstring caption = WideFromGbk(item.caption);
  RECT r = ToRECT(Moved(Rect{look.captionX, look.textArea.top, look.textArea.right,
                             look.textArea.bottom},
                        rect.left, rect.top));
  DrawTextW(dc, caption.c_str(), static_cast<int>(caption.size()), &r,
            DT_SINGLELINE | DT_VCENTER | DT_LEFT);
  if (!item.shortcut.empty()) {
    const std::wstring shortcut = WideFromGbk(item.shortcut);
    r = ToRECT(Moved(Rect{look.captionX, look.textArea.top, look.shortcutRight, look.textArea.bottom},
                     rect.left, rect.top));
    DrawTextW(dc, shortcut.c_str(), static_cast<int>(shortcut.size()), &r,
              DT_SINGLELINE | DT_VCENTER | DT_RIGHT);
  }
}

// ---- TbsSkinPopupWindow ------------------------------------------------------

TbsSkinPopupWindow::TbsSkinPopupWindow(TbsSkinMenu& menu, int level) : menu_(menu), level_(level) {}

const PopupLevel& TbsSkinPopupWindow::SessionLevel() const { return menu_.Session()->Level(level_); }

bool TbsSkinPopupWindow::ItemHighlighted(int i) const {
  const PopupLevel& l = SessionLevel();
  return l.Highlight() == i || l.subMenuOpen == i;
}

bool TbsSkinPopupWindow::Create(HWND owner, const PopupDrawing& drawing, bool firstOfOpening) {
  drawing_ = drawing;
  const MenuSession& session = *menu_.Session();
  const PopupLevel& l = session.Level(level_);
  items_.assign(static_cast<std::size_t>(l.Count()), TbsSkinMenuItem{});
  std::wstring text;
  for (int i = 0; i < l.Count(); ++i) text += (i ? L"\n" : L"") + WideFromGbk(l.Item(i).caption);

  const vellumo::WindowClass cls = {kClassName, GetModuleHandleW(nullptr),
                                    LoadCursorW(nullptr, IDC_ARROW), nullptr, nullptr,
                                    CS_SAVEBITS | CS_DROPSHADOW};
  const Rect r = session.LevelRect(level_);
  DWORD ex = WS_EX_TOOLWINDOW | WS_EX_TOPMOST;
  if (menu_.AlphaBlend) ex |= WS_EX_LAYERED;
  if (!CreateHandle(cls, ex, text.c_str(), WS_POPUP, r.left, r.top, r.Width(), r.Height(), owner,
                    nullptr))
    return false;
  HWND hwnd = Handle();
  if (menu_.AlphaBlend) {
    opacity_ = firstOfOpening && menu_.AlphaBlendAnimation ? 0 : -1;
    SetLayeredWindowAttributes(hwnd, 0,
                               static_cast<BYTE>(opacity_ >= 0 ? 0 : menu_.AlphaBlendValue),
                               LWA_ALPHA);
  }
  ShapeWindow();
  SetWindowPos(hwnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  ShowWindow(hwnd, SW_SHOWNOACTIVATE);
  Repaint();
  return true;
}

void TbsSkinPopupWindow::ShapeWindow() {
  if (!drawing_.skinned) return;
  const TbsDataSkinPopupWindow& d = drawing_.data->PopupWindow;
  const Picture* mask = drawing_.data->ExtraPicture(d.maskpictureindex);
  const Picture* picture = drawing_.data->ExtraPicture(d.windowpictureindex);
  if (!mask || mask->Empty() || !picture) return;
  FrameSkin fs;
  fs.pictureWidth = picture->width;
  fs.pictureHeight = picture->height;
  fs.lt = d.lefttoppoint, fs.rt = d.righttoppoint, fs.lb = d.leftbottompoint;
  fs.rb = d.rightbottompoint;
  fs.client = fs.maskArea = d.itemsrect;
  fs.leftStretch = d.leftstretch, fs.rightStretch = d.rightstretch;
  fs.topStretch = d.topstretch, fs.bottomStretch = d.bottomstretch;
  const LevelLayout& layout = SessionLevel().Layout();
  const std::vector<std::uint8_t> data = RegionData(WindowRegion(
      BuildMaskStrips(*mask, fs, layout.width, layout.height),
      PlaceFrame(fs, layout.width, layout.height)));
  HRGN rgn = ExtCreateRegion(nullptr, static_cast<DWORD>(data.size()),
                             reinterpret_cast<const RGNDATA*>(data.data()));
  // The system owns the region once it is set.
  if (rgn && !SetWindowRgn(Handle(), rgn, TRUE)) DeleteObject(rgn);
}

void TbsSkinPopupWindow::Repaint() {
  HWND hwnd = Handle();
  if (!hwnd) return;
  InvalidateRect(hwnd, nullptr, FALSE);
  UpdateWindow(hwnd);
  bool fading = opacity_ >= 0;
  if (Morphing(drawing_))
    for (std::size_t i = 0; i < items_.size() && !fading; ++i)
      fading = items_[i].fade != (ItemHighlighted(static_cast<int>(i)) ? 1.0 : 0.0);
  if (fading) SetTimer(hwnd, kFadeTimer, 20, nullptr);
}

void TbsSkinPopupWindow::FadeTick() {
  bool moving = false;
  if (Morphing(drawing_))
    for (std::size_t i = 0; i < items_.size(); ++i)
      moving |= items_[i].StepFade(ItemHighlighted(static_cast<int>(i)));
  if (opacity_ >= 0) {
    opacity_ = std::min(opacity_ + 3, menu_.AlphaBlendValue);
    SetLayeredWindowAttributes(Handle(), 0, static_cast<BYTE>(opacity_), LWA_ALPHA);
    if (opacity_ >= menu_.AlphaBlendValue) opacity_ = -1;
    else moving = true;
  }
  if (!moving) KillTimer(Handle(), kFadeTimer);
  InvalidateRect(Handle(), nullptr, FALSE);
}

void TbsSkinPopupWindow::Paint(HDC dc) {
  const PopupLevel& l = SessionLevel();
  const LevelLayout& layout = l.Layout();
  Picture pic = PopupLevelPicture(drawing_.skinned ? drawing_.data : nullptr, layout, -1,
                                  drawing_.colours);
  const ItemPlaces& places = l.Places();
  for (int i = 0; i < l.Count(); ++i)
    if (places.visible[i]) items_[i].Draw(pic, l.Item(i), places.rects[i], ItemHighlighted(i), drawing_);
  if (layout.scrolls) {
    const ScrollMarkers m = ScrollMarkersOf(layout, drawing_.skinned);
    auto colour = [&](bool active) {
      if (drawing_.skinned)
        return PixelOf(active ? drawing_.data->PopupWindow.scrollmarkeractivecolor
                              : drawing_.data->PopupWindow.scrollmarkercolor);
      return active ? drawing_.colours.btnText : drawing_.colours.btnShadow;
    };
    MarkerArrow(pic, m.up, true, colour(l.scrollDir < 0));
    MarkerArrow(pic, m.down, false, colour(l.scrollDir > 0));
  }
  MemoryCanvas canvas(dc, layout.width, layout.height);
  DrawPicture(canvas.dc(), 0, 0, pic);
  const HGDIOBJ oldFont = SelectObject(canvas.dc(), drawing_.font);
  SetBkMode(canvas.dc(), TRANSPARENT);
  for (int i = 0; i < l.Count(); ++i)
    if (places.visible[i])
      items_[i].DrawTexts(canvas.dc(), l.Item(i), places.rects[i], ItemHighlighted(i), drawing_);
  SelectObject(canvas.dc(), oldFont);
  BitBlt(dc, 0, 0, layout.width, layout.height, canvas.dc(), 0, 0, SRCCOPY);
}

LRESULT TbsSkinPopupWindow::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_MOUSEACTIVATE:
      return MA_NOACTIVATE;
    case WM_ERASEBKGND:
      return 1;  // the paint covers it
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(Handle(), &ps);
      if (menu_.Session() && level_ < menu_.Session()->LevelCount()) Paint(dc);
      EndPaint(Handle(), &ps);
      return 0;
    }
    case WM_LBUTTONUP:
      menu_.LevelMouseUp(level_, Point{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))});
      return 0;
    case WM_TIMER:
      if (wp == kFadeTimer) {
        FadeTick();
        return 0;
      }
      break;
    default:
      break;
  }
  return DefaultProc(msg, wp, lp);
}

}  // namespace bs
