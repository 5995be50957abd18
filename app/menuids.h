// Command ids of the main window's menu items (also read by the test driver).
#pragma once

namespace vellumo {

enum MenuId : unsigned {
  kMenuOpenFile = 101,
  kMenuNewFile = 102,
  kMenuSaveFile = 103,
  kMenuNotepad = 104,
  kMenuQuit = 105,
  kMenuGb2312 = 111,
  kMenuBig5 = 112,
  kMenuKorean = 113,
  kMenuJapanese = 114,
  kMenuPreview = 115,
  kMenuWrap = 121,
  kMenuRegTxt = 122,
  kMenuN6 = 123,
  kMenuNextUnshown = 124,
  kMenuAbout = 131,
  kMenuHelp = 132,
  // Keys only: Ctrl+F, F3.
  kCommandFind = 141,
  kCommandFindNext = 142,
};

// Child ids of the main window.
enum ChildId : unsigned { kTextBoxId = 1001, kStatusBarId = 1002 };

}  // namespace vellumo
