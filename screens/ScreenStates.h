#pragma once
// Switching between the painting screen and the gallery, and freezing the
// screen under a dialog. Screens change only by showing, hiding, enabling,
// disabling and moving elements and by swapping the window's background.

#include <array>

#include "core/Layout.h"

namespace vellumo {

struct MainWindow;

// The painting screen's buttons, in the order the procedures walk them.
constexpr std::array<ElementId, 20> MainScreenControls = {
    ElementId::Slika,           ElementId::MoreImages,       ElementId::MuteWave,
    ElementId::MusicOn,         ElementId::Rubber,           ElementId::Papir,
    ElementId::kapljica,        ElementId::olovka,           ElementId::PaletaCrvena,
    ElementId::PaletaZelena,    ElementId::PaletaZuta,       ElementId::PaletaSvPlava,
    ElementId::PaletaOranz,     ElementId::PaletaLjubicasta, ElementId::PaletaSiva,
    ElementId::PaletaTamnozuta, ElementId::PaletaBraon,      ElementId::PaletaPlava,
    ElementId::PaletaCrna,      ElementId::PaletaPink};
// GalleryThumbnails are galerija(1) .. galerija(25), walked in ascending order.

void ugasi_glavni_ekran(MainWindow& w);         // hide the painting screen
void upali_glavni_ekran(MainWindow& w);         // show the painting screen
void glavni_ekran_zamrznut(MainWindow& w);      // freeze the painting screen
void glavni_ekran_odmrznut(MainWindow& w);      // unfreeze the painting screen
void galerijski_ekran_zamrznut(MainWindow& w);  // freeze the gallery
void galerijski_ekran_odmrznut(MainWindow& w);  // unfreeze the gallery
void galerijski_ekran_ugasi(MainWindow& w);     // hide the gallery, painting background back
void Prikazi_More_Images(MainWindow& w);        // show Back and the gallery background
void Galerijske_pozicije(MainWindow& w);        // move the thumbnails onto their grid
void Prikaz_Prve_Galerije(MainWindow& w);       // the gallery's white thumbnails, shown

void MoreImages_Click(MainWindow& w);
void Back_Click(MainWindow& w);

}  // namespace vellumo
