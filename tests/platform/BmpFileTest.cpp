// Saving pictures as BMP: the decoder reads back exactly what was saved,
// whatever the row padding, and a save that fails leaves the old file as it
// was and nothing else behind.

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <csignal>
#include <filesystem>
#include <set>

#include "TestFiles.h"
#include "platform/BmpFile.h"
#include "platform/LoadError.h"
#include "platform/PictureDecoder.h"
#include "tests/support/SamePicture.h"

namespace vellumo {
namespace {

// Neighbouring pixels differ in every channel, so a swapped channel, a
// flipped row order or a misplaced padding byte all show.
Picture patterned(int width, int height) {
  Picture picture(width, height);
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) picture.at(x, y) = rgb(x * 7 + y * 3, x * 5 + y * 13 + 1, (x + y) * 29 + 2);
  }
  return picture;
}

std::set<std::string> namesIn(const std::string& folder) {
  std::set<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(folder)) names.insert(entry.path().filename());
  return names;
}

TEST(BmpFile, DecodesBackToTheSamePixels) {
  // Widths 1 to 4 need 1, 2, 3 and 0 bytes of padding per row.
  const std::pair<int, int> sizes[] = {{1, 1}, {2, 3}, {3, 2}, {4, 5}, {5, 4}, {750, 600}};
  const test::TempDir dir;
  for (const auto& [width, height] : sizes) {
    SCOPED_TRACE(std::to_string(width) + "x" + std::to_string(height));
    const Picture saved = patterned(width, height);
    const std::string path = dir.path("01.GIF");
    writeBmpFile(saved, path);

    const test::Bytes bytes = test::readAll(path);
    const std::size_t rowBytes = (width * 3 + 3) / 4 * 4;
    ASSERT_EQ(bytes.size(), 54 + rowBytes * height);  // uncompressed, no palette
    EXPECT_EQ(bytes[0], 'B');
    EXPECT_EQ(bytes[28], 24);  // bits per pixel
    const PicturePtr loaded = decodePictureFile(path);
    EXPECT_EQ(loaded->width, width);
    EXPECT_EQ(loaded->height, height);
    EXPECT_SAME_PICTURE(*loaded, saved);
  }
}

TEST(BmpFile, ReplacesTheOldFileAndLeavesNothingElse) {
  const test::TempDir dir;
  const std::string path = dir.path("01.GIF");
  writeBmpFile(Picture(750, 600, rgb(255, 0, 0)), path);
  const Picture second = patterned(750, 600);
  writeBmpFile(second, path);
  EXPECT_SAME_PICTURE(*decodePictureFile(path), second);
  EXPECT_EQ(namesIn(dir.root()), std::set<std::string>{"01.GIF"});
}

TEST(BmpFile, UnwritablePlacesFailWithoutLeavingFiles) {
  struct Case {
    const char* name;
    const char* target;  // inside a folder that holds only "old.bmp", "file" and "folder"
  };
  const Case cases[] = {
      {"missing folder", "MY_PICTURE/01.GIF"},
      {"folder is a file", "file/01.GIF"},
      {"target is a folder", "folder"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const test::TempDir dir;
    const Picture old = patterned(3, 3);
    writeBmpFile(old, dir.path("old.bmp"));
    dir.write("file", {1, 2, 3});
    std::filesystem::create_directory(dir.path("folder"));
    EXPECT_THROW(writeBmpFile(patterned(5, 5), dir.path(c.target)), LoadError);
    EXPECT_EQ(namesIn(dir.root()), (std::set<std::string>{"old.bmp", "file", "folder"}));
    EXPECT_SAME_PICTURE(*decodePictureFile(dir.path("old.bmp")), old);
  }
}

// Writing stops partway, as on a full disk: the old file must survive whole.
TEST(BmpFile, AWriteCutShortKeepsTheOldFile) {
  const test::TempDir dir;
  const std::string path = dir.path("01.GIF");
  const Picture old = patterned(750, 600);
  writeBmpFile(old, path);

  rlimit saved{};
  ASSERT_EQ(::getrlimit(RLIMIT_FSIZE, &saved), 0);
  rlimit small = saved;
  small.rlim_cur = 4096;                                       // far less than a 750x600 picture needs
  const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);  // a failed write, not a killed process
  ASSERT_EQ(::setrlimit(RLIMIT_FSIZE, &small), 0);
  EXPECT_THROW(writeBmpFile(patterned(750, 600), path), LoadError);
  ::setrlimit(RLIMIT_FSIZE, &saved);
  std::signal(SIGXFSZ, previousHandler);

  EXPECT_SAME_PICTURE(*decodePictureFile(path), old);
  EXPECT_EQ(namesIn(dir.root()), std::set<std::string>{"01.GIF"});
}

}  // namespace
}  // namespace vellumo
