#include "gallery/Gallery.h"

#include "core/AssetFiles.h"
#include "core/Canvas.h"
#include "core/MainWindow.h"
#include "screens/ScreenStates.h"

namespace vellumo {

void ThumbnailMouseMove(MainWindow& w, int k) {
  guarded([&] {
    if (w.elements.top(galerija(k)) != thumbnailTop(k) || w.state.ScreenMode != kGalleryScreen) return;
    // The new highlight goes on before the old one comes off.
    w.load(galerija(k), yellowThumbnail(k));
    for (int j = 1; j <= 25; ++j)
      if (j != k && w.state.HighlightedThumb == j) w.load(galerija(j), whiteThumbnail(j));
    w.state.HighlightedThumb = static_cast<std::int16_t>(k);
  });
}

void mouse_move_galerija1_bele(MainWindow& w) {
  guarded([&] {
    for (int j = 1; j <= 25; ++j)
      if (w.state.HighlightedThumb == j) w.load(galerija(j), whiteThumbnail(j));
  });
}

void ThumbnailClick(MainWindow& w, int k) {
  guarded([&] {
    if (w.state.ScreenMode == kGalleryScreen) {
      w.canvas.load(*w.picture(outlinePicture(k)));
      w.state.CurrentPicture = static_cast<std::int16_t>(k);
      w.state.ScreenMode = kPaintingScreen;
    }
    galerijski_ekran_ugasi(w);
    upali_glavni_ekran(w);
  });
}

void Back_MouseMove(MainWindow& w) {
  guarded([&] {
    if (w.elements.top(ElementId::Back) == 0) w.load(ElementId::Back, asset::BackHover);
  });
}

}  // namespace vellumo
