#include "win32/strings.h"

#include "convert/utf16.h"

namespace vellumo {

static_assert(sizeof(wchar_t) == sizeof(char16_t), "the Unicode API takes UTF-16");

std::wstring Widen(const std::string& utf8) {
  const std::u16string units = Utf8ToUtf16(utf8);
  return std::wstring(units.begin(), units.end());
}

std::string Narrow(const std::wstring& wide) {
  return Utf16ToUtf8(std::u16string(wide.begin(), wide.end()));
}

}  // namespace vellumo
