// The sign that a command is at work on a large text: the last status panel
// says so and the cursor takes the busy look until the command ends, and the
// window keeps painting and answering other programs meanwhile.
#pragma once

#include <windows.h>

#include <string>

namespace vellumo {

class BusySign {
 public:
  // Shows the sign when show is true; busy is the window's flag that defers
  // its commands while the sign is up (set whether shown or not).
  BusySign(HWND statusBar, int panel, bool show, bool& busy);
  // Gives the panel its former text back (unless Done) and the cursor its look.
  ~BusySign();
  BusySign(const BusySign&) = delete;
  BusySign& operator=(const BusySign&) = delete;

  // The command has finished: the panel is left to it.
  void Done() { done_ = true; }
  // Paints the program's windows and answers messages that other programs
  // send, at most every 50 ms; leaves input and posted commands queued.
  void Pump();

 private:
  HWND statusBar_;
  int panel_;
  bool shown_;
  bool& busy_;
  bool wasBusy_;
  bool done_ = false;
  std::wstring former_;
  HCURSOR cursor_ = nullptr;
  DWORD lastPump_;
};

}  // namespace vellumo
