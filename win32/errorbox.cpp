#include "win32/errorbox.h"

#include <new>

#include "win32/strings.h"

namespace vellumo {

const wchar_t kAppTitle[] = L"Vellumo";

CommandError::CommandError(const std::wstring& message)
    : std::runtime_error(Narrow(message)), message_(message) {}

std::wstring ErrorBoxText(const std::wstring& message) {
  std::wstring text = message;
  if (!text.empty() && text.back() > L'.') text += L'.';
  return text;
}

void ShowErrorBox(HWND owner, const std::wstring& message) {
  MessageBoxW(owner, ErrorBoxText(message).c_str(), kAppTitle, MB_OK | MB_ICONERROR);
}

void ReportCurrentException(HWND owner) {
  try {
    throw;
  } catch (const CommandError& e) {
    ShowErrorBox(owner, e.message());
  } catch (const std::bad_alloc&) {
    ShowErrorBox(owner, L"Out of memory");
  } catch (const std::exception& e) {
    ShowErrorBox(owner, Widen(e.what()));  // LoadError, RegistryError, ...
  } catch (...) {
    ShowErrorBox(owner, L"Unexpected failure");
  }
}

bool ReportAtBoundary(HWND owner) noexcept {
  static thread_local bool showing = false;
  if (showing) return false;
  showing = true;
  try {
    ReportCurrentException(owner);
  } catch (...) {
    // Not even the box could be made: the failure stays unreported.
  }
  showing = false;
  return true;
}

}  // namespace vellumo
