#include "platform/MidiMusicOutput.h"

// Music through the system's own MIDI synthesizer, which SDL_mixer's native
// MIDI plays on; the sound effects mix on the audio device beside it.

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "platform/FileBytes.h"
#include "platform/LoadError.h"
#include "platform/MidiFile.h"
#include "platform/MixerDevice.h"
#include "platform/MusicPiece.h"

namespace vellumo {

// The system's synthesizer needs nothing made in advance.
struct MidiMusicOutput::Player {};

namespace {

// Far more than any song written as notes needs.
constexpr std::int64_t kLargestMidiFile = 4 << 20;

// A loaded piece: the file's bytes and SDL_mixer's music made from them. It
// keeps the device open, since the music must be freed while the mixer runs.
struct NativeSong {
  std::shared_ptr<MixerDevice> device;
  std::vector<unsigned char> bytes;
  Mix_Music* music = nullptr;
  ~NativeSong() {
    if (music != nullptr) Mix_FreeMusic(music);
  }
};

}  // namespace

MidiMusicOutput::MidiMusicOutput(std::shared_ptr<MixerDevice> device, std::string soundFontPath)
    : device_(std::move(device)), soundFontPath_(std::move(soundFontPath)) {}

MidiMusicOutput::~MidiMusicOutput() { close(); }

void MidiMusicOutput::open() {
  if (open_) return;
  if (!device_->open()) throw LoadError(device_->failure());
  open_ = true;
  setGain(gain_);
}

void MidiMusicOutput::close() {
  if (!open_) return;
  Mix_HaltMusic();
  open_ = false;
}

MusicPiecePtr MidiMusicOutput::load(const std::string& path) {
  if (!open_) throw LoadError(path + ": the music output is not open");
  auto song = std::make_shared<NativeSong>();
  song->device = device_;
  try {
    song->bytes = readFileBytes(path, kLargestMidiFile);
    // Read as on every system, so a broken file is refused here alike and
    // never reaches the system's synthesizer.
    readMidiFile(song->bytes);
  } catch (const LoadError& error) {
    throw LoadError(path + ": " + error.what());
  }
  SDL_RWops* stream = SDL_RWFromConstMem(song->bytes.data(), static_cast<int>(song->bytes.size()));
  song->music = stream != nullptr ? Mix_LoadMUSType_RW(stream, MUS_MID, SDL_TRUE) : nullptr;
  if (song->music == nullptr) throw LoadError(path + ": " + Mix_GetError());
  auto piece = std::make_shared<MusicPiece>();
  piece->path = path;
  piece->native = song;
  return piece;
}

void MidiMusicOutput::play(const MusicPiecePtr& piece) {
  if (!open_) throw LoadError("the music output is not open");
  if (!piece || !piece->native) throw LoadError("no music was loaded");
  const auto& song = *std::static_pointer_cast<const NativeSong>(piece->native);
  if (Mix_PlayMusic(song.music, 1) != 0) throw LoadError(std::string("cannot play the music: ") + Mix_GetError());
  playingStart_ = 1;
}

bool MidiMusicOutput::playing() const { return open_ && playingStart_ != 0 && Mix_PlayingMusic() != 0; }

void MidiMusicOutput::stop() {
  if (!open_) return;
  Mix_HaltMusic();
  playingStart_ = 0;
}

void MidiMusicOutput::setGain(double gain) {
  gain_ = std::isnan(gain) ? 0.0 : std::clamp(gain, 0.0, 1.0);
  if (open_) Mix_VolumeMusic(static_cast<int>(std::lround(gain_ * MIX_MAX_VOLUME)));
}

}  // namespace vellumo
