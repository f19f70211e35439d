#pragma once
// Reading whole files and asking their size, for pictures and pointers. Only
// regular files are read: a directory, a pipe or a device is a failing load,
// and nothing blocks on a pipe that has no writer.

#include <cstdint>
#include <string>
#include <vector>

namespace vellumo {

// Size in bytes of a regular file, without reading it. Throws LoadError when
// the file is missing, cannot be opened for reading or is not a regular file.
std::int64_t fileSizeOf(const std::string& path);

// What tells one version of a file from another without reading it: a file
// rewritten, replaced or given other permissions gets another stamp.
struct FileStamp {
  std::int64_t size = 0;
  std::int64_t modifiedNs = 0;
  std::int64_t changedNs = 0;
  std::uint64_t device = 0;
  std::uint64_t inode = 0;
  bool operator==(const FileStamp&) const = default;
};

// The stamp of a readable regular file. Throws LoadError when the file is
// missing, is not a regular file or cannot be read.
FileStamp fileStampOf(const std::string& path);

// The whole contents of a regular file. Throws LoadError when it is missing,
// unreadable, empty, not a regular file or larger than maxBytes.
std::vector<unsigned char> readFileBytes(const std::string& path, std::int64_t maxBytes);

}  // namespace vellumo
