// The tips dialog TTipsForm: the input tip before Notepad and the save
// prompt, each with its "do not ask again" check box. Shown modally with its
// kind; returns the button pressed.
#pragma once

#include <windows.h>

#include <cstdint>

#include "win32/handles.h"
#include "win32/window.h"

namespace vellumo {

// The kinds of prompt (the values of TipMode).
enum TipKind : std::int32_t { kInputTip = 1, kSavePrompt = 2 };

// The button that closed the dialog, by its Tag; None when the dialog ended
// without one (the program is quitting).
enum class TipButton { None = 0, Ok = 1, Cancel = 2 };

class TTipsForm : public Window {
 public:
  static constexpr wchar_t kClassName[] = L"TTipsForm";

  // Created hidden at start-up; owner is the main window.
  bool Create(HINSTANCE instance, HWND owner);
  // Shows the dialog for mode (a TipKind; another value keeps the last
  // texts) centred on the owner, and returns when it closes.
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
  std::int32_t mode_ = 0;
  TipButton pressed_ = TipButton::None;
  bool showing_ = false;
  UniqueFont font_;
};

// Child ids (also read by the test driver).
enum TipsId : unsigned { kTipsLabel = 201, kTipsCheckBox = 202, kTipsOk = 203, kTipsCancel = 204 };

}  // namespace vellumo
