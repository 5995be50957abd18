// The skinned edit chain on a real EDIT window taken over through the window
// base: TbsCustomEdit (single-line behaviour on a multi-line edit, key
// events, read-only), TbsSkinCustomEdit (frame and text area from the skin
// in the non-client area, active look on hover and focus, text over the
// skin's background, the frame's popup menu as its context menu),
// TbsSkinEdit (the published kind).
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "skin/controls/bsEditLook.h"
#include "skinwin/bsSkinCtrls.h"

namespace bs {

class TbsCustomEdit : public vellumo::Window {
 public:
  enum class TextAlign { Left, Right, Center };

  // Creates the EDIT as a child of parent and takes it over.
  bool CreateEdit(HWND parent, const Rect& bounds);

  std::wstring Text() const;
  void SetText(const std::wstring& text);
  int SelStart() const;
  int SelLength() const;
  void SetSel(int start, int length);
  void SelectAll() { SetSel(0, -1); }
  void SetReadOnly(bool readOnly);
  bool AutoSelect = true;
  TextAlign Alignment = TextAlign::Left;
  wchar_t PasswordChar = 0;

  // Key-down sees every key first (Enter included); setting key to 0 drops
  // it. Key-press sees each character, Enter and Esc too, which the edit
  // never inserts; setting it to 0 drops it.
  std::function<void(WORD& key)> OnKeyDown;
  std::function<void(wchar_t& key)> OnKeyPress;
  std::function<void()> OnChange;

 protected:
  virtual DWORD EditStyle() const;
  // After any change of text, selection, scrolling or focus.
  virtual void TextAreaChanged() {}
  LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  bool readOnly_ = false;
};

class TbsSkinCustomEdit : public TbsCustomEdit, public SkinBinding, public TbsControlDefaults {
 public:
  TbsSkinCustomEdit();

  bool CreateEdit(HWND parent, const Rect& bounds);

  void SetBounds(const Rect& r);
  Rect Bounds() const;
  Size ClientSize() const;
  Rect TextArea() const;  // in window coordinates
  bool Focused() const { return GetFocus() == Handle() && Handle(); }
  Pixel FontColour() const;
  // The whole control as drawn behind the text: frame and text area.
  Picture Look() const;

 protected:
  void TextAreaChanged() override;
  // The font, the height rule and the frame anew; without a skin the same
  // gives the plain look.
  void SkinChange() override;
  void SkinCleared() override { SkinChange(); }
  // The edit keeps the size it is given, but for its height rule.
  Size FitSize(Size request) const override { return request; }
  Size DefaultSize() const override { return Size{DefaultWidth, DefaultHeight}; }
  LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  EditState State() const;
  int CellHeight() const;
  int MeasureCellHeight() const;
  void ApplyFont();
  void SetMouseOver(bool over);
  void TrackLeave(bool nonClient);
  void PaintFrame();
  void PaintTextArea(HDC dc);

  vellumo::UniqueFont font_;
  bool mouseOver_ = false;
  int cellHeight_ = 0;
};

class TbsSkinEdit : public TbsSkinCustomEdit {};

}  // namespace bs
