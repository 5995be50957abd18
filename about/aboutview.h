// What the About window's logic needs of its controls and of the system,
// kept small so that plain controls, the skinned ones or a test's recorder
// can stand behind it. Portable.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "skin/controls/bsAboutLayout.h"

namespace vellumo {

class AboutView {
 public:
  virtual ~AboutView() = default;
  virtual void SetAddressText(const std::wstring& text) = 0;  // Edit_input
  virtual std::wstring AddressText() const = 0;
  virtual void FocusAddress() = 0;
  virtual void SetBackEnabled(bool enabled) = 0;     // bsSkinSB_backword
  virtual void SetForwardEnabled(bool enabled) = 0;  // bsSkinSB_forward
  virtual void SetCursorBusy(bool busy) = 0;         // the browser pane's cursor
  virtual void SetLabelText(const std::wstring& text) = 0;  // note
  virtual void SetOkCaption(const std::wstring& text) = 0;  // bsSkinButton1
  virtual void SetHint(bs::AboutButton button, const std::wstring& text) = 0;
};

class AboutSystem {
 public:
  virtual ~AboutSystem() = default;
  virtual bool FileExists(const std::wstring& path) = 0;
  // Reads ids from the language library at path; an id it lacks gives an
  // empty text. False when the library cannot be loaded.
  virtual bool ReadLanguageStrings(const std::wstring& path, const std::vector<unsigned>& ids,
                                   std::map<unsigned, std::wstring>* texts) = 0;
  // The shell's default action on a file or an address.
  virtual void OpenWithShell(const std::wstring& target) = 0;
  // Starts application with commandLine; does not wait.
  virtual void StartProgram(const std::wstring& application, const std::wstring& commandLine) = 0;
};

}  // namespace vellumo
