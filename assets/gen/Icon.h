#pragma once
// Windows icon (ICO), cursor (CUR) and bitmap (BMP) writers. Icons and
// cursors hold one uncompressed 4-bit entry with an AND mask, the only kind
// SDL_image reads besides other uncompressed depths.

#include <cstdint>
#include <vector>

#include "Image.h"

namespace assetgen {

using Bytes = std::vector<std::uint8_t>;

// The sixteen colours of the standard Windows palette; icons are mapped to
// the nearest of them, pixels with alpha below 128 become transparent.
const std::vector<Rgba>& windowsPalette16();

// One-entry ICO. Width and height at most 256.
Bytes encodeIco(const Image& image);

// One-entry CUR with the given hot spot.
Bytes encodeCur(const Image& image, int hotX, int hotY);

// Uncompressed 24-bit BMP, the image composed over white.
Bytes encodeBmp24(const Image& image);

}  // namespace assetgen
