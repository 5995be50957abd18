// UTF-8 strings of the portable code to UTF-16 for the Unicode API and back;
// malformed input becomes U+FFFD (the rule of convert/utf16.h).
#pragma once

#include <string>

namespace vellumo {

std::wstring Widen(const std::string& utf8);
std::string Narrow(const std::wstring& wide);

}  // namespace vellumo
