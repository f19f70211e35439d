#include "platform/BmpFile.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <filesystem>
#include <random>
#include <vector>

#include "platform/LoadError.h"

namespace vellumo {

namespace {

constexpr std::uint32_t kHeaderBytes = 14 + 40;  // file header and BITMAPINFOHEADER
constexpr std::uint32_t kPixelsPerMetre = 3780;  // 96 pixels an inch, the picture's natural size

void put16(std::vector<unsigned char>& out, std::uint32_t value) {
  out.push_back(value & 0xFF);
  out.push_back((value >> 8) & 0xFF);
}

void put32(std::vector<unsigned char>& out, std::uint32_t value) {
  put16(out, value & 0xFFFF);
  put16(out, value >> 16);
}

std::vector<unsigned char> encodeBmp(const Picture& picture, const std::string& path) {
  // Within the decoder's limit every size fits the 32-bit header fields, and
  // whatever is saved can be loaded again.
  const bool sizeValid = picture.width > 0 && picture.height > 0 && picture.width <= kMaxPictureSide &&
                         picture.height <= kMaxPictureSide &&
                         picture.pixels.size() == static_cast<std::size_t>(picture.width) * picture.height;
  if (!sizeValid) throw LoadError(path + ": no picture to save");

  const std::uint32_t width = picture.width, height = picture.height;
  const std::uint32_t rowBytes = (width * 3 + 3) & ~3u;  // rows are padded to whole 32-bit words
  const std::uint32_t pixelBytes = rowBytes * height;

  std::vector<unsigned char> out;
  out.reserve(kHeaderBytes + pixelBytes);
  out.push_back('B');
  out.push_back('M');
  put32(out, kHeaderBytes + pixelBytes);
  put32(out, 0);
  put32(out, kHeaderBytes);
  put32(out, 40);
  put32(out, width);
  put32(out, height);  // positive: rows stored bottom-up
  put16(out, 1);       // planes
  put16(out, 24);      // bits per pixel
  put32(out, 0);       // uncompressed
  put32(out, pixelBytes);
  put32(out, kPixelsPerMetre);
  put32(out, kPixelsPerMetre);
  put32(out, 0);  // no palette
  put32(out, 0);
  for (int y = picture.height - 1; y >= 0; --y) {
    for (int x = 0; x < picture.width; ++x) {
      const Colour c = picture.at(x, y);
      out.push_back((c >> 16) & 0xFF);  // blue, green, red
      out.push_back((c >> 8) & 0xFF);
      out.push_back(c & 0xFF);
    }
    out.resize(out.size() + rowBytes - width * 3, 0);
  }
  return out;
}

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

void writeBmpFile(const Picture& picture, const std::string& path) {
  const std::vector<unsigned char> bytes = encodeBmp(picture, path);

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
