#include "screens/ScreenStates.h"

#include "core/AssetFiles.h"
#include "core/MainWindow.h"

namespace vellumo {

void ugasi_glavni_ekran(MainWindow& w) {
  for (ElementId id : MainScreenControls) w.elements.hide(id);
}

void upali_glavni_ekran(MainWindow& w) {
  for (ElementId id : MainScreenControls) w.elements.show(id);
}

// Under a dialog the painting screen stays in sight but takes no input; the
// blank-page button is hidden instead, out of a child's reach.
void glavni_ekran_zamrznut(MainWindow& w) {
  for (ElementId id : MainScreenControls) {
    if (id == ElementId::Papir)
      w.elements.hide(id);
    else
      w.elements.disable(id);
  }
}

void glavni_ekran_odmrznut(MainWindow& w) {
  for (ElementId id : MainScreenControls) {
    if (id == ElementId::Papir)
      w.elements.show(id);
    else
      w.elements.enable(id);
  }
}

// Back is frozen with the thumbnails, so a dialog over the gallery always
// closes onto the screen it froze.
void galerijski_ekran_zamrznut(MainWindow& w) {
  for (int n = 1; n <= kThumbnailCount; ++n) w.elements.disable(galerija(n));
  w.elements.disable(ElementId::Back);
}

void galerijski_ekran_odmrznut(MainWindow& w) {
  for (int n = 1; n <= kThumbnailCount; ++n) w.elements.enable(galerija(n));
  w.elements.enable(ElementId::Back);
}

void galerijski_ekran_ugasi(MainWindow& w) {
  guarded([&] {
    w.elements.hide(ElementId::Back);
    for (int n = 1; n <= kThumbnailCount; ++n) w.elements.hide(galerija(n));
    w.loadBackground(asset::PaintingBackground);
  });
}

void Prikazi_More_Images(MainWindow& w) {
  guarded([&] {
    w.elements.show(ElementId::Back);
    w.loadBackground(asset::GalleryBackground);
  });
}

void Galerijske_pozicije(MainWindow& w) {
  for (int n = 1; n <= kThumbnailCount; ++n) w.elements.move(galerija(n), thumbnailLeft(n), thumbnailTop(n));
}

void Prikaz_Prve_Galerije(MainWindow& w) {
  guarded([&] {
    w.state.ScreenMode = kGalleryScreen;
    for (int n = 1; n <= kThumbnailCount; ++n) {
      w.load(galerija(n), whiteThumbnail(n));
      w.elements.show(galerija(n));
    }
  });
}

void MoreImages_Click(MainWindow& w) {
  ugasi_glavni_ekran(w);
  Prikazi_More_Images(w);
  Galerijske_pozicije(w);
  Prikaz_Prve_Galerije(w);
}

void Back_Click(MainWindow& w) {
  galerijski_ekran_ugasi(w);
  upali_glavni_ekran(w);
  w.state.ScreenMode = kPaintingScreen;
}

}  // namespace vellumo
