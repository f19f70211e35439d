#pragma once
// The names of the program's asset files, relative to the asset root. The
// numbered families are named by rule here; every single file by its symbol
// in the one table of asset files.

#include <string>

namespace vellumo {

// Thumbnail images are named after a cell of a 9x9 grid numbered row by row,
// of which the thumbnails take the odd rows and columns.
constexpr int thumbnailCell(int n) { return 18 * ((n - 1) / 5) + 2 * ((n - 1) % 5) + 1; }

std::string whiteThumbnail(int n);   // "/PICTURE/GALERIJA1BELE_<cell>.JPG"
std::string yellowThumbnail(int n);  // "/PICTURE/GALERIJA1ZUTE_<cell>.JPG"
std::string outlinePicture(int n);   // "/PICTURE/<n>.GIF", n = 1..25

// "/PICTURE/BOJE<look>_<k>.JPG": look 1 normal, 2 hover, 3 selected.
std::string paletteImage(int look, int k);

}  // namespace vellumo
