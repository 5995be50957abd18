#include "shell/paths.h"

namespace vellumo {

std::string StripPath(const std::string& path) {
  // 0x5C never occurs inside a UTF-8 sequence, so a byte search is safe.
  std::string::size_type slash = path.rfind('\\');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string QuoteIfBlank(const std::string& path) {
  if (path.find_first_of(" \t") == std::string::npos) return path;
  return "\"" + path + "\"";
}

std::string NotepadCommand(const std::string& fileName) {
  return "notepad " + QuoteIfBlank(fileName);
}

std::string AssociationCommand(const std::string& exePath) {
  return "\"" + exePath + "\" \"%1\"";
}

std::string VerbKeyPath(const std::string& fileClass, const std::string& verb) {
  return fileClass + "\\shell\\" + verb;
}

const std::vector<std::string>& CompanionFiles() {
  static const std::vector<std::string> names = {
      "dll\\U2A.dll",      "howtouse.htm",     "readme.htm",
      "language\\Chinese_about.dll", "dll\\GB2312.dll", "dll\\KOREAN.dll",
      "dll\\BIG5.dll",     "dll\\JIS.DLL",     "bk.gif"};
  return names;
}

}  // namespace vellumo
