#include "core/PictureCache.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "tests/platform/EncodedPictures.h"
#include "tests/platform/TestFiles.h"
#include "tests/support/RecordingDesktop.h"
#include "tests/support/SamePicture.h"

namespace vellumo {
namespace {

namespace fs = std::filesystem;

const fs::path kShipped = fs::path(VELLUMO_APP_DIR) / "PICTURE";

class PictureCacheTest : public ::testing::Test {
 protected:
  void put(const std::string& name, const std::string& shipped) {
    fs::copy_file(kShipped / shipped, folder / name, fs::copy_options::overwrite_existing);
  }
  std::string path(const std::string& name) { return (folder / name).string(); }

  // A folder of each test's own: ctest runs these tests side by side.
  test::TempDir temp;
  const fs::path folder = temp.root();
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
  EXPECT_SAME_PICTURE(*second, *decodePictureFile(path("A.JPG")));

  std::ofstream(path("A.JPG"), std::ios::trunc) << "not a picture any more";
  EXPECT_THROW(cache.load(path("A.JPG")), LoadError);
  fs::remove(path("A.JPG"));
  EXPECT_THROW(cache.load(path("A.JPG")), LoadError) << "a file that has gone fails its load";
  put("A.JPG", "YES1.JPG");
  EXPECT_SAME_PICTURE(*cache.load(path("A.JPG")), *first) << "and loads again once back";
  EXPECT_EQ(cache.heldBytes(), sizeof(Picture) + first->pixels.capacity() * sizeof(Colour));
}

TEST_F(PictureCacheTest, DropsThePictureUsedLongestAgoToStayWithinItsBudget) {
  for (const char* name : {"A.JPG", "B.JPG", "C.JPG", "D.JPG"}) put(name, "GALERIJA1BELE_01.JPG");
  const std::size_t onePicture = sizeof(Picture) + 131 * 122 * sizeof(Colour);
  PictureCache small(desktop, 3 * onePicture);

  const PicturePtr a = small.load(path("A.JPG")), b = small.load(path("B.JPG")), c = small.load(path("C.JPG"));
  EXPECT_EQ(small.load(path("A.JPG")), a) << "A is now the most recently used";
  const PicturePtr d = small.load(path("D.JPG"));  // no room: B goes
  EXPECT_EQ(small.heldBytes(), 3 * onePicture);
  EXPECT_EQ(small.load(path("A.JPG")), a);
  EXPECT_EQ(small.load(path("C.JPG")), c);
  EXPECT_EQ(small.load(path("D.JPG")), d);
  EXPECT_NE(small.load(path("B.JPG")), b) << "B was dropped and decoded again";
  EXPECT_EQ(small.heldBytes(), 3 * onePicture);
}

// Every thumbnail replaced by a picture as large as the decoder takes (6 MB
// decoded, a few kilobytes on disk): the cache holds no more than its budget.
TEST_F(PictureCacheTest, TwentyFiveLargestPicturesStayWithinTheBudget) {
  constexpr int kWide = 2048, kHigh = kMaxPicturePixels / kWide;
  const test::Bytes largest = test::jpegFile(Picture(kWide, kHigh, rgb(255, 255, 0)));
  std::vector<PicturePtr> loaded;
  for (int n = 1; n <= 25; ++n) {
    const std::string name = "THUMB" + std::to_string(n) + ".JPG";
    std::ofstream(path(name), std::ios::binary).write(reinterpret_cast<const char*>(largest.data()), largest.size());
    loaded.push_back(cache.load(path(name)));
    ASSERT_LE(cache.heldBytes(), kPictureCacheBudgetBytes);
  }
  EXPECT_EQ(cache.load(path("THUMB25.JPG")), loaded.back()) << "the latest are kept";
  EXPECT_NE(cache.load(path("THUMB1.JPG")), loaded.front()) << "the first went long ago";
}

// Every picture the program shows, outlines, thumbnails, backgrounds and
// buttons, fits in the budget: once all are loaded, none is decoded again.
TEST_F(PictureCacheTest, EveryShippedPictureFits) {
  std::vector<std::pair<std::string, PicturePtr>> firstLoads;
  for (const auto& entry : fs::directory_iterator(kShipped)) {
    const std::string extension = entry.path().extension().string();
    if (extension == ".JPG" || extension == ".GIF") {
      firstLoads.emplace_back(entry.path().string(), cache.load(entry.path().string()));
    }
  }
  ASSERT_EQ(firstLoads.size(), 147u);
  for (const auto& [file, picture] : firstLoads) EXPECT_EQ(cache.load(file), picture) << file;
  EXPECT_LE(cache.heldBytes(), kPictureCacheBudgetBytes);
}

}  // namespace
}  // namespace vellumo
