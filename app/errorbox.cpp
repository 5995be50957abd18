#include "app/errorbox.h"

#include <new>

#include "app/codewindow.h"
#include "app/loader.h"
#include "app/win32util.h"

namespace vellumo {

const wchar_t kAppTitle[] = L"Vellumo";

CommandError::CommandError(const std::wstring& message)
    : std::runtime_error(Narrow(message)), message_(message) {}

std::wstring ErrorBoxText(const std::wstring& message) {
  std::wstring text = message;
  if (!text.empty() && text.back() > L'.') text += L'.';
  return text;
}

void ShowErrorBox(const std::wstring& message) {
  HWND owner = Form1 ? Form1->Handle() : nullptr;
  MessageBoxW(owner, ErrorBoxText(message).c_str(), kAppTitle, MB_OK | MB_ICONERROR);
}

void ReportCurrentException() {
  try {
    throw;
  } catch (const CommandError& e) {
    ShowErrorBox(e.message());
  } catch (const LoadError& e) {
    ShowErrorBox(Widen(e.what()));
  } catch (const std::bad_alloc&) {
    ShowErrorBox(L"Out of memory");
  } catch (const std::exception& e) {
    ShowErrorBox(Widen(e.what()));
  }
}

}  // namespace vellumo
