#include "canvas/SavedPictureRoot.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <optional>
#include <string>

namespace vellumo {
namespace {

namespace fs = std::filesystem;

// Sets or clears one environment variable for the life of the object.
class ScopedEnvironment {
 public:
  ScopedEnvironment(const char* name, std::optional<std::string> value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    set(value);
  }
  ~ScopedEnvironment() { set(old_); }
  ScopedEnvironment(const ScopedEnvironment&) = delete;
  ScopedEnvironment& operator=(const ScopedEnvironment&) = delete;

 private:
  void set(const std::optional<std::string>& value) {
    if (value)
      ::setenv(name_, value->c_str(), 1);
    else
      ::unsetenv(name_);
  }
  const char* name_;
  std::optional<std::string> old_;
};

// Root may write into any folder: to meet a read-only one as a family's
// account does, the answer is taken in a child running as nobody.
std::string asOrdinaryUser(const std::function<std::string()>& answer) {
  if (::geteuid() != 0) return answer();
  int pipeEnds[2];
  if (::pipe(pipeEnds) != 0) return "pipe failed";
  const pid_t child = ::fork();
  if (child == 0) {
    ::close(pipeEnds[0]);
    const std::string result = ::setgid(65534) == 0 && ::setuid(65534) == 0 ? answer() : "setuid failed";
    const bool written = ::write(pipeEnds[1], result.data(), result.size()) == static_cast<ssize_t>(result.size());
    ::_exit(written ? 0 : 1);
  }
  ::close(pipeEnds[1]);
  std::string result;
  char buffer[256];
  for (ssize_t n; (n = ::read(pipeEnds[0], buffer, sizeof buffer)) > 0;) result.append(buffer, n);
  ::close(pipeEnds[0]);
  int status = 0;
  ::waitpid(child, &status, 0);
  return result;
}

// An application folder with its MY_PICTURE, a home folder and a data folder
// that anyone may write into, removed afterwards.
class SavedPictureRootTest : public ::testing::Test {
 protected:
  SavedPictureRootTest()
      : base_(fs::temp_directory_path() / ("vellumo-saved-root-" + std::to_string(::getpid()))),
        appDir((base_ / "app").string() + "/"),
        home((base_ / "home").string()),
        data((base_ / "data").string()) {
    fs::remove_all(base_);
    fs::create_directories(appDir + "MY_PICTURE");
    for (const std::string& folder : {home, data}) {
      fs::create_directories(folder);
      fs::permissions(folder, fs::perms::all);
    }
  }
  ~SavedPictureRootTest() override {
    std::error_code ignored;
    fs::permissions(appDir, fs::perms::owner_all, ignored);
    fs::permissions(appDir + "MY_PICTURE", fs::perms::owner_all, ignored);
    fs::remove_all(base_, ignored);
  }

  void makeAppFolderReadOnly() {
    const auto readOnly = fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                          fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec;
    fs::permissions(appDir + "MY_PICTURE", readOnly);
    fs::permissions(appDir, readOnly);
  }

  const fs::path base_;
  const std::string appDir;
  const std::string home;
  const std::string data;
};

TEST_F(SavedPictureRootTest, WritableFolderKeepsThePictureBesideTheProgram) {
  ScopedEnvironment dataHome("XDG_DATA_HOME", data);
  EXPECT_EQ(savedPictureRoot(appDir), appDir);
  EXPECT_TRUE(fs::is_empty(data)) << "nothing is made in the user's folder";
}

TEST_F(SavedPictureRootTest, ReadOnlyFolderSavesIntoTheUsersDataFolder) {
  makeAppFolderReadOnly();
  ScopedEnvironment dataHome("XDG_DATA_HOME", data);
  EXPECT_EQ(asOrdinaryUser([&] { return savedPictureRoot(appDir); }), data + "/vellumo");
  const fs::path made = data + "/vellumo/MY_PICTURE";
  ASSERT_TRUE(fs::is_directory(made)) << "made when first needed";
  EXPECT_EQ(fs::status(made).permissions(), fs::perms::owner_all) << "private to the user";
  EXPECT_EQ(fs::status(data + "/vellumo").permissions(), fs::perms::owner_all);
}

// Without MY_PICTURE beside it the program cannot save there either.
TEST_F(SavedPictureRootTest, DataFolderFollowsTheXdgRules) {
  fs::remove(appDir + "MY_PICTURE");
  ScopedEnvironment homeVariable("HOME", home);
  const std::string underHome = home + "/.local/share/vellumo";
  const struct {
    std::optional<std::string> xdgDataHome;
    std::string root;
  } cases[] = {
      {data, data + "/vellumo"},
      {std::nullopt, underHome},
      {"", underHome},
      {"relative/data", underHome},  // relative paths are ignored
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.xdgDataHome.value_or("(unset)"));
    ScopedEnvironment dataHome("XDG_DATA_HOME", c.xdgDataHome);
    EXPECT_EQ(savedPictureRoot(appDir), c.root);
    EXPECT_TRUE(fs::is_directory(c.root + "/MY_PICTURE"));
  }
}

TEST_F(SavedPictureRootTest, AFolderThatCannotBeMadeIsNoFailure) {
  fs::remove(appDir + "MY_PICTURE");
  const std::string blocker = data + "/not-a-folder";
  std::ofstream(blocker) << "a file where the folder should go";
  ScopedEnvironment dataHome("XDG_DATA_HOME", blocker);
  EXPECT_EQ(savedPictureRoot(appDir), blocker + "/vellumo") << "the save that follows fails instead";

  ScopedEnvironment noData("XDG_DATA_HOME", std::nullopt);
  ScopedEnvironment noHome("HOME", std::nullopt);
  EXPECT_EQ(savedPictureRoot(appDir), appDir) << "no user folder known: the save fails as before";
}

}  // namespace
}  // namespace vellumo
