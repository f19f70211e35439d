#pragma once
// The program's asset files. Every file is listed once, in AssetFiles.txt,
// from which the build writes the table and the symbols below; the numbered
// families (outlines, thumbnails, palette looks) are also named by rule here.
// Paths are relative to the asset root and begin with a separator; a bare
// name is a resource built into the executable.

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace vellumo {

struct AssetFile {
  std::string_view relativePath;  // joined to the asset root by plain concatenation
  std::int32_t size;              // the pinned byte size; 0 for a file the start-up check leaves alone
};

}  // namespace vellumo

// kAssetFiles, every file in table order; ExpectedAssetSizes, the pinned
// pictures in checking order; and asset::<symbol> for each named file.
#include "AssetFileTable.h"

namespace vellumo {

// The file name of an asset path, which names its built-in copy.
constexpr std::string_view fileName(std::string_view path) { return path.substr(path.rfind('/') + 1); }

// Thumbnail images are named after a cell of a 9x9 grid numbered row by row,
// of which the thumbnails take the odd rows and columns.
constexpr int thumbnailCell(int n) { return 18 * ((n - 1) / 5) + 2 * ((n - 1) % 5) + 1; }

std::string whiteThumbnail(int n);   // "/PICTURE/GALERIJA1BELE_<cell>.JPG"
std::string yellowThumbnail(int n);  // "/PICTURE/GALERIJA1ZUTE_<cell>.JPG"
std::string outlinePicture(int n);   // "/PICTURE/<n>.GIF", n = 1..25

// The three looks of a palette button, numbered as its image files are.
enum class ButtonLook { Rest = 1, Hover = 2, Selected = 3 };

// "/PICTURE/BOJE<look>_<k>.JPG", palette button k = 1..12.
std::string paletteImage(ButtonLook look, int k);

}  // namespace vellumo
