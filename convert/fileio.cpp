#include "convert/fileio.h"

#include <vector>

#include "convert/utf16.h"

namespace vellumo {

std::filesystem::path PathFromUtf8(std::string_view utf8) {
#ifdef _WIN32
  const std::u16string units = Utf8ToUtf16(std::string(utf8));
  return std::filesystem::path(std::wstring(units.begin(), units.end()));
#else
  return std::filesystem::path(std::string(utf8));
#endif
}

std::string PathToUtf8(const std::filesystem::path& path) {
#ifdef _WIN32
  const std::wstring& wide = path.native();
  return Utf16ToUtf8(std::u16string(wide.begin(), wide.end()));
#else
  return path.native();
#endif
}

int ReadWholeFile(const std::filesystem::path& path, std::string& bytes) {
  bytes.clear();
  InputFile file;
  std::uint64_t size = 0;
  int err = file.Open(path);
  if (!err) err = file.Size(size);
  if (err) return err;
  // Read straight into one buffer of the file's size (more if it grows).
  bytes.resize(static_cast<std::size_t>(size) + 1);
  std::size_t have = 0;
  for (;;) {
    if (have == bytes.size()) bytes.resize(bytes.size() + 64 * 1024);
    std::size_t got = 0;
    err = file.Read(&bytes[have], bytes.size() - have, got);
    if (err) {
      bytes.clear();
      return err;
    }
    if (got == 0) break;
    have += got;
  }
  bytes.resize(have);
  return 0;
}

WriteError WriteFileReplacing(const std::filesystem::path& path, std::string_view bytes) {
  bool given = false;
  return WriteFileReplacing(path, [&](const char*& data, std::size_t& size) {
    data = bytes.data();
    size = given ? 0 : bytes.size();
    given = true;
    return 0;
  });
}

WriteError CopyFileReplacing(const std::filesystem::path& from, const std::filesystem::path& to) {
  InputFile source;
  if (int err = source.Open(from)) return {WriteError::Read, err};
  std::vector<char> buffer(1 << 20);
  return WriteFileReplacing(to, [&](const char*& data, std::size_t& size) {
    data = buffer.data();
    return source.Read(buffer.data(), buffer.size(), size);
  });
}

}  // namespace vellumo
