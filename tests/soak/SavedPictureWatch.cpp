// vellumo_saved_picture_watch FILE: reads the saved picture over and over
// while a session runs, as another program might at any moment, and counts
// the times it found the file torn: present but not one whole 750x600
// bitmap. Ends on SIGTERM or SIGINT with "checks N torn M" and status 1
// when any was torn.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <string>

namespace {

volatile std::sig_atomic_t stopRequested = 0;

void requestStop(int) { stopRequested = 1; }

std::uint32_t littleEndian(const unsigned char* at, int bytes) {
  std::uint32_t value = 0;
  for (int i = bytes - 1; i >= 0; --i) value = value << 8 | at[i];
  return value;
}

// Empty when the file is a whole bitmap of the canvas (or absent: nothing
// has been saved yet); otherwise what is wrong with it.
std::string tornness(const char* path) {
  const int fd = ::open(path, O_RDONLY | O_CLOEXEC);
  if (fd < 0) return errno == ENOENT ? "" : "cannot be opened";
  struct stat info {};
  std::array<unsigned char, 54> header{};
  const bool read = ::fstat(fd, &info) == 0 && ::pread(fd, header.data(), header.size(), 0) == 54;
  ::close(fd);
  if (!read) return "shorter than a bitmap header (" + std::to_string(info.st_size) + " bytes)";
  if (header[0] != 'B' || header[1] != 'M') return "no bitmap signature";
  const std::uint32_t declared = littleEndian(&header[2], 4);
  if (declared != static_cast<std::uint64_t>(info.st_size))
    return "declares " + std::to_string(declared) + " bytes, holds " + std::to_string(info.st_size);
  const std::uint32_t width = littleEndian(&header[18], 4);
  const std::int32_t height = static_cast<std::int32_t>(littleEndian(&header[22], 4));
  const std::uint32_t bitsPerPixel = littleEndian(&header[28], 2);
  if (width != 750 || (height != 600 && height != -600)) return "not 750x600";
  const std::uint64_t rowBytes = (std::uint64_t{width} * bitsPerPixel + 31) / 32 * 4;
  if (littleEndian(&header[10], 4) + rowBytes * 600 > declared) return "pixels run past the end";
  return "";
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: %s FILE\n", argv[0]);
    return 2;
  }
  std::signal(SIGTERM, requestStop);
  std::signal(SIGINT, requestStop);
  std::uint64_t checks = 0, torn = 0;
  while (!stopRequested) {
    const std::string wrong = tornness(argv[1]);
    ++checks;
    if (!wrong.empty() && torn++ == 0) std::fprintf(stderr, "torn %s: %s\n", argv[1], wrong.c_str());
    ::usleep(1000);
  }
  std::printf("checks %llu torn %llu\n", static_cast<unsigned long long>(checks),
              static_cast<unsigned long long>(torn));
  return torn == 0 ? 0 : 1;
}
