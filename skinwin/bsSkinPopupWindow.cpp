#include "skinwin/bsSkinPopupWindow.h"

#include <algorithm>

#include "skin/draw/bsGeometry.h"
#include "skin/draw/bsPictureCopy.h"
#include "skin/menus/bsMenuGlyphs.h"
#include "skin/menus/bsPopupLook.h"
#include "skinwin/bsPaint.h"
#include "skinwin/bsSkinMenus.h"

namespace bs {

namespace {

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
  DrawMenuItemGlyph(pic, item, rect.left + look.textArea.left + 3, cy - 5, look.textColour);
  if (!item.items.empty()) DrawSubMenuArrow(pic, rect.left + look.arrowRight, cy, look.textColour);
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
  if (const std::optional<Region> shape = PopupLevelRegion(drawing_.data, SessionLevel().Layout()))
    SetWindowRegion(Handle(), *shape);
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
    DrawScrollMarker(pic, m.up, true, colour(l.scrollDir < 0));
    DrawScrollMarker(pic, m.down, false, colour(l.scrollDir > 0));
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
