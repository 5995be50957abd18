#include "skin/controls/bsEditLook.h"

#include "skin/controls/bsEditPicture.h"
#include "skin/draw/bsPictureCopy.h"
#include "skin/draw/bsPlainDraw.h"

namespace bs {

Pixel EditFontColour(const ControlSection& s, const EditState& e, Pixel defaultFontColour,
                     const SystemColors& colours) {
  const auto* d = s.As<TbsDataSkinEditControl>();
  if (d == nullptr) return e.enabled ? defaultFontColour : colours.grayText;
  if (!e.enabled) return PixelOf(d->disabledfontcolor);
  if (e.focused || e.mouseOver) return PixelOf(d->activefontcolor);
  return PixelOf(d->fontcolor);
}

int EditHeight(const ControlSection& s, const EditState& e, int request) {
  if (!s.InForce()) return e.useSkinFont ? request : e.cellHeight + 4;
  if (e.useSkinFont) return s.SkinSize().height;
  return e.cellHeight + s.SkinSize().height - s.geometry.client.Height();
}

Rect EditTextAreaRect(const ControlSection& s, const EditState& e) {
  const int w = e.size.width, h = e.size.height;
  if (!s.InForce()) return Rect{2, 2, w - 2 - e.buttonWidth, h - 2};
  const Rect& cl = s.geometry.client;
  const Size skin = s.SkinSize();
  return Rect{cl.left, cl.top, w - (skin.width - cl.right) - e.buttonWidth,
              h - (skin.height - cl.bottom)};
}

bool EditShowsActive(const EditState& e) { return e.mouseOver || e.focused; }

Picture EditPicture(const ControlSection& s, const EditState& e, const SystemColors& colours) {
  const int w = e.size.width, h = e.size.height;
  if (w <= 0 || h <= 0) return Picture();
  if (!s.InForce()) {
    Picture pic(w, h, colours.window);
    FrameRect(pic, Rect{0, 0, w, h}, colours.btnShadow);
    FrameRect(pic, Rect{1, 1, w - 1, h - 1}, colours.btnFace);
    return pic;
  }
  Picture pic(w, h);
  if (s.picture == nullptr) return pic;
  Rect rect = s.geometry.skinRect;
  const auto* d = s.As<TbsDataSkinEditControl>();
  if (d != nullptr && EditShowsActive(e) && !d->activeskinrect.IsEmpty()) rect = d->activeskinrect;
  const Picture frame = EditFrame(*s.picture, s.geometry, rect, w);
  const Rect area = EditTextAreaRect(s, e);
  const Picture text = EditTextArea(*s.picture, s.geometry, rect, area.Width());
  if (e.useSkinFont) {
    CopyPicture(pic, 0, 0, frame, Rect{0, 0, frame.width, frame.height});
    CopyPicture(pic, area.left, area.top, text, Rect{0, 0, text.width, text.height});
  } else {
    StretchPicture(pic, Rect{0, 0, w, h}, frame, Rect{0, 0, frame.width, frame.height});
    StretchPicture(pic, area, text, Rect{0, 0, text.width, text.height});
  }
  return pic;
}

bool EditAllows(EditOperation op, bool readOnly) {
  switch (op) {
    case EditOperation::Copy:
    case EditOperation::SelectAll: return true;
    default: return !readOnly;
  }
}

bool EditInsertsChar(unsigned ch, bool readOnly) { return ch != 13 && ch != 27 && !readOnly; }

EditMenuState EditMenuStateOf(int textLength, int selStart, int selLength, bool canUndo,
                              bool clipboardHasText, bool readOnly) {
  EditMenuState st;
  st.canUndo = canUndo;
  st.hasSelection = selLength > 0;
  st.allSelected = selStart <= 0 && selLength >= textLength;
  st.clipboardHasText = clipboardHasText;
  st.readOnly = readOnly;
  return st;
}

namespace {

MenuItem EditItem(const TbsResourceStrData* strings, const char* key, const char* own,
                  int command, bool enabled) {
  MenuItem m;
  const std::string res = strings != nullptr ? strings->GetResStr(key) : std::string();
  m.caption = res.empty() ? std::string(own) : res;
  m.command = command;
  m.enabled = enabled;
  return m;
}

}  // namespace

std::vector<MenuItem> EditContextMenu(const EditMenuState& st,
                                      const TbsResourceStrData* strings) {
  const bool canChange = !st.readOnly;
  return {
      EditItem(strings, "EDIT_UNDO", "\xB3\xB7\xCF\xFA", kEditUndo, st.canUndo),
      Separator(),
      EditItem(strings, "EDIT_CUT", "\xBC\xF4\xC7\xD0", kEditCut, st.hasSelection && canChange),
      EditItem(strings, "EDIT_COPY", "\xB8\xB4\xD6\xC6", kEditCopy, st.hasSelection),
      EditItem(strings, "EDIT_PASTE", "\xD5\xB3\xCC\xF9", kEditPaste,
               st.clipboardHasText && canChange),
      EditItem(strings, "EDIT_DELETE", "\xC9\xBE\xB3\xFD", kEditDelete,
               st.hasSelection && canChange),
      Separator(),
      EditItem(strings, "EDIT_SELECTALL", "\xC8\xAB\xB2\xBF\xD1\xA1\xD4\xF1", kEditSelectAll,
               !st.allSelected),
  };
}

}  // namespace bs
