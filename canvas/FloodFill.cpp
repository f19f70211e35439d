#include "canvas/FloodFill.h"

#include <vector>

namespace vellumo {

namespace {

// A run of pixels on row y - dy, already filled, whose neighbours on row y
// are still to be explored.
struct Span {
  int y, left, right, dy;
};

// Paints the run of `old` pixels starting at x and returns the first index
// past it (at most `width`). Eight pixels are compared and painted at a time,
// in one pass, so long runs (a blank page is all runs) fill at close to
// memory speed.
inline int paintRun(Colour* row, int x, int width, Colour old, Colour colour) {
  while (x + 8 <= width) {
    Colour* p = row + x;
    const Colour differs = (p[0] ^ old) | (p[1] ^ old) | (p[2] ^ old) | (p[3] ^ old) | (p[4] ^ old) | (p[5] ^ old) |
                           (p[6] ^ old) | (p[7] ^ old);
    if (differs) break;
    for (int i = 0; i < 8; ++i) p[i] = colour;
    x += 8;
  }
  while (x < width && row[x] == old) row[x++] = colour;
  return x;
}

}  // namespace

// A span seed fill: rows are filled a run at a time and only the runs next to
// a filled run are revisited, so every pixel is read a small, fixed number of
// times and a blank page fills at memory speed. The span stack lives on the
// heap and grows as needed, so no shape can overflow it or make it drop work.
long floodFill(Picture& picture, int seedX, int seedY, Colour colour) {
  const int width = picture.width;
  const int height = picture.height;
  if (seedX < 0 || seedY < 0 || seedX >= width || seedY >= height) return 0;
  Colour* const pixels = picture.pixels.data();
  const Colour old = pixels[static_cast<std::size_t>(seedY) * width + seedX];
  if (old == colour) return 0;

  long changed = 0;
  std::vector<Span> stack;
  stack.reserve(256);
  auto push = [&](int y, int left, int right, int dy) {
    if (y + dy >= 0 && y + dy < height) stack.push_back({y, left, right, dy});
  };
  push(seedY, seedX, seedX, 1);
  push(seedY + 1, seedX, seedX, -1);

  while (!stack.empty()) {
    const Span s = stack.back();
    stack.pop_back();
    const int y = s.y + s.dy;
    Colour* const row = pixels + static_cast<std::size_t>(y) * width;

    // Extend left from the parent run's left end.
    int x = s.left;
    while (x >= 0 && row[x] == old) row[x--] = colour;
    changed += s.left - x;

    int runStart;
    if (x < s.left) {
      runStart = x + 1;
      // The run reaches past the parent's left end: look back the other way too.
      if (runStart < s.left) push(y, runStart, s.left - 1, -s.dy);
      x = s.left + 1;
    } else {
      // The pixel next to the parent's left end is a wall: find the next gap.
      for (++x; x <= s.right && row[x] != old; ++x) {
      }
      if (x > s.right) continue;
      runStart = x;
    }

    do {
      // Fill the run to the right, then hand its neighbours on.
      const int from = x;
      x = paintRun(row, x, width, old, colour);
      changed += x - from;
      push(y, runStart, x - 1, s.dy);
      if (x > s.right + 1) push(y, s.right + 1, x - 1, -s.dy);
      for (++x; x <= s.right && row[x] != old; ++x) {
      }
      runStart = x;
    } while (x <= s.right);
  }
  return changed;
}

}  // namespace vellumo
