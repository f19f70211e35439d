#include "palette/Palette.h"

#include "audio/SoundEffects.h"
#include "core/AssetFiles.h"
#include "core/MainWindow.h"
#include "palette/Hover.h"

namespace vellumo {

const std::array<PaletteColour, 13> kPalette{{
    {0, ""},
    {rgb(255, 0, 0), asset::RedSound},
    {rgb(52, 204, 103), asset::GreenSound},
    {rgb(255, 255, 0), asset::YellowSound},
    {rgb(0, 204, 255), asset::LightBlueSound},
    {rgb(255, 102, 0), asset::OrangeSound},
    {rgb(204, 51, 255), asset::PurpleSound},
    {rgb(178, 178, 178), asset::GreySound},
    {rgb(255, 255, 255), asset::WhiteSound},
    {rgb(204, 103, 51), asset::BrownSound},
    {rgb(0, 0, 255), asset::BlueSound},
    {rgb(30, 30, 30), asset::BlackSound},
    {rgb(255, 0, 255), asset::PinkSound},
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
    for (int j = 1; j <= 12; ++j) w.load(paleta(j), restingPalette(w.state, j));
  });
}

}  // namespace vellumo
