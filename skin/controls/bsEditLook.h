// The skinned edit's look and rules: font colour by state, the height rule,
// the text area inside the frame, the frame and text-area pictures, which
// keys and operations reach the text, and its context menu as data.
// Portable.
#pragma once

#include <string>
#include <vector>

#include "skin/controls/bsControlSection.h"
#include "skin/menus/bsMenuModel.h"

namespace bs {

struct EditState {
  Size size;
  bool enabled = true;
  bool focused = false;
  bool mouseOver = false;
  bool useSkinFont = true;
  int cellHeight = 0;   // the font's character cell height, measured by the platform
  int buttonWidth = 0;  // the optional button's width in button mode, else 0
};

// The text colour: disabled, active (focused, or the mouse over it while a
// section is in force) or normal.
Pixel EditFontColour(const ControlSection& s, const EditState& e, Pixel defaultFontColour,
                     const SystemColors& colours);
// The height the edit takes when asked for request: the skin height with a
// section and the skin font, else from the font's cell height (no section
// and the skin font: the request).
int EditHeight(const ControlSection& s, const EditState& e, int request);
// The text area inside the control.
Rect EditTextAreaRect(const ControlSection& s, const EditState& e);
// Whether the frame and text area show the section's active rectangle.
bool EditShowsActive(const EditState& e);

// The whole control as it shows behind the text: the frame over everything
// but the text area, and the text area's background.
Picture EditPicture(const ControlSection& s, const EditState& e, const SystemColors& colours);

// Keys and operations.
enum class EditOperation { Type, Cut, Paste, Clear, Undo, DeleteKey, Copy, SelectAll };
// Whether an operation reaches the text; a read-only edit drops the ones
// that would change it.
bool EditAllows(EditOperation op, bool readOnly);
// Whether a typed character is inserted: Enter (13) and Esc (27) never are;
// they only reach the key-press event.
bool EditInsertsChar(unsigned ch, bool readOnly);

// The context menu, built afresh at each opening.
struct EditMenuState {
  bool canUndo = false;
  bool hasSelection = false;
  bool allSelected = false;
  bool clipboardHasText = false;
  bool readOnly = false;
};
// From the edit's text length and selection (an empty text counts as all
// selected).
EditMenuState EditMenuStateOf(int textLength, int selStart, int selLength, bool canUndo,
                              bool clipboardHasText, bool readOnly);
// The commands of the context menu's items.
enum EditCommand : int {
  kEditUndo = 1,
  kEditCut,
  kEditCopy,
  kEditPaste,
  kEditDelete,
  kEditSelectAll,
};
// Undo, separator, Cut, Copy, Paste, Delete, separator, Select all; captions
// from the resource strings when given, else the program's own (GBK).
std::vector<MenuItem> EditContextMenu(const EditMenuState& st,
                                      const TbsResourceStrData* strings);

}  // namespace bs
