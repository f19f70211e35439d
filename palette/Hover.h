#pragma once
// Hover looks of the painting screen's buttons. No event says that the mouse
// has left a button, so each button's mouse-move handler shows its own hover
// image and puts its neighbours back to rest, and a move over the bare
// window puts every button back to rest.

#include <string>
#include <string_view>

namespace vellumo {

struct AppState;
struct MainWindow;

// Resting looks that depend on the state.
std::string_view restingMuteWave(const AppState& state);
std::string_view restingMusicOn(const AppState& state);
std::string restingPalette(const AppState& state, int k);

void PaletteMouseMove(MainWindow& w, int k);  // PaletaCrvena_MouseMove .. PaletaPink_MouseMove
void MoreImages_MouseMove(MainWindow& w);
void MuteWave_MouseMove(MainWindow& w);
void MusicOn_MouseMove(MainWindow& w);
void Rubber_MouseMove(MainWindow& w);
void Papir_MouseMove(MainWindow& w);
// The canvas's move when it does not draw.
void SlikaHoverReset(MainWindow& w);
// A move over the bare window background.
void Form_MouseMove(MainWindow& w);

}  // namespace vellumo
