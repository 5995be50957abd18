#include "app/textbox.h"

#include <ole2.h>
#include <shellapi.h>
#include <windowsx.h>

#include <algorithm>
#include <new>
#include <stdexcept>
#include <string>

#include <ILoader.h>
#include <Scintilla.h>

#include "app/textboxaccess.h"
#include "win32/strings.h"

namespace vellumo {

namespace {

// The indicator that marks "**" made by conversion: drawn as nothing.
constexpr int kUnshownIndicator = INDICATOR_CONTAINER;
// A document is handed to Scintilla in pieces of this size.
constexpr std::size_t kPiece = 1 << 20;

enum ContextCommand : UINT { kUndo = 1, kCut, kCopy, kPaste, kDelete, kSelectAll };

// The keys Scintilla adds to the edit control's own: line and paragraph
// commands, case changes, duplication, zoom, overtype.
constexpr struct {
  int key;
  int modifiers;
} kExtraKeys[] = {
    {'[', SCMOD_CTRL},           {'[', SCMOD_CTRL | SCMOD_SHIFT},
    {']', SCMOD_CTRL},           {']', SCMOD_CTRL | SCMOD_SHIFT},
    {'/', SCMOD_CTRL},           {'/', SCMOD_CTRL | SCMOD_SHIFT},
    {'\\', SCMOD_CTRL},          {'\\', SCMOD_CTRL | SCMOD_SHIFT},
    {'L', SCMOD_CTRL},           {'L', SCMOD_CTRL | SCMOD_SHIFT},
    {'T', SCMOD_CTRL},           {'T', SCMOD_CTRL | SCMOD_SHIFT},
    {'D', SCMOD_CTRL},           {'U', SCMOD_CTRL},
    {'U', SCMOD_CTRL | SCMOD_SHIFT},
    {SCK_INSERT, SCMOD_NORM},    {SCK_ADD, SCMOD_CTRL},
    {SCK_SUBTRACT, SCMOD_CTRL},  {SCK_DIVIDE, SCMOD_CTRL},
    {SCK_DELETE, SCMOD_CTRL | SCMOD_SHIFT},
    {SCK_BACK, SCMOD_CTRL | SCMOD_SHIFT},
    {SCK_HOME, SCMOD_ALT},       {SCK_END, SCMOD_ALT},
    {SCK_DOWN, SCMOD_CTRL},      {SCK_UP, SCMOD_CTRL},
};

class LoaderDocument : public DocumentBuilder {
 public:
  explicit LoaderDocument(Scintilla::ILoader* loader) : loader_(loader) { buffer_.reserve(kPiece); }
  ~LoaderDocument() override {
    if (loader_) loader_->Release();
  }
  void Append(const char* data, std::size_t size) override {
    if (buffer_.size() + size > kPiece) Flush();
    if (size >= kPiece) {
      Add(data, size);
      return;
    }
    buffer_.append(data, size);
  }
  // The filled document, with one reference for the caller.
  void* Finish() {
    Flush();
    void* document = loader_->ConvertToDocument();
    loader_ = nullptr;
    return document;
  }

 private:
  void Flush() {
    Add(buffer_.data(), buffer_.size());
    buffer_.clear();
  }
  void Add(const char* data, std::size_t size) {
    if (size && loader_->AddData(data, static_cast<Sci_Position>(size)) != SC_STATUS_OK)
      throw std::runtime_error("内存不足，无法载入这个文件");
  }
  Scintilla::ILoader* loader_;
  std::string buffer_;
};

bool classesRegistered = false;

}  // namespace

TextBox::~TextBox() = default;

bool TextBox::Create(HINSTANCE instance, HWND parent, int id, const RECT& bounds) {
  if (!classesRegistered) classesRegistered = Scintilla_RegisterClasses(instance) != 0;
  HWND hwnd = CreateWindowExW(WS_EX_CLIENTEDGE, L"Scintilla", nullptr,
                              WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_CLIPCHILDREN, bounds.left,
                              bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top,
                              parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance,
                              nullptr);
  if (!hwnd || !Subclass(hwnd)) return false;
  direct_ = reinterpret_cast<DirectFunction>(SendMessageW(hwnd, SCI_GETDIRECTFUNCTION, 0, 0));
  directPointer_ = static_cast<std::intptr_t>(SendMessageW(hwnd, SCI_GETDIRECTPOINTER, 0, 0));
  SetUp();
  return true;
}

std::intptr_t TextBox::Call(unsigned msg, std::uintptr_t wp, std::intptr_t lp) const {
  return direct_(directPointer_, msg, wp, lp);
}

void TextBox::SetUp() {
  for (int margin = 0; margin < 5; ++margin) Call(SCI_SETMARGINWIDTHN, margin, 0);
  Call(SCI_SETMARGINLEFT, 0, 1);
  Call(SCI_SETMARGINRIGHT, 0, 1);
  Call(SCI_USEPOPUP, SC_POPUP_NEVER);
  Call(SCI_SETEOLMODE, SC_EOL_CRLF);
  Call(SCI_SETSCROLLWIDTH, 1);
  Call(SCI_SETSCROLLWIDTHTRACKING, 1);
  Call(SCI_SETHSCROLLBAR, 0);
  Call(SCI_SETVSCROLLBAR, 0);
  Call(SCI_SETWRAPMODE, SC_WRAP_WORD);
  // Drawing finished lines from a cache, as a long file is scrolled.
  Call(SCI_SETLAYOUTCACHE, SC_CACHE_PAGE);
  Call(SCI_SETIDLESTYLING, SC_IDLESTYLING_NONE);
  // The system's selection, as an edit control draws it.
  auto opaque = [](int index) { return static_cast<std::intptr_t>(GetSysColor(index) | 0xFF000000u); };
  Call(SCI_SETELEMENTCOLOUR, SC_ELEMENT_SELECTION_BACK, opaque(COLOR_HIGHLIGHT));
  Call(SCI_SETELEMENTCOLOUR, SC_ELEMENT_SELECTION_TEXT, opaque(COLOR_HIGHLIGHTTEXT));
  Call(SCI_SETELEMENTCOLOUR, SC_ELEMENT_SELECTION_INACTIVE_BACK, opaque(COLOR_HIGHLIGHT));
  Call(SCI_SETELEMENTCOLOUR, SC_ELEMENT_SELECTION_INACTIVE_TEXT, opaque(COLOR_HIGHLIGHTTEXT));
  for (const auto& k : kExtraKeys) Call(SCI_CLEARCMDKEY, k.key + (k.modifiers << 16));
  Call(SCI_INDICSETSTYLE, kUnshownIndicator, INDIC_HIDDEN);
  Call(SCI_SETMODEVENTMASK, SC_MOD_NONE);  // the window needs only the save point's notices
  // Files dropped on the box go to the main window, as with an edit control,
  // which takes no dragged text either.
  RevokeDragDrop(Handle());
  DragAcceptFiles(Handle(), TRUE);
  SetCodeType(CodeType::Gb2312);
}

void TextBox::SetCodeType(CodeType codeType) {
  const DisplayCodePage& page = DisplayCodePageOf(codeType);
  Call(SCI_SETCODEPAGE, page.windowsCodePage);
  const std::string face = Narrow(page.fontName);  // Scintilla takes font names in UTF-8
  Call(SCI_STYLESETFONT, STYLE_DEFAULT, reinterpret_cast<std::intptr_t>(face.c_str()));
  // 13 pixels of character height: points × 100 at the 96 dots per inch the sizes are given at.
  Call(SCI_STYLESETSIZEFRACTIONAL, STYLE_DEFAULT, 13 * 72 * 100 / 96);
  Call(SCI_STYLESETCHARACTERSET, STYLE_DEFAULT, page.charset);
  Call(SCI_STYLECLEARALL);
}

std::unique_ptr<DocumentBuilder> TextBox::NewDocument(std::uint64_t sizeHint) {
  int options = SC_DOCUMENTOPTION_STYLES_NONE;  // plain text: no style byte per byte
  if (sizeof(void*) == 8) options |= SC_DOCUMENTOPTION_TEXT_LARGE;
  const std::uint64_t limit = sizeof(void*) == 8 ? (std::uint64_t(1) << 62) : 0x7FFFFFFF;
  if (sizeHint > limit) throw std::runtime_error("内存不足，无法载入这个文件");
  auto* loader = reinterpret_cast<Scintilla::ILoader*>(
      Call(SCI_CREATELOADER, static_cast<std::uintptr_t>(sizeHint), options));
  if (!loader) throw std::runtime_error("内存不足，无法载入这个文件");
  return std::make_unique<LoaderDocument>(loader);
}

void TextBox::Show(std::unique_ptr<DocumentBuilder> document, CodeType codeType) {
  void* doc = static_cast<LoaderDocument&>(*document).Finish();
  Call(SCI_SETDOCPOINTER, 0, reinterpret_cast<std::intptr_t>(doc));
  Call(SCI_RELEASEDOCUMENT, 0, reinterpret_cast<std::intptr_t>(doc));  // the box holds it now
  SetCodeType(codeType);
  Call(SCI_SETUNDOCOLLECTION, 1);
  Call(SCI_EMPTYUNDOBUFFER);
  Call(SCI_SETSAVEPOINT);
  Call(SCI_GOTOPOS, 0);
}

std::string_view TextBox::Bytes() const {
  const auto length = static_cast<std::size_t>(Call(SCI_GETLENGTH));
  if (length == 0) return {};
  // The gap moves to the end: the text lies in one piece until it changes.
  return {reinterpret_cast<const char*>(Call(SCI_GETCHARACTERPOINTER)), length};
}

std::uint64_t TextBox::WrapCount(std::uint64_t line) {
  // Wrapping is done in the background from the top; the line is wanted now.
  Call(SCI_ENSUREVISIBLE, static_cast<std::uintptr_t>(line));
  return static_cast<std::uint64_t>(Call(SCI_WRAPCOUNT, static_cast<std::uintptr_t>(line)));
}

void TextBox::SetScrollBars(int bars) {
  Call(SCI_SETWRAPMODE, (bars & 1) ? SC_WRAP_NONE : SC_WRAP_WORD);
  Call(SCI_SETHSCROLLBAR, (bars & 1) ? 1 : 0);
  Call(SCI_SETVSCROLLBAR, (bars & 2) ? 1 : 0);
}

void TextBox::MarkUnshown(const std::vector<UnshownMark>& marks) {
  Call(SCI_SETINDICATORCURRENT, kUnshownIndicator);
  for (const UnshownMark& m : marks)
    Call(SCI_INDICATORFILLRANGE, static_cast<std::uintptr_t>(m.offset),
         static_cast<std::intptr_t>(2 * m.count));
}

bool TextBox::SelectNextUnshown() {
  const auto length = Call(SCI_GETLENGTH);
  auto marked = [&](std::intptr_t pos) {
    return pos < length && Call(SCI_INDICATORVALUEAT, kUnshownIndicator, pos) != 0;
  };
  auto at = Call(SCI_GETSELECTIONEND);
  if (marked(at)) {
    // Inside a run: its next "**", counted from the run's start.
    const auto start = Call(SCI_INDICATORSTART, kUnshownIndicator, at);
    at = start + ((at - start + 1) & ~std::intptr_t(1));
  }
  if (!marked(at) && at < length) at = Call(SCI_INDICATOREND, kUnshownIndicator, at);
  if (!marked(at)) return false;
  Call(SCI_SETSEL, at, at + 2);
  return true;
}

bool TextBox::Find(const std::wstring& text, bool matchCase, bool down) {
  const UINT page = static_cast<UINT>(Call(SCI_GETCODEPAGE));
  BOOL lacking = FALSE;
  const int n = WideCharToMultiByte(page, WC_NO_BEST_FIT_CHARS, text.data(), static_cast<int>(text.size()),
                                    nullptr, 0, nullptr, &lacking);
  if (n <= 0 || lacking) return false;
  std::string bytes(static_cast<std::size_t>(n), '\0');
  WideCharToMultiByte(page, WC_NO_BEST_FIT_CHARS, text.data(), static_cast<int>(text.size()),
                      bytes.data(), n, nullptr, &lacking);
  if (lacking) return false;
  Call(SCI_SETSEARCHFLAGS, matchCase ? SCFIND_MATCHCASE : 0);
  if (down) Call(SCI_SETTARGETRANGE, Call(SCI_GETSELECTIONEND), Call(SCI_GETLENGTH));
  else Call(SCI_SETTARGETRANGE, Call(SCI_GETSELECTIONSTART), 0);  // backwards
  if (Call(SCI_SEARCHINTARGET, bytes.size(), reinterpret_cast<std::intptr_t>(bytes.data())) < 0)
    return false;
  Call(SCI_SETSEL, Call(SCI_GETTARGETSTART), Call(SCI_GETTARGETEND));
  Call(SCI_SCROLLCARET);
  return true;
}

LRESULT TextBox::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_CONTEXTMENU:
      ShowContextMenu(lp);
      return 0;
    case WM_MOUSEWHEEL:
    case WM_MOUSEHWHEEL:
      // No zoom: Ctrl+wheel scrolls as the plain wheel does.
      if (GET_KEYSTATE_WPARAM(wp) & MK_CONTROL) wp &= ~static_cast<WPARAM>(MK_CONTROL);
      break;
    case WM_DROPFILES:  // the window's command, as for a drop beside the box
      return SendMessageW(GetParent(Handle()), msg, wp, lp);
    case WM_GETOBJECT:
      if (static_cast<LONG>(lp) == OBJID_CLIENT) {
        if (LRESULT result = TextBoxAccessible(Handle(), wp)) return result;
      }
      break;
  }
  return DefaultProc(msg, wp, lp);
}

void TextBox::ShowContextMenu(LPARAM lp) {
  POINT at = {GET_X_LPARAM(lp), GET_Y_LPARAM(lp)};
  if (at.x == -1 && at.y == -1) {  // from the keyboard: at the caret
    const auto caret = Call(SCI_GETCURRENTPOS);
    at = {static_cast<LONG>(Call(SCI_POINTXFROMPOSITION, 0, caret)),
          static_cast<LONG>(Call(SCI_POINTYFROMPOSITION, 0, caret))};
    ClientToScreen(Handle(), &at);
  }
  SetFocus(Handle());
  const bool selected = Call(SCI_GETSELECTIONEMPTY) == 0;
  const auto length = Call(SCI_GETLENGTH);
  const bool all = Call(SCI_GETSELECTIONSTART) == 0 && Call(SCI_GETSELECTIONEND) == length;
  UniqueMenu menu(CreatePopupMenu());
  auto item = [&](UINT id, const wchar_t* caption, bool enabled) {
    AppendMenuW(menu.get(), MF_STRING | (enabled ? MF_ENABLED : MF_GRAYED), id, caption);
  };
  item(kUndo, L"撤消", Call(SCI_CANUNDO) != 0);
  AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
  item(kCut, L"剪切", selected);
  item(kCopy, L"复制", selected);
  item(kPaste, L"粘贴", Call(SCI_CANPASTE) != 0);
  item(kDelete, L"删除", selected);
  AppendMenuW(menu.get(), MF_SEPARATOR, 0, nullptr);
  item(kSelectAll, L"全选", length > 0 && !all);
  const UINT chosen = TrackPopupMenu(menu.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_NONOTIFY,
                                     at.x, at.y, 0, Handle(), nullptr);
  switch (chosen) {
    case kUndo: Call(SCI_UNDO); break;
    case kCut: Call(SCI_CUT); break;
    case kCopy: Call(SCI_COPY); break;
    case kPaste: Call(SCI_PASTE); break;
    case kDelete: Call(SCI_CLEAR); break;
    case kSelectAll: Call(SCI_SELECTALL); break;
  }
}

}  // namespace vellumo
