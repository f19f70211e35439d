// Reading Standard MIDI Files: the timeline through the tempo map, the
// piece's own length, and the files that are refused before anything plays.

#include "platform/MidiFile.h"

#include <gtest/gtest.h>

#include "SoundTestFiles.h"
#include "platform/LoadError.h"

namespace vellumo {
namespace {

using test::Bytes;

constexpr std::uint16_t kTicksPerBeat = 480;

Bytes tempo(std::uint32_t microsPerBeat) {
  return {0xFF,
          0x51,
          0x03,
          static_cast<unsigned char>(microsPerBeat >> 16),
          static_cast<unsigned char>(microsPerBeat >> 8),
          static_cast<unsigned char>(microsPerBeat)};
}

Bytes& operator+=(Bytes& a, const Bytes& b) {
  a.insert(a.end(), b.begin(), b.end());
  return a;
}

Bytes operator+(Bytes a, const Bytes& b) { return a += b; }

Bytes after(std::uint32_t ticks, const Bytes& event) {
  Bytes out;
  test::putVariable(out, ticks);
  return out += event;
}

TEST(MidiFile, TimesAndLengthFollowTheTempoMapOfAllTracks) {
  // A beat of half a second, then from the second beat on a beat of a
  // quarter second; the notes are in a track of their own.
  const Bytes conductor = after(0, tempo(500'000)) + after(kTicksPerBeat, tempo(250'000)) + after(0, {});
  const Bytes notes = after(0, {0xC0, 0x0B}) + after(kTicksPerBeat / 2, {0x90, 0x40, 0x64}) +
                      after(kTicksPerBeat, {0x40, 0x00}) +  // running status: the same note, released
                      after(2 * kTicksPerBeat, {});         // end of track two beats later
  const MidiSequence piece = readMidiFile(test::midiFile(1, kTicksPerBeat, {conductor, notes}));

  ASSERT_EQ(piece.events.size(), 3u);
  EXPECT_EQ(piece.events[0].atMicros, 0);
  EXPECT_EQ(piece.events[0].status, 0xC0);
  EXPECT_EQ(piece.events[0].data1, 0x0B);
  EXPECT_EQ(piece.events[1].atMicros, 250'000);
  EXPECT_EQ(piece.events[2].atMicros, 500'000 + 125'000);
  EXPECT_EQ(piece.events[2].status, 0x90);
  EXPECT_EQ(piece.events[2].data2, 0x00);
  EXPECT_EQ(piece.lengthMicros, 625'000 + 500'000);
}

TEST(MidiFile, EventsOfAllTracksSoundInTimeOrderAndTimeCodeCountsInFrames) {
  // 25 frames a second of 40 ticks: a tick is a millisecond, whatever the tempo.
  constexpr std::uint16_t kTimeCode = 0xE7 << 8 | 40;
  const Bytes first = after(0, tempo(1'000'000)) + after(300, {0x90, 0x3C, 0x64}) + after(0, {});
  const Bytes second = after(100, {0x91, 0x40, 0x64}) + after(400, {0x91, 0x40, 0x00}) + after(1000, {});
  const MidiSequence piece = readMidiFile(test::midiFile(1, kTimeCode, {first, second}));

  ASSERT_EQ(piece.events.size(), 3u);
  EXPECT_EQ(piece.events[0].atMicros, 100'000);
  EXPECT_EQ(piece.events[1].atMicros, 300'000);
  EXPECT_EQ(piece.events[2].atMicros, 500'000);
  EXPECT_EQ(piece.lengthMicros, 1'500'000);
}

TEST(MidiFile, SkipsWhatTheSynthesiserDoesNotNeed) {
  // An unknown chunk before the track; system exclusive, a text and a long
  // header; and a track that ends with its chunk instead of an end-of-track.
  Bytes file = test::midiFile(0, kTicksPerBeat, {});
  file[7] = 8;   // header length
  file[11] = 1;  // one track
  file.insert(file.begin() + 14, {0x00, 0x00});
  const Bytes unknownChunk = {'X', 'Y', 'Z', 'W', 0, 0, 0, 2, 0xAA, 0xBB};
  const Bytes track =
      after(0, {0xF0, 0x03, 0x7E, 0x7F, 0xF7}) + after(0, {0xFF, 0x01, 0x02, 'h', 'i'}) + after(10, {0x90, 0x3C, 0x64});
  file += unknownChunk + Bytes{'M', 'T', 'r', 'k', 0, 0, 0, static_cast<unsigned char>(track.size())} + track;

  const MidiSequence piece = readMidiFile(file);
  ASSERT_EQ(piece.events.size(), 1u);
  EXPECT_EQ(piece.lengthMicros, 10 * 500'000 / kTicksPerBeat);
}

TEST(MidiFile, RefusesWhatCannotBePlayed) {
  const Bytes note = after(0, {0x90, 0x3C, 0x64}) + after(kTicksPerBeat, {0x80, 0x3C, 0x40}) + after(0, {});
  const Bytes good = test::midiFile(0, kTicksPerBeat, {note});
  const auto withByte = [&](std::size_t at, unsigned char value) {
    Bytes changed = good;
    changed[at] = value;
    return changed;
  };
  Bytes cut = good;
  cut.resize(good.size() - 3);
  // The most notes a tenth of a second may hold, one more each time a
  // sixteenth of a millisecond apart: too dense, though no two share a tick.
  Bytes crowded = after(0, tempo(30'000));
  for (int i = 0; i <= kMostEventsInATenthOfASecond; ++i) crowded += after(1, {0x90, 0x3C, 0x64});
  crowded += after(0, {});
  Bytes tooMany;
  for (int i = 0; i <= kMostEvents; ++i) tooMany += after(kTicksPerBeat, {0xB0, 0x07, 0x64});
  tooMany += after(0, {});

  const struct {
    const char* what;
    Bytes bytes;
  } refused[] = {
      {"nothing", {}},
      {"another kind of file", Bytes{'R', 'I', 'F', 'F', 0, 0, 0, 4, 'W', 'A', 'V', 'E', 0, 0}},
      {"a short header", withByte(7, 5)},
      {"an unknown format", withByte(9, 3)},
      {"no tracks", withByte(11, 0)},
      {"more tracks than the file holds", withByte(11, 2)},
      {"no ticks a beat", test::midiFile(0, 0, {note})},
      {"an unknown time code", test::midiFile(0, 0xE6 << 8 | 40, {note})},
      {"a cut-off file", cut},
      {"a track longer than the file", withByte(18, 0x7F)},
      {"data without a status", withByte(23, 0x3C)},
      {"a status where data belongs", withByte(24, 0x90)},
      {"a number of five bytes", test::midiFile(0, kTicksPerBeat, {Bytes{0x81, 0x81, 0x81, 0x81, 0x01}})},
      {"a real-time message", test::midiFile(0, kTicksPerBeat, {after(0, {0xF8}) + after(0, {})})},
      {"half a million notes at one tick", test::manyNotesMidi(500'000)},
      {"too many notes in a tenth of a second", test::midiFile(0, kTicksPerBeat, {crowded})},
      {"too many events", test::midiFile(0, kTicksPerBeat, {tooMany})},
      {"longer than an hour", test::midiFile(0, 1, {after(0, tempo(0xFFFFFF)) + after(0x0FFFFFFF, {})})},
  };
  ASSERT_NO_THROW(readMidiFile(good));
  for (const auto& file : refused) {
    SCOPED_TRACE(file.what);
    EXPECT_THROW(readMidiFile(file.bytes), LoadError);
  }
}

}  // namespace
}  // namespace vellumo
