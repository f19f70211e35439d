#include "canvas/SavedPictureRoot.h"

#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <system_error>

namespace vellumo {

namespace fs = std::filesystem;

namespace {

// An absolute path from the environment, or empty: the XDG rules ignore
// relative ones.
std::string absoluteFromEnvironment(const char* name) {
  const char* value = std::getenv(name);
  return value != nullptr && value[0] == '/' ? value : "";
}

// $XDG_DATA_HOME, else $HOME/.local/share; empty when neither is usable.
fs::path userDataFolder() {
  if (const std::string data = absoluteFromEnvironment("XDG_DATA_HOME"); !data.empty()) return data;
  if (const std::string home = absoluteFromEnvironment("HOME"); !home.empty())
    return fs::path(home) / ".local" / "share";
  return {};
}

// Makes every missing folder of `path`, each private to the user as the XDG
// rules ask. Failures are left for the save to meet.
void makeFolders(const fs::path& path) {
  fs::path partial;
  for (const fs::path& part : path) {
    partial /= part;
    std::error_code error;
    if (fs::create_directory(partial, error)) fs::permissions(partial, fs::perms::owner_all, error);
  }
}

}  // namespace

std::string savedPictureRoot(const std::string& appDir) {
  const std::string beside = appDir + "MY_PICTURE";
  std::error_code error;
  if (fs::is_directory(beside, error) && ::access(beside.c_str(), W_OK) == 0) return appDir;

  const fs::path data = userDataFolder();
  if (data.empty()) return appDir;
  const fs::path root = data / "vellumo";
  makeFolders(root / "MY_PICTURE");
  return root.string();
}

}  // namespace vellumo
