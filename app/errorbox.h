// The one application-wide error box, and the failure that commands raise
// into it.
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

// Shows the message in the error box (OK, error icon, caption "Vellumo"),
// owned by the main window once it exists.
void ShowErrorBox(const std::wstring& message);

// Runs a command; a CommandError, a load failure or an exhausted memory ends
// it and is reported in the error box. Returns false when it failed.
template <class F>
bool RunCommand(F&& command);

void ReportCurrentException();  // inside a catch block

template <class F>
bool RunCommand(F&& command) {
  try {
    command();
    return true;
  } catch (...) {
    ReportCurrentException();
    return false;
  }
}

}  // namespace vellumo
