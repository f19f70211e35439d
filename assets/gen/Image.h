#pragma once
// An RGBA picture in memory: 8 bits a channel, straight (not premultiplied)
// alpha, rows top first. The generator's one pixel layout between the SVG
// renderer and the encoders.

#include <cstdint>
#include <vector>

namespace assetgen {

struct Rgba {
  std::uint8_t r = 0, g = 0, b = 0, a = 0;
  bool operator==(const Rgba&) const = default;
};

struct Image {
  int width = 0;
  int height = 0;
  std::vector<Rgba> pixels;

  Image() = default;
  Image(int w, int h, Rgba fill = {255, 255, 255, 255})
      : width(w), height(h), pixels(static_cast<std::size_t>(w) * h, fill) {}

  Rgba& at(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
  const Rgba& at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// Lays `top` over `bottom` at (x, y) with alpha blending, clipped to both
// `bottom` and the rectangle (x, y, clipW, clipH) when clipW/clipH > 0.
void blendOver(Image& bottom, const Image& top, int x, int y, int clipW = 0, int clipH = 0);

// Area-average downscale to w x h (box filter; the factor need not be whole).
Image downscale(const Image& src, int w, int h);

}  // namespace assetgen
