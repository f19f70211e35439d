#include "palette/Hover.h"

#include "core/AssetFiles.h"
#include "core/MainWindow.h"
#include "gallery/Gallery.h"
#include "palette/Palette.h"

namespace vellumo {

std::string restingMuteWave(const AppState& state) {
  return state.SoundEffectsOn == 1 ? "/PICTURE/ZVUCNIK1.JPG" : "/PICTURE/SOUNDOFF2.JPG";
}

std::string restingMusicOn(const AppState& state) {
  return state.MusicIsOff == 0 ? "/PICTURE/MUZIKA1.JPG" : "/PICTURE/MUSICOFF2.JPG";
}

std::string restingPalette(const AppState& state, int k) {
  return paletteImage(state.ColorSelected[k] == 1 ? 3 : 1, k);
}

void PaletteMouseMove(MainWindow& w, int k) {
  guarded([&] {
    w.load(paleta(k), paletteImage(w.state.ColorSelected[k] == 1 ? 3 : 2, k));
    if (k > 1) w.load(paleta(k - 1), restingPalette(w.state, k - 1));
    if (k < 12) w.load(paleta(k + 1), restingPalette(w.state, k + 1));
  });
}

void MoreImages_MouseMove(MainWindow& w) {
  guarded([&] {
    w.load(ElementId::MoreImages, "/PICTURE/MOREIMAGES2.JPG");
    w.load(ElementId::Rubber, "/PICTURE/GUMICA1.JPG");
    w.load(ElementId::Papir, "/PICTURE/PAPIR1.JPG");
    w.load(ElementId::MuteWave, restingMuteWave(w.state));
  });
}

void MuteWave_MouseMove(MainWindow& w) {
  guarded([&] {
    w.load(ElementId::MuteWave, w.state.SoundEffectsOn == 1 ? "/PICTURE/ZVUCNIK2.JPG" : "/PICTURE/SOUNDOFF1.JPG");
    w.load(ElementId::Rubber, "/PICTURE/GUMICA1.JPG");
    w.load(ElementId::Papir, "/PICTURE/PAPIR1.JPG");
  });
}

void MusicOn_MouseMove(MainWindow& w) {
  guarded([&] {
    w.load(ElementId::MusicOn, w.state.MusicIsOff == 1 ? "/PICTURE/MUSICOFF1.JPG" : "/PICTURE/MUZIKA2.JPG");
    w.load(ElementId::Rubber, "/PICTURE/GUMICA1.JPG");
    w.load(ElementId::Papir, "/PICTURE/PAPIR1.JPG");
    w.load(ElementId::MuteWave, restingMuteWave(w.state));
  });
}

void Rubber_MouseMove(MainWindow& w) {
  guarded([&] {
    w.load(ElementId::Rubber, "/PICTURE/GUMICA2.JPG");
    w.load(ElementId::Papir, "/PICTURE/PAPIR1.JPG");
  });
}

void Papir_MouseMove(MainWindow& w) {
  guarded([&] {
    w.load(ElementId::Papir, "/PICTURE/PAPIR2.JPG");
    w.load(ElementId::Rubber, "/PICTURE/GUMICA1.JPG");
  });
}

void SlikaHoverReset(MainWindow& w) {
  guarded([&] {
    w.load(ElementId::MoreImages, "/PICTURE/MOREIMAGES1.JPG");
    w.load(ElementId::Rubber, "/PICTURE/GUMICA1.JPG");
    w.load(ElementId::Papir, "/PICTURE/PAPIR1.JPG");
    w.load(ElementId::MuteWave, restingMuteWave(w.state));
    w.load(ElementId::MusicOn, restingMusicOn(w.state));
  });
}

void Form_MouseMove(MainWindow& w) {
  guarded([&] {
    w.load(ElementId::MoreImages, "/PICTURE/MOREIMAGES1.JPG");
    for (int k = 1; k <= 12; ++k) w.load(paleta(k), restingPalette(w.state, k));
    w.load(ElementId::Rubber, "/PICTURE/GUMICA1.JPG");
    w.load(ElementId::Papir, "/PICTURE/PAPIR1.JPG");
    w.load(ElementId::Back, "/PICTURE/BACK1.JPG");
    if (w.state.ScreenMode == 1) mouse_move_galerija1_bele(w);
    w.load(ElementId::MuteWave, restingMuteWave(w.state));
    w.load(ElementId::MusicOn, restingMusicOn(w.state));
  });
}

}  // namespace vellumo
