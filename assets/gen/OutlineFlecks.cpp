#include "OutlineFlecks.h"

#include <vector>

namespace assetgen {

void closeWhiteFlecks(Image& image, int maxPixels) {
  const int w = image.width, h = image.height;
  auto isWhite = [&image](std::size_t i) { return image.pixels[i].r != 0; };
  std::vector<bool> seen(image.pixels.size(), false);
  std::vector<std::size_t> stack, region;
  for (std::size_t start = 0; start < image.pixels.size(); ++start) {
    if (seen[start] || !isWhite(start)) continue;
    region.clear();
    stack.push_back(start);
    seen[start] = true;
    bool reachesEdge = false;
    while (!stack.empty()) {
      const std::size_t i = stack.back();
      stack.pop_back();
      region.push_back(i);
      const int x = static_cast<int>(i % w), y = static_cast<int>(i / w);
      if (x == 0 || y == 0 || x == w - 1 || y == h - 1) reachesEdge = true;
      auto visit = [&](int nx, int ny) {
        if (nx < 0 || ny < 0 || nx >= w || ny >= h) return;
        const std::size_t j = static_cast<std::size_t>(ny) * w + nx;
        if (!seen[j] && isWhite(j)) {
          seen[j] = true;
          stack.push_back(j);
        }
      };
      visit(x - 1, y);
      visit(x + 1, y);
      visit(x, y - 1);
      visit(x, y + 1);
    }
    if (reachesEdge || static_cast<int>(region.size()) >= maxPixels) continue;
    for (const std::size_t i : region) image.pixels[i] = {0, 0, 0, 255};
  }
}

}  // namespace assetgen
