// The About window's texts: which language string sets which control, the
// design texts that stay without a library, and the library's path. Portable.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "skin/controls/bsAboutLayout.h"

namespace vellumo {

// What one text of the window is.
enum class AboutTextKind { Label, OkCaption, Hint, AddressLabel };

struct AboutTextTarget {
  unsigned id;                  // language string id
  AboutTextKind kind;
  bs::AboutButton button;       // for a hint
  const wchar_t* designText;    // shown while no library was read
};

// The ids in the order they are read, each with what it sets.
const std::vector<AboutTextTarget>& AboutTextTargets();
std::vector<unsigned> AboutTextIds();

// The design hint of a button ("访问主页" and the home page for Home).
std::wstring DesignHint(bs::AboutButton button);
constexpr wchar_t kDesignOkCaption[] = L"确定";

// programDir (ending in a backslash) + "Language/" + language + "_about.dll".
std::wstring LanguageLibraryPath(const std::wstring& programDir, const std::wstring& language);

}  // namespace vellumo
