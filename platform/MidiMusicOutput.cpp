#include "platform/MidiMusicOutput.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <cmath>
#include <utility>

#include "platform/FileBytes.h"
#include "platform/LoadError.h"
#include "platform/MidiFile.h"
#include "platform/MidiSequencePlayer.h"
#include "platform/MixerDevice.h"
#include "platform/MusicPiece.h"

namespace vellumo {

// The sequencer on FluidSynth, with the soundfont loaded.
struct MidiMusicOutput::Player : MidiSequencePlayer {
  using MidiSequencePlayer::MidiSequencePlayer;
};

namespace {

// Far more than any song written as notes needs.
constexpr std::int64_t kLargestMidiFile = 4 << 20;

// SDL_mixer's music hook: the mixer calls it on the audio thread for the
// music part of every mix, and mixes the sound effects over it.
void mixMusic(void* player, Uint8* stream, int bytes) {
  auto& music = *static_cast<MidiSequencePlayer*>(player);
  const int frames = bytes / static_cast<int>(sizeof(std::int16_t)) / music.channels();
  music.mix(reinterpret_cast<std::int16_t*>(stream), frames);
}

struct MixFormat {
  int rate = 0;
  int channels = 0;
};

// What the open device mixes, which the synthesiser must render.
MixFormat mixFormat() {
  MixFormat mix;
  Uint16 format = 0;
  if (Mix_QuerySpec(&mix.rate, &format, &mix.channels) == 0) throw LoadError("the audio device is not open");
  if (format != AUDIO_S16SYS) throw LoadError("the audio device does not take 16-bit samples");
  return mix;
}

}  // namespace

MidiMusicOutput::MidiMusicOutput(std::shared_ptr<MixerDevice> device, std::string soundFontPath)
    : device_(std::move(device)), soundFontPath_(std::move(soundFontPath)) {}

MidiMusicOutput::~MidiMusicOutput() { close(); }

void MidiMusicOutput::open() {
  if (open_) return;
  if (!device_->open()) throw LoadError(device_->failure());
  if (!player_) {
    const MixFormat mix = mixFormat();
    player_ =
        std::make_unique<Player>(std::make_unique<SoundFontSynth>(soundFontPath_, mix.rate), mix.rate, mix.channels);
    player_->setGain(static_cast<float>(gain_));
  }
  Mix_HookMusic(&mixMusic, static_cast<MidiSequencePlayer*>(player_.get()));
  open_ = true;
}

void MidiMusicOutput::close() {
  if (!open_) return;
  // Once the hook is gone the audio thread no longer touches the player.
  Mix_HookMusic(nullptr, nullptr);
  player_->halt();
  playingStart_ = 0;
  open_ = false;
}

MusicPiecePtr MidiMusicOutput::load(const std::string& path) {
  if (!open_) throw LoadError(path + ": the music output is not open");
  std::shared_ptr<const MidiSequence> sequence;
  try {
    sequence = std::make_shared<const MidiSequence>(readMidiFile(readFileBytes(path, kLargestMidiFile)));
  } catch (const LoadError& error) {
    throw LoadError(path + ": " + error.what());
  }
  auto piece = std::make_shared<MusicPiece>();
  piece->path = path;
  piece->native = sequence;
  return piece;
}

void MidiMusicOutput::play(const MusicPiecePtr& piece) {
  if (!open_) throw LoadError("the music output is not open");
  if (!piece || !piece->native) throw LoadError("no music was loaded");
  playingStart_ = player_->start(std::static_pointer_cast<const MidiSequence>(piece->native));
}

bool MidiMusicOutput::playing() const { return open_ && playingStart_ != 0 && !player_->hasFinished(playingStart_); }

void MidiMusicOutput::stop() {
  if (!open_) return;
  player_->halt();
  playingStart_ = 0;
}

void MidiMusicOutput::setGain(double gain) {
  gain_ = std::isnan(gain) ? 0.0 : std::clamp(gain, 0.0, 1.0);
  if (player_) player_->setGain(static_cast<float>(gain_));
}

}  // namespace vellumo
