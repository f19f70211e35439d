#pragma once
// JPEG encoding with libjpeg at fixed settings, so the same pixels always
// give the same bytes: baseline, integer DCT, optimised Huffman tables.

#include <cstdint>
#include <vector>

#include "Image.h"

namespace assetgen {

using Bytes = std::vector<std::uint8_t>;

struct JpegSettings {
  int quality = 90;
  bool chromaSubsampled = true;  // 4:2:0 when true, 4:4:4 when false
};

// Encodes the image composed over white (JPEG has no alpha).
Bytes encodeJpeg(const Image& image, const JpegSettings& settings);

}  // namespace assetgen
