#include "canvas/PencilLine.h"

#include <algorithm>
#include <cmath>

namespace vellumo {

namespace {

struct Interval {
  double low = 1, high = 0;  // empty unless low <= high
  bool empty() const { return low > high; }
};

Interval intersect(Interval a, Interval b) { return {std::max(a.low, b.low), std::min(a.high, b.high)}; }
Interval hull(Interval a, Interval b) {
  if (a.empty()) return b;
  if (b.empty()) return a;
  return {std::min(a.low, b.low), std::max(a.high, b.high)};
}

// The x where a linear function a*x + c lies within [low, high]; a may be 0.
Interval solveLinear(double a, double c, double low, double high) {
  if (a == 0) return (c >= low && c <= high) ? Interval{-1e300, 1e300} : Interval{};
  double x0 = (low - c) / a, x1 = (high - c) / a;
  if (x0 > x1) std::swap(x0, x1);
  return {x0, x1};
}

// The x on row y within `radius` of point (px, py).
Interval disc(double px, double py, double y, double radius) {
  const double dy = y - py;
  const double h = radius * radius - dy * dy;
  if (h < 0) return {};
  const double w = std::sqrt(h);
  return {px - w, px + w};
}

}  // namespace

// The stroke is convex (a segment widened by a disc), so on each row the
// painted pixels form one run: the union of the two end discs and the band
// around the segment between its ends. Only rows of the picture are visited,
// so even far-away end points cost no more than the visible part.
long drawPencilLine(Picture& picture, int x0, int y0, int x1, int y1, Colour colour) {
  const double ax = x0, ay = y0, bx = x1, by = y1;
  const double dx = bx - ax, dy = by - ay;
  const double length2 = dx * dx + dy * dy;
  const double length = std::sqrt(length2);
  const double r = kPencilRadius;

  const int rowFirst = std::max(0, static_cast<int>(std::ceil(std::min(ay, by) - r)));
  const int rowLast = std::min(picture.height - 1, static_cast<int>(std::floor(std::max(ay, by) + r)));
  long painted = 0;
  for (int y = rowFirst; y <= rowLast; ++y) {
    Interval run = hull(disc(ax, ay, y, r), disc(bx, by, y, r));
    if (length2 > 0) {
      // Within r of the line through A and B (the cross product), and between
      // the perpendiculars at A and B (the dot product), both linear in x.
      const double py = y - ay;
      const Interval band = solveLinear(-dy, dx * py + dy * ax, -r * length, r * length);
      const Interval between = solveLinear(dx, dy * py - dx * ax, 0, length2);
      run = hull(run, intersect(band, between));
    }
    if (run.empty()) continue;
    const int from = std::max(0, static_cast<int>(std::ceil(run.low - 1e-9)));
    const int to = std::min(picture.width - 1, static_cast<int>(std::floor(run.high + 1e-9)));
    if (from > to) continue;
    std::fill(&picture.at(from, y), &picture.at(to, y) + 1, colour);
    painted += to - from + 1;
  }
  return painted;
}

}  // namespace vellumo
