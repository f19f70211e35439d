#include "canvas/SavedPictureRoot.h"

#ifdef _WIN32
#include <io.h>
#else
#include <unistd.h>
#endif

#include <cstdlib>
#include <filesystem>
#include <system_error>

#include "platform/Utf8Path.h"

namespace vellumo {

namespace fs = std::filesystem;

namespace {

#ifdef _WIN32
// The user's own application data folder, named in UTF-16 so that any
// letters in it survive.
fs::path userDataFolder() {
  const wchar_t* local = _wgetenv(L"LOCALAPPDATA");
  return local != nullptr && local[0] != L'\0' ? fs::path(local) : fs::path();
}

bool writable(const std::string& folder) { return _waccess(utf8Path(folder).c_str(), 2) == 0; }
#else
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

bool writable(const std::string& folder) { return ::access(folder.c_str(), W_OK) == 0; }
#endif

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
  if (fs::is_directory(utf8Path(beside), error) && writable(beside)) return appDir;

  const fs::path data = userDataFolder();
  if (data.empty()) return appDir;
  const fs::path root = data / "vellumo";
  makeFolders(root / "MY_PICTURE");
  return utf8String(root);
}

}  // namespace vellumo
