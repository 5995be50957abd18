// The most frequent characters of the language of each display code page.
#pragma once

#include <string>

namespace vellumo {

// page in CodeType numbering: 0 simplified Chinese, 1 Korean, 2 Japanese,
// 3 traditional Chinese; any other page has none.
const std::u16string& CommonCharacters(int page);

}  // namespace vellumo
