#include "app/newfiletips.h"

#include <algorithm>

#include "app/rounding.h"
#include "win32/modal.h"

namespace vellumo {

namespace {

constexpr int kWidth = 397;
constexpr int kHeight = 111;

}  // namespace

bool TTipsForm::Create(HINSTANCE instance, HWND owner, TipsState& state) {
  instance_ = instance;
  owner_ = owner;
  state_ = &state;
  const WindowClass cls = {kClassName, instance, LoadCursorW(nullptr, IDC_ARROW), nullptr,
                           reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1)};
  // A caption without system menu or caption buttons.
  return CreateHandle(cls, WS_EX_DLGMODALFRAME | WS_EX_CONTROLPARENT, L"提示",
                      WS_POPUP | WS_CAPTION | WS_CLIPCHILDREN, 0, 0, kWidth, kHeight, owner,
                      nullptr);
}

void TTipsForm::OnCreate() {
  font_ = MakeFont(L"MS Sans Serif", 11, DEFAULT_CHARSET);
  auto child = [&](const wchar_t* cls, const wchar_t* text, DWORD style, int x, int y, int w,
                   int h, unsigned id) {
    HWND c = CreateWindowExW(0, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, w, h, Handle(),
                             reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), instance_,
                             nullptr);
    SendMessageW(c, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), FALSE);
    return c;
  };
  // Tab order: check box, OK, Cancel.
  label1_ = child(L"STATIC", kInputTipText, SS_LEFT, 8, 8, 369, 33, kTipsLabel);
  checkBox1_ = child(L"BUTTON", L"下次不要再提示", BS_AUTOCHECKBOX | WS_TABSTOP, 32, 56, 161, 17,
                     kTipsCheckBox);
  buttonOk_ = child(L"BUTTON", L"确定", BS_PUSHBUTTON | WS_TABSTOP, 320, 52, 57, 25, kTipsOk);
  buttonCancle_ =
      child(L"BUTTON", L"取消", BS_PUSHBUTTON | WS_TABSTOP, 256, 52, 57, 25, kTipsCancel);
}

LRESULT TTipsForm::OnMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_CREATE:
      OnCreate();
      return 0;
    case WM_COMMAND: {
      HWND from = reinterpret_cast<HWND>(lp);
      if (HIWORD(wp) == BN_CLICKED && from == checkBox1_) CheckBox1Click();
      if (HIWORD(wp) == BN_CLICKED && (from == buttonOk_ || from == buttonCancle_))
        Button_okClick(from);
      if (LOWORD(wp) == IDCANCEL && !from) Close();  // Esc: closed without a button
      return 0;
    }
    case WM_CLOSE:
      Close();
      return 0;
  }
  return DefaultProc(msg, wp, lp);
}

void TTipsForm::FormShow() {
  RECT main, self;
  GetWindowRect(owner_, &main);
  GetWindowRect(Handle(), &self);
  int mw = main.right - main.left, mh = main.bottom - main.top;
  int w = self.right - self.left, h = self.bottom - self.top;
  int top = RoundHalfEven(std::max((mh - h) / 2.0, 0.0)) + main.top;
  int left = RoundHalfEven(std::max((mw - w) / 2.0, 0.0)) + main.left;
  SetWindowPos(Handle(), nullptr, left, top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
  TipsLook look;
  if (LookOfTips(*state_, look)) {
    SetWindowTextW(label1_, look.text);
    SendMessageW(checkBox1_, BM_SETCHECK, look.ticked ? BST_CHECKED : BST_UNCHECKED, 0);
    CheckBox1Click();
    ShowWindow(buttonCancle_, look.cancelVisible ? SW_SHOW : SW_HIDE);
  }
}

void TTipsForm::CheckBox1Click() {
  TipsCheckBoxChanged(*state_, SendMessageW(checkBox1_, BM_GETCHECK, 0, 0) == BST_CHECKED);
}

void TTipsForm::Button_okClick(HWND button) {
  pressed_ = button == buttonOk_ ? TipButton::Ok : TipButton::Cancel;
  Close();
}

void TTipsForm::Close() { showing_ = false; }

TipButton TTipsForm::ShowModal(std::int32_t mode) {
  state_->TipMode = mode;
  pressed_ = TipButton::None;
  FormShow();
  ShowModalWindow(Handle(), owner_, checkBox1_, showing_);
  TipsClosed(*state_, pressed_);
  return pressed_;
}

}  // namespace vellumo
