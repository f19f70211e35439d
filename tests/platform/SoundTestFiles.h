#pragma once
// Sound and music files for the audio tests, written byte by byte.

#include <cstdint>
#include <vector>

#include "TestFiles.h"

namespace vellumo::test {

// A WAV in the mixer's own format (16-bit stereo at its rate) whose every
// sample is `level`: nothing converts it, so at full volume it reaches the
// device unchanged and each of its samples can be told apart in the mix from
// those of another level.
Bytes levelWav(std::int16_t level, int frames);

// Appends a MIDI variable-length quantity: seven bits a byte, most
// significant first.
void putVariable(Bytes& out, std::uint32_t value);

// A Standard MIDI File of the given tracks, each its events with their delta
// times and, last, the delta time of its end-of-track, which is added here.
Bytes midiFile(std::uint16_t format, std::uint16_t division, std::vector<Bytes> tracks);

// A Standard MIDI File of one piano note, half a second long, then
// `restSeconds` of nothing before the piece ends.
Bytes oneNoteMidi(int restSeconds = 0);

// `notePairs` piano notes, each struck and released `ticksApart` ticks (at
// 960 a second) after the one before; at 0 all at the very first tick, a
// valid Standard MIDI File far too dense to play.
Bytes manyNotesMidi(int notePairs, int ticksApart = 0);

}  // namespace vellumo::test
