// The tips dialog TTipsForm: the input tip before Notepad (TipMode 1) and the
// save prompt (TipMode 2), each with its "do not ask again" check box.
#pragma once

#include <windows.h>

#include "app/win32util.h"

namespace vellumo {

class TTipsForm {
 public:
  static constexpr wchar_t kClassName[] = L"TTipsForm";

  // Created hidden at start-up; owner is the main window.
  bool Create(HINSTANCE instance, HWND owner);
  HWND Handle() const { return hwnd_; }
  // Shows the dialog for the current TipMode and returns when it closes.
  void ShowModal();

  void FormShow();
  void CheckBox1Click();
  void Button_okClick(HWND button);

 private:
  static LRESULT CALLBACK WndProc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);
  LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp);
  void OnCreate();
  void Close();

  HINSTANCE instance_ = nullptr;
  HWND hwnd_ = nullptr;
  HWND owner_ = nullptr;
  HWND label1_ = nullptr;
  HWND checkBox1_ = nullptr;
  HWND buttonOk_ = nullptr;
  HWND buttonCancle_ = nullptr;
  bool showing_ = false;
  UniqueFont font_;
};

extern TTipsForm* TipsForm;

// Child ids (also read by the test driver).
enum TipsId : unsigned { kTipsLabel = 201, kTipsCheckBox = 202, kTipsOk = 203, kTipsCancel = 204 };

}  // namespace vellumo
