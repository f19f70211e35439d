#include "app/PathRules.h"

namespace vellumo {

AppPaths derivePaths(std::string_view folder, char separator) {
  AppPaths paths{std::string(folder), std::string(folder)};
  if (paths.AppDir.empty() || paths.AppDir.back() != separator) paths.AppDir += separator;
  return paths;
}

}  // namespace vellumo
