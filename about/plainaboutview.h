// The About window's address bar and button row as plain system controls
// (static label, edit, buttons, a tooltip for the hints), standing in for
// the skinned controls behind AboutView.
#pragma once

#include <windows.h>

#include <array>
#include <functional>

#include "about/aboutview.h"
#include "about/browserpane.h"
#include "skin/bsAboutLayout.h"
#include "win32/handles.h"
#include "win32/window.h"

namespace vellumo {

// The address edit; hands its key-downs to a handler first.
class AddressEdit : public Window {
 public:
  // keyDown returns true when it handled the key.
  bool Attach(HWND edit, std::function<bool(unsigned)> keyDown);

 protected:
  LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  std::function<bool(unsigned)> keyDown_;
};

class PlainAboutView : public AboutView {
 public:
  explicit PlainAboutView(BrowserPane& pane) : pane_(pane) {}
  bool Create(HWND form, std::function<bool(unsigned)> editKeyDown);
  void Place(const bs::AboutLayout& layout);

  void SetAddressText(const std::wstring& text) override;
  std::wstring AddressText() const override;
  void FocusAddress() override;
  void SetBackEnabled(bool enabled) override;
  void SetForwardEnabled(bool enabled) override;
  void SetCursorBusy(bool busy) override { pane_.SetBusy(busy); }
  void SetLabelText(const std::wstring& text) override;
  void SetOkCaption(const std::wstring& text) override;
  void SetHint(bs::AboutButton button, const std::wstring& text) override;

 private:
  HWND Child(int id) const { return GetDlgItem(form_, id); }

  BrowserPane& pane_;
  HWND form_ = nullptr;
  HWND tooltip_ = nullptr;
  AddressEdit edit_;
  UniqueFont font_;
};

}  // namespace vellumo
