// The main window's commands that work through other programs and the shell:
// Unicode input and Notepad, the companion-file check, the help page and the
// right-click association.
#include "about/aboutform.h"
#include "app/codewindow.h"
#include "app/newfiletips.h"
#include "app/programstate.h"
#include "shell/software.h"
#include "win32/errorbox.h"
#include "win32/strings.h"

namespace vellumo {

namespace {

const char kVerb[] = "Runeview";
const char kVerbText[] = "Vellumo";
const char kTextFileClass[] = "txtfile";

// Relative on purpose: the template, the working file and Notepad's command
// line all resolve against the current directory.
const wchar_t kTemplate[] = L"dll\\U2A.dll";
const char kWorkingFile[] = "new.txt";

void Inform(HWND owner, const wchar_t* text) { MessageBoxW(owner, text, kAppTitle, MB_OK); }

}  // namespace

void TForm1::mn_NewFileClick() {
  if (!CheckFileSave()) return;
  CopyFileW(kTemplate, Widen(kWorkingFile).c_str(), FALSE);
  if (ShowInputTip) {
    TipMode = kInputTip;
    tipsForm_->ShowModal(TipMode);  // only OK: the answer changes nothing
  }
  RunAndWait(NotepadCommand(kWorkingFile), true);
  CurrentFileName = kWorkingFile;
  LoadFile(CurrentFileName);
  MarkCurrentFileName();
}

void TForm1::mn_NotepadClick() {
  // Without a document there is nothing to edit and nothing to reload.
  if (CurrentFileName.empty()) {
    Inform(Handle(), L"当前没有打开的文件，请先打开文本。");
    return;
  }
  if (!CheckFileSave()) return;
  RunAndWait(NotepadCommand(CurrentFileName), true);
  LoadFile(CurrentFileName);
}

void TForm1::FormActivate() {
  // The message box below gives the activation back to this window when it
  // closes; that activation must not check (and ask) again.
  static bool checking = false;
  if (checking) return;
  checking = true;
  if (!AllFilesPresent(ProgramDir, CompanionFiles())) {
    Inform(Handle(), L"文件不齐，请重新下载。");
    PostMessageW(Handle(), WM_CLOSE, 0, 0);
    return;  // stays checking: the program is ending
  }
  checking = false;
}

void TForm1::mn_HelpClick() { OpenWithShell(ProgramDir + "howtouse.htm"); }

void TForm1::mn_RegTxtClick() {
  if (AddTextAssociation(kVerb, kVerbText, kTextFileClass))
    Inform(Handle(), L"与文本文件右键菜单关联成功。");
  else
    Inform(Handle(), L"与文本文件右键菜单关联失败。");
}

void TForm1::N6Click() {
  if (RemoveTextAssociation(kVerb, kTextFileClass))
    Inform(Handle(), L"已清除文本文件右键菜单关联。");
  else if (TextAssociationExists(kVerb, kTextFileClass))
    Inform(Handle(), L"清除文本文件右键菜单关联失败。");  // there, but the system kept it
  else
    Inform(Handle(), L"找不到关联信息。");
}

void TForm1::mn_AboutClick() {
  if (aboutform_) aboutform_->Show();
}

}  // namespace vellumo
