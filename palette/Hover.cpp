#include "palette/Hover.h"

#include "core/AssetFiles.h"
#include "core/MainWindow.h"
#include "gallery/Gallery.h"
#include "palette/Palette.h"

namespace vellumo {

std::string_view restingMuteWave(const AppState& state) {
  return state.SoundEffectsOn == 1 ? asset::SpeakerOnRest : asset::SpeakerOffRest;
}

std::string_view restingMusicOn(const AppState& state) {
  return state.MusicIsOff == 0 ? asset::MusicOnRest : asset::MusicOffRest;
}

std::string restingPalette(const AppState& state, int k) {
  return paletteImage(state.ColorSelected[k] == 1 ? ButtonLook::Selected : ButtonLook::Rest, k);
}

void PaletteMouseMove(MainWindow& w, int k) {
  guarded([&] {
    w.load(paleta(k), paletteImage(w.state.ColorSelected[k] == 1 ? ButtonLook::Selected : ButtonLook::Hover, k));
    if (k > 1) w.load(paleta(k - 1), restingPalette(w.state, k - 1));
    if (k < 12) w.load(paleta(k + 1), restingPalette(w.state, k + 1));
  });
}

void MoreImages_MouseMove(MainWindow& w) {
  guarded([&] {
    w.load(ElementId::MoreImages, asset::MoreImagesHover);
    w.load(ElementId::Rubber, asset::EraserRest);
    w.load(ElementId::Papir, asset::PaperRest);
    w.load(ElementId::MuteWave, restingMuteWave(w.state));
  });
}

void MuteWave_MouseMove(MainWindow& w) {
  guarded([&] {
    w.load(ElementId::MuteWave, w.state.SoundEffectsOn == 1 ? asset::SpeakerOnHover : asset::SpeakerOffHover);
    w.load(ElementId::Rubber, asset::EraserRest);
    w.load(ElementId::Papir, asset::PaperRest);
  });
}

void MusicOn_MouseMove(MainWindow& w) {
  guarded([&] {
    w.load(ElementId::MusicOn, w.state.MusicIsOff == 1 ? asset::MusicOffHover : asset::MusicOnHover);
    w.load(ElementId::Rubber, asset::EraserRest);
    w.load(ElementId::Papir, asset::PaperRest);
    w.load(ElementId::MuteWave, restingMuteWave(w.state));
  });
}

void Rubber_MouseMove(MainWindow& w) {
  guarded([&] {
    w.load(ElementId::Rubber, asset::EraserHover);
    w.load(ElementId::Papir, asset::PaperRest);
  });
}

void Papir_MouseMove(MainWindow& w) {
  guarded([&] {
    w.load(ElementId::Papir, asset::PaperHover);
    w.load(ElementId::Rubber, asset::EraserRest);
  });
}

void SlikaHoverReset(MainWindow& w) {
  guarded([&] {
    w.load(ElementId::MoreImages, asset::MoreImagesRest);
    w.load(ElementId::Rubber, asset::EraserRest);
    w.load(ElementId::Papir, asset::PaperRest);
    w.load(ElementId::MuteWave, restingMuteWave(w.state));
    w.load(ElementId::MusicOn, restingMusicOn(w.state));
  });
}

void Form_MouseMove(MainWindow& w) {
  guarded([&] {
    w.load(ElementId::MoreImages, asset::MoreImagesRest);
    for (int k = 1; k <= 12; ++k) w.load(paleta(k), restingPalette(w.state, k));
    w.load(ElementId::Rubber, asset::EraserRest);
    w.load(ElementId::Papir, asset::PaperRest);
    w.load(ElementId::Back, asset::BackRest);
    if (w.state.ScreenMode == kGalleryScreen) mouse_move_galerija1_bele(w);
    w.load(ElementId::MuteWave, restingMuteWave(w.state));
    w.load(ElementId::MusicOn, restingMusicOn(w.state));
  });
}

}  // namespace vellumo
