#include "SoundTestFiles.h"

#include <utility>

#include "MixTap.h"

namespace vellumo::test {

namespace {

void putLittle(Bytes& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<unsigned char>(value >> (8 * i)));
}

void putBig(Bytes& out, std::uint32_t value, int bytes) {
  for (int i = bytes - 1; i >= 0; --i) out.push_back(static_cast<unsigned char>(value >> (8 * i)));
}

void putText(Bytes& out, const char* text) {
  for (; *text; ++text) out.push_back(static_cast<unsigned char>(*text));
}

// At the default 120 beats a minute and 480 ticks a beat, a second is 960 ticks.
constexpr std::uint32_t kTicksPerSecond = 960;

}  // namespace

void putVariable(Bytes& out, std::uint32_t value) {
  Bytes groups{static_cast<unsigned char>(value & 0x7F)};
  for (value >>= 7; value != 0; value >>= 7) groups.push_back(static_cast<unsigned char>(0x80 | (value & 0x7F)));
  out.insert(out.end(), groups.rbegin(), groups.rend());
}

Bytes midiFile(std::uint16_t format, std::uint16_t division, std::vector<Bytes> tracks) {
  Bytes out;
  putText(out, "MThd");
  putBig(out, 6, 4);
  putBig(out, format, 2);
  putBig(out, static_cast<std::uint32_t>(tracks.size()), 2);
  putBig(out, division, 2);
  for (Bytes& track : tracks) {
    track.insert(track.end(), {0xFF, 0x2F, 0x00});  // end of track
    putText(out, "MTrk");
    putBig(out, static_cast<std::uint32_t>(track.size()), 4);
    out.insert(out.end(), track.begin(), track.end());
  }
  return out;
}

Bytes levelWav(std::int16_t level, int frames) {
  const auto dataBytes = static_cast<std::uint32_t>(frames) * 4;
  Bytes out;
  putText(out, "RIFF");
  putLittle(out, 36 + dataBytes, 4);
  putText(out, "WAVEfmt ");
  putLittle(out, 16, 4);
  putLittle(out, 1, 2);  // PCM
  putLittle(out, 2, 2);  // stereo
  putLittle(out, kMixRate, 4);
  putLittle(out, kMixRate * 4, 4);
  putLittle(out, 4, 2);
  putLittle(out, 16, 2);
  putText(out, "data");
  putLittle(out, dataBytes, 4);
  for (int i = 0; i < 2 * frames; ++i) putLittle(out, static_cast<std::uint16_t>(level), 2);
  return out;
}

Bytes oneNoteMidi(int restSeconds) {
  Bytes track = {
      0x00, 0xC0, 0x00,        // piano
      0x00, 0x90, 0x3C, 0x64,  // middle C on
  };
  putVariable(track, kTicksPerSecond / 2);
  track.insert(track.end(), {0x80, 0x3C, 0x40});  // off
  putVariable(track, static_cast<std::uint32_t>(restSeconds) * kTicksPerSecond);
  return midiFile(0, kTicksPerSecond / 2, {std::move(track)});
}

Bytes manyNotesMidi(int notePairs, int ticksApart) {
  Bytes track;
  track.reserve(static_cast<std::size_t>(notePairs) * 8);
  for (int i = 0; i < notePairs; ++i) {
    putVariable(track, i == 0 ? 0 : static_cast<std::uint32_t>(ticksApart));
    track.insert(track.end(), {0x90, 0x3C, 0x64, 0x00, 0x80, 0x3C, 0x40});
  }
  track.push_back(0x00);
  return midiFile(0, kTicksPerSecond / 2, {std::move(track)});
}

}  // namespace vellumo::test
