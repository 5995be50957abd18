#include "shell/languagestrings.h"

#include <windows.h>

#include "win32/strings.h"

namespace vellumo {

namespace {

class Library {
 public:
  explicit Library(const std::wstring& path) : module_(LoadLibraryExW(path.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE)) {}
  ~Library() {
    if (module_) FreeLibrary(module_);
  }
  Library(const Library&) = delete;
  Library& operator=(const Library&) = delete;
  HMODULE get() const { return module_; }

 private:
  HMODULE module_;
};

}  // namespace

const std::vector<unsigned>& AboutStringIds() {
  static const std::vector<unsigned> ids = {1, 2, 3, 4, 5, 6, 7, 8, 10, 13};
  return ids;
}

bool ReadLanguageStrings(const std::string& path, const std::vector<unsigned>& ids,
                         std::map<unsigned, std::string>* texts) {
  Library library(Widen(path));
  if (!library.get()) return false;
  for (unsigned id : ids) {
    // A fresh buffer for every id, so a missing one reads as empty. With room
    // for 254 the call copies at most 253 characters and the NUL.
    wchar_t buffer[kLanguageStringLimit + 2] = {};
    int n = LoadStringW(library.get(), id, buffer, kLanguageStringLimit + 1);
    (*texts)[id] = Narrow(std::wstring(buffer, n > 0 ? n : 0));
  }
  return true;
}

}  // namespace vellumo
