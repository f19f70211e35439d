#pragma once
// Sound and music files for the audio tests, written byte by byte.

#include <cstdint>

#include "TestFiles.h"

namespace vellumo::test {

// A WAV in the mixer's own format (16-bit stereo at its rate) whose every
// sample is `level`: nothing converts it, so at full volume it reaches the
// device unchanged and each of its samples can be told apart in the mix from
// those of another level.
Bytes levelWav(std::int16_t level, int frames);

// A Standard MIDI File of one piano note, half a second long, then
// `restSeconds` of nothing before the piece ends.
Bytes oneNoteMidi(int restSeconds = 0);

// A valid Standard MIDI File far too dense to play: `notePairs` piano notes
// struck and released at its very first tick.
Bytes denseMidi(int notePairs);

}  // namespace vellumo::test
