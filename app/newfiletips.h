// The tips dialog TTipsForm: the input tip before Notepad and the save
// prompt, each with its "do not ask again" check box. Shown modally with its
// kind; returns the button pressed.
#pragma once

#include <windows.h>

#include <cstdint>

#include "app/tips.h"
#include "win32/handles.h"
#include "win32/window.h"

namespace vellumo {

class TTipsForm : public Window {
 public:
  static constexpr wchar_t kClassName[] = L"TTipsForm";

  // Created hidden at start-up; owner is the main window, state the flags
  // and answer it shows and sets.
  bool Create(HINSTANCE instance, HWND owner, TipsState& state);
  // Shows the dialog for mode (a TipKind; another value keeps the last
  // texts) centred on the owner, and returns when it closes: by a button,
  // or (None, a no to the save prompt) by Esc or Alt+F4.
  TipButton ShowModal(std::int32_t mode);

  void FormShow();
  void CheckBox1Click();
  void Button_okClick(HWND button);

 private:
  LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;
  void OnCreate();
  void Close();

  HINSTANCE instance_ = nullptr;
  HWND owner_ = nullptr;
  HWND label1_ = nullptr;
  HWND checkBox1_ = nullptr;
  HWND buttonOk_ = nullptr;
  HWND buttonCancle_ = nullptr;
  TipsState* state_ = nullptr;
  TipButton pressed_ = TipButton::None;
  bool showing_ = false;
  UniqueFont font_;
};

// Child ids (also read by the test driver).
enum TipsId : unsigned { kTipsLabel = 201, kTipsCheckBox = 202, kTipsOk = 203, kTipsCancel = 204 };

}  // namespace vellumo
