// Program entry: OLE for the run, the main window (its creation initialises
// the program-wide state) shown, the file named on the command line opened,
// and the message loop until the main window closes, which makes the About
// window (hidden) and the tips dialog once it is first idle.
#include <windows.h>
#include <commctrl.h>

#include "about/aboutform.h"
#include "app/codewindow.h"
#include "app/newfiletips.h"
#include "win32/strings.h"
#include "win32/errorbox.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
  vellumo::OleSession ole;  // outlives every window
  INITCOMMONCONTROLSEX icc = {sizeof icc, ICC_BAR_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&icc);

  vellumo::TForm1 form1;
  if (!form1.Create(instance)) return 1;
  ShowWindow(form1.Handle(), show);
  // Painted, menus and status bar with it, before a file of any size is read.
  RedrawWindow(form1.Handle(), nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
  vellumo::RunCommand(form1.Handle(), [&] { form1.Load_Param(); });
  // The hidden windows once the program is first idle, the file shown, or at
  // the first command: the About window's browser takes a moment to start.
  vellumo::Taboutform aboutform;
  vellumo::TTipsForm tipsForm;
  form1.SetHiddenWindowsMaker([&] {
    aboutform.Create(instance, vellumo::Narrow(form1.Model().ProgramDir.wstring()),
                     form1.Model().AboutLanguage);
    form1.SetAboutForm(&aboutform);
    tipsForm.Create(instance, form1.Handle(), form1.Model().Tips);
    form1.SetTipsForm(&tipsForm);
  });
  MSG msg;
  for (;;) {
    if (!PeekMessageW(&msg, nullptr, 0, 0, PM_NOREMOVE)) form1.MakeHiddenWindows();
    if (GetMessageW(&msg, nullptr, 0, 0) <= 0) break;
    if (form1.FindDialog() && IsDialogMessageW(form1.FindDialog(), &msg)) continue;
    if (TranslateAcceleratorW(form1.Handle(), form1.Accelerators(), &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
  return static_cast<int>(msg.wParam);
}
