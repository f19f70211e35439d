#pragma once
// The fixed layout of the main window: every element with its place, size,
// starting visibility, pointer, tab index and starting image, listed from the
// top of the stack downwards. An ElementId is the element's place in this
// list, so a lower number covers a higher one where they overlap.

#include <array>
#include <cstdint>
#include <string_view>

#include "core/AssetFiles.h"

namespace vellumo {

// Laid out by hand in stacking order, many to a line.
// clang-format off
enum class ElementId : std::uint8_t {
  Papir, Rubber, olovka, kapljica, PrintPict, Back, Ne, Da, Izlaz, Zatvori, Firma, visit_site,
  Registered,
  Galerija25, Galerija24, Galerija23, Galerija22, Galerija21, Galerija20, Galerija19, Galerija18,
  Galerija17, Galerija16, Galerija15, Galerija14, Galerija13, Galerija12, Galerija11, Galerija10,
  Galerija9, Galerija8, Galerija7, Galerija6, Galerija5, Galerija4, Galerija3, Galerija2,
  Galerija1,
  PaletaPink, PaletaCrna, PaletaPlava, PaletaBraon, PaletaTamnozuta, PaletaSiva,
  PaletaLjubicasta, PaletaOranz, PaletaSvPlava, PaletaZuta, PaletaZelena, PaletaCrvena,
  MoreImages, MuteWave, MusicOn, Slika, lblPlay,
};
// clang-format on

constexpr int kElementCount = static_cast<int>(ElementId::lblPlay) + 1;
constexpr int kThumbnailCount = 25;
constexpr int kPaletteSize = 12;

// Gallery thumbnail n (1..25) and palette button k (1..12, left to right).
constexpr ElementId galerija(int n) { return static_cast<ElementId>(static_cast<int>(ElementId::Galerija1) - (n - 1)); }
constexpr ElementId paleta(int k) {
  return static_cast<ElementId>(static_cast<int>(ElementId::PaletaCrvena) - (k - 1));
}
constexpr int index(ElementId id) { return static_cast<int>(id); }

// The gallery's grid, by column and row from 0, and thumbnail n's place on it.
constexpr std::array<int, 5> kThumbnailColumnLefts = {54, 198, 341, 485, 629};
constexpr std::array<int, 5> kThumbnailRowTops = {48, 185, 322, 459, 596};
constexpr int thumbnailLeft(int n) { return kThumbnailColumnLefts[(n - 1) % 5]; }
constexpr int thumbnailTop(int n) { return kThumbnailRowTops[(n - 1) / 5]; }

enum class PointerKind : std::uint8_t { Arrow, Hand, Brush, Drop, Standard, None };

struct ElementLayout {
  std::string_view name;
  int left, top, width, height;
  bool shownAtStart;
  PointerKind pointer;
  int tabIndex;
  std::string_view startingImage;  // an asset picture, built in; empty for none
  bool isPicture = true;           // false only for the label, which nothing shows
};

extern const std::array<ElementLayout, kElementCount> kLayout;

constexpr std::string_view kMainWindowCaption = "Vellumo - Zoopa 4  by Orvenko Studio";
constexpr std::string_view kMainBackgroundImage = asset::PaintingBackground;

}  // namespace vellumo
