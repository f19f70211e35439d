#pragma once
// Paths are UTF-8 strings throughout the program. The standard library reads
// a narrow string in the system's own encoding, which on Windows is not
// UTF-8, so a path goes to and from std::filesystem through these.

#include <filesystem>
#include <string>
#include <string_view>

namespace vellumo {

std::filesystem::path utf8Path(std::string_view path);
std::string utf8String(const std::filesystem::path& path);

}  // namespace vellumo
