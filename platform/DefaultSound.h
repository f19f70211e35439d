#pragma once
// The sound heard when a sound file cannot be played: a short, soft ding,
// made in code so that it is there even when every file is missing.

#include <vector>

namespace vellumo {

// The ding as a complete mono 16-bit PCM WAV file, about 0.2 s long.
std::vector<unsigned char> defaultSoundWav();

}  // namespace vellumo
