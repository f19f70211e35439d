#pragma once
// The twelve colour buttons: choosing a colour, its sound, and which button
// shows its selected look.

#include <array>
#include <string>
#include <string_view>

#include "platform/Picture.h"

namespace vellumo {

struct AppState;
struct MainWindow;

struct PaletteColour {
  Colour colour;
  std::string_view sound;  // relative to the asset root
};

// By colour number 1..12, left to right (element 0 unused). The eighth paints
// pure white and the black is (30, 30, 30), so regions painted black can be
// filled again while the outlines' pure black never is.
extern const std::array<PaletteColour, 13> kPalette;

// The click on palette button k (PaletaCrvena_Click .. PaletaPink_Click).
void PaletteClick(MainWindow& w, int k);

// Clears every selection flag.
void gasi_boje_3_faze(AppState& state);

}  // namespace vellumo
