#include "platform/SystemFolders.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>

namespace vellumo {

namespace fs = std::filesystem;

namespace {

// An absolute path from the environment, or empty: the XDG rules ignore
// relative ones.
std::string absoluteFromEnvironment(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr && value[0] == '/' ? value : "";
}

}  // namespace

std::string executableFolder() { return fs::read_symlink("/proc/self/exe").parent_path().string(); }

std::string userDataFolder() {
  if (const std::string data = absoluteFromEnvironment("XDG_DATA_HOME"); !data.empty()) return data;
  if (const std::string home = absoluteFromEnvironment("HOME"); !home.empty())
    return (fs::path(home) / ".local" / "share").string();
  return {};
}

bool folderWritable(const std::string& folder) { return ::access(folder.c_str(), W_OK) == 0; }

}  // namespace vellumo
