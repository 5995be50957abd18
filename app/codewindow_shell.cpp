// The main window's commands that work through other programs and the shell:
// Unicode input and Notepad, the companion-file check, the help page, the
// right-click association, and About. Not wired up yet.
#include "app/codewindow.h"

namespace vellumo {

void TForm1::mn_NewFileClick() {}
void TForm1::mn_NotepadClick() {}
void TForm1::FormActivate() {}
void TForm1::mn_HelpClick() {}
void TForm1::mn_RegTxtClick() {}
void TForm1::N6Click() {}
void TForm1::mn_AboutClick() {}

}  // namespace vellumo
