#include "canvas/SavedPictureRoot.h"

#include <filesystem>
#include <system_error>

#include "platform/SystemFolders.h"
#include "platform/Utf8Path.h"

namespace vellumo {

namespace fs = std::filesystem;

namespace {

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
  if (fs::is_directory(utf8Path(beside), error) && folderWritable(beside)) return appDir;

  const fs::path data = utf8Path(userDataFolder());
  if (data.empty()) return appDir;
  const fs::path root = data / "vellumo";
  makeFolders(root / "MY_PICTURE");
  return utf8String(root);
}

}  // namespace vellumo
