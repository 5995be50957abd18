#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "convert/fileio.h"
#include "convert/ioerror.h"

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
    case ETXTBSY:
    case EWOULDBLOCK: return 32;
    case EEXIST: return 80;
    case ENOSPC:
    case EDQUOT: return 112;  // ERROR_DISK_FULL
    case EFBIG: return 223;   // ERROR_FILE_TOO_LARGE
    case EIO: return 1117;    // ERROR_IO_DEVICE
    default: return 31;       // ERROR_GEN_FAILURE
  }
}

int LastCode() { return WindowsCode(errno); }

std::string SystemPath(const std::filesystem::path& path) {
  std::string p = path.native();
  for (char& c : p)
    if (c == '\\') c = '/';
  return p;
}

template <class F>
auto Retry(F&& f) {
  decltype(f()) r;
  do {
    r = f();
  } while (r < 0 && errno == EINTR);
  return r;
}

class Fd {
 public:
  explicit Fd(int fd = -1) : fd_(fd) {}
  ~Fd() { reset(); }
  Fd(const Fd&) = delete;
  Fd& operator=(const Fd&) = delete;
  int get() const { return fd_; }
  explicit operator bool() const { return fd_ >= 0; }
  void reset(int fd = -1) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = fd;
  }

 private:
  int fd_;
};

bool WriteAll(int fd, const char* data, std::size_t size) {
  while (size > 0) {
    const ssize_t n = Retry([&] { return ::write(fd, data, size); });
    if (n <= 0) return false;
    data += n;
    size -= static_cast<std::size_t>(n);
  }
  return true;
}

// Every piece of source into fd, then to disk.
WriteError WriteFrom(int fd, const ChunkSource& source) {
  for (;;) {
    const char* data = nullptr;
    std::size_t size = 0;
    if (int err = source(data, size)) return {WriteError::Read, err};
    if (size == 0) break;
    if (!WriteAll(fd, data, size)) return {WriteError::Write, errno ? LastCode() : 112};
  }
  if (::fsync(fd) != 0 && errno != EINVAL) return {WriteError::Write, LastCode()};
  return {};
}

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

}  // namespace

std::filesystem::path FullPath(const std::filesystem::path& path) {
  if (path.empty()) return path;
  std::error_code ec;
  std::filesystem::path full = std::filesystem::absolute(SystemPath(path), ec);
  return ec ? path : full.lexically_normal();
}

std::string SystemErrorText(int code) {
  switch (code) {
    case 2: return "The system cannot find the file specified";
    case 3: return "The system cannot find the path specified";
    case 4: return "The system cannot open the file";
    case 5: return "Access is denied";
    case 8: return "Not enough memory resources are available to process this command";
    case 31: return "A device attached to the system is not functioning";
    case 32: return "The process cannot access the file because it is being used by another process";
    case 80: return "The file exists";
    case 112: return "There is not enough space on the disk";
    case 223: return "The file size exceeds the limit allowed and cannot be saved";
    case 1117: return "The request could not be performed because of an I/O device error";
    default: return "System error " + std::to_string(code);
  }
}

InputFile::~InputFile() { Close(); }

int InputFile::Open(const std::filesystem::path& path) {
  Close();
  if (path.empty()) return 3;
  const std::string name = SystemPath(path);
  const int fd = Retry([&] { return ::open(name.c_str(), O_RDONLY | O_CLOEXEC); });
  if (fd < 0) return LastCode();
  fd_ = fd;
  struct stat st;
  int code = 0;
  if (::fstat(fd, &st) != 0)
    code = LastCode();
  else if (S_ISDIR(st.st_mode))
    code = 5;
  if (code) Close();
  return code;
}

int InputFile::Read(char* buffer, std::size_t size, std::size_t& got) {
  got = 0;
  if (fd_ < 0) return 6;  // ERROR_INVALID_HANDLE
  const ssize_t n = Retry([&] { return ::read(fd_, buffer, size); });
  if (n < 0) return LastCode();
  got = static_cast<std::size_t>(n);
  return 0;
}

int InputFile::Rewind() {
  if (fd_ < 0) return 6;
  if (::lseek(fd_, 0, SEEK_SET) < 0) return LastCode();
  return 0;
}

int InputFile::Size(std::uint64_t& size) {
  struct stat st;
  if (fd_ < 0) return 6;
  if (::fstat(fd_, &st) != 0) return LastCode();
  size = static_cast<std::uint64_t>(st.st_size);
  return 0;
}

void InputFile::Close() {
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

WriteError WriteFileReplacing(const std::filesystem::path& path, const ChunkSource& source) {
  if (path.empty()) return {WriteError::Create, 3};
  const std::string name = SystemPath(path);

  // The target, held with an exclusive lock while the new bytes are written.
  bool existed = false;
  Fd target(Retry([&] { return ::open(name.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666); }));
  if (!target && errno == EEXIST) {
    existed = true;
    target.reset(Retry([&] { return ::open(name.c_str(), O_RDWR | O_CLOEXEC); }));
  }
  if (!target) return {WriteError::Create, LastCode()};
  auto dropTarget = [&] {
    target.reset();
    if (!existed) ::unlink(name.c_str());
  };
  struct stat st;
  if (::fstat(target.get(), &st) != 0 || ::flock(target.get(), LOCK_EX | LOCK_NB) != 0) {
    const int code = LastCode();
    dropTarget();
    return {WriteError::Create, code};
  }

  const std::string folder = FolderOf(name);
  std::string temp;
  Fd out;
  for (unsigned n = 0; n < 100 && !out; ++n) {
    temp = folder + "/.~vel" + std::to_string(::getpid()) + "-" + std::to_string(n) + ".tmp";
    out.reset(Retry([&] {
      return ::open(temp.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, existed ? 0600 : 0666);
    }));
    if (!out && errno != EEXIST) break;
  }
  if (!out) {
    const int err = errno;
    if (err == EACCES || err == EPERM) {
      // No file can be made beside it: write the target in place.
      if (::ftruncate(target.get(), 0) != 0) {
        const int code = LastCode();
        dropTarget();
        return {WriteError::Create, code};
      }
      return WriteFrom(target.get(), source);
    }
    dropTarget();
    return {WriteError::Create, WindowsCode(err)};
  }
  auto dropTemp = [&] {
    out.reset();
    ::unlink(temp.c_str());
  };
  WriteError written = WriteFrom(out.get(), source);
  // The replacement keeps the old file's permissions, as ReplaceFile does.
  if (!written && existed && ::fchmod(out.get(), st.st_mode & 07777) != 0)
    written = {WriteError::Create, LastCode()};
  if (written) {
    dropTemp();
    dropTarget();
    return written;
  }
  out.reset();
  if (::rename(temp.c_str(), name.c_str()) != 0) {
    const int code = LastCode();
    ::unlink(temp.c_str());
    dropTarget();
    return {WriteError::Create, code};
  }
  target.reset();
  Fd dir(Retry([&] { return ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC); }));
  if (dir) ::fsync(dir.get());
  return {};
}

}  // namespace vellumo
