// The main window's commands that work through the shell: the companion-file
// check, the help page, the right-click association and the About window.
#include "about/aboutform.h"
#include "app/codewindow.h"
#include "shell/software.h"
#include "win32/errorbox.h"
#include "win32/strings.h"

namespace vellumo {

namespace {

const char kVerb[] = "Runeview";
const char kVerbText[] = "Vellumo";
const char kTextFileClass[] = "txtfile";

}  // namespace

void TForm1::FormActivate() {
  // The message box below gives the activation back to this window when it
  // closes; that activation must not check (and ask) again.
  static bool checking = false;
  if (checking) return;
  checking = true;
  if (!AllFilesPresent(Narrow(viewer_.ProgramDir.wstring()), CompanionFiles())) {
    Inform(L"文件不齐，请重新下载。");
    PostMessageW(Handle(), WM_CLOSE, 0, 0);
    return;  // stays checking: the program is ending
  }
  checking = false;
}

void TForm1::mn_HelpClick() { OpenWithShell(Narrow((viewer_.ProgramDir / "howtouse.htm").wstring())); }

void TForm1::mn_RegTxtClick() {
  if (AddTextAssociation(kVerb, kVerbText, kTextFileClass))
    Inform(L"与文本文件右键菜单关联成功。");
  else
    Inform(L"与文本文件右键菜单关联失败。");
}

void TForm1::N6Click() {
  if (RemoveTextAssociation(kVerb, kTextFileClass))
    Inform(L"已清除文本文件右键菜单关联。");
  else if (TextAssociationExists(kVerb, kTextFileClass))
    Inform(L"清除文本文件右键菜单关联失败。");  // there, but the system kept it
  else
    Inform(L"找不到关联信息。");
}

void TForm1::mn_AboutClick() {
  MakeHiddenWindows();
  if (aboutform_) aboutform_->Show();
}

}  // namespace vellumo
