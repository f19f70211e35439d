#pragma once
// The music: note data in a small text notation (music/001.txt) written as
// a Standard MIDI File, format 1, for General MIDI players.

#include <cstdint>
#include <string>
#include <vector>

namespace assetgen {

using Bytes = std::vector<std::uint8_t>;

struct MidiSong {
  Bytes bytes;
  double seconds = 0;
  int tracks = 0;
};

MidiSong compileMidi(const std::string& notationPath);

}  // namespace assetgen
