// The About window's system services: files, the language library, the
// shell, and starting a program.
#pragma once

#include "about/aboutview.h"

namespace vellumo {

class WindowsAboutSystem : public AboutSystem {
 public:
  bool FileExists(const std::wstring& path) override;
  bool ReadLanguageStrings(const std::wstring& path, const std::vector<unsigned>& ids,
                           std::map<unsigned, std::wstring>* texts) override;
  void OpenWithShell(const std::wstring& target) override;
  // CreateProcessW with application as the module and commandLine as given,
  // shown normally; neither waited for nor checked.
  void StartProgram(const std::wstring& application, const std::wstring& commandLine) override;
};

}  // namespace vellumo
