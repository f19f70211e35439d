#pragma once
// Reading whole files and asking their size, for pictures and pointers. Only
// regular files are read: a directory, a pipe or a device is a failing load,
// and nothing blocks on a pipe that has no writer.

#include <cstdint>
#include <string>
#include <vector>

namespace vellumo {

// Size in bytes of a regular file, without reading it. Throws LoadError when
// the file is missing, is not a regular file or cannot be examined.
std::int64_t fileSizeOf(const std::string& path);

// The whole contents of a regular file. Throws LoadError when it is missing,
// unreadable, empty, not a regular file or larger than maxBytes.
std::vector<unsigned char> readFileBytes(const std::string& path, std::int64_t maxBytes);

}  // namespace vellumo
