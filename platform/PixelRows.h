#pragma once
// A picture's rows as the bytes a decoding library writes into: four bytes a
// pixel, red, green, blue and one unused, which on a little-endian machine is
// the Picture layout itself, so rows are decoded in place without a copy.

#include <bit>
#include <cstdint>

#include "platform/Picture.h"

namespace vellumo {

static_assert(std::endian::native == std::endian::little, "rows are written as R, G, B, unused bytes");

inline void resizeForRows(Picture& picture, int width, int height) {
  picture.width = width;
  picture.height = height;
  picture.pixels.assign(static_cast<std::size_t>(width) * height, 0);
}

inline unsigned char* rowBytes(Picture& picture, int y) {
  return reinterpret_cast<unsigned char*>(picture.pixels.data() + static_cast<std::size_t>(y) * picture.width);
}

// Libraries fill the fourth byte with opacity; the layout wants it 0.
inline void clearUnusedBytes(Picture& picture) {
  for (Colour& pixel : picture.pixels) pixel &= 0x00FFFFFF;
}

}  // namespace vellumo
