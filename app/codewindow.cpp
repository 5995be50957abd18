#include "app/codewindow.h"

#include <commctrl.h>
#include <commdlg.h>
#include <dlgs.h>

#include <Scintilla.h>

#include <vector>

#include "app/busysign.h"
#include "app/cmdline.h"
#include "app/filedialog.h"
#include "app/menuids.h"
#include "app/newfiletips.h"
#include "app/previewform.h"
#include "app/texts.h"
#include "app/rounding.h"
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

class BusyOfWindow : public BusyScope {
 public:
  BusyOfWindow(HWND statusBar, bool shown, bool& busy) : sign_(statusBar, 5, shown, busy) {}
  void Pump() override { sign_.Pump(); }
  void Done() override { sign_.Done(); }

 private:
  BusySign sign_;
};

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
  AppendItem(code, {0, nullptr, 0});
  AppendItem(code, {kMenuPreview, texts::kPreviewItem, 0});
  EnableMenuItem(menu_, kMenuPreview, MF_BYCOMMAND | MF_GRAYED);
  Popup(menu_, L"选项",
        {{kMenuWrap, L"自动换行", 0},
         {kMenuRegTxt, L"与文本关联", 0},
         {kMenuN6, L"清除关联", 0},
         {kMenuNextUnshown, texts::kNextUnshownItem, 0}});
  ACCEL keys[] = {{FCONTROL | FVIRTKEY, 'F', kCommandFind},
                  {FVIRTKEY, VK_F3, kCommandFindNext},
                  {FVIRTKEY, VK_F4, kMenuNextUnshown}};
  accelerators_.reset(CreateAcceleratorTableW(keys, static_cast<int>(std::size(keys))));
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
    case WM_NOTIFY: {
      const auto* n = reinterpret_cast<const NMHDR*>(lp);
      if (n->hwndFrom == mm_Show.Handle() && n->code == SCN_SAVEPOINTLEFT) viewer_.TextChanged();
      return 0;
    }
    case WM_CLOSE:
      if (busy_) PostMessageW(Handle(), WM_CLOSE, 0, 0);
      else DestroyWindow(Handle());
      return 0;
    case WM_ACTIVATE:
      if (LOWORD(wp) != WA_INACTIVE) {
        if (mm_Show.Handle()) SetFocus(mm_Show.Handle());
        if (busy_) PostMessageW(Handle(), kMsgActivated, 0, 0);
        else RunCommand(Handle(), [this] { FormActivate(); });
      }
      return 0;
    case kMsgActivated:
      RunCommand(Handle(), [this] { FormActivate(); });
      return 0;
    case WM_DROPFILES:
      OnDropFiles(reinterpret_cast<HDROP>(wp));
      return 0;
    case WM_DESTROY:
      PostQuitMessage(0);
      return 0;
  }
  static const UINT findMessage = RegisterWindowMessageW(FINDMSGSTRINGW);
  if (msg == findMessage) {
    OnFindMessage(*reinterpret_cast<const FINDREPLACEW*>(lp));
    return 0;
  }
  return DefaultProc(msg, wp, lp);
}

void TForm1::OnFindMessage(const FINDREPLACEW& find) {
  if (find.Flags & FR_DIALOGTERM) {
    findDialog_ = nullptr;
    return;
  }
  if (!(find.Flags & FR_FINDNEXT) || busy_) return;
  // The text as the dialog's box holds it: Wine hands lpstrFindWhat over
  // through the system's code page.
  std::wstring text(find.wFindWhatLen, L'\0');
  text.resize(GetDlgItemTextW(findDialog_, edt1, text.data(), find.wFindWhatLen));
  RunCommand(Handle(), [&] {
    viewer_.Find(text, (find.Flags & FR_MATCHCASE) != 0, (find.Flags & FR_DOWN) != 0);
  });
}

void TForm1::OnDropFiles(HDROP drop) {
  std::vector<std::filesystem::path> files;
  const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
  for (UINT i = 0; i < count && !busy_; ++i) {
    std::wstring name(DragQueryFileW(drop, i, nullptr, 0) + 1, L'\0');
    name.resize(DragQueryFileW(drop, i, name.data(), static_cast<UINT>(name.size())));
    files.emplace_back(name);
  }
  DragFinish(drop);
  RunCommand(Handle(), [&] { viewer_.FilesDropped(files); });
}

void TForm1::OnCreate() {
  windowFont_ = MakeFont(L"MS Sans Serif", 11, DEFAULT_CHARSET);
  CreateStatusBar();
  RECT rc;
  GetClientRect(Handle(), &rc);
  rc.bottom = rc.bottom > kStatusBarHeight ? rc.bottom - kStatusBarHeight : 0;
  if (!mm_Show.Create(instance_, Handle(), kTextBoxId, rc))
    throw CommandError(L"The text box cannot be created");
  DragAcceptFiles(Handle(), TRUE);
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

void TForm1::LayoutChildren() {
  RECT rc;
  GetClientRect(Handle(), &rc);
  int textHeight = rc.bottom > kStatusBarHeight ? rc.bottom - kStatusBarHeight : 0;
  if (mm_Show.Handle()) MoveWindow(mm_Show.Handle(), 0, 0, rc.right, textHeight, TRUE);
  if (statusBar_) MoveWindow(statusBar_, 0, textHeight, rc.right, kStatusBarHeight, TRUE);
}

void TForm1::MakeHiddenWindows() {
  if (!makeHidden_) return;
  const std::function<void()> make = std::move(makeHidden_);
  makeHidden_ = nullptr;
  make();
}

void TForm1::OnCommand(UINT id) {
  RunCommand(Handle(), [&] {
    switch (id) {
      case kMenuOpenFile: viewer_.mn_OpenFileClick(); break;
      case kMenuNewFile: viewer_.mn_NewFileClick(); break;
      case kMenuSaveFile: viewer_.mn_SaveFileClick(); break;
      case kMenuNotepad: viewer_.mn_NotepadClick(); break;
      case kMenuQuit: viewer_.mn_QuitClick(); break;
      case kMenuGb2312:
      case kMenuBig5:
      case kMenuKorean:
      case kMenuJapanese: {
        MENUITEMINFOW mi = {};
        mi.cbSize = sizeof mi;
        mi.fMask = MIIM_DATA;
        GetMenuItemInfoW(menu_, id, FALSE, &mi);
        viewer_.mn_ShowCodeClick(static_cast<unsigned>(mi.dwItemData));
        break;
      }
      case kMenuPreview: viewer_.mn_PreviewClick(); break;
      case kMenuWrap: viewer_.mn_WrapClick(); break;
      case kMenuNextUnshown: viewer_.mn_NextUnshownClick(); break;
      case kCommandFind: viewer_.FindClick(); break;
      case kCommandFindNext: viewer_.FindNextClick(); break;
      case kMenuRegTxt: mn_RegTxtClick(); break;
      case kMenuN6: N6Click(); break;
      case kMenuAbout: mn_AboutClick(); break;
      case kMenuHelp: mn_HelpClick(); break;
    }
  });
}

void TForm1::FormCreate() {
  const std::wstring exe = Widen(ExecutablePath());
  viewer_.FormCreate(exe.substr(0, exe.rfind(L'\\') + 1));
  RECT r;
  GetWindowRect(Handle(), &r);
  int w = r.right - r.left, h = r.bottom - r.top;
  int left = RoundHalfEven((GetSystemMetrics(SM_CXSCREEN) - w) / 2.0);
  int top = RoundHalfEven((GetSystemMetrics(SM_CYSCREEN) - h) / 2.0);
  SetWindowPos(Handle(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  // Load_Param comes once the window is on screen (the program entry calls
  // it): a large file must not keep the window from showing.
}

void TForm1::Load_Param() { viewer_.Load_Param(CommandLineArgument(GetCommandLineW(), 1)); }

// ViewerView

void TForm1::SetPanelText(int index, const std::wstring& text) {
  // Two tabs right-align a panel's text; only panel 2 is right-aligned.
  std::wstring shown = index == 2 ? L"\t\t" + text : text;
  SendMessageW(statusBar_, SB_SETTEXTW, index, reinterpret_cast<LPARAM>(shown.c_str()));
}

void TForm1::SetPanelWidth(int index, int width) {
  panelWidths_[index] = width;
  int edges[6];
  int pos = 0;
  for (int i = 0; i < 5; ++i) edges[i] = pos += panelWidths_[i];
  edges[5] = -1;  // the last panel runs to the right edge
  SendMessageW(statusBar_, SB_SETPARTS, 6, reinterpret_cast<LPARAM>(edges));
}

int TForm1::SystemCodePageLength(const std::wstring& text) {
  if (text.empty()) return 0;
  return WideCharToMultiByte(CP_ACP, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                             nullptr, nullptr);
}

void TForm1::ShowCodeType(CodeType codeType) {
  for (unsigned tag = 1; tag <= kCodeTypeCount; ++tag)
    CheckMenuItem(menu_, PageOfTag(tag).menuId, MF_BYCOMMAND | MF_UNCHECKED);
  const DisplayCodePage& page = DisplayCodePageOf(codeType);
  CheckMenuItem(menu_, page.menuId, MF_BYCOMMAND | MF_CHECKED);
  MENUITEMINFOW mi = {};
  mi.cbSize = sizeof mi;
  mi.fMask = MIIM_STRING;
  mi.dwTypeData = const_cast<wchar_t*>(page.openCaption);
  SetMenuItemInfoW(menu_, kMenuOpenFile, FALSE, &mi);
  SetPanelText(4, page.panelText);
}

void TForm1::CheckWrap(bool checked) {
  CheckMenuItem(menu_, kMenuWrap, MF_BYCOMMAND | (checked ? MF_CHECKED : MF_UNCHECKED));
}

void TForm1::SetRedraw(bool on) {
  redrawOff_ += on ? -1 : 1;
  if (on && redrawOff_ > 0) return;
  SendMessageW(mm_Show.Handle(), WM_SETREDRAW, on ? TRUE : FALSE, 0);
  if (on) InvalidateRect(mm_Show.Handle(), nullptr, TRUE);
}

std::unique_ptr<DocumentBuilder> TForm1::NewDocument(std::uint64_t sizeHint) {
  return mm_Show.NewDocument(sizeHint);
}

void TForm1::ShowDocument(std::unique_ptr<DocumentBuilder> document, CodeType codeType) {
  mm_Show.Show(std::move(document), codeType);
}

void TForm1::Reinterpret(CodeType codeType) { mm_Show.SetCodeType(codeType); }

std::string_view TForm1::Bytes() { return mm_Show.Bytes(); }

void TForm1::MarkUnshown(const std::vector<UnshownMark>& marks) { mm_Show.MarkUnshown(marks); }

bool TForm1::SelectNextUnshown() { return mm_Show.SelectNextUnshown(); }

bool TForm1::SearchText(const std::wstring& text, bool matchCase, bool down) {
  return mm_Show.Find(text, matchCase, down);
}

void TForm1::EnablePreview(bool enabled) {
  EnableMenuItem(menu_, kMenuPreview, MF_BYCOMMAND | (enabled ? MF_ENABLED : MF_GRAYED));
}

int TForm1::BoxWidth() {
  RECT r;
  GetWindowRect(mm_Show.Handle(), &r);
  return r.right - r.left;
}

int TForm1::BoxHeight() {
  RECT r;
  GetWindowRect(mm_Show.Handle(), &r);
  return r.bottom - r.top;
}

std::uint64_t TForm1::WrapCount(std::uint64_t line) { return mm_Show.WrapCount(line); }

void TForm1::SetScrollBars(int bars) { mm_Show.SetScrollBars(bars); }

std::unique_ptr<BusyScope> TForm1::Busy(bool shown) {
  return std::make_unique<BusyOfWindow>(statusBar_, shown, busy_);
}

bool TForm1::AskFileName(bool save, std::filesystem::path& name,
                         const std::filesystem::path& initialDir) {
  return vellumo::AskFileName(Handle(), save, name, initialDir);
}

TipButton TForm1::ShowTips(std::int32_t mode) {
  MakeHiddenWindows();
  return tipsForm_->ShowModal(mode);
}

void TForm1::ShowFindDialog() {
  if (findDialog_) {
    SetActiveWindow(findDialog_);
    return;
  }
  find_ = {};
  find_.lStructSize = sizeof find_;
  find_.hwndOwner = Handle();
  find_.lpstrFindWhat = findText_;
  find_.wFindWhatLen = static_cast<WORD>(std::size(findText_));
  find_.Flags = FR_DOWN | FR_HIDEWHOLEWORD;
  findDialog_ = FindTextW(&find_);
}

bool TForm1::ChoosePage(const std::vector<PageCandidate>& candidates, CodeType shownIn,
                        std::size_t& chosen) {
  TPreviewForm preview;
  return preview.ShowModal(instance_, Handle(), candidates, shownIn, chosen);
}

void TForm1::Inform(const std::wstring& text) { MessageBoxW(Handle(), text.c_str(), kAppTitle, MB_OK); }

int TForm1::RunAndWait(const std::wstring& commandLine) {
  return vellumo::RunAndWait(Narrow(commandLine), true);
}

void TForm1::Close() { SendMessageW(Handle(), WM_CLOSE, 0, 0); }

}  // namespace vellumo
