#include "app/PathRules.h"

#include <gtest/gtest.h>

#include "platform/SystemFolders.h"

namespace vellumo {
namespace {

struct PathCase {
  const char* folder;
  char separator;
  const char* appDir;
  const char* assetRoot;
  const char* firstOutline;  // AssetRoot + the outline's relative path
  const char* music;         // AppDir + the music's relative path
};

TEST(PathRules, PrefixesFollowTheFolderAsReported) {
  const PathCase cases[] = {
      {"/home/anna/Vellumo", '/', "/home/anna/Vellumo/", "/home/anna/Vellumo", "/home/anna/Vellumo/PICTURE/01.GIF",
       "/home/anna/Vellumo//MUSIC/001.MID"},
      // A root folder already ends in its separator: nothing is appended, so
      // both prefixes give a doubled separator, which the file system reads as one.
      {"/", '/', "/", "/", "//PICTURE/01.GIF", "//MUSIC/001.MID"},
      // The same rules with the other platform's separator.
      {"C:\\Games\\Paint", '\\', "C:\\Games\\Paint\\", "C:\\Games\\Paint", "C:\\Games\\Paint\\PICTURE\\01.GIF",
       "C:\\Games\\Paint\\\\MUSIC\\001.MID"},
      {"D:\\", '\\', "D:\\", "D:\\", "D:\\\\PICTURE\\01.GIF", "D:\\\\MUSIC\\001.MID"},
  };
  for (const PathCase& c : cases) {
    SCOPED_TRACE(c.folder);
    const AppPaths paths = derivePaths(c.folder, c.separator);
    EXPECT_EQ(paths.AppDir, c.appDir);
    // File names are case-sensitive here: the root keeps its letters.
    EXPECT_EQ(paths.AssetRoot, c.assetRoot);
    const std::string sep(1, c.separator);
    EXPECT_EQ(paths.AssetRoot + sep + "PICTURE" + sep + "01.GIF", c.firstOutline);
    EXPECT_EQ(paths.AppDir + sep + "MUSIC" + sep + "001.MID", c.music);
  }
}

TEST(PathRules, ExecutableFolderHoldsThisProgram) {
  const std::string folder = executableFolder();
  ASSERT_FALSE(folder.empty());
  EXPECT_NE(folder.back(), '/');
}

}  // namespace
}  // namespace vellumo
