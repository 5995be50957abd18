#include "skinwin/bsSkinBoxCtrls.h"

#include <windowsx.h>

#include "skinwin/bsEditMenu.h"
#include "skinwin/bsPaint.h"

namespace bs {

// ---- TbsCustomEdit ----------------------------------------------------------------

DWORD TbsCustomEdit::EditStyle() const {
  DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS;
  // A multi-line edit scrolling both ways keeps one line without wrapping;
  // a password edit is a single-line one.
  style |= PasswordChar ? ES_PASSWORD | ES_AUTOHSCROLL
                        : ES_MULTILINE | ES_AUTOHSCROLL | ES_AUTOVSCROLL;
  if (Alignment == TextAlign::Right) style |= ES_RIGHT;
  if (Alignment == TextAlign::Center) style |= ES_CENTER;
  if (readOnly_) style |= ES_READONLY;
  return style;
}

bool TbsCustomEdit::CreateEdit(HWND parent, const Rect& bounds) {
  HWND hwnd = CreateWindowExW(0, L"EDIT", L"", EditStyle(), bounds.left, bounds.top,
                              bounds.Width(), bounds.Height(), parent, nullptr,
                              GetModuleHandleW(nullptr), nullptr);
  if (!hwnd) return false;
  if (!Subclass(hwnd)) {
    DestroyWindow(hwnd);
    return false;
  }
  if (PasswordChar) SendMessageW(hwnd, EM_SETPASSWORDCHAR, PasswordChar, 0);
  return true;
}

std::wstring TbsCustomEdit::Text() const {
  std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(Handle())) + 1, L'\0');
  text.resize(static_cast<std::size_t>(GetWindowTextW(Handle(), text.data(), static_cast<int>(text.size()))));
  return text;
}

void TbsCustomEdit::SetText(const std::wstring& text) { SetWindowTextW(Handle(), text.c_str()); }

int TbsCustomEdit::SelStart() const {
  DWORD start = 0;
  SendMessageW(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
  return static_cast<int>(start);
}

int TbsCustomEdit::SelLength() const {
  DWORD start = 0, end = 0;
  SendMessageW(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return static_cast<int>(end - start);
}

void TbsCustomEdit::SetSel(int start, int length) {
  SendMessageW(Handle(), EM_SETSEL, static_cast<WPARAM>(start),
               length < 0 ? -1 : static_cast<LPARAM>(start + length));
}

void TbsCustomEdit::SetReadOnly(bool readOnly) {
  readOnly_ = readOnly;
  if (Handle()) SendMessageW(Handle(), EM_SETREADONLY, readOnly, 0);
}

LRESULT TbsCustomEdit::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_KEYDOWN: {
      WORD key = static_cast<WORD>(wp);
      if (OnKeyDown) OnKeyDown(key);
      if (key == 0 || (key == VK_DELETE && !EditAllows(EditOperation::DeleteKey, readOnly_)))
        return 0;
      const LRESULT r = DefaultProc(msg, key, lp);
      TextAreaChanged();
      return r;
    }
    case WM_CHAR: {
      wchar_t ch = static_cast<wchar_t>(wp);
      if (OnKeyPress) OnKeyPress(ch);
      // Single-line behaviour: no line breaks, no Esc character.
      if (ch == 0 || ch == L'\n' || !EditInsertsChar(ch, readOnly_)) return 0;
      const LRESULT r = DefaultProc(msg, ch, lp);
      TextAreaChanged();
      return r;
    }
    case WM_CUT:
    case WM_PASTE:
    case WM_CLEAR:
    case WM_UNDO:
    case EM_UNDO: {
      const EditOperation op = msg == WM_CUT     ? EditOperation::Cut
                               : msg == WM_PASTE ? EditOperation::Paste
                               : msg == WM_CLEAR ? EditOperation::Clear
                                                 : EditOperation::Undo;
      if (!EditAllows(op, readOnly_)) return 0;
      const LRESULT r = DefaultProc(msg, wp, lp);
      TextAreaChanged();
      return r;
    }
    case WM_SETFOCUS: {
      const LRESULT r = DefaultProc(msg, wp, lp);
      if (AutoSelect) SelectAll();
      TextAreaChanged();
      return r;
    }
    case WM_KILLFOCUS:
    case WM_SETTEXT:
    case EM_SETSEL:
    case EM_REPLACESEL:
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case WM_HSCROLL:
    case WM_VSCROLL:
    case WM_MOUSEWHEEL:
    case WM_SIZE: {
      const LRESULT r = DefaultProc(msg, wp, lp);
      TextAreaChanged();
      if (msg == WM_SETTEXT && OnChange) OnChange();
      return r;
    }
    case WM_MOUSEMOVE:
      if (wp & MK_LBUTTON) {  // selecting
        const LRESULT r = DefaultProc(msg, wp, lp);
        TextAreaChanged();
        return r;
      }
      break;
  }
  return DefaultProc(msg, wp, lp);
}

// ---- TbsSkinCustomEdit ------------------------------------------------------------

TbsSkinCustomEdit::TbsSkinCustomEdit() {
  SkinDataName = "edit";
  DefaultFont.color = 0;  // black
}

bool TbsSkinCustomEdit::CreateEdit(HWND parent, const Rect& bounds) {
  if (!TbsCustomEdit::CreateEdit(parent, bounds)) return false;
  SkinChange();
  SetBounds(bounds);
  return true;
}

EditState TbsSkinCustomEdit::State() const {
  EditState e;
  e.size = ClientSize();
  e.enabled = Handle() && IsWindowEnabled(Handle());
  e.focused = Focused();
  e.mouseOver = mouseOver_;
  e.useSkinFont = UseSkinFont;
  e.cellHeight = CellHeight();
  return e;
}

int TbsSkinCustomEdit::CellHeight() const { return cellHeight_; }

int TbsSkinCustomEdit::MeasureCellHeight() const {
  if (!font_) return 0;
  HDC dc = GetDC(nullptr);
  HGDIOBJ old = SelectObject(dc, font_.get());
  TEXTMETRICW tm = {};
  GetTextMetricsW(dc, &tm);
  SelectObject(dc, old);
  ReleaseDC(nullptr, dc);
  return tm.tmHeight;
}

Size TbsSkinCustomEdit::ClientSize() const { return WindowSize(Handle()); }

Rect TbsSkinCustomEdit::Bounds() const { return BoundsInParent(Handle()); }

Rect TbsSkinCustomEdit::TextArea() const { return EditTextAreaRect(Section(), State()); }

Pixel TbsSkinCustomEdit::FontColour() const {
  return EditFontColour(Section(), State(), PixelOf(DefaultFont.color), CurrentSystemColors());
}

Picture TbsSkinCustomEdit::Look() const {
  return EditPicture(Section(), State(), CurrentSystemColors());
}

void TbsSkinCustomEdit::SetBounds(const Rect& r) {
  if (!Handle()) return;
  EditState e = State();
  const int height = EditHeight(Section(), e, r.Height());
  MoveWindow(Handle(), r.left, r.top, r.Width(), height, TRUE);
}

void TbsSkinCustomEdit::ApplyFont() {
  const ControlSection s = Section();
  const auto* d = s.As<TbsDataSkinEditControl>();
  const FontSpec sectionFont = d ? SectionFontOf(*d) : FontSpec{};
  font_ = FontOf(ControlFont(d ? &sectionFont : nullptr, UseSkinFont, DefaultFont, std::nullopt));
  SendMessageW(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
  SendMessageW(Handle(), EM_SETMARGINS, EC_LEFTMARGIN | EC_RIGHTMARGIN, MAKELONG(2, 0));
  cellHeight_ = MeasureCellHeight();
}

void TbsSkinCustomEdit::SkinChange() {
  if (!Handle()) return;
  ApplyFont();
  const Rect b = Bounds();
  // The width stays; the height follows the edit's own rule.
  const Size size = SizeAfterSkinChange(Size{b.Width(), b.Height()});
  const int height = EditHeight(Section(), State(), size.height);
  // The frame and text area change with the section: the non-client area anew.
  SetWindowPos(Handle(), nullptr, 0, 0, size.width, height,
               SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_FRAMECHANGED);
  RedrawWindow(Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE);
}

void TbsSkinCustomEdit::TextAreaChanged() {
  if (Handle()) InvalidateRect(Handle(), nullptr, TRUE);
}

void TbsSkinCustomEdit::PaintFrame() {
  WindowDC dc(Handle());
  const Picture look = Look();
  const Rect area = TextArea();
  const int saved = SaveDC(dc.get());
  ExcludeClipRect(dc.get(), area.left, area.top, area.right, area.bottom);
  DrawPicture(dc.get(), 0, 0, look);
  RestoreDC(dc.get(), saved);
}

void TbsSkinCustomEdit::PaintTextArea(HDC dc) {
  const Picture look = Look();
  const Rect area = TextArea();
  const bool caret = Focused() && HideCaret(Handle());
  DrawPicture(dc, 0, 0, look, area);
  if (caret) ShowCaret(Handle());
}

void TbsSkinCustomEdit::SetMouseOver(bool over) {
  if (mouseOver_ == over) return;
  mouseOver_ = over;
  if (over) TellMouseEnter();
  else TellMouseLeave();
  if (!Focused() && Section().InForce())
    RedrawWindow(Handle(), nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE);
}

void TbsSkinCustomEdit::TrackLeave(bool nonClient) {
  TRACKMOUSEEVENT t = {sizeof t, static_cast<DWORD>(TME_LEAVE | (nonClient ? TME_NONCLIENT : 0)),
                       Handle(), 0};
  TrackMouseEvent(&t);
}

LRESULT TbsSkinCustomEdit::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
  HWND hwnd = Handle();
  switch (msg) {
    case WM_NCCALCSIZE: {
      RECT* r = wp ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(lp)->rgrc[0] : reinterpret_cast<RECT*>(lp);
      EditState e = State();
      e.size = Size{r->right - r->left, r->bottom - r->top};
      const Rect area = EditTextAreaRect(Section(), e);
      *r = RECT{r->left + area.left, r->top + area.top, r->left + std::max(area.right, area.left),
                r->top + std::max(area.bottom, area.top)};
      return 0;
    }
    case WM_NCPAINT:
      PaintFrame();
      return 0;
    case WM_ERASEBKGND:
      PaintTextArea(reinterpret_cast<HDC>(wp));
      return 1;
    case kReflectBase + WM_CTLCOLOREDIT:
    case kReflectBase + WM_CTLCOLORSTATIC: {
      HDC dc = reinterpret_cast<HDC>(wp);
      SetBkMode(dc, TRANSPARENT);
      SetTextColor(dc, PixelToColorRef(FontColour()));
      return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
    }
    case WM_MOUSEMOVE:
    case WM_NCMOUSEMOVE:
      if (!mouseOver_) SetMouseOver(true);
      TrackLeave(msg == WM_NCMOUSEMOVE);
      break;
    case WM_MOUSELEAVE:
    case WM_NCMOUSELEAVE: {
      // Moving between frame and text area is no leaving.
      POINT p;
      GetCursorPos(&p);
      RECT w;
      GetWindowRect(hwnd, &w);
      if (PtInRect(&w, p) && WindowFromPoint(p) == hwnd) {
        const LRESULT hit = SendMessageW(hwnd, WM_NCHITTEST, 0, MAKELPARAM(p.x, p.y));
        TrackLeave(hit != HTCLIENT);
        return 0;
      }
      SetMouseOver(false);
      return 0;
    }
    case WM_SETFOCUS:
    case WM_KILLFOCUS: {
      const LRESULT r = TbsCustomEdit::OnMessage(msg, wp, lp);
      RedrawWindow(hwnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE);
      return r;
    }
    case WM_ENABLE:
      RedrawWindow(hwnd, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ERASE);
      break;
    case WM_CONTEXTMENU: {
      POINT at = {GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
      if (lp == -1) {  // the menu key: the middle of the edit
        RECT w;
        GetWindowRect(hwnd, &w);
        at = POINT{(w.left + w.right) / 2, (w.top + w.bottom) / 2};
      }
      // The skinned popup menu of the form's frame.
      PopupEditMenu(hwnd, &at);
      return 0;
    }
    default:
      if (TakeSkinNotice(msg, reinterpret_cast<TbsSkinData*>(wp))) return 0;
      if (msg == SkinChanging) return 0;
      break;
  }
  return TbsCustomEdit::OnMessage(msg, wp, lp);
}

}  // namespace bs
