#pragma once
// Decoding picture files (JPEG, GIF, BMP, PNG, ICO) into the program's Picture
// layout, the type taken from the content and never from the name. Works
// without a display, so tests and test doubles decode with the real thing.

#include <cstdint>
#include <span>
#include <string>

#include "platform/FileBytes.h"
#include "platform/Picture.h"

namespace vellumo {

// No picture within kMaxPictureSide needs more than this, whatever its format;
// a larger file is refused before it is read.
constexpr std::int64_t kMaxPictureFileBytes =
    std::int64_t{kMaxPictureSide} * kMaxPictureSide * 4 + (std::int64_t{1} << 20);

// Throw LoadError for a missing, unreadable, empty, truncated, wrongly typed
// or oversized (more than kMaxPictureSide on a side) picture.
PicturePtr decodePictureFile(const std::string& path);
PicturePtr decodePictureBytes(std::span<const unsigned char> bytes);

}  // namespace vellumo
