#pragma once
// Sound effects: WAV files played one at a time on a single mixer channel,
// each new sound cutting off the one still playing. A file that cannot be
// played gives the built-in default sound instead; nothing is ever reported.

#include <memory>
#include <string>
#include <unordered_map>

#include "platform/FileBytes.h"
#include "platform/WavSound.h"

namespace vellumo {

class MixerDevice;

class EffectChannel {
 public:
  explicit EffectChannel(std::shared_ptr<MixerDevice> device);
  ~EffectChannel();
  EffectChannel(const EffectChannel&) = delete;
  EffectChannel& operator=(const EffectChannel&) = delete;

  // Starts the sound and returns at once; never throws. Silent when there is
  // no audio device.
  void play(const std::string& path);

 private:
  // A decoded file and the version of the file it was decoded from; no chunk
  // when that version cannot be played.
  struct DecodedFile {
    FileStamp stamp;
    SoundChunk chunk;
  };

  Mix_Chunk* soundFor(const std::string& path);
  Mix_Chunk* defaultSound();

  // Declared first: the chunks below must be freed while the device is open.
  std::shared_ptr<MixerDevice> device_;
  SoundChunk defaultSound_;  // decoded at its first use
  std::unordered_map<std::string, DecodedFile> decoded_;
};

}  // namespace vellumo
