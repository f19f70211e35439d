#include "PictureTable.h"

#include <array>

namespace assetgen {
namespace {

struct Row {
  std::string_view pattern;  // '?' matches any one character
  PictureFormat format;
};

// The sizes of the elements that show each picture (main window, palette,
// dialogs). Two images are larger than their element and are clipped: the
// pink palette button's (86 wide in 84) and the music button's (79 high in 78).
constexpr std::array kRows{
    Row{"??.GIF", {750, 600}},  // 00 blank page, 01..25 outline pictures: the canvas
    Row{"GALERIJA1BELE_??.JPG", {131, 122}},
    Row{"GALERIJA1ZUTE_??.JPG", {131, 122}},
    Row{"GLAVNA-4.JPG", {1024, 768}},
    Row{"GALERIJA-4.JPG", {1024, 768}},
    Row{"CTRLX.JPG", {400, 250}},
    Row{"CTRL-R-4.JPG", {400, 250}},
    Row{"PRINTING.JPG", {400, 250}},
    Row{"YES?.JPG", {107, 50}},
    Row{"NO?.JPG", {85, 50}},
    Row{"CLOSE?.JPG", {73, 27}},
    Row{"VISIT?.JPG", {330, 62}},
    Row{"CTRLRORV?.JPG", {110, 35}},
    Row{"BACK?.JPG", {192, 40}},
    Row{"MOREIMAGES?.JPG", {160, 169}},
    Row{"GUMICA?.JPG", {112, 61}},
    Row{"PAPIR?.JPG", {63, 61}},
    Row{"OLOVKA?.JPG", {62, 81}},
    Row{"KAPLJICA?.JPG", {58, 81}},
    Row{"ZVUCNIK?.JPG", {78, 79}},
    Row{"SOUNDOFF?.JPG", {78, 79}},
    Row{"MUZIKA?.JPG", {78, 79}},
    Row{"MUSICOFF?.JPG", {78, 79}},
    Row{"BOJE?_01.JPG", {85, 85}},
    Row{"BOJE?_02.JPG", {84, 85}},
    Row{"BOJE?_03.JPG", {84, 85}},
    Row{"BOJE?_04.JPG", {84, 85}},
    Row{"BOJE?_05.JPG", {83, 85}},
    Row{"BOJE?_06.JPG", {85, 85}},
    Row{"BOJE?_07.JPG", {83, 85}},
    Row{"BOJE?_08.JPG", {84, 85}},
    Row{"BOJE?_09.JPG", {84, 85}},
    Row{"BOJE?_10.JPG", {84, 85}},
    Row{"BOJE?_11.JPG", {84, 85}},
    Row{"BOJE?_12.JPG", {86, 85}},
    // Built into the executable only.
    Row{"SPLASH.JPG", {200, 250}},
    Row{"APPICON.BMP", {32, 32}},
    Row{"ARROW.CUR", {32, 32, 0, 0}},
    Row{"HAND.CUR", {32, 32, 12, 1}},
    Row{"BRUSH.ICO", {64, 64}},
    Row{"DROP.ICO", {32, 32}},
    // Pointer icons of the two canvas tools, tip at the centre.
    Row{"KANTICA8.ICO", {32, 32}},
    Row{"CETKA.ICO", {64, 64}},
};

bool matches(std::string_view pattern, std::string_view name) {
  if (pattern.size() != name.size()) return false;
  for (std::size_t i = 0; i < name.size(); ++i)
    if (pattern[i] != '?' && pattern[i] != name[i]) return false;
  return true;
}

}  // namespace

std::optional<PictureFormat> pictureFormat(std::string_view fileName) {
  for (const Row& row : kRows)
    if (matches(row.pattern, fileName)) return row.format;
  return std::nullopt;
}

}  // namespace assetgen
