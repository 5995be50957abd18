// Texts of a resource-only language library (the About window's strings).
#pragma once

#include <map>
#include <string>
#include <vector>

namespace vellumo {

// Longest text taken from the string table, in characters.
constexpr int kLanguageStringLimit = 253;

// The ids the About window reads, in the order it reads them.
const std::vector<unsigned>& AboutStringIds();

// Loads the library at path (UTF-8), reads every id of ids from its string
// table with the Unicode API, cut to kLanguageStringLimit characters, and
// frees it. An id the table lacks gives an empty text. Returns false, with
// texts untouched, when the library cannot be loaded.
bool ReadLanguageStrings(const std::string& path, const std::vector<unsigned>& ids,
                         std::map<unsigned, std::string>* texts);

}  // namespace vellumo
