// Files by one path type: reading share-read, and writing so that a failure
// leaves an existing file as it was. Errors are Windows system error codes
// (2 not found, 3 bad path, 4 too many open files, 5 access denied, 32
// sharing violation, ...); the POSIX layer maps errno to them and reads a
// backslash in a path as "/", so that ProgramDir + "dll\\..." works there too.
#pragma once

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <string>
#include <string_view>

namespace vellumo {

// A path from UTF-8 text and back. On Windows std::filesystem::path(std::string)
// reads the ANSI code page, so text that holds UTF-8 (a command line, a test)
// becomes a path only here; the file functions refuse narrow strings.
std::filesystem::path PathFromUtf8(std::string_view utf8);
std::string PathToUtf8(const std::filesystem::path& path);

// The absolute form of path, as the system resolves it (the name shown in
// messages); an empty path stays empty.
std::filesystem::path FullPath(const std::filesystem::path& path);

class InputFile {
 public:
  InputFile() = default;
  ~InputFile();
  InputFile(const InputFile&) = delete;
  InputFile& operator=(const InputFile&) = delete;

  // Opens for reading only, letting others read but not write. 0 on success,
  // else the error code. A folder is refused with 5.
  int Open(const std::filesystem::path& path);
  int Open(const std::string&) = delete;  // UTF-8 text: PathFromUtf8
  int Open(const char*) = delete;
  // Reads up to size bytes into buffer; got is 0 at the end of the file.
  // Returns 0 or the error code.
  int Read(char* buffer, std::size_t size, std::size_t& got);
  // Back to the first byte. Returns 0 or the error code.
  int Rewind();
  // The file's size in bytes now. Returns 0 or the error code.
  int Size(std::uint64_t& size);
  void Close();

 private:
#ifdef _WIN32
  void* handle_ = nullptr;  // INVALID_HANDLE_VALUE is kept as nullptr
#else
  int fd_ = -1;
#endif
};

// Reads the whole file into bytes. Returns 0 or the error code.
int ReadWholeFile(const std::filesystem::path& path, std::string& bytes);
int ReadWholeFile(const std::string&, std::string&) = delete;
int ReadWholeFile(const char*, std::string&) = delete;

// Why a write failed, and the system's code from the step that failed.
struct WriteError {
  enum Step : std::uint8_t {
    None,
    Create,  // the file cannot be created or replaced; nothing was written
    Write,   // writing failed part-way
    Read,    // the source of a copy could not be read
  };
  Step step = None;
  int code = 0;
  explicit operator bool() const { return step != None; }
};

// The bytes to write, piece by piece: sets data and size to the next piece
// (size 0 at the end) and returns 0, or returns a read error code.
using ChunkSource = std::function<int(const char*& data, std::size_t& size)>;

// Writes to path so that any failure leaves an existing file as it was: the
// target is held exclusively (a file another program has open, a folder, a
// read-only file or a missing folder fail before anything is written), the
// bytes go to a temporary file beside it, flushed, which then replaces it.
// Where no file can be made beside it (a writable file in a folder that is
// not), the target is rewritten in place. Long paths work.
WriteError WriteFileReplacing(const std::filesystem::path& path, const ChunkSource& source);
WriteError WriteFileReplacing(const std::filesystem::path& path, std::string_view bytes);
WriteError WriteFileReplacing(const std::string&, std::string_view) = delete;
WriteError WriteFileReplacing(const char*, std::string_view) = delete;

// Copies the file from to the file to, with the same guarantees for to.
WriteError CopyFileReplacing(const std::filesystem::path& from, const std::filesystem::path& to);
WriteError CopyFileReplacing(const std::string&, const std::string&) = delete;
WriteError CopyFileReplacing(const char*, const char*) = delete;

}  // namespace vellumo
