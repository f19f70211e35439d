#include "platform/FileBytes.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/LoadError.h"

namespace vellumo {

namespace {

LoadError failure(const std::string& path, const char* what) { return LoadError(path + ": " + what); }

LoadError systemFailure(const std::string& path) { return failure(path, std::strerror(errno)); }

class FileDescriptor {
 public:
  explicit FileDescriptor(int fd) : fd_(fd) {}
  ~FileDescriptor() {
    if (fd_ >= 0) ::close(fd_);
  }
  FileDescriptor(const FileDescriptor&) = delete;
  FileDescriptor& operator=(const FileDescriptor&) = delete;
  int get() const { return fd_; }

 private:
  int fd_;
};

}  // namespace

std::int64_t fileSizeOf(const std::string& path) {
  // Opened, not only looked up: a file that cannot be opened counts as
  // missing. O_NONBLOCK: opening a named pipe must not wait for a writer.
  // Nothing is read.
  FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
  if (file.get() < 0) throw systemFailure(path);
  struct stat info {};
  if (::fstat(file.get(), &info) != 0) throw systemFailure(path);
  if (!S_ISREG(info.st_mode)) throw failure(path, "not a regular file");
  return info.st_size;
}

FileStamp fileStampOf(const std::string& path) {
  struct stat info {};
  if (::stat(path.c_str(), &info) != 0) throw systemFailure(path);
  if (!S_ISREG(info.st_mode)) throw failure(path, "not a regular file");
  if (::access(path.c_str(), R_OK) != 0) throw systemFailure(path);
  auto ns = [](const timespec& t) { return std::int64_t{t.tv_sec} * 1'000'000'000 + t.tv_nsec; };
  return {info.st_size, ns(info.st_mtim), ns(info.st_ctim), info.st_dev, info.st_ino};
}

std::vector<unsigned char> readFileBytes(const std::string& path, std::int64_t maxBytes) {
  // O_NONBLOCK: opening a pipe must not wait for a writer; the descriptor is
  // checked to be a regular file before anything is read from it.
  FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  if (file.get() < 0) throw systemFailure(path);

  struct stat info {};
  if (::fstat(file.get(), &info) != 0) throw systemFailure(path);
  if (!S_ISREG(info.st_mode)) throw failure(path, "not a regular file");
  if (info.st_size == 0) throw failure(path, "empty file");
  if (info.st_size > maxBytes) throw failure(path, "file too large");

  std::vector<unsigned char> bytes(static_cast<std::size_t>(info.st_size));
  std::size_t filled = 0;
  while (filled < bytes.size()) {
    const ssize_t got = ::read(file.get(), bytes.data() + filled, bytes.size() - filled);
    if (got < 0 && errno == EINTR) continue;
    if (got < 0) throw systemFailure(path);
    if (got == 0) break;  // the file shrank while being read
    filled += static_cast<std::size_t>(got);
  }
  bytes.resize(filled);
  if (bytes.empty()) throw failure(path, "empty file");
  return bytes;
}

}  // namespace vellumo
