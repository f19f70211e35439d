#include "platform/SingleInstance.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <utility>

namespace vellumo {

namespace {

bool isDirectory(const char* path) {
  struct stat info {};
  return path != nullptr && *path != '\0' && ::stat(path, &info) == 0 && S_ISDIR(info.st_mode);
}

}  // namespace

std::string SingleInstanceLock::defaultPath() {
  if (const char* runtime = std::getenv("XDG_RUNTIME_DIR"); isDirectory(runtime)) {
    return std::string(runtime) + "/vellumo.lock";
  }
  const char* temp = std::getenv("TMPDIR");
  const std::string directory = isDirectory(temp) ? temp : "/tmp";
  return directory + "/vellumo-" + std::to_string(::getuid()) + ".lock";
}

std::optional<SingleInstanceLock> SingleInstanceLock::acquire(const std::string& path) {
  // O_CLOEXEC: a browser started from here must not inherit the lock and keep
  // the next start from running. O_NOFOLLOW: the temporary directory is shared.
  const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0600);
  if (fd < 0) return SingleInstanceLock(-1);
  int result;
  do {
    result = ::flock(fd, LOCK_EX | LOCK_NB);
  } while (result != 0 && errno == EINTR);
  if (result == 0) return SingleInstanceLock(fd);
  const bool heldElsewhere = errno == EWOULDBLOCK;
  ::close(fd);
  if (heldElsewhere) return std::nullopt;
  return SingleInstanceLock(-1);
}

SingleInstanceLock::SingleInstanceLock(SingleInstanceLock&& other) noexcept : fd_(std::exchange(other.fd_, -1)) {}

SingleInstanceLock& SingleInstanceLock::operator=(SingleInstanceLock&& other) noexcept {
  if (this != &other) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = std::exchange(other.fd_, -1);
  }
  return *this;
}

SingleInstanceLock::~SingleInstanceLock() {
  if (fd_ >= 0) ::close(fd_);
}

}  // namespace vellumo
