#include "about/aboutsystem.h"

#include <windows.h>

#include "shell/languagestrings.h"
#include "shell/software.h"
#include "win32/handles.h"
#include "win32/strings.h"

namespace vellumo {

bool WindowsAboutSystem::FileExists(const std::wstring& path) {
  return vellumo::FileExists(Narrow(path));
}

bool WindowsAboutSystem::ReadLanguageStrings(const std::wstring& path,
                                             const std::vector<unsigned>& ids,
                                             std::map<unsigned, std::wstring>* texts) {
  std::map<unsigned, std::string> utf8;
  if (!vellumo::ReadLanguageStrings(Narrow(path), ids, &utf8)) return false;
  for (const auto& [id, text] : utf8) (*texts)[id] = Widen(text);
  return true;
}

void WindowsAboutSystem::OpenWithShell(const std::wstring& target) {
  vellumo::OpenWithShell(Narrow(target));
}

void WindowsAboutSystem::StartProgram(const std::wstring& application,
                                      const std::wstring& commandLine) {
  std::wstring line = commandLine;  // CreateProcessW may write into it
  STARTUPINFOW si = {};
  si.cb = sizeof si;
  si.dwFlags = STARTF_USESHOWWINDOW;
  si.wShowWindow = SW_SHOWNORMAL;
  PROCESS_INFORMATION pi = {};
  if (CreateProcessW(application.c_str(), line.data(), nullptr, nullptr, FALSE, 0, nullptr,
                     nullptr, &si, &pi)) {
    UniqueHandle process(pi.hProcess), thread(pi.hThread);
  }
}

}  // namespace vellumo
