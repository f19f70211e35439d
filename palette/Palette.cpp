#include "palette/Palette.h"

#include "core/AssetFiles.h"
#include "core/MainWindow.h"
#include "audio/SoundEffects.h"

namespace vellumo {

const std::array<PaletteColour, 13> kPalette{{
    {0, ""},
    {rgb(255, 0, 0), "/SOUND/CRVENA.WAV"},
    {rgb(52, 204, 103), "/SOUND/ZELENA.WAV"},
    {rgb(255, 255, 0), "/SOUND/ZUTA.WAV"},
    {rgb(0, 204, 255), "/SOUND/SVPLAVA.WAV"},
    {rgb(255, 102, 0), "/SOUND/ORANZ.WAV"},
    {rgb(204, 51, 255), "/SOUND/LJUBICASTA.WAV"},
    {rgb(178, 178, 178), "/SOUND/SIVA.WAV"},
    {rgb(255, 255, 255), "/SOUND/TAMNOZUTA.WAV"},
    {rgb(204, 103, 51), "/SOUND/BRAON.WAV"},
    {rgb(0, 0, 255), "/SOUND/PLAVA.WAV"},
    {rgb(30, 30, 30), "/SOUND/CRNA.WAV"},
    {rgb(255, 0, 255), "/SOUND/PINK.WAV"},
}};

void gasi_boje_3_faze(AppState& state) {
  for (int j = 1; j <= 12; ++j) state.ColorSelected[j] = 0;
}

void PaletteClick(MainWindow& w, int k) {
  guarded([&] {
    w.state.CurrentColor = kPalette[k].colour;
    PlaySoundEffect(w, kPalette[k].sound);
    gasi_boje_3_faze(w.state);
    w.state.ColorSelected[k] = 1;
    for (int j = 1; j <= 12; ++j) w.load(paleta(j), paletteImage(w.state.ColorSelected[j] == 1 ? 3 : 1, j));
  });
}

}  // namespace vellumo
