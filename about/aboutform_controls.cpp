// The About window's skinned controls: created on the form, laid out by their
// align rules for the client size, their button pictures, hints and handlers.

#include "about/aboutform.h"
#include "about/aboutlanguage.h"
#include "skin/controls/bsAboutLayout.h"

namespace vellumo {

namespace {

struct RowButton {
  bs::TbsSkinSpeedButton Taboutform::*button;
  const wchar_t* glyph;  // resource name
  void (Taboutform::*click)();
  int spacing;
};

const RowButton kRow[bs::kAboutButtonCount] = {
    {&Taboutform::bsSkinSB_backword, L"GLYPH_BACK", &Taboutform::bsSkinSB_backwordClick, 1},
    {&Taboutform::bsSkinSB_forward, L"GLYPH_FORWARD", &Taboutform::bsSkinSB_forwardClick, 1},
    {&Taboutform::bsSkinSB_about, L"GLYPH_ABOUT", &Taboutform::bsSkinSB_aboutClick, 1},
    {&Taboutform::bsSkinSB_home, L"GLYPH_HOME", &Taboutform::bsSkinSB_homeClick, 1},
    {&Taboutform::bsSkinSB_email, L"GLYPH_EMAIL", &Taboutform::bsSkinSB_emailClick, 1},
    {&Taboutform::bsSkinSB_bbs, L"GLYPH_BBS", &Taboutform::bsSkinSB_bbsClick, 1},
    {&Taboutform::bsSkinSpeedButton1, L"GLYPH_EXPORT", &Taboutform::bsSkinSpeedButton1Click, 0},
};

}  // namespace

void Taboutform::ControlsRelayout::SkinDataNotify(bs::TbsSkinData&, unsigned message, int) {
  if (message == bs::SkinChanged) form_.LayOutControls();
}

bs::Picture Taboutform::LoadGlyph(const wchar_t* name) const {
  HRSRC res = FindResourceW(instance_, name, MAKEINTRESOURCEW(10));
  HGLOBAL data = res ? LoadResource(instance_, res) : nullptr;
  const void* bytes = data ? LockResource(data) : nullptr;
  if (!bytes) return bs::Picture();
  try {
    std::size_t used = 0;
    return bs::ReadBmp(static_cast<const std::uint8_t*>(bytes), SizeofResource(instance_, res), &used);
  } catch (const bs::EInvalidGraphic&) {
    return bs::Picture();  // a button without its picture
  }
}

void Taboutform::CreateControls() {
  RECT client;
  GetClientRect(Handle(), &client);
  const bs::AboutLayout l = bs::LayOutAboutWindow(&bsSkinData1, {client.right, client.bottom});

  bsSkinPanel1.CreateControl(Handle(), l.panel1);
  bsSkinPanel2.SetSkinData(&bsSkinData1);
  bsSkinPanel2.CreateControl(bsSkinPanel1.Handle(), l.panel2);
  note.DefaultFont.charSet = ANSI_CHARSET;
  note.AutoSize = false;
  note.WordWrap = true;
  note.SetParent(&bsSkinPanel2);
  note.SetSkinData(&bsSkinData1);
  note.SetBounds(l.note);
  note.SetCaption(L"地址");  // the language strings give the address label's text

  Edit_input.SetSkinData(&bsSkinData1);
  Edit_input.OnKeyDown = [this](WORD& key) { Edit_inputKeyDown(key); };
  Edit_input.CreateEdit(bsSkinPanel1.Handle(), l.edit);
  bsSkinButton1.SetSkinData(&bsSkinData1);
  bsSkinButton1.Caption = kDesignOkCaption;
  bsSkinButton1.OnClick = [this] { bsSkinButton1Click(); };
  bsSkinButton1.CreateControl(bsSkinPanel1.Handle(), l.okButton);

  bsSkinPanel3.SetSkinData(&bsSkinData1);
  bsSkinPanel3.CreateControl(Handle(), l.panel3);
  for (int i = 0; i < bs::kAboutButtonCount; ++i) {
    const RowButton& r = kRow[i];
    bs::TbsSkinSpeedButton& b = this->*r.button;
    b.Glyph = LoadGlyph(r.glyph);
    b.Spacing = r.spacing;
    b.SetHint(DesignHint(static_cast<bs::AboutButton>(i)));  // the language strings replace it
    b.OnClick = [this, click = r.click] { (this->*click)(); };
    b.SetParent(&bsSkinPanel3);
    b.SetSkinData(&bsSkinData1);
    b.SetBounds(l.buttons[i]);
  }
  bsSkinSB_forward.SetEnabled(false);
  bsSkinData1.AddObserver(&relayout_);
}

// The align rules for the client size (the label panel stays 40 wide).
void Taboutform::LayOutControls() {
  if (!bsSkinPanel1.Handle()) return;
  RECT client;
  GetClientRect(Handle(), &client);
  const bs::AboutLayout l = bs::LayOutAboutWindow(&bsSkinData1, {client.right, client.bottom});
  bsSkinPanel1.SetBounds(l.panel1);
  bsSkinPanel2.SetBounds(l.panel2);
  note.SetBounds(l.note);
  Edit_input.SetBounds(l.edit);
  bsSkinButton1.SetBounds(l.okButton);
  bsSkinPanel3.SetBounds(l.panel3);
  for (int i = 0; i < bs::kAboutButtonCount; ++i) (this->*kRow[i].button).SetBounds(l.buttons[i]);
}

// ---- Handlers: run by the browser's logic. ----

void Taboutform::bsSkinButton1Click() {
  browser_.Run(&AboutLogic::bsSkinButton1Click);
}

// Enter does what the OK button does; other keys go on to the edit.
void Taboutform::Edit_inputKeyDown(WORD& key) {
  if (key != VK_RETURN) return;
  bsSkinButton1Click();
}

void Taboutform::bsSkinSB_backwordClick() {
  browser_.Run(&AboutLogic::bsSkinSB_backwordClick);
}
void Taboutform::bsSkinSB_forwardClick() {
  browser_.Run(&AboutLogic::bsSkinSB_forwardClick);
}
void Taboutform::bsSkinSB_aboutClick() {
  browser_.Run(&AboutLogic::bsSkinSB_aboutClick);
}
void Taboutform::bsSkinSB_homeClick() {
  browser_.Run(&AboutLogic::bsSkinSB_homeClick);
}
void Taboutform::bsSkinSB_emailClick() {
  browser_.Run(&AboutLogic::bsSkinSB_emailClick);
}
void Taboutform::bsSkinSB_bbsClick() {
  browser_.Run(&AboutLogic::bsSkinSB_bbsClick);
}
void Taboutform::bsSkinSpeedButton1Click() {
  browser_.Run(&AboutLogic::bsSkinSpeedButton1Click);
}

// ---- The view the browser's logic works on ----

void Taboutform::SetAddressText(const std::wstring& text) { Edit_input.SetText(text); }
std::wstring Taboutform::AddressText() const { return Edit_input.Text(); }
void Taboutform::FocusAddress() {
  if (Edit_input.Handle()) SetFocus(Edit_input.Handle());
}
void Taboutform::SetBackEnabled(bool enabled) { bsSkinSB_backword.SetEnabled(enabled); }
void Taboutform::SetForwardEnabled(bool enabled) { bsSkinSB_forward.SetEnabled(enabled); }
void Taboutform::SetCursorBusy(bool busy) { browser_.Pane().SetBusy(busy); }
// The label is window-less: the panel that holds it carries its text as its
// own window text too, for whoever reads windows (tests, screen readers).
void Taboutform::SetLabelText(const std::wstring& text) {
  note.SetCaption(text);
  if (HWND h = bsSkinPanel2.Handle()) SetWindowTextW(h, text.c_str());
}

// The caption is the button's window text too, so that it reads as one.
void Taboutform::SetOkCaption(const std::wstring& text) {
  bsSkinButton1.Caption = text;
  if (HWND h = bsSkinButton1.Handle()) {
    SetWindowTextW(h, text.c_str());
    InvalidateRect(h, nullptr, FALSE);
  }
}

void Taboutform::SetHint(bs::AboutButton button, const std::wstring& text) {
  if (button >= 0 && button < bs::kAboutButtonCount) (this->*kRow[button].button).SetHint(text);
}

}  // namespace vellumo
