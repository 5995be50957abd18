// The one application-wide error box, and the failure that commands raise
// into it. The box is owned by the window it is given.
#pragma once

#include <windows.h>

#include <stdexcept>
#include <string>

namespace vellumo {

extern const wchar_t kAppTitle[];  // "Vellumo": taskbar entry and error box caption

// A command's failure; its message is shown by the error box.
class CommandError : public std::runtime_error {
 public:
  explicit CommandError(const std::wstring& message);
  const std::wstring& message() const { return message_; }

 private:
  std::wstring message_;
};

// The message followed by "." when its last character sorts after ".".
std::wstring ErrorBoxText(const std::wstring& message);

// Shows the message in the error box (OK, error icon, caption "Vellumo")
// owned by owner (may be null).
void ShowErrorBox(HWND owner, const std::wstring& message);

// Inside a catch block: reports the exception in the error box. A
// CommandError shows its message, any other exception its what() (UTF-8),
// an exhausted memory "Out of memory", anything else "Unexpected failure".
void ReportCurrentException(HWND owner);

// Inside a catch block where the platform called in (a window procedure, a
// hook, a COM event): reports the exception as above and never throws. No
// second box opens while one of these is up on the thread, since its modal
// loop runs the very messages that may fail again; false when none opened.
bool ReportAtBoundary(HWND owner) noexcept;

// Runs a command; a failure it raises ends it and is reported in the error
// box owned by owner. Returns false when it failed.
template <class F>
bool RunCommand(HWND owner, F&& command) {
  try {
    command();
    return true;
  } catch (...) {
    ReportCurrentException(owner);
    return false;
  }
}

}  // namespace vellumo
