#include "app/AssetCheck.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "app/ExitStatus.h"
#include "core/AppState.h"
#include "core/AssetFiles.h"
#include "tests/support/RecordingDesktop.h"

namespace vellumo {
namespace {

namespace fs = std::filesystem;
using test::ProcessEnded;
using test::RecordingDesktop;

// A folder holding every checked picture at its pinned size (sparse files:
// only the sizes matter to the check).
class AssetCheckTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root = fs::temp_directory_path() /
           ("vellumo-assetcheck-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(root);
    fs::create_directories(root / "PICTURE");
    for (const auto& entry : ExpectedAssetSizes) resize(entry.relativePath, entry.size);
    state.AssetRoot = root.string();
    state.KeyboardHook = 7;
  }
  void TearDown() override { fs::remove_all(root); }

  void resize(std::string_view relative, std::int64_t size) {
    const fs::path file = root.string() + std::string(relative);
    std::ofstream(file, std::ios::app).close();
    fs::resize_file(file, static_cast<std::uintmax_t>(size));
  }

  // Runs the check; returns the exit status, or -1 when it returned normally.
  int check() {
    try {
      CheckAssetFiles(desktop, state);
      return -1;
    } catch (const ProcessEnded& e) {
      return e.status;
    }
  }

  fs::path root;
  AppState state;
  RecordingDesktop desktop;
};

TEST_F(AssetCheckTest, AllPresentReturnsAfterMeasuringEveryFileInTableOrder) {
  EXPECT_EQ(check(), -1);
  ASSERT_EQ(desktop.sizeQueries.size(), ExpectedAssetSizes.size());
  for (std::size_t i = 0; i < ExpectedAssetSizes.size(); ++i)
    EXPECT_EQ(desktop.sizeQueries[i], state.AssetRoot + std::string(ExpectedAssetSizes[i].relativePath));
  EXPECT_TRUE(desktop.calls.empty()) << "a passing check leaves no trace";
}

TEST_F(AssetCheckTest, FirstFileMissingEndsAtOnceWithoutRemovingTheLock) {
  fs::remove(root / "PICTURE" / "01.GIF");
  EXPECT_EQ(check(), kExitAssetsDamaged);
  EXPECT_EQ(desktop.sizeQueries.size(), 1u);
  EXPECT_EQ(desktop.calls, (std::vector<std::string>{"endProcess 2"}));
}

TEST_F(AssetCheckTest, LastFileOneByteTooLongEndsAfterAllAndRemovesTheLock) {
  resize("/PICTURE/ZVUCNIK2.JPG", 5426);
  EXPECT_EQ(check(), kExitAssetsDamaged);
  EXPECT_EQ(desktop.sizeQueries.size(), 147u);
  EXPECT_EQ(desktop.calls, (std::vector<std::string>{"removeKeyboardLock 7", "endProcess 2"}));
}

TEST_F(AssetCheckTest, FileOneByteShortStopsTheCheckThere) {
  resize("/PICTURE/CTRLX.JPG", 40510);  // entry 127
  state.KeyboardHook = 0;               // no lock to remove
  EXPECT_EQ(check(), kExitAssetsDamaged);
  EXPECT_EQ(desktop.sizeQueries.size(), 127u);
  EXPECT_EQ(desktop.calls, (std::vector<std::string>{"endProcess 2"}));
}

TEST_F(AssetCheckTest, UncheckedFilesMayBeMissing) {
  // Pointers, sounds and music are not the check's business.
  fs::remove_all(root / "SOUND");
  fs::remove_all(root / "MUSIC");
  EXPECT_EQ(check(), -1);
}

TEST(AssetCheckShipped, TheBuiltApplicationFolderPasses) {
  RecordingDesktop desktop;
  AppState state;
  state.AssetRoot = VELLUMO_APP_DIR;
  EXPECT_NO_THROW(CheckAssetFiles(desktop, state));
  EXPECT_EQ(desktop.sizeQueries.size(), 147u);
}

}  // namespace
}  // namespace vellumo
