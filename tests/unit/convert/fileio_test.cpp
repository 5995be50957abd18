// Writing files (POSIX half): replaced whole or not at all, in place where no
// file can be made beside the target, and the messages of each failure.
#include <fcntl.h>
#include <linux/fs.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include "convert/fileio.h"
#include "convert/ioerror.h"

namespace vellumo {
namespace {

namespace fs = std::filesystem;

std::string Bytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return "<unreadable>";
  return {std::istreambuf_iterator<char>(in), {}};
}

// Makes a file or folder unwritable for as long as it lives: by its mode, or,
// for root, whom modes do not stop, by the immutable flag.
class Unwritable {
 public:
  explicit Unwritable(const fs::path& path) : path_(path) {
    ::chmod(path.c_str(), fs::is_directory(path) ? 0555 : 0444);
    if (::access(path.c_str(), W_OK) == 0) immutable_ = SetImmutable(true);
  }
  ~Unwritable() {
    if (immutable_) SetImmutable(false);
    ::chmod(path_.c_str(), 0755);
  }
  bool Holds() const { return ::access(path_.c_str(), W_OK) != 0 || immutable_; }

 private:
  bool SetImmutable(bool on) {
    const int fd = ::open(path_.c_str(), O_RDONLY | O_NONBLOCK);
    if (fd < 0) return false;
    int flags = 0;
    bool ok = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    flags = on ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
    ok = ok && ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    ::close(fd);
    return ok;
  }
  fs::path path_;
  bool immutable_ = false;
};

class WriteFiles : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() /
           ("vellumo-write-" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  fs::path Old(const std::string& name) {
    std::ofstream(dir_ / name, std::ios::binary) << "old";
    return dir_ / name;
  }
  // Only the named files are left in the folder: no temporary file stays.
  std::size_t Entries() const {
    return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir_), fs::directory_iterator()));
  }
  fs::path dir_;
};

TEST_F(WriteFiles, CreatesAndReplacesWholeKeepingTheMode) {
  EXPECT_FALSE(WriteFileReplacing(dir_ / "new.txt", std::string("a\0b", 3)));
  EXPECT_EQ(Bytes(dir_ / "new.txt"), std::string("a\0b", 3));
  const fs::path old = Old("old.txt");
  ::chmod(old.c_str(), 0640);
  EXPECT_FALSE(WriteFileReplacing(old, ""));
  EXPECT_EQ(Bytes(old), "");
  EXPECT_EQ(fs::status(old).permissions() & fs::perms::all, fs::perms(0640));
  EXPECT_FALSE(CopyFileReplacing(dir_ / "new.txt", old));
  EXPECT_EQ(Bytes(old), std::string("a\0b", 3));
  // A backslash reads as "/".
  EXPECT_FALSE(WriteFileReplacing(PathFromUtf8(PathToUtf8(dir_) + "\\back.txt"), "x"));
  EXPECT_EQ(Bytes(dir_ / "back.txt"), "x");
  EXPECT_EQ(Entries(), 3u);
}

TEST_F(WriteFiles, FailuresLeaveTheOldFileAsItWas) {
  const fs::path held = Old("held.txt");
  {
    const int other = ::open(held.c_str(), O_RDONLY);
    ASSERT_EQ(::flock(other, LOCK_EX), 0);
    const WriteError e = WriteFileReplacing(held, "new");
    EXPECT_EQ(e.step, WriteError::Create);
    EXPECT_EQ(e.code, 32);
    ::close(other);
  }
  EXPECT_EQ(WriteFileReplacing(dir_ / "no" / "such.txt", "new").code, 2);
  EXPECT_EQ(WriteFileReplacing(dir_, "new").code, 5);  // a folder
  EXPECT_EQ(WriteFileReplacing(fs::path(), "new").code, 3);
  const WriteError unread = CopyFileReplacing(dir_ / "missing.txt", held);
  EXPECT_EQ(unread.step, WriteError::Read);
  EXPECT_EQ(WriteErrorMessage(held, unread), "File not found");
  // A source that fails part-way.
  int calls = 0;
  const WriteError broken = WriteFileReplacing(held, [&](const char*& data, std::size_t& size) {
    data = "partial";
    size = 7;
    return ++calls == 2 ? 5 : 0;
  });
  EXPECT_EQ(broken.step, WriteError::Read);
  EXPECT_EQ(Bytes(held), "old");
  EXPECT_EQ(Entries(), 1u);
  const Unwritable lock(held);
  if (!lock.Holds()) GTEST_SKIP() << "cannot make a file read-only here";
  EXPECT_EQ(WriteFileReplacing(held, "new").code, 5);
  EXPECT_EQ(Bytes(held), "old");
  EXPECT_EQ(Entries(), 1u);
}

TEST_F(WriteFiles, WritableFileInReadOnlyFolderIsWrittenInPlace) {
  const fs::path file = Old("inside.txt");
  const Unwritable lock(dir_);
  if (!lock.Holds()) GTEST_SKIP() << "cannot make a folder read-only here";
  EXPECT_FALSE(WriteFileReplacing(file, "replaced"));
  EXPECT_EQ(Bytes(file), "replaced");
  EXPECT_EQ(WriteFileReplacing(dir_ / "fresh.txt", "x").code, 5);  // nothing new can be made there
}

TEST(WriteMessages, EachFailureItsText) {
  EXPECT_EQ(WriteErrorMessage("/no/such/a.txt", {WriteError::Create, 3}),
            "Cannot create file \"/no/such/a.txt\". The system cannot find the path specified");
  EXPECT_EQ(WriteErrorMessage("rel.txt", {WriteError::Create, 5}),
            "Cannot create file \"" + (fs::current_path() / "rel.txt").string() + "\". Access is denied");
  EXPECT_EQ(WriteErrorMessage(fs::path(), {WriteError::Create, 3}).substr(0, 22), "Cannot create file \"\".");
  EXPECT_EQ(WriteErrorMessage("a", {WriteError::Write, 112}), "Stream write error");
  EXPECT_EQ(WriteErrorMessage("a", {}), "");
}

TEST(IoErrors, Messages) {
  EXPECT_EQ(IoErrorMessage(2), "File not found");
  EXPECT_EQ(IoErrorMessage(3), "Invalid filename");
  EXPECT_EQ(IoErrorMessage(4), "Too many open files");
  EXPECT_EQ(IoErrorMessage(5), "File access denied");
  EXPECT_EQ(IoErrorMessage(100), "Read beyond end of file");
  EXPECT_EQ(IoErrorMessage(101), "Disk full");
  EXPECT_EQ(IoErrorMessage(106), "Invalid numeric input");
  EXPECT_EQ(IoErrorMessage(32), "I/O error 32");
}

}  // namespace
}  // namespace vellumo
