#pragma once
// The music button, the timer that starts the piece again whenever it has
// ended, and stopping the music on the way out.

#include <cstdint>

namespace vellumo {

struct MainWindow;

constexpr double kRepeatTimerSeconds = 0.5;

void MusicOn_Click(MainWindow& w);
void tmrRepeat_Timer(MainWindow& w);
// Master volume nVolume * 42 - 3000 hundredths of a decibel: 0 gives -3000, 75 gives 150.
void SetVolume(MainWindow& w, std::uint8_t nVolume);
void StopMusic(MainWindow& w);

}  // namespace vellumo
