#include "platform/FileReplacement.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <random>

#include "platform/LoadError.h"

namespace vellumo {

namespace {

// A new file of a name nobody uses, beside the target so the final rename
// stays within one file system.
int createTemporaryBeside(const std::string& path, std::string& temporary) {
  std::random_device random;
  for (int attempt = 0; attempt < 16; ++attempt) {
    temporary = path + ".tmp" + std::to_string(random() % 1000000);
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd >= 0 || errno != EEXIST) return fd;
  }
  return -1;
}

bool writeAll(int fd, const std::vector<unsigned char>& bytes) {
  std::size_t written = 0;
  while (written < bytes.size()) {
    const ssize_t put = ::write(fd, bytes.data() + written, bytes.size() - written);
    if (put < 0 && errno == EINTR) continue;
    if (put == 0) errno = EIO;
    if (put <= 0) return false;
    written += static_cast<std::size_t>(put);
  }
  return true;
}

// Makes the rename itself survive a power cut. Best effort: by now the new
// file is in place, so a failure here is no reason to report the save as failed.
void syncFolderOf(const std::string& path) {
  const std::filesystem::path folder = std::filesystem::path(path).parent_path();
  const int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
}

}  // namespace

void replaceFileContents(const std::string& path, const std::vector<unsigned char>& bytes) {
  std::string temporary;
  const int fd = createTemporaryBeside(path, temporary);
  if (fd < 0) throw LoadError(path + ": " + std::strerror(errno));

  int error = 0;
  if (!writeAll(fd, bytes) || ::fsync(fd) != 0) error = errno;
  if (::close(fd) != 0 && error == 0) error = errno;
  if (error == 0 && ::rename(temporary.c_str(), path.c_str()) != 0) error = errno;
  if (error != 0) {
    ::unlink(temporary.c_str());
    throw LoadError(path + ": " + std::strerror(error));
  }
  syncFolderOf(path);
}

}  // namespace vellumo
