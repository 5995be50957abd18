// Cuts a command line into arguments: characters 1 to 32 separate them, a
// double quote opens a stretch up to the next double quote in which they do
// not, the quotes themselves are dropped, and an empty pair of quotes between
// arguments is skipped. Index 0 is the program's own name. Portable.
#pragma once

#include <string>

namespace vellumo {

// The argument at index, or an empty string when there are fewer.
template <class Char>
std::basic_string<Char> CommandLineArgument(const Char* line, int index) {
  const Char* p = line;
  std::basic_string<Char> arg;
  for (int i = 0; i <= index; ++i) {
    for (;;) {
      while (*p != 0 && *p <= ' ') ++p;
      if (p[0] == '"' && p[1] == '"')
        p += 2;
      else
        break;
    }
    arg.clear();
    while (*p > ' ') {
      if (*p == '"') {
        ++p;
        while (*p != 0 && *p != '"') arg.push_back(*p++);
        if (*p != 0) ++p;
      } else {
        arg.push_back(*p++);
      }
    }
    if (arg.empty() && *p == 0 && i < index) return {};
  }
  return arg;
}

}  // namespace vellumo
