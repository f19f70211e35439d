#include "app/PictureCache.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "tests/support/RecordingDesktop.h"

namespace vellumo {
namespace {

namespace fs = std::filesystem;

class PictureCacheTest : public ::testing::Test {
 protected:
  PictureCacheTest() { fs::create_directories(folder); }
  ~PictureCacheTest() override { fs::remove_all(folder); }
  void put(const std::string& name, const std::string& shipped) {
    fs::copy_file(std::string(VELLUMO_APP_DIR) + "/PICTURE/" + shipped, folder / name,
                  fs::copy_options::overwrite_existing);
  }
  std::string path(const std::string& name) { return (folder / name).string(); }

  const fs::path folder = fs::temp_directory_path() / "vellumo-picture-cache";
  test::RecordingDesktop desktop;
  PictureCache cache{desktop};
};

TEST_F(PictureCacheTest, ServesTheFileAsItIsNow) {
  put("A.JPG", "YES1.JPG");
  const PicturePtr first = cache.load(path("A.JPG"));
  EXPECT_EQ(cache.load(path("A.JPG")), first) << "unchanged: the same decoded picture";

  put("A.JPG", "NO1.JPG");  // replaced by another picture
  const PicturePtr second = cache.load(path("A.JPG"));
  EXPECT_EQ(second->width, 85);
  EXPECT_EQ(second->pixels, decodePictureFile(path("A.JPG"))->pixels);

  std::ofstream(path("A.JPG"), std::ios::trunc) << "not a picture any more";
  EXPECT_THROW(cache.load(path("A.JPG")), LoadError);
  fs::remove(path("A.JPG"));
  EXPECT_THROW(cache.load(path("A.JPG")), LoadError) << "a file that has gone fails its load";
  put("A.JPG", "YES1.JPG");
  EXPECT_EQ(cache.load(path("A.JPG"))->pixels, first->pixels) << "and loads again once back";
}

}  // namespace
}  // namespace vellumo
