#pragma once
// Decoding picture files (JPEG, GIF, BMP, PNG, ICO) into the program's Picture
// layout, the type taken from the content and never from the name. Every file
// is screened first, then decoded by the library made for its format (libjpeg,
// giflib, libpng, SDL's own BMP and icon readers); none can crash the program
// or keep it busy for long, and none writes to standard error. Works without
// a display, so tests and test doubles decode with the real thing.

#include <cstdint>
#include <span>
#include <string>

#include "platform/FileBytes.h"
#include "platform/Picture.h"

namespace vellumo {

// No picture within the limits needs more than this, whatever its format;
// a larger file is refused before it is read.
constexpr std::int64_t kMaxPictureFileBytes = kMaxPicturePixels * 4 + (std::int64_t{1} << 20);

// Throw LoadError for a missing, unreadable, empty, truncated, corrupt,
// wrongly typed or oversized (beyond the limits of Picture.h) picture.
PicturePtr decodePictureFile(const std::string& path);
PicturePtr decodePictureBytes(std::span<const unsigned char> bytes);

}  // namespace vellumo
