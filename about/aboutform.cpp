#include "about/aboutform.h"

#include <cstring>

#include "about/aboutskin.h"
#include "win32/errorbox.h"

namespace vellumo {

bool Taboutform::Create(HINSTANCE instance, const std::string& programDir,
                        const std::string& aboutLanguage) {
  instance_ = instance;
  programDir_ = programDir;
  aboutLanguage_ = &aboutLanguage;
  const WindowClass cls = {kClassName, instance, LoadCursorW(nullptr, IDC_ARROW), nullptr,
                           GetSysColorBrush(COLOR_INFOBK)};
  // Sized for the designed client area; the frame's margins are added once
  // the skin is in.
  if (!CreateHandle(cls, 0, L"关于 Vellumo", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN, kLeft, kTop,
                    kClientWidth, kClientHeight, nullptr, nullptr))
    return false;
  RunCommand(Handle(), [this] { FormCreate(); });
  return true;
}

void Taboutform::FormCreate() {
  font_ = MakeFont(L"宋体", 16, GB2312_CHARSET);
  SendMessageW(Handle(), WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
  bsSkinForm1.BorderIcons = bs::biSystemMenu | bs::biMinimize | bs::biMaximize;
  bsSkinForm1.ShowIcon = true;
  bsSkinForm1.DefCaptionFontName = L"Arial";
  bsSkinForm1.Attach(Handle());
  notifier_.SetForm(Handle());
  bsSkinData1.AddObserver(&notifier_);
  bsSkinForm1.SetSkinData(&bsSkinData1);
  CreateControls();
  LoadStoredSkin();
  FitToClient();
  browser_.Create(Handle(), &bsSkinData1, *this, programDir_, *aboutLanguage_);
}

// The stored skin is the ABOUTSKIN resource. A skin that is missing or
// cannot be read leaves the plain frame.
void Taboutform::LoadStoredSkin() {
  HRSRC res = FindResourceW(instance_, VELLUMO_ABOUTSKIN_RESOURCE, MAKEINTRESOURCEW(10));
  HGLOBAL data = res ? LoadResource(instance_, res) : nullptr;
  const void* bytes = data ? LockResource(data) : nullptr;
  if (!bytes) return;
  const DWORD size = SizeofResource(instance_, res);
  bs::TMemoryStream& stream = bsCompressedStoredSkin1.CompressedData;
  stream.SetSize(0);
  stream.Write(bytes, size);
  stream.SetPosition(0);
  try {
    bsSkinData1.SetCompressedStoredSkin(&bsCompressedStoredSkin1);
  } catch (const std::exception&) {
    // The skin is reset and empty: the frame stays plain.
  }
}

// The window's outer size: the designed client area plus the frame.
void Taboutform::FitToClient() {
  RECT window, client;
  GetWindowRect(Handle(), &window);
  GetClientRect(Handle(), &client);
  SetWindowPos(Handle(), nullptr, kLeft, kTop,
               window.right - window.left + kClientWidth - client.right,
               window.bottom - window.top + kClientHeight - client.bottom,
               SWP_NOZORDER | SWP_NOACTIVATE);
}

void Taboutform::Show() {
  ShowWindow(Handle(), SW_SHOW);
  SetForegroundWindow(Handle());
  RunCommand(Handle(), [this] { FormShow(); });
}

void Taboutform::FormShow() { browser_.FormShow(); }

LRESULT Taboutform::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_CLOSE:
      ShowWindow(Handle(), SW_HIDE);  // lives until the program ends
      return 0;
    case WM_SIZE:
      LayOutControls();
      browser_.Layout(LOWORD(lp), HIWORD(lp));
      break;
  }
  return DefaultProc(msg, wp, lp);
}

}  // namespace vellumo
