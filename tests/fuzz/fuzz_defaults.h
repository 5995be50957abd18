// A fuzz target's own defaults for libFuzzer's flags, put before the flags of
// the command line, which therefore still win (libFuzzer reads its flags after
// LLVMFuzzerInitialize).
#pragma once

#include <initializer_list>
#include <vector>

namespace vellumo::fuzzing {

inline int SetDefaults(int* argc, char*** argv, std::initializer_list<const char*> flags) {
  static std::vector<char*> args;
  args.assign(*argv, *argv + 1);
  for (const char* f : flags) args.push_back(const_cast<char*>(f));
  args.insert(args.end(), *argv + 1, *argv + *argc);
  args.push_back(nullptr);
  *argc = static_cast<int>(args.size() - 1);
  *argv = args.data();
  return 0;
}

}  // namespace vellumo::fuzzing
