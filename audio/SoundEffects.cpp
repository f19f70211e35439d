#include "audio/SoundEffects.h"

#include "core/MainWindow.h"

namespace vellumo {

void PlaySoundEffect(MainWindow& w, std::string_view relativePath) {
  if (w.state.SoundEffectsOn != 0) w.desktop.playSound(w.assetPath(relativePath));
}

void MuteWave_Click(AppState& state) {
  if (state.SoundEffectsOn == 1)
    state.SoundEffectsOn = 0;
  else if (state.SoundEffectsOn == 0)
    state.SoundEffectsOn = 1;
}

}  // namespace vellumo
