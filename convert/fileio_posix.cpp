#include "convert/fileio.h"

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace vellumo {
namespace {

// errno to the Windows code the same failure gives there.
int WindowsCode(int err) {
  switch (err) {
    case ENOENT: return 2;
    case ENOTDIR:
    case EINVAL:
    case ENAMETOOLONG:
    case ELOOP: return 3;
    case EMFILE:
    case ENFILE: return 4;
    case EACCES:
    case EPERM:
    case EISDIR:
    case EROFS: return 5;
    case ENOMEM: return 8;
    case EBUSY:
    case ETXTBSY: return 32;
    case EIO: return 1117;  // ERROR_IO_DEVICE
    default: return 31;     // ERROR_GEN_FAILURE
  }
}

std::string NativePath(const std::string& path) {
  std::string p = path;
  for (char& c : p)
    if (c == '\\') c = '/';
  return p;
}

}  // namespace

InputFile::~InputFile() { Close(); }

int InputFile::Open(const std::string& path) {
  Close();
  if (path.empty()) return 3;
  int fd;
  do {
    fd = ::open(NativePath(path).c_str(), O_RDONLY | O_CLOEXEC);
  } while (fd < 0 && errno == EINTR);
  if (fd < 0) return WindowsCode(errno);
  struct stat st;
  if (::fstat(fd, &st) != 0) {
    int code = WindowsCode(errno);
    ::close(fd);
    return code;
  }
  if (S_ISDIR(st.st_mode)) {
    ::close(fd);
    return 5;
  }
  fd_ = fd;
  return 0;
}

int InputFile::Read(char* buffer, std::size_t size, std::size_t& got) {
  got = 0;
  if (fd_ < 0) return 6;  // ERROR_INVALID_HANDLE
  ssize_t n;
  do {
    n = ::read(fd_, buffer, size);
  } while (n < 0 && errno == EINTR);
  if (n < 0) return WindowsCode(errno);
  got = static_cast<std::size_t>(n);
  return 0;
}

int InputFile::Rewind() {
  if (fd_ < 0) return 6;
  if (::lseek(fd_, 0, SEEK_SET) < 0) return WindowsCode(errno);
  return 0;
}

void InputFile::Close() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

}  // namespace vellumo
