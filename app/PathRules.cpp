#include "app/PathRules.h"

#include <filesystem>

#include "platform/Utf8Path.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace vellumo {

AppPaths derivePaths(std::string_view folder, char separator) {
  AppPaths paths{std::string(folder), std::string(folder)};
  if (paths.AppDir.empty() || paths.AppDir.back() != separator) paths.AppDir += separator;
  return paths;
}

std::string executableFolder() {
  namespace fs = std::filesystem;
#ifdef _WIN32
  // Asked in UTF-16, so a folder of any name is reported whole.
  std::wstring name(32768, L'\0');
  name.resize(GetModuleFileNameW(nullptr, name.data(), static_cast<DWORD>(name.size())));
  const fs::path folder = fs::path(name).parent_path();
#else
  const fs::path folder = fs::read_symlink("/proc/self/exe").parent_path();
#endif
  return utf8String(folder);
}

}  // namespace vellumo
