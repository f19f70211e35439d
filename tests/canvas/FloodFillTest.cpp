#include "canvas/FloodFill.h"

#include <gtest/gtest.h>

#include <cstring>
#include <queue>
#include <random>

#include "tests/support/SamePicture.h"

namespace vellumo {
namespace {

// The slow, obvious version: a breadth-first walk pixel by pixel.
long referenceFill(Picture& p, int sx, int sy, Colour colour) {
  const Colour old = p.at(sx, sy);
  if (old == colour) return 0;
  long changed = 0;
  std::queue<std::pair<int, int>> todo;
  todo.push({sx, sy});
  p.at(sx, sy) = colour;
  while (!todo.empty()) {
    auto [x, y] = todo.front();
    todo.pop();
    ++changed;
    const int nx[] = {x - 1, x + 1, x, x}, ny[] = {y, y, y - 1, y + 1};
    for (int i = 0; i < 4; ++i)
      if (nx[i] >= 0 && ny[i] >= 0 && nx[i] < p.width && ny[i] < p.height && p.at(nx[i], ny[i]) == old) {
        p.at(nx[i], ny[i]) = colour;
        todo.push({nx[i], ny[i]});
      }
  }
  return changed;
}

constexpr Colour W = rgb(255, 255, 255), K = rgb(0, 0, 0), R = rgb(255, 0, 0);

Picture fromRows(std::initializer_list<const char*> rows) {
  Picture p(static_cast<int>(std::strlen(*rows.begin())), static_cast<int>(rows.size()));
  int y = 0;
  for (const char* row : rows) {
    for (int x = 0; row[x]; ++x) p.at(x, y) = row[x] == '#' ? K : W;
    ++y;
  }
  return p;
}

TEST(FloodFill, MatchesTheReferenceOnRandomPictures) {
  std::mt19937 random(12345);
  for (int round = 0; round < 300; ++round) {
    const int w = 1 + static_cast<int>(random() % 40), h = 1 + static_cast<int>(random() % 40);
    const int colours = 2 + static_cast<int>(random() % 3);
    Picture p(w, h);
    for (Colour& c : p.pixels) c = static_cast<Colour>(random() % colours);
    Picture expected = p;
    const int sx = static_cast<int>(random() % w), sy = static_cast<int>(random() % h);
    const Colour fill = static_cast<Colour>(random() % (colours + 1));
    const long expectedCount = referenceFill(expected, sx, sy, fill);
    EXPECT_EQ(floodFill(p, sx, sy, fill), expectedCount) << "round " << round;
    ASSERT_SAME_PICTURE(p, expected) << "round " << round;
  }
}

TEST(FloodFill, OutlinesBoundTheRegion) {
  struct Case {
    const char* what;
    std::initializer_list<const char*> rows;
    long filled;  // from the top-left pixel
  };
  const Case cases[] = {
      {"a diagonal gap does not connect", {"..#..", "..#..", "...#.", "...#."}, 10},
      {"a side-by-side gap connects", {"..#..", "..#..", ".....", "..#.."}, 17},
      {"the picture edge bounds", {".....", "....."}, 10},
      {"a closed box keeps its inside", {"......", ".####.", ".#..#.", ".####.", "......"}, 18},
  };
  for (const Case& c : cases) {
    Picture p = fromRows(c.rows);
    EXPECT_EQ(floodFill(p, 0, 0, R), c.filled) << c.what;
  }
}

TEST(FloodFill, SeedsOutsideOrAlreadyColouredChangeNothing) {
  Picture p(10, 10, R);
  for (auto [x, y] : {std::pair{-1, 0}, {0, -1}, {10, 0}, {0, 10}, {-100000, 5}}) EXPECT_EQ(floodFill(p, x, y, W), 0);
  EXPECT_EQ(floodFill(p, 5, 5, R), 0) << "a region already of the colour";
  EXPECT_SAME_PICTURE(p, Picture(10, 10, R));
}

TEST(FloodFill, WholeCanvasPatterns) {
  Picture blank(750, 600, W);
  EXPECT_EQ(floodFill(blank, 374, 299, R), 450000);
  EXPECT_SAME_PICTURE(blank, Picture(750, 600, R));

  Picture checker(750, 600, W);
  for (int y = 0; y < 600; ++y)
    for (int x = 0; x < 750; ++x) checker.at(x, y) = (x + y) % 2 ? K : W;
  EXPECT_EQ(floodFill(checker, 0, 0, R), 1) << "one-pixel regions stay one pixel";

  // A serpentine corridor one pixel wide through the whole canvas.
  Picture maze(750, 600, K);
  for (int y = 0; y < 600; y += 2) {
    for (int x = 0; x < 750; ++x) maze.at(x, y) = W;
    if (y + 1 < 600) maze.at((y / 2) % 2 ? 0 : 749, y + 1) = W;
  }
  Picture expected = maze;
  const long count = referenceFill(expected, 0, 0, R);
  EXPECT_EQ(floodFill(maze, 0, 0, R), count);
  EXPECT_SAME_PICTURE(maze, expected);
}

}  // namespace
}  // namespace vellumo
