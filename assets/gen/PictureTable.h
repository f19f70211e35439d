#pragma once
// The one table of pixel sizes: every picture the generator writes has the
// size of the element that shows it, and how its
// JPEG is encoded.

#include <optional>
#include <string_view>

namespace assetgen {

struct PictureFormat {
  int width;
  int height;
  int hotX = 0;  // cursors only
  int hotY = 0;
  int jpegQuality = 85;  // JPEG only
};

// The format of a file by its name ("BOJE2_12.JPG"); empty when the table
// has no row for it.
std::optional<PictureFormat> pictureFormat(std::string_view fileName);

}  // namespace assetgen
