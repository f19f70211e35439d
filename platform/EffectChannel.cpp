#include "platform/EffectChannel.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <exception>
#include <utility>
#include <vector>

#include "platform/DefaultSound.h"
#include "platform/MixerDevice.h"
#include "platform/WavSound.h"

namespace vellumo {

namespace {

// The only channel sound effects use: playing on it cuts what it still plays.
constexpr int kEffectChannel = 0;
// A larger file is not read at all, so a click never stalls on one.
constexpr std::int64_t kLargestSoundFile = 16 << 20;

}  // namespace

EffectChannel::EffectChannel(std::shared_ptr<MixerDevice> device) : device_(std::move(device)) {}

EffectChannel::~EffectChannel() = default;

void EffectChannel::play(const std::string& path) {
  if (!device_->open()) return;
  Mix_Chunk* sound = nullptr;
  try {
    sound = soundFor(path);
  } catch (const std::exception&) {
    // A file gone or unreadable keeps no decoded sound; the default stands in.
    decoded_.erase(path);
  }
  if (sound == nullptr) sound = defaultSound();
  if (sound != nullptr) Mix_PlayChannel(kEffectChannel, sound, 0);
}

// The decoded sound of the file as it is now, null when it cannot be played.
// The same few files are played over and over, so each version of a file is
// read and decoded once.
Mix_Chunk* EffectChannel::soundFor(const std::string& path) {
  const FileStamp stamp = fileStampOf(path);
  const auto known = decoded_.find(path);
  if (known != decoded_.end()) {
    if (known->second.stamp == stamp) return known->second.chunk.get();
    // Freeing the older version halts it if it still plays, as the new sound
    // is about to do anyway.
    decoded_.erase(known);
  }
  const std::vector<unsigned char> bytes = readFileBytes(path, kLargestSoundFile);
  DecodedFile& fresh = decoded_[path];
  fresh.stamp = stamp;
  fresh.chunk = decodeWav(bytes);
  return fresh.chunk.get();
}

Mix_Chunk* EffectChannel::defaultSound() {
  if (!defaultSound_) defaultSound_ = decodeWav(defaultSoundWav());
  return defaultSound_.get();
}

}  // namespace vellumo
