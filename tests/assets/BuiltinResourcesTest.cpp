// The built-in resources: the window's starting pictures byte for byte the
// asset files they are named after, and the splash, icon and pointers.

#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <vector>

#include "app/BuiltinResources.h"

namespace {

namespace fs = std::filesystem;

std::vector<unsigned char> readBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

SDL_Surface* decode(std::span<const unsigned char> bytes) {
  return IMG_Load_RW(SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size())), 1);
}

TEST(BuiltinResources, WindowPicturesAreTheAssetFiles) {
  const char* names[] = {"GLAVNA-4.JPG",  "01.GIF",          "PAPIR1.JPG",   "GUMICA1.JPG",   "OLOVKA2.JPG",
                         "KAPLJICA1.JPG", "MOREIMAGES1.JPG", "ZVUCNIK1.JPG", "MUSICOFF2.JPG", "BOJE1_01.JPG",
                         "BOJE1_02.JPG",  "BOJE1_03.JPG",    "BOJE1_04.JPG", "BOJE1_05.JPG",  "BOJE1_06.JPG",
                         "BOJE1_07.JPG",  "BOJE1_08.JPG",    "BOJE1_09.JPG", "BOJE1_10.JPG",  "BOJE1_11.JPG",
                         "BOJE1_12.JPG",  "BACK1.JPG",       "CTRLX.JPG",    "YES1.JPG",      "NO1.JPG",
                         "CTRL-R-4.JPG",  "CLOSE1.JPG",      "VISIT1.JPG",   "CTRLRORV1.JPG", "PRINTING.JPG"};
  for (const char* name : names) {
    const auto builtin = vellumo::builtinResource(name);
    const auto file = readBytes(fs::path(VELLUMO_APP_DIR) / "PICTURE" / name);
    ASSERT_FALSE(builtin.empty()) << name;
    EXPECT_TRUE(std::equal(builtin.begin(), builtin.end(), file.begin(), file.end())) << name;
  }
}

struct Expected {
  const char* name;
  int w, h;
};

TEST(BuiltinResources, SplashIconAndPointersDecode) {
  for (const Expected& e :
       {Expected{"SPLASH.JPG", 200, 250}, Expected{"APPICON.BMP", 32, 32}, Expected{"ARROW.CUR", 32, 32},
        Expected{"HAND.CUR", 32, 32}, Expected{"BRUSH.ICO", 64, 64}, Expected{"DROP.ICO", 32, 32}}) {
    SDL_Surface* s = decode(vellumo::builtinResource(e.name));
    ASSERT_NE(s, nullptr) << e.name << ": " << IMG_GetError();
    EXPECT_EQ(s->w, e.w) << e.name;
    EXPECT_EQ(s->h, e.h) << e.name;
    SDL_FreeSurface(s);
  }
}

TEST(BuiltinResources, PointersAreSixteenColourEntriesWithTheirHotSpots) {
  struct Pointer {
    const char* name;
    int type, hotX, hotY;
  };
  for (const Pointer& p : {Pointer{"ARROW.CUR", 2, 0, 0}, Pointer{"HAND.CUR", 2, 12, 1}, Pointer{"BRUSH.ICO", 1, 1, 4},
                           Pointer{"DROP.ICO", 1, 1, 4}}) {
    const auto b = vellumo::builtinResource(p.name);
    ASSERT_GE(b.size(), 22u + 40u) << p.name;
    EXPECT_EQ(b[2], p.type) << p.name;
    EXPECT_EQ(b[4], 1) << p.name << " has one entry";
    EXPECT_EQ(b[8], 16) << p.name << " has 16 colours";
    // ICO: planes and bit count; CUR: the hot spot.
    EXPECT_EQ(b[10] | (b[11] << 8), p.hotX) << p.name;
    EXPECT_EQ(b[12] | (b[13] << 8), p.hotY) << p.name;
    EXPECT_EQ(b[22 + 14], 4) << p.name << " is 4 bits a pixel";
  }
}

TEST(BuiltinResources, AppIconIsA24BitBitmap) {
  const auto b = vellumo::builtinResource("APPICON.BMP");
  ASSERT_GE(b.size(), 54u);
  EXPECT_EQ(b[0], 'B');
  EXPECT_EQ(b[1], 'M');
  EXPECT_EQ(b[28], 24);
}

TEST(BuiltinResources, AnUnknownNameIsEmpty) {
  EXPECT_TRUE(vellumo::builtinResource("NOSUCH.JPG").empty());
  EXPECT_TRUE(vellumo::builtinResource("").empty());
}

}  // namespace
