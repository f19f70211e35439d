#pragma once
// Standard MIDI Files read into what the synthesiser plays: every channel
// message of every track on one timeline, in microseconds through the file's
// tempo map, and the piece's own length. A file is judged whole before any of
// it plays: one that is malformed, stops short, is too dense for the
// synthesiser to keep up with in real time, or lasts longer than anyone
// would listen to, is refused.

#include <cstdint>
#include <span>
#include <vector>

namespace vellumo {

// A channel message (note on and off, key and channel pressure, controller,
// program change, pitch bend) and when it sounds.
struct MidiEvent {
  std::int64_t atMicros = 0;
  std::uint8_t status = 0;  // 0x80 to 0xEF: the kind in the high nibble, the channel in the low one
  std::uint8_t data1 = 0;
  std::uint8_t data2 = 0;  // 0 for the messages with one data byte
};

struct MidiSequence {
  std::vector<MidiEvent> events;  // in the order they sound
  // When the last track ends, at its end-of-track or after its last event.
  std::int64_t lengthMicros = 0;
};

// The most channel messages a piece may hold within any tenth of a second.
// A dense passage of real music holds a few dozen; beyond this the
// synthesiser would fall behind the sound card.
inline constexpr int kMostEventsInATenthOfASecond = 1000;
// The most channel messages and tempo changes a piece may hold in all.
inline constexpr int kMostEvents = 200'000;
// The longest piece: an hour.
inline constexpr std::int64_t kLongestPieceMicros = 3'600'000'000;

// Throws LoadError when the bytes are not a Standard MIDI File that can be played.
MidiSequence readMidiFile(std::span<const unsigned char> bytes);

}  // namespace vellumo
