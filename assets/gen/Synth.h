#pragma once
// The colour sounds: short additive-synthesis notes described in a text
// file (sound/sounds.txt), written as 16-bit mono PCM WAV.

#include <cstdint>
#include <string>
#include <vector>

namespace assetgen {

using Bytes = std::vector<std::uint8_t>;

struct SoundFile {
  std::string name;  // "CRVENA.WAV"
  Bytes bytes;
  double seconds = 0;
  double peak = 0;  // largest absolute sample, 1.0 = full scale
};

// Reads the sound description and synthesises every sound in it, each
// scaled so their short-term loudness matches and none clips.
std::vector<SoundFile> synthesiseSounds(const std::string& descriptionPath);

Bytes encodeWav16Mono(const std::vector<std::int16_t>& samples, int rate);

}  // namespace assetgen
