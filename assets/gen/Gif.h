#pragma once
// A small GIF89a writer: one image, a global colour table, plain greedy LZW.
// Enough for the two-colour outline pictures and the blank page.

#include <array>
#include <cstdint>
#include <vector>

namespace assetgen {

using Bytes = std::vector<std::uint8_t>;

// Encodes width x height palette indices (rows top first). The palette has
// 2, 4, ... 256 entries (a power of two). The LZW minimum code size is the
// palette's bit depth, at least 2, as GIF requires.
Bytes encodeGif(const std::vector<std::uint8_t>& indices, int width, int height,
                const std::vector<std::array<std::uint8_t, 3>>& palette);

}  // namespace assetgen
