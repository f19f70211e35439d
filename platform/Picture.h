#pragma once
// A decoded picture in the program's one pixel layout.

#include <cstdint>
#include <memory>
#include <vector>

namespace vellumo {

// A colour value laid out 0x00BBGGRR: red in the low byte. The same layout
// is used for every pixel the program keeps, so the canvas, the pictures and
// the composed frame are copied without conversion.
using Colour = std::uint32_t;

constexpr Colour rgb(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  return Colour{red} | (Colour{green} << 8) | (Colour{blue} << 16);
}

// Pictures larger than this on either side are refused when decoded, so a
// hostile or corrupt file cannot make the program allocate without bound.
constexpr int kMaxPictureSide = 4096;

// Nor may a picture hold more pixels than two 1024 x 768 screens, twice what
// the program ever shows of one. That keeps a decoded picture within 6 MB and
// the time to decode any file, however its data is made, below 100 ms.
constexpr std::int64_t kMaxPicturePixels = std::int64_t{2} * 1024 * 768;

constexpr bool withinPictureLimits(std::int64_t width, std::int64_t height) {
  return width > 0 && height > 0 && width <= kMaxPictureSide && height <= kMaxPictureSide &&
         width * height <= kMaxPicturePixels;
}

struct Picture {
  int width = 0;
  int height = 0;
  std::vector<Colour> pixels;  // row-major, width * height, top row first

  Picture() = default;
  Picture(int w, int h, Colour fill = rgb(255, 255, 255))
      : width(w), height(h), pixels(static_cast<std::size_t>(w) * h, fill) {}

  Colour at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
  Colour& at(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

using PicturePtr = std::shared_ptr<const Picture>;

}  // namespace vellumo
