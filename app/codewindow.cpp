#include "app/codewindow.h"

#include <commctrl.h>
#include <commdlg.h>

#include <vector>

#include "app/cmdline.h"
#include "app/codepagemapping.h"
#include "app/loader.h"
#include "app/menuids.h"
#include "app/newfiletips.h"
#include "app/programstate.h"
#include "app/rounding.h"
#include "app/textbox.h"
#include "convert/convert.h"
#include "shell/software.h"
#include "win32/errorbox.h"
#include "win32/strings.h"

namespace vellumo {

namespace {

const wchar_t kCaption[] = L"Vellumo (GB2312 Big5 韩码 日码 Unicode)";
constexpr int kClientWidth = 420;
constexpr int kClientHeight = 290;
constexpr int kStatusBarHeight = 19;
constexpr DWORD kWindowStyle = WS_OVERLAPPEDWINDOW;
// Longest line, in characters, that the text box still wraps.
constexpr std::size_t kLongestWrappedLine = 16384;

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
      if (lp == 0) OnCommand(LOWORD(wp));
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wp) != WA_INACTIVE) {
        if (mm_Show_) SetFocus(mm_Show_);
        RunCommand(Handle(), [this] { FormActivate(); });
      }
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
  scrollBars_ = bars;
  SendMessageW(mm_Show_, EM_SETLIMITTEXT, 0x7FFFFFFE, 0);
  if (textFont_) SendMessageW(mm_Show_, WM_SETFONT, reinterpret_cast<WPARAM>(textFont_.get()), 0);
  SetText(text);
  if (hadFocus) SetFocus(mm_Show_);
}

void TForm1::LayoutChildren() {
  RECT rc;
  GetClientRect(Handle(), &rc);
  int textHeight = rc.bottom > kStatusBarHeight ? rc.bottom - kStatusBarHeight : 0;
  if (mm_Show_) MoveWindow(mm_Show_, 0, 0, rc.right, textHeight, TRUE);
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
  RunCommand(Handle(), [this] { Load_Param(); });
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
  std::wstring text;
  WIN32_FILE_ATTRIBUTE_DATA info;
  if (GetFileAttributesExW(Widen(path).c_str(), GetFileExInfoStandard, &info) &&
      info.nFileSizeHigh == 0)
    text.reserve(info.nFileSizeLow / 2 + 64);
  SourceKind kind = LoadLinesTo(path, LoadedTable(), [&](const std::string& line) {
    mapping.Decode(line.data(), line.size(), text);
    text += L"\r\n";
  });
  SetPanelText(2, Widen(SourceKindText(kind)));
  textCodeType_ = CurrentCodeType;
  int bars = ScrollBarsFor(text, false);
  if (bars >= 0 && bars != scrollBars_) {
    CreateTextBox(bars, text);  // one layout of the text instead of two
  } else {
    SetText(text);
    ApplyScrollBars(ScrollBarsFor(text, true), text);
  }
  SetPanelText(5, L"");
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
  ChangeCodeType(CurrentCodeType);
  if (!CurrentFileName.empty()) LoadFile(CurrentFileName);
}

void TForm1::ChangeCodeType(CodeType codeType) {
  for (unsigned tag = 1; tag <= kCodeTypeCount; ++tag)
    CheckMenuItem(menu_, PageOfTag(tag).menuId, MF_BYCOMMAND | MF_UNCHECKED);
  const DisplayCodePage& page = DisplayCodePageOf(codeType);
  UniqueFont font = MakeFont(page.fontName, 13, page.charset);
  SendMessageW(mm_Show_, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
  textFont_ = std::move(font);
  // The same bytes, now read in the new code page; an edit stays an edit.
  if (textCodeType_ != codeType && GetWindowTextLengthW(mm_Show_) > 0) {
    std::wstring text = Text();
    std::string bytes = ByteTextOf(textCodeType_).Encode(text.data(), text.size());
    std::wstring redrawn;
    ByteTextOf(codeType).Decode(bytes.data(), bytes.size(), redrawn);
    bool edited = Edited();
    SetText(redrawn);
    carriedEdit_ = edited;
  }
  textCodeType_ = codeType;
  CheckMenuItem(menu_, page.menuId, MF_BYCOMMAND | MF_CHECKED);
  MENUITEMINFOW mi = {};
  mi.cbSize = sizeof mi;
  mi.fMask = MIIM_STRING;
  mi.dwTypeData = const_cast<wchar_t*>(page.openCaption);
  SetMenuItemInfoW(menu_, kMenuOpenFile, FALSE, &mi);
  SetPanelText(4, page.panelText);
  const std::string table = ProgramDir + DisplayCodePageOf(CurrentCodeType).tableFile;
  TableLoaded = LoadCodeTable(table, CodeTable);
}

void TForm1::AutoScroll() {
  std::wstring text = Text();
  ApplyScrollBars(ScrollBarsFor(text, true), text);
}

int TForm1::ScrollBarsFor(const std::wstring& text, bool shown) const {
  RECT r;
  GetWindowRect(mm_Show_, &r);
  TextBoxLines lines(text, ByteTextOf(textCodeType_));
  const HWND box = shown ? mm_Show_ : nullptr;
  bool wraps = !(scrollBars_ & 1);
  int bars = 0;
  if (lines.LongestLine() > kLongestWrappedLine) {
    // The edit control wraps a line in time that grows with the square of
    // its length (minutes for a line of a megabyte): such a text is shown
    // unwrapped, with the horizontal bar, whatever the wrap command says.
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
  SendMessageW(mm_Show_, WM_SETREDRAW, FALSE, 0);
  SetWindowTextW(mm_Show_, text.c_str());
  SendMessageW(mm_Show_, EM_EMPTYUNDOBUFFER, 0, 0);
  SendMessageW(mm_Show_, EM_SETMODIFY, FALSE, 0);
  SendMessageW(mm_Show_, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(mm_Show_, nullptr, TRUE);
  carriedEdit_ = false;
}

std::wstring TForm1::Text() const {
  int n = GetWindowTextLengthW(mm_Show_);
  std::wstring text(n + 1, L'\0');
  n = GetWindowTextW(mm_Show_, text.data(), n + 1);
  text.resize(n);
  return text;
}

}  // namespace vellumo
