#pragma once
// The colour, fill and wipe sounds and the speaker button that mutes them.

#include <string_view>

#include "core/AssetFiles.h"

namespace vellumo {

struct AppState;
struct MainWindow;

// Sound files, relative to the asset root.
constexpr std::string_view kFillSound = asset::LightBlueSound;
constexpr std::string_view kWipeSound = asset::PurpleSound;

// The play step of every sound site: hand the file to the desktop's
// asynchronous player unless the sound effects are switched off.
void PlaySoundEffect(MainWindow& w, std::string_view relativePath);

// The speaker button: sound effects off when on, on when off. It changes no
// image (the look follows at the next mouse move) and stops no sound.
void MuteWave_Click(AppState& state);

}  // namespace vellumo
