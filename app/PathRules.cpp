#include "app/PathRules.h"

#include <filesystem>

namespace vellumo {

AppPaths derivePaths(std::string_view folder, char separator) {
  AppPaths paths{std::string(folder), std::string(folder)};
  if (paths.AppDir.empty() || paths.AppDir.back() != separator) paths.AppDir += separator;
  return paths;
}

std::string executableFolder() {
  namespace fs = std::filesystem;
  const fs::path folder = fs::read_symlink("/proc/self/exe").parent_path();
  return folder.string();
}

}  // namespace vellumo
