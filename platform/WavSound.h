#pragma once
// Sound effect files: a WAV is judged whole before it is decoded, so that no
// file can make a click wait. Decoding converts the sound to the audio
// device's rate and layout, which costs time and memory in proportion to how
// long the sound plays; a file claiming a tiny sample rate could otherwise
// ask for hours of sound.

#include <memory>
#include <span>

struct Mix_Chunk;

namespace vellumo {

// An effect lasts a second or two; this is far longer than any needs.
inline constexpr double kLongestSoundSeconds = 20;

// Throws LoadError unless the bytes are a whole WAV file (no chunk runs past
// its end) in a coding the decoder knows (PCM, float, A-law, mu-law or ADPCM),
// of one to eight channels, playing for at most kLongestSoundSeconds.
void screenWav(std::span<const unsigned char> bytes);

struct SoundChunkDeleter {
  void operator()(Mix_Chunk* chunk) const;
};
using SoundChunk = std::unique_ptr<Mix_Chunk, SoundChunkDeleter>;

// The screened WAV decoded into the audio device's format; empty when it is
// refused or cannot be decoded. The device must be open.
SoundChunk decodeWav(std::span<const unsigned char> bytes);

}  // namespace vellumo
