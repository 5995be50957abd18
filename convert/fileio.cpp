#include "convert/fileio.h"

#include <vector>

namespace vellumo {

int ReadWholeFile(const std::string& path, std::string& bytes) {
  bytes.clear();
  InputFile file;
  int err = file.Open(path);
  if (err) return err;
  std::vector<char> buffer(64 * 1024);
  for (;;) {
    std::size_t got = 0;
    err = file.Read(buffer.data(), buffer.size(), got);
    if (err) {
      bytes.clear();
      return err;
    }
    if (got == 0) return 0;
    bytes.append(buffer.data(), got);
  }
}

}  // namespace vellumo
