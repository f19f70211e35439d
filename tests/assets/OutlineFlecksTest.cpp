// Closing the white flecks of an outline picture: small enclosed white
// regions turn black, anything a child could fill stays white.

#include "OutlineFlecks.h"

#include <gtest/gtest.h>

namespace {

using assetgen::Image;
using assetgen::Rgba;

constexpr Rgba kBlack{0, 0, 0, 255};
constexpr Rgba kWhite{255, 255, 255, 255};

// A white picture with a black outline enclosing a white w x h hole at (x, y).
Image pictureWithHole(int x, int y, int w, int h) {
  Image image(40, 40, kWhite);
  for (int j = y - 1; j <= y + h; ++j)
    for (int i = x - 1; i <= x + w; ++i) {
      const bool hole = i >= x && i < x + w && j >= y && j < y + h;
      if (!hole && i >= 0 && j >= 0 && i < 40 && j < 40) image.at(i, j) = kBlack;
    }
  return image;
}

TEST(AssetgenOutlineFlecks, ClosesOnlyEnclosedRegionsBelowTheLimit) {
  struct Case {
    const char* what;
    int x, y, w, h;
    bool closed;
  };
  const Case cases[] = {
      {"a fleck of 29 pixels", 10, 10, 29, 1, true},
      {"a 5x5 fleck", 10, 10, 5, 5, true},
      {"a region of 30 pixels, the limit", 10, 10, 5, 6, false},
      {"a small region on the picture's edge", 0, 10, 3, 3, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Image image = pictureWithHole(c.x, c.y, c.w, c.h);
    assetgen::closeWhiteFlecks(image, 30);
    EXPECT_EQ(image.at(c.x, c.y), c.closed ? kBlack : kWhite);
    EXPECT_EQ(image.at(39, 39), kWhite) << "the background stays white";
  }
}

}  // namespace
