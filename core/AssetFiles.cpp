#include "core/AssetFiles.h"

#include <cstdio>

namespace vellumo {

namespace {

template <typename... Numbers>
std::string formatted(const char* pattern, Numbers... numbers) {
  char name[48];
  std::snprintf(name, sizeof name, pattern, numbers...);
  return name;
}

}  // namespace

std::string whiteThumbnail(int n) { return formatted("/PICTURE/GALERIJA1BELE_%02d.JPG", thumbnailCell(n)); }
std::string yellowThumbnail(int n) { return formatted("/PICTURE/GALERIJA1ZUTE_%02d.JPG", thumbnailCell(n)); }
std::string outlinePicture(int n) { return formatted("/PICTURE/%02d.GIF", n); }
std::string paletteImage(ButtonLook look, int k) {
  return formatted("/PICTURE/BOJE%d_%02d.JPG", static_cast<int>(look), k);
}

}  // namespace vellumo
