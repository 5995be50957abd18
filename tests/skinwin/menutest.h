// What the skinned frame and popup menu tests share: a form of the test's own
// with a skinned frame, the About skin, message pumping, the real mouse and
// keyboard.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>
#include <vector>

#include "skin/data/bsSkinData.h"
#include "skinwin/bsSkinForm.h"
#include "win32/window.h"

namespace menutest {

class Form : public vellumo::Window {
 public:
  bool Create(int width, int height);
  std::vector<UINT> received;  // WM_USER+204 as it comes
  int closes = 0;              // WM_CLOSE, counted and kept from closing

 protected:
  LRESULT OnMessage(UINT msg, WPARAM wp, LPARAM lp) override;
};

// Runs the thread's messages for about ms milliseconds.
void Pump(int ms = 30);
// Pumps until ready() holds or timeoutMs passes; returns the last answer.
bool PumpUntil(const std::function<bool()>& ready, int timeoutMs = 2000);

// The skin the program embeds, loaded from the kept copy.
void LoadAboutSkin(bs::TbsSkinData& data);

// A form with its skinned frame, shown and in the foreground.
struct Framed {
  Form form;
  bs::TbsSkinForm frame;
  bs::TbsFormNotifier notifier;
  explicit Framed(bs::TbsSkinData* data, int width = 500, int height = 320);
  // The popup menu service of the form's frame.
  bs::TbsSkinMenu& Menu() { return *bs::TbsSkinMenu::OfForm(form.Handle()); }
};

// The window of open level l: the level window of this thread at its place.
HWND LevelWindow(const bs::TbsSkinMenu& menu, int level);

// The real mouse and keyboard, through SendInput, pumping as they go.
void MouseTo(int x, int y);
void Click(bool left = true);
void Key(WORD vk);
// The screen point in the middle of item i of open level l.
POINT ItemCentre(const bs::TbsSkinMenu& menu, int level, int item);

// Top-level windows of this thread, visible or not.
int ThreadWindowCount();

}  // namespace menutest
