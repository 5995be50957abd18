// A file opened for reading only, letting others read it but not write it.
// Paths are UTF-8 with Windows separators; the POSIX layer reads a backslash
// as "/" so that ProgramDir + "dll\\..." names work there too. Errors are
// reported as Windows system error codes (2 not found, 3 bad path, 4 too many
// open files, 5 access denied, 32 sharing violation, ...).
#pragma once

#include <cstddef>
#include <string>

namespace vellumo {

class InputFile {
 public:
  InputFile() = default;
  ~InputFile();
  InputFile(const InputFile&) = delete;
  InputFile& operator=(const InputFile&) = delete;

  // 0 on success, else the error code. A folder is refused with 5.
  int Open(const std::string& path);
  // Reads up to size bytes into buffer; got is 0 at the end of the file.
  // Returns 0 or the error code.
  int Read(char* buffer, std::size_t size, std::size_t& got);
  // Back to the first byte. Returns 0 or the error code.
  int Rewind();
  void Close();

 private:
#ifdef _WIN32
  void* handle_ = nullptr;  // INVALID_HANDLE_VALUE is kept as nullptr
#else
  int fd_ = -1;
#endif
};

// Reads the whole file into bytes. Returns 0 or the error code.
int ReadWholeFile(const std::string& path, std::string& bytes);

}  // namespace vellumo
