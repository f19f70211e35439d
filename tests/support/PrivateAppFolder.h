#pragma once
// A private copy of the built application folder, for a test that writes
// into it or damages it while the program runs. Removed afterwards.

#include <unistd.h>

#include <filesystem>
#include <string>

namespace vellumo::test {

class PrivateAppFolder {
 public:
  explicit PrivateAppFolder(const std::string& name)
      : folder_((std::filesystem::temp_directory_path() / ("vellumo-" + name + "-" + std::to_string(::getpid())))
                    .string()) {
    std::filesystem::remove_all(folder_);
    std::filesystem::copy(VELLUMO_APP_DIR, folder_, std::filesystem::copy_options::recursive);
  }
  ~PrivateAppFolder() { std::filesystem::remove_all(folder_); }
  PrivateAppFolder(const PrivateAppFolder&) = delete;
  PrivateAppFolder& operator=(const PrivateAppFolder&) = delete;

  const std::string& folder() const { return folder_; }

 private:
  std::string folder_;
};

}  // namespace vellumo::test
