#pragma once
// Decoding icon (.ICO) and cursor (.CUR) files into pointer images with
// their hot spot. Works without a display.

#include <cstdint>
#include <span>
#include <string>
#include <vector>

namespace vellumo {

struct PointerImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint32_t> argb;  // 0xAARRGGBB, row-major, top row first
  int hotSpotX = 0;
  int hotSpotY = 0;
};

// The hot spot of a cursor is the one its file gives for the image shown; an
// icon has none, so its centre is used. Throws LoadError for anything that is
// not a readable icon or cursor, or a hot spot outside the image.
PointerImage decodePointerBytes(std::span<const unsigned char> bytes);
PointerImage decodePointerFile(const std::string& path);

}  // namespace vellumo
