#include "canvas/PencilLine.h"

#include <gtest/gtest.h>

#include <cmath>
#include <random>

#include "tests/support/SamePicture.h"

namespace vellumo {
namespace {

constexpr Colour W = rgb(255, 255, 255), B = rgb(0, 0, 255);

// The slow version: every pixel whose centre lies within the radius of the segment.
Picture reference(int w, int h, int x0, int y0, int x1, int y1) {
  Picture p(w, h, W);
  const double dx = x1 - x0, dy = y1 - y0, l2 = dx * dx + dy * dy;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      double t = l2 > 0 ? ((x - x0) * dx + (y - y0) * dy) / l2 : 0;
      t = std::clamp(t, 0.0, 1.0);
      const double ex = x0 + t * dx - x, ey = y0 + t * dy - y;
      if (ex * ex + ey * ey <= kPencilRadius * kPencilRadius + 1e-9) p.at(x, y) = B;
    }
  return p;
}

TEST(PencilLine, MatchesTheReferenceIncludingClipping) {
  std::mt19937 random(99);
  for (int round = 0; round < 400; ++round) {
    auto coord = [&](int size) { return static_cast<int>(random() % (size + 20)) - 10; };
    const int x0 = coord(40), y0 = coord(30), x1 = coord(40), y1 = coord(30);
    Picture p(40, 30, W);
    drawPencilLine(p, x0, y0, x1, y1, B);
    ASSERT_SAME_PICTURE(p, reference(40, 30, x0, y0, x1, y1)) << x0 << "," << y0 << " to " << x1 << "," << y1;
  }
}

TEST(PencilLine, ShapesOfTheStroke) {
  Picture dot(9, 9, W);
  EXPECT_EQ(drawPencilLine(dot, 4, 4, 4, 4, B), 9) << "a press without moving paints a 3x3 dot";
  Picture horizontal(20, 9, W);
  EXPECT_EQ(drawPencilLine(horizontal, 2, 4, 12, 4, B), 3 * 13) << "three pixels wide, round ends";
  EXPECT_EQ(horizontal.at(1, 4), B);
  EXPECT_EQ(horizontal.at(1, 3), B) << "the end cap's corner pixel lies within 1.5";
  EXPECT_EQ(horizontal.at(0, 4), W);
}

TEST(PencilLine, FarAwayEndsAreClippedToTheCanvas) {
  Picture p(750, 600, W);
  EXPECT_EQ(drawPencilLine(p, -2000000, 300, 2000000, 300, B), 3 * 750);
  EXPECT_EQ(drawPencilLine(p, -50, -50, -10, -10, B), 0);
  EXPECT_EQ(drawPencilLine(p, 100000, 100000, 749, 599, B) > 0, true);
}

}  // namespace
}  // namespace vellumo
