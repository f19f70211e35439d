#include "PictureTable.h"

#include <array>

#include "core/Layout.h"
#include "platform/Desktop.h"

namespace assetgen {
namespace {

struct Row {
  std::string_view pattern;                                  // '?' matches any one character
  PictureFormat format;                                      // the size here unless an element shows the picture
  std::optional<vellumo::ElementId> shownBy = std::nullopt;  // its size then that element's
};

using vellumo::ElementId;
constexpr PictureFormat kElementSized{0, 0};
constexpr PictureFormat kScreenSized{vellumo::kScreenWidth, vellumo::kScreenHeight};

// Most pictures are the size of the element that shows them (core/Layout.cpp).
// Two images are larger than their element and are clipped: the pink palette
// button's (86 wide in 84) and the music button's (79 high in 78).
const std::array kRows{
    Row{"??.GIF", kElementSized, ElementId::Slika},  // 00 blank page, 01..25 outline pictures
    Row{"GALERIJA1BELE_??.JPG", kElementSized, ElementId::Galerija1},
    Row{"GALERIJA1ZUTE_??.JPG", kElementSized, ElementId::Galerija1},
    Row{"GLAVNA-4.JPG", kScreenSized},
    Row{"GALERIJA-4.JPG", kScreenSized},
    Row{"CTRLX.JPG", kElementSized, ElementId::Izlaz},
    Row{"CTRL-R-4.JPG", kElementSized, ElementId::Registered},
    Row{"PRINTING.JPG", kElementSized, ElementId::PrintPict},
    Row{"YES?.JPG", kElementSized, ElementId::Da},
    Row{"NO?.JPG", kElementSized, ElementId::Ne},
    Row{"CLOSE?.JPG", kElementSized, ElementId::Zatvori},
    Row{"VISIT?.JPG", kElementSized, ElementId::visit_site},
    Row{"CTRLRORV?.JPG", kElementSized, ElementId::Firma},
    Row{"BACK?.JPG", kElementSized, ElementId::Back},
    Row{"MOREIMAGES?.JPG", kElementSized, ElementId::MoreImages},
    Row{"GUMICA?.JPG", kElementSized, ElementId::Rubber},
    Row{"PAPIR?.JPG", kElementSized, ElementId::Papir},
    Row{"OLOVKA?.JPG", kElementSized, ElementId::olovka},
    Row{"KAPLJICA?.JPG", kElementSized, ElementId::kapljica},
    Row{"ZVUCNIK?.JPG", kElementSized, ElementId::MuteWave},
    Row{"SOUNDOFF?.JPG", kElementSized, ElementId::MuteWave},
    Row{"MUZIKA?.JPG", {78, 79}},
    Row{"MUSICOFF?.JPG", {78, 79}},
    Row{"BOJE?_01.JPG", kElementSized, vellumo::paleta(1)},
    Row{"BOJE?_02.JPG", kElementSized, vellumo::paleta(2)},
    Row{"BOJE?_03.JPG", kElementSized, vellumo::paleta(3)},
    Row{"BOJE?_04.JPG", kElementSized, vellumo::paleta(4)},
    Row{"BOJE?_05.JPG", kElementSized, vellumo::paleta(5)},
    Row{"BOJE?_06.JPG", kElementSized, vellumo::paleta(6)},
    Row{"BOJE?_07.JPG", kElementSized, vellumo::paleta(7)},
    Row{"BOJE?_08.JPG", kElementSized, vellumo::paleta(8)},
    Row{"BOJE?_09.JPG", kElementSized, vellumo::paleta(9)},
    Row{"BOJE?_10.JPG", kElementSized, vellumo::paleta(10)},
    Row{"BOJE?_11.JPG", kElementSized, vellumo::paleta(11)},
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
  for (const Row& row : kRows) {
    if (!matches(row.pattern, fileName)) continue;
    PictureFormat format = row.format;
    if (row.shownBy) {
      const vellumo::ElementLayout& element = vellumo::kLayout[vellumo::index(*row.shownBy)];
      format.width = element.width;
      format.height = element.height;
    }
    return format;
  }
  return std::nullopt;
}

}  // namespace assetgen
