#include "platform/EffectChannel.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <cstring>
#include <exception>
#include <span>
#include <utility>
#include <vector>

#include "platform/DefaultSound.h"
#include "platform/MixerDevice.h"

namespace vellumo {

namespace {

// The only channel sound effects use: playing on it cuts what it still plays.
constexpr int kEffectChannel = 0;
// An effect lasts seconds; this is minutes of CD-quality sound. A larger file
// is not read at all, so a click never stalls on one.
constexpr std::int64_t kLargestSoundFile = 16 << 20;

bool isWav(std::span<const unsigned char> bytes) {
  return bytes.size() >= 12 && std::memcmp(bytes.data(), "RIFF", 4) == 0 &&
         std::memcmp(bytes.data() + 8, "WAVE", 4) == 0;
}

// Decodes a WAV held in memory into the device's format; null when it cannot be.
Mix_Chunk* decodeWav(std::span<const unsigned char> bytes) {
  if (!isWav(bytes)) return nullptr;
  SDL_RWops* stream = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
  if (stream == nullptr) return nullptr;
  return Mix_LoadWAV_RW(stream, SDL_TRUE);
}

}  // namespace

void EffectChannel::ChunkDeleter::operator()(Mix_Chunk* chunk) const { Mix_FreeChunk(chunk); }

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
  fresh.chunk.reset(decodeWav(bytes));
  return fresh.chunk.get();
}

Mix_Chunk* EffectChannel::defaultSound() {
  if (!defaultSound_) defaultSound_.reset(decodeWav(defaultSoundWav()));
  return defaultSound_.get();
}

}  // namespace vellumo
