// Benchmark under Wine: the skinned controls' paint per control and per fade
// step, a full repaint of the About window's controls, and a key press to
// its character painted in the skinned edit. Figures, not a test.
#include <windows.h>

#include <cstdio>
#include <fstream>
#include <iterator>

#include "bench/timing.h"
#include "skin/controls/bsAboutLayout.h"
#include "skinwin/bsSkinBoxCtrls.h"
#include "skinwin/bsSkinButtons.h"
#include "skinwin/bsSkinPanel.h"
#include "win32/window.h"

namespace {

class Form : public vellumo::Window {
 public:
  bool Create() {
    const vellumo::WindowClass cls = {L"BenchForm", GetModuleHandleW(nullptr),
                                      LoadCursorW(nullptr, IDC_ARROW),
                                      nullptr, GetSysColorBrush(COLOR_INFOBK)};
    return CreateHandle(cls, 0, L"Bench", WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE, 20,
                        20, 680, 450, nullptr, nullptr);
  }
};

void Pump() {
  MSG m;
  while (PeekMessageW(&m, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&m);
    DispatchMessageW(&m);
  }
}

void Repaint(HWND hwnd) { RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); }

}  // namespace

int main() {
  bs::TbsSkinData data;
  {
    std::ifstream in(VELLUMO_ABOUT_SKIN, std::ios::binary);
    bs::TbsCompressedStoredSkin stored;
    stored.CompressedData = bs::TMemoryStream(std::vector<std::uint8_t>(std::istreambuf_iterator<char>(in), {}));
    data.LoadFromStoredSkin(stored);
  }
  if (data.Empty()) {
    std::fprintf(stderr, "cannot read %s\n", VELLUMO_ABOUT_SKIN);
    return 1;
  }
  Form form;
  form.Create();
  RECT c;
  GetClientRect(form.Handle(), &c);
  const bs::AboutLayout l = bs::LayOutAboutWindow(&data, bs::Size{c.right, c.bottom});
  bs::TbsSkinPanel bar, label, row;
  bs::TbsSkinEdit edit;
  bs::TbsSkinButton ok;
  bs::TbsSkinSpeedButton buttons[bs::kAboutButtonCount];
  bar.CreateControl(form.Handle(), l.panel1);
  label.SetSkinData(&data);
  label.CreateControl(bar.Handle(), l.panel2);
  edit.SetSkinData(&data);
  edit.CreateEdit(bar.Handle(), l.edit);
  ok.SetSkinData(&data);
  ok.Caption = L"确定";
  ok.CreateControl(bar.Handle(), l.okButton);
  row.SetSkinData(&data);
  row.CreateControl(form.Handle(), l.panel3);
  for (int i = 0; i < bs::kAboutButtonCount; ++i) {
    buttons[i].Glyph = bs::Picture(20, 20, bs::Rgb(255, 0, 255));
    buttons[i].SetParent(&row);
    buttons[i].SetSkinData(&data);
    buttons[i].SetBounds(l.buttons[i]);
  }
  Pump();

  const int runs = 200;
  std::printf("paint, microseconds per paint:\n");
  std::printf("  plain panel %dx%d: %.0f\n", l.panel1.Width(), l.panel1.Height(),
              MicrosecondsPerRun(runs, [&] { Repaint(bar.Handle()); }));
  std::printf("  skinned panel %dx%d: %.0f\n", l.panel2.Width(), l.panel2.Height(),
              MicrosecondsPerRun(runs, [&] { Repaint(label.Handle()); }));
  std::printf("  push button %dx%d with caption: %.0f\n", l.okButton.Width(), l.okButton.Height(),
              MicrosecondsPerRun(runs, [&] { Repaint(ok.Handle()); }));
  std::printf("  button row %dx%d with 7 speed buttons: %.0f\n", l.panel3.Width(), l.panel3.Height(),
              MicrosecondsPerRun(runs, [&] { Repaint(row.Handle()); }));
  std::printf("  edit %dx%d, frame and text area: %.0f\n", l.edit.Width(), l.edit.Height(),
              MicrosecondsPerRun(runs, [&] {
                RedrawWindow(edit.Handle(), nullptr, nullptr,
                             RDW_FRAME | RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
              }));

  // A fade step: the factor moves by 0.2 and the blend repaints; the mouse
  // enters and leaves in turn so that the fade keeps running.
  bs::TbsSkinSpeedButton& b = buttons[0];
  std::printf("fade step, microseconds:\n  speed button (mkdefault): %.0f\n",
              MicrosecondsPerRun(runs, [&] {
                if (b.State().MorphFactor() <= 0) b.MouseEnter();
                if (b.State().MorphFactor() >= 1) b.MouseLeave();
                b.TimerTick(0);
                UpdateWindow(row.Handle());
              }));
  std::printf("  push button (mkgradient): %.0f\n", MicrosecondsPerRun(runs, [&] {
                if (ok.State().MorphFactor() <= 0)
                  SendMessageW(ok.Handle(), WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
                if (ok.State().MorphFactor() >= 1) SendMessageW(ok.Handle(), WM_MOUSELEAVE, 0, 0);
                SendMessageW(ok.Handle(), WM_TIMER, 1, 0);
                UpdateWindow(ok.Handle());
              }));

  std::printf("full repaint of the About window's controls, microseconds: %.0f\n",
              MicrosecondsPerRun(runs, [&] {
                RedrawWindow(form.Handle(), nullptr, nullptr,
                             RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN | RDW_UPDATENOW);
              }));

  // A key press: the key's messages queued, handled and the edit painted.
  SetFocus(edit.Handle());
  Pump();
  int typed = 0;
  const double key = MicrosecondsPerRun(runs, [&] {
    if (++typed % 50 == 0) edit.SetText(L"");
    PostMessageW(edit.Handle(), WM_KEYDOWN, 'A', 1);
    PostMessageW(edit.Handle(), WM_CHAR, L'a', 1);
    PostMessageW(edit.Handle(), WM_KEYUP, 'A', 0xC0000001);
    Pump();
    UpdateWindow(edit.Handle());
  });
  std::printf("key press to character painted in the edit, microseconds: %.0f\n", key);
  return 0;
}
