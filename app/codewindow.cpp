#include "app/codewindow.h"

#include <commctrl.h>
#include <commdlg.h>

#include <algorithm>
#include <vector>

#include "app/busysign.h"
#include "app/cmdline.h"
#include "app/codepagemapping.h"
#include "convert/loader.h"
#include "app/menuids.h"
#include "app/newfiletips.h"
#include "app/programstate.h"
#include "app/rounding.h"
#include "app/textbox.h"
#include "app/textrows.h"
#include "convert/convert.h"
#include "shell/software.h"
#include "win32/errorbox.h"
#include "win32/fittingbreaks.h"
#include "win32/strings.h"

namespace vellumo {

namespace {

const wchar_t kCaption[] = L"Vellumo (GB2312 Big5 韩码 日码 Unicode)";
constexpr int kClientWidth = 420;
constexpr int kClientHeight = 290;
constexpr int kStatusBarHeight = 19;
constexpr DWORD kWindowStyle = WS_OVERLAPPEDWINDOW;
// A file from this size on takes more than a moment to show: the busy sign.
constexpr ULONGLONG kBusyFileBytes = 256 << 10;
// A text of this many characters takes as long to show: the busy sign, the
// text put in in pieces, a new text box rather than the old one emptied.
constexpr std::size_t kLargeText = 128 << 10;
// A large text goes in in this many pieces, the window painting and answering
// other programs between them (a second a piece at 20 MB, wrapped). Each piece
// costs the edit control walks over all it holds (tens of milliseconds at
// 20 MB; bench/edit_bench.cpp), so their number stays fixed whatever the size.
constexpr std::size_t kPieces = 16;
// Posted to itself: the companion-file check of an activation that came
// while a load was at work, made once the load is done.
constexpr UINT kMsgActivated = WM_APP + 1;

struct MenuEntry {
  UINT id;  // 0: separator
  const wchar_t* caption;
  ULONG_PTR tag;
};

void AppendItem(HMENU menu, const MenuEntry& e) {
  MENUITEMINFOW mi = {};
  mi.cbSize = sizeof mi;
  if (!e.id) {
    mi.fMask = MIIM_FTYPE;
    mi.fType = MFT_SEPARATOR;
  } else {
    mi.fMask = MIIM_ID | MIIM_STRING | MIIM_DATA;
    mi.wID = e.id;
    mi.dwTypeData = const_cast<wchar_t*>(e.caption);
    mi.dwItemData = e.tag;
  }
  InsertMenuItemW(menu, GetMenuItemCount(menu), TRUE, &mi);
}

HMENU Popup(HMENU bar, const wchar_t* caption, std::initializer_list<MenuEntry> items) {
  HMENU popup = CreatePopupMenu();
  for (const auto& e : items) AppendItem(popup, e);
  AppendMenuW(bar, MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(popup), caption);
  return popup;
}

// The Code menu's items are in the order of their Tags, 1 to 4.
const DisplayCodePage& PageOfTag(unsigned tag) { return DisplayCodePageOf(CodeTypeOfTag(tag)); }

// The table the program converts through: CodeTable once it loaded.
const CodeTableData* LoadedTable() { return TableLoaded ? &CodeTable : nullptr; }

ULONGLONG FileSize(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA info;
  if (!GetFileAttributesExW(Widen(path).c_str(), GetFileExInfoStandard, &info)) return 0;
  return (ULONGLONG(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
}

// Bytes of the text in the system code page.
int SystemCodePageLength(const std::wstring& text) {
  if (text.empty()) return 0;
  return WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                             nullptr, nullptr);
}

// The open or save dialog: filter "*.txt", default extension txt, no
// existing-file or overwrite question. name holds the last choice.
bool AskFileName(HWND owner, bool save, std::wstring& name, const std::wstring& initialDir) {
  std::vector<wchar_t> buf(32768, L'\0');
  name.copy(buf.data(), buf.size() - 1);
  OPENFILENAMEW ofn = {};
  ofn.lStructSize = sizeof ofn;
  ofn.hwndOwner = owner;
  ofn.lpstrFilter = L"*.txt\0*.txt\0";
  ofn.nFilterIndex = 1;
  ofn.lpstrFile = buf.data();
  ofn.nMaxFile = static_cast<DWORD>(buf.size());
  ofn.lpstrInitialDir = initialDir.empty() ? nullptr : initialDir.c_str();
  ofn.lpstrDefExt = L"txt";
  ofn.Flags = OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_EXPLORER;
  BOOL ok = save ? GetSaveFileNameW(&ofn) : GetOpenFileNameW(&ofn);
  if (!ok) return false;
  name = buf.data();
  return true;
}

}  // namespace

bool TForm1::Create(HINSTANCE instance) {
  instance_ = instance;
  const WindowClass cls = {kClassName, instance, LoadCursorW(nullptr, IDC_ARROW),
                           LoadIconW(nullptr, IDI_APPLICATION),
                           reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)};
  CreateMenus();
  RECT r = {0, 0, kClientWidth, kClientHeight};
  AdjustWindowRectEx(&r, kWindowStyle, TRUE, 0);
  return CreateHandle(cls, 0, kCaption, kWindowStyle, CW_USEDEFAULT, CW_USEDEFAULT,
                      r.right - r.left, r.bottom - r.top, nullptr, menu_);
}

void TForm1::CreateMenus() {
  menu_ = CreateMenu();
  Popup(menu_, L"文件",
        {{kMenuOpenFile, L"打开文本", 0},
         {kMenuNewFile, L"输入Unicode码", 0},
         {kMenuSaveFile, L"另存为", 0},
         {0, nullptr, 0},
         {kMenuNotepad, L"调用Notepad", 0},
         {0, nullptr, 0},
         {kMenuQuit, L"退出", 0}});
  HMENU code = Popup(menu_, L"内码", {});
  for (unsigned tag = 1; tag <= kCodeTypeCount; ++tag) {
    const DisplayCodePage& page = PageOfTag(tag);
    AppendItem(code, {page.menuId, page.menuCaption, tag});
  }
  Popup(menu_, L"选项",
        {{kMenuWrap, L"自动换行", 0}, {kMenuRegTxt, L"与文本关联", 0}, {kMenuN6, L"清除关联", 0}});
  Popup(menu_, L"帮助", {{kMenuAbout, L"About", 0}, {kMenuHelp, L"How to use", 0}});
  CheckMenuItem(menu_, kMenuWrap, MF_BYCOMMAND | MF_CHECKED);
}

LRESULT TForm1::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_CREATE:
      OnCreate();
      return 0;
    case WM_SIZE:
      LayoutChildren();
      return 0;
    case WM_COMMAND:
      if (lp != 0) return 0;
      // A command sent while a load is at work runs once it is done.
      if (busy_) PostMessageW(Handle(), WM_COMMAND, wp, 0);
      else OnCommand(LOWORD(wp));
      return 0;
    case WM_CLOSE:
      if (busy_) PostMessageW(Handle(), WM_CLOSE, 0, 0);
      else DestroyWindow(Handle());
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wp) != WA_INACTIVE) {
        if (mm_Show_) SetFocus(mm_Show_);
        if (busy_) PostMessageW(Handle(), kMsgActivated, 0, 0);
        else RunCommand(Handle(), [this] { FormActivate(); });
      }
      return 0;
    case kMsgActivated:
      RunCommand(Handle(), [this] { FormActivate(); });
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  return DefaultProc(msg, wp, lp);
}

void TForm1::OnCreate() {
  windowFont_ = MakeFont(L"MS Sans Serif", 11, DEFAULT_CHARSET);
  CreateStatusBar();
  CreateTextBox(0, L"");
  LayoutChildren();
  FormCreate();
}

void TForm1::CreateStatusBar() {
  statusBar_ = CreateWindowExW(0, STATUSCLASSNAMEW, nullptr,
                               WS_CHILD | WS_VISIBLE | SBARS_SIZEGRIP | CCS_NORESIZE |
                                   CCS_NOPARENTALIGN | CCS_NODIVIDER,
                               0, 0, 0, 0, Handle(), reinterpret_cast<HMENU>(kStatusBarId),
                               instance_, nullptr);
  SendMessageW(statusBar_, WM_SETFONT, reinterpret_cast<WPARAM>(windowFont_.get()), FALSE);
  SetPanelWidth(0, panelWidths_[0]);
  const wchar_t* texts[6] = {L"", L"内码：", L"未知", L"->", L"", L""};
  for (int i = 0; i < 6; ++i) SetPanelText(i, texts[i]);
}

void TForm1::CreateTextBox(int bars, const std::wstring& text) {
  DWORD style = WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;
  if (bars & 1) style |= WS_HSCROLL;
  if (bars & 2) style |= WS_VSCROLL;
  RECT rc;
  GetClientRect(Handle(), &rc);
  bool hadFocus = mm_Show_ && GetFocus() == mm_Show_;
  HWND old = mm_Show_;
  mm_Show_ = CreateWindowExW(WS_EX_CLIENTEDGE, L"EDIT", nullptr, style, 0, 0, rc.right,
                             rc.bottom > kStatusBarHeight ? rc.bottom - kStatusBarHeight : 0,
                             Handle(), reinterpret_cast<HMENU>(kTextBoxId), instance_, nullptr);
  if (old) DestroyWindow(old);
  boxEdit_.Take(mm_Show_);
  UseFittingWordBreaks(mm_Show_);
  scrollBars_ = bars;
  SendMessageW(mm_Show_, EM_SETLIMITTEXT, 0x7FFFFFFE, 0);
  // The old box, which used the old font, is gone: the new one starts with the new.
  if (nextFont_) textFont_ = std::move(nextFont_);
  if (textFont_) SendMessageW(mm_Show_, WM_SETFONT, reinterpret_cast<WPARAM>(textFont_.get()), 0);
  SetText(text);
  if (hadFocus) SetFocus(mm_Show_);
}

void TForm1::LayoutChildren() {
  RECT rc;
  GetClientRect(Handle(), &rc);
  int textHeight = rc.bottom > kStatusBarHeight ? rc.bottom - kStatusBarHeight : 0;
  if (mm_Show_) {
    FittingRows fitting(mm_Show_);  // a new width wraps the whole text anew
    MoveWindow(mm_Show_, 0, 0, rc.right, textHeight, TRUE);
  }
  if (statusBar_) MoveWindow(statusBar_, 0, textHeight, rc.right, kStatusBarHeight, TRUE);
}

void TForm1::SetPanelWidth(int index, int width) {
  panelWidths_[index] = width;
  int edges[6];
  int pos = 0;
  for (int i = 0; i < 5; ++i) edges[i] = pos += panelWidths_[i];
  edges[5] = -1;  // the last panel runs to the right edge
  SendMessageW(statusBar_, SB_SETPARTS, 6, reinterpret_cast<LPARAM>(edges));
}

void TForm1::SetPanelText(int index, const std::wstring& text) {
  // Two tabs right-align a panel's text; only panel 2 is right-aligned.
  std::wstring shown = index == 2 ? L"\t\t" + text : text;
  SendMessageW(statusBar_, SB_SETTEXTW, index, reinterpret_cast<LPARAM>(shown.c_str()));
}

void TForm1::OnCommand(UINT id) {
  RunCommand(Handle(), [&] {
    switch (id) {
      case kMenuOpenFile: mn_OpenFileClick(); break;
      case kMenuNewFile: mn_NewFileClick(); break;
      case kMenuSaveFile: mn_SaveFileClick(); break;
      case kMenuNotepad: mn_NotepadClick(); break;
      case kMenuQuit: mn_QuitClick(); break;
      case kMenuGb2312:
      case kMenuBig5:
      case kMenuKorean:
      case kMenuJapanese: mn_ShowCodeClick(id); break;
      case kMenuWrap: mn_WrapClick(); break;
      case kMenuRegTxt: mn_RegTxtClick(); break;
      case kMenuN6: N6Click(); break;
      case kMenuAbout: mn_AboutClick(); break;
      case kMenuHelp: mn_HelpClick(); break;
    }
  });
}

void TForm1::FormCreate() {
  const std::string exe = ExecutablePath();
  ProgramDir = exe.substr(0, exe.rfind('\\') + 1);
  ShowInputTip = true;
  ShowSavePrompt = true;
  SaveAnswer = false;
  TipMode = 0;
  CurrentCodeType = CodeType::Gb2312;
  ChangeCodeType(CurrentCodeType);
  AboutLanguage = "chinese";
  RECT r;
  GetWindowRect(Handle(), &r);
  int w = r.right - r.left, h = r.bottom - r.top;
  int left = RoundHalfEven((GetSystemMetrics(SM_CXSCREEN) - w) / 2.0);
  int top = RoundHalfEven((GetSystemMetrics(SM_CYSCREEN) - h) / 2.0);
  SetWindowPos(Handle(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  // Load_Param comes once the window is on screen (the program entry calls
  // it): a large file must not keep the window from showing.
}

void TForm1::Load_Param() {
  std::wstring arg = CommandLineArgument(GetCommandLineW(), 1);
  if (arg.empty() || !FileExists(Narrow(arg))) return;
  CurrentFileName = Narrow(arg);
  LoadFile(CurrentFileName);
  MarkCurrentFileName();
}

void TForm1::mn_OpenFileClick() {
  if (!CheckFileSave()) return;
  if (!AskFileName(Handle(), false, openDialogName_, Widen(ProgramDir))) return;
  CurrentFileName = Narrow(openDialogName_);
  LoadFile(CurrentFileName);
  MarkCurrentFileName();
}

void TForm1::LoadFile(const std::string& path) {
  const ByteText& mapping = ByteTextOf(CurrentCodeType);
  const ULONGLONG size = FileSize(path);
  BusySign busy(statusBar_, 5, size >= kBusyFileBytes, busy_);
  std::wstring text;
  // A file of display code page bytes becomes at most one character a byte.
  if (size < (ULONGLONG(1) << 31)) text.reserve(static_cast<std::size_t>(size) + 64);
  SourceKind kind = LoadLinesTo(PathFromUtf8(path), LoadedTable(), [&](const char* line, std::size_t size) {
    AppendLineInRows(text, line, size, mapping);
    text += L"\r\n";
    busy.Pump();
  }).kind;
  SetPanelText(2, Widen(SourceKindText(kind)));
  boxEdit_.SetCodeType(CurrentCodeType);
  ShowText(text);
  busy.Done();
  SetPanelText(5, L"");
}

void TForm1::ShowText(const std::wstring& text) {
  int bars = ScrollBarsFor(text, false);
  if (bars >= 0 && bars != scrollBars_) {
    CreateTextBox(bars, text);  // one layout of the text instead of two
  } else {
    SetText(text);
    ApplyScrollBars(ScrollBarsFor(text, true), text);
  }
}

void TForm1::MarkCurrentFileName() {
  std::wstring name = Widen(CurrentFileName);
  name = name.substr(name.rfind(L'\\') + 1);
  SetPanelText(0, name);
  SetPanelWidth(0, RoundHalfEven(SystemCodePageLength(name) * 6.6));
}

void TForm1::mn_QuitClick() {
  if (!CheckFileSave()) return;
  SendMessageW(Handle(), WM_CLOSE, 0, 0);
}

void TForm1::mn_ShowCodeClick(UINT itemId) {
  if (GetMenuState(menu_, itemId, MF_BYCOMMAND) & MF_CHECKED) return;
  MENUITEMINFOW mi = {};
  mi.cbSize = sizeof mi;
  mi.fMask = MIIM_DATA;
  GetMenuItemInfoW(menu_, itemId, FALSE, &mi);
  CurrentCodeType = CodeTypeOfTag(static_cast<unsigned>(mi.dwItemData));
  const CodeType shownIn = boxEdit_.ShownIn();
  // The new font goes into the text box with the reloaded text, in one
  // layout; the old text is read again in the new code page only when there
  // is no file to reload or the reload fails (the old text then stays).
  ChangeCodeType(CurrentCodeType);
  if (!CurrentFileName.empty()) {
    try {
      LoadFile(CurrentFileName);
      return;
    } catch (...) {
      Reread(shownIn);
      throw;
    }
  }
  Reread(shownIn);
}

void TForm1::Reread(CodeType shownIn) {
  const CodeType codeType = CurrentCodeType;
  if (GetWindowTextLengthW(mm_Show_) == 0) {  // ChangeCodeType has set the font
    boxEdit_.SetCodeType(codeType);
    return;
  }
  const std::wstring text = Text();
  BusySign busy(statusBar_, 5, text.size() >= kLargeText, busy_);
  const std::wstring saved = HasSoftBreaks(text) ? WithoutSoftBreaks(text) : text;
  const std::string bytes = ByteTextOf(shownIn).Encode(saved.data(), saved.size());
  std::wstring redrawn;
  redrawn.reserve(text.size());
  DecodeInRows(bytes, ByteTextOf(codeType), redrawn);
  const bool edited = Edited();
  boxEdit_.SetCodeType(codeType);
  // Rows of a long line are never wrapped (see ScrollBarsFor).
  if (HasSoftBreaks(redrawn) && !(scrollBars_ & 1)) CreateTextBox(scrollBars_ | 1, redrawn);
  else SetText(redrawn);
  carriedEdit_ = edited;
}

void TForm1::ChangeCodeType(CodeType codeType) {
  for (unsigned tag = 1; tag <= kCodeTypeCount; ++tag)
    CheckMenuItem(menu_, PageOfTag(tag).menuId, MF_BYCOMMAND | MF_UNCHECKED);
  const DisplayCodePage& page = DisplayCodePageOf(codeType);
  // Set on a full text box the font would lay the whole text out once more
  // (three times the time of setting the text, wrapped): it goes in with the
  // next text, at once while the box is empty.
  nextFont_ = MakeFont(page.fontName, 13, page.charset);
  if (GetWindowTextLengthW(mm_Show_) == 0) {
    SendMessageW(mm_Show_, WM_SETFONT, reinterpret_cast<WPARAM>(nextFont_.get()), TRUE);
    textFont_ = std::move(nextFont_);
    boxEdit_.SetCodeType(codeType);
  }
  CheckMenuItem(menu_, page.menuId, MF_BYCOMMAND | MF_CHECKED);
  MENUITEMINFOW mi = {};
  mi.cbSize = sizeof mi;
  mi.fMask = MIIM_STRING;
  mi.dwTypeData = const_cast<wchar_t*>(page.openCaption);
  SetMenuItemInfoW(menu_, kMenuOpenFile, FALSE, &mi);
  SetPanelText(4, page.panelText);
  const std::string table = ProgramDir + DisplayCodePageOf(CurrentCodeType).tableFile;
  TableLoaded = LoadCodeTable(PathFromUtf8(table), CodeTable);
}

void TForm1::AutoScroll() {
  std::wstring text = Text();
  ApplyScrollBars(ScrollBarsFor(text, true), text);
}

int TForm1::ScrollBarsFor(const std::wstring& text, bool shown) const {
  RECT r;
  GetWindowRect(mm_Show_, &r);
  TextBoxLines lines(text, ByteTextOf(boxEdit_.ShownIn()));
  const HWND box = shown ? mm_Show_ : nullptr;
  bool wraps = !(scrollBars_ & 1);
  int bars = 0;
  if (HasSoftBreaks(text)) {
    // A line cut into rows: the edit control wraps a line in time that grows
    // with the square of its length (a minute for 16,384 digits), so the
    // rows are shown unwrapped, with the horizontal bar, whatever the wrap
    // command says.
    bars |= 1;
    wraps = false;
  } else if (!(GetMenuState(menu_, kMenuWrap, MF_BYCOMMAND) & MF_CHECKED)) {
    int wider = lines.AnyLineWider(r.right - r.left, wraps ? box : nullptr, wraps);
    if (wider < 0) return -1;
    if (wider) bars |= 1;
  }
  int taller = lines.MoreLinesThan(r.bottom - r.top, wraps ? box : nullptr, wraps);
  if (taller < 0) return -1;
  if (taller) bars |= 2;
  return bars;
}

void TForm1::ApplyScrollBars(int bars, const std::wstring& text) {
  if (bars == scrollBars_) return;
  CreateTextBox(bars, text);
}

void TForm1::mn_WrapClick() {
  bool checked = GetMenuState(menu_, kMenuWrap, MF_BYCOMMAND) & MF_CHECKED;
  CheckMenuItem(menu_, kMenuWrap, MF_BYCOMMAND | (checked ? MF_UNCHECKED : MF_CHECKED));
  // New scroll bars lay the whole text out anew.
  const auto chars = static_cast<std::size_t>(GetWindowTextLengthW(mm_Show_));
  BusySign busy(statusBar_, 5, chars >= kLargeText, busy_);
  AutoScroll();
}

void TForm1::mn_SaveFileClick() {
  if (!AskFileName(Handle(), true, saveDialogName_, L"")) return;
  std::string path = Narrow(saveDialogName_);
  SaveAsFile(path);
  CurrentFileName = path;
  MarkCurrentFileName();
}

bool TForm1::CheckFileSave() {
  if (!Edited() || !ShowSavePrompt) return true;
  TipMode = kSavePrompt;
  const TipButton pressed = tipsForm_->ShowModal(TipMode);
  if (pressed != TipButton::None) SaveAnswer = pressed == TipButton::Ok;
  if (!SaveAnswer) return true;
  return RunCommand(Handle(), [this] { SaveAsFile(CurrentFileName); });
}

bool TForm1::Edited() const {
  return carriedEdit_ || SendMessageW(mm_Show_, EM_CANUNDO, 0, 0);
}

void TForm1::SetText(const std::wstring& text) {
  // Emptying a large text box costs the edit control a copy of its whole
  // text (kept for an undo, then dropped): a new box starts empty for free.
  if (static_cast<std::size_t>(GetWindowTextLengthW(mm_Show_)) > kLargeText) {
    CreateTextBox(scrollBars_, text);
    return;
  }
  SendMessageW(mm_Show_, WM_SETREDRAW, FALSE, 0);
  if (nextFont_) {
    // Emptied first, so that the font lays out nothing.
    if (GetWindowTextLengthW(mm_Show_) > 0) SetWindowTextW(mm_Show_, L"");
    SendMessageW(mm_Show_, WM_SETFONT, reinterpret_cast<WPARAM>(nextFont_.get()), FALSE);
    textFont_ = std::move(nextFont_);
  }
  // Wrapping the text tries a row at a time, as the edit control would.
  FittingRows fitting(mm_Show_);
  if (text.size() <= kLargeText) {
    SetWindowTextW(mm_Show_, text.c_str());
  } else {
    // In pieces that end after a line end.
    BusySign busy(statusBar_, 5, false, busy_);
    const std::size_t size = std::max(kLargeText, text.size() / kPieces);
    auto pieceEnd = [&](std::size_t at) {
      const std::size_t end = text.find(L'\n', std::min(text.size(), at + size));
      return end == std::wstring::npos ? text.size() : end + 1;
    };
    std::size_t at = GiveBuffer(text, pieceEnd(0));
    busy.Pump();
    while (at < text.size()) {
      const std::size_t end = pieceEnd(at);
      const std::wstring piece = text.substr(at, end - at);
      SendMessageW(mm_Show_, EM_SETSEL, at, at);
      SendMessageW(mm_Show_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(piece.c_str()));
      at = end;
      busy.Pump();
    }
    SendMessageW(mm_Show_, EM_SETSEL, 0, 0);
    SendMessageW(mm_Show_, EM_SCROLLCARET, 0, 0);
  }
  SendMessageW(mm_Show_, EM_EMPTYUNDOBUFFER, 0, 0);
  SendMessageW(mm_Show_, EM_SETMODIFY, FALSE, 0);
  SendMessageW(mm_Show_, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(mm_Show_, nullptr, TRUE);
  carriedEdit_ = false;
}

std::size_t TForm1::GiveBuffer(const std::wstring& text, std::size_t first) {
  // The control would grow its buffer at each piece, and growing a large
  // buffer copies it: it gets one of the whole text's size at once, holding
  // the first piece.
  HLOCAL buffer = LocalAlloc(LMEM_MOVEABLE, (text.size() + 1) * sizeof(wchar_t));
  auto* p = buffer ? static_cast<wchar_t*>(LocalLock(buffer)) : nullptr;
  if (!p) {
    if (buffer) LocalFree(buffer);
    SetWindowTextW(mm_Show_, L"");  // the pieces then all go in as pieces
    return 0;
  }
  text.copy(p, first);
  p[first] = L'\0';
  LocalUnlock(buffer);
  if (GetWindowTextLengthW(mm_Show_) > 0) SetWindowTextW(mm_Show_, L"");
  // The old buffer is the program's to free once the control has let it go;
  // a control that does not take a buffer (its length stays 0) keeps its own.
  auto old = reinterpret_cast<HLOCAL>(SendMessageW(mm_Show_, EM_GETHANDLE, 0, 0));
  SendMessageW(mm_Show_, EM_SETHANDLE, reinterpret_cast<WPARAM>(buffer), 0);
  if (static_cast<std::size_t>(GetWindowTextLengthW(mm_Show_)) != first) {
    LocalFree(buffer);
    return 0;
  }
  if (old && old != buffer) LocalFree(old);
  return first;
}

std::wstring TForm1::SavedText() const {
  std::wstring text = Text();
  return HasSoftBreaks(text) ? WithoutSoftBreaks(text) : text;
}

std::wstring TForm1::Text() const {
  int n = GetWindowTextLengthW(mm_Show_);
  std::wstring text(n + 1, L'\0');
  n = GetWindowTextW(mm_Show_, text.data(), n + 1);
  text.resize(n);
  return text;
}

}  // namespace vellumo
