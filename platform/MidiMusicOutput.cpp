#include "platform/MidiMusicOutput.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <fstream>
#include <utility>
#include <vector>

#include "platform/FileBytes.h"
#include "platform/LoadError.h"
#include "platform/MixerDevice.h"
#include "platform/MusicPiece.h"

namespace vellumo {

namespace {

// Far more than any song written as notes needs.
constexpr std::int64_t kLargestMidiFile = 4 << 20;

// The header chunk of a Standard MIDI File: "MThd", its length (at least 6),
// the format (0, 1 or 2) and a track count of at least one. The synthesiser
// only parses a file when it starts playing it, and SDL_mixer would take
// other kinds of sound file for music too, so a file is judged here.
bool isStandardMidiFile(const std::vector<unsigned char>& bytes) {
  if (bytes.size() < 14 || std::memcmp(bytes.data(), "MThd", 4) != 0) return false;
  const auto bigEndian = [&](std::size_t at, std::size_t count) {
    std::uint32_t value = 0;
    for (std::size_t i = 0; i < count; ++i) value = value << 8 | bytes[at + i];
    return value;
  };
  return bigEndian(4, 4) >= 6 && bigEndian(8, 2) <= 2 && bigEndian(10, 2) >= 1;
}

// A SoundFont 2 file begins as a RIFF file of form "sfbk". The synthesiser
// itself would only notice a wrong file by playing nothing.
bool isSoundFont(const std::string& path) {
  try {
    fileStampOf(path);  // a regular, readable file: reading it cannot block
  } catch (const LoadError&) {
    return false;
  }
  char head[12] = {};
  std::ifstream(path, std::ios::binary).read(head, sizeof head);
  return std::memcmp(head, "RIFF", 4) == 0 && std::memcmp(head + 8, "sfbk", 4) == 0;
}

Mix_Music* musicFrom(const std::vector<unsigned char>& bytes, const std::string& path) {
  // SDL_mixer has read all it needs from the stream when this returns.
  SDL_RWops* stream = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
  Mix_Music* music = stream != nullptr ? Mix_LoadMUSType_RW(stream, MUS_MID, SDL_TRUE) : nullptr;
  if (music == nullptr) throw LoadError(path + ": " + Mix_GetError());
  return music;
}

}  // namespace

// What a MusicPiece loaded here holds. SDL_mixer's MIDI player cannot seek:
// a piece halted part-way would carry on from there when played again, after
// the little it had synthesised ahead. So such a piece is made anew from its
// bytes before it plays again; one that played to its end starts over by itself.
struct LoadedMidiPiece {
  std::shared_ptr<MixerDevice> device;  // SDL_mixer must still be there to free the music
  std::string path;
  std::vector<unsigned char> bytes;
  Mix_Music* music = nullptr;
  bool haltedPartWay = false;

  LoadedMidiPiece() = default;
  LoadedMidiPiece(const LoadedMidiPiece&) = delete;
  LoadedMidiPiece& operator=(const LoadedMidiPiece&) = delete;
  ~LoadedMidiPiece() {
    if (music != nullptr) Mix_FreeMusic(music);
  }
};

MidiMusicOutput::MidiMusicOutput(std::shared_ptr<MixerDevice> device) : device_(std::move(device)) {}

MidiMusicOutput::~MidiMusicOutput() { close(); }

void MidiMusicOutput::open() {
  if (open_) return;
  if (!isSoundFont(device_->soundFontPath())) {
    throw LoadError(device_->soundFontPath() + ": no General MIDI soundfont there");
  }
  if (!device_->open()) throw LoadError(device_->failure());
  if (!Mix_HasMusicDecoder("MIDI")) throw LoadError("MIDI cannot be played on this machine");
  open_ = true;
  applyGain();
}

void MidiMusicOutput::close() {
  if (!open_) return;
  halt();
  open_ = false;
}

MusicPiecePtr MidiMusicOutput::load(const std::string& path) {
  if (!open_) throw LoadError(path + ": the music output is not open");
  auto loaded = std::make_shared<LoadedMidiPiece>();
  loaded->device = device_;
  loaded->path = path;
  loaded->bytes = readFileBytes(path, kLargestMidiFile);
  if (!isStandardMidiFile(loaded->bytes)) throw LoadError(path + ": not a Standard MIDI File");
  loaded->music = musicFrom(loaded->bytes, path);

  auto piece = std::make_shared<MusicPiece>();
  piece->path = path;
  piece->native = loaded;
  return piece;
}

void MidiMusicOutput::play(const MusicPiecePtr& piece) {
  if (!open_) throw LoadError("the music output is not open");
  if (!piece || !piece->native) throw LoadError("no music was loaded");
  halt();
  const auto loaded = std::static_pointer_cast<LoadedMidiPiece>(piece->native);
  if (loaded->haltedPartWay) {
    Mix_Music* fresh = musicFrom(loaded->bytes, loaded->path);
    Mix_FreeMusic(loaded->music);
    loaded->music = fresh;
    loaded->haltedPartWay = false;
  }
  // No loops: whoever wants the piece again starts it again.
  if (Mix_PlayMusic(loaded->music, 0) != 0) throw LoadError(loaded->path + ": " + Mix_GetError());
  playingPiece_ = loaded;
}

bool MidiMusicOutput::playing() const { return open_ && Mix_PlayingMusic() != 0; }

void MidiMusicOutput::stop() {
  if (open_) halt();
}

void MidiMusicOutput::halt() {
  if (playingPiece_ && Mix_PlayingMusic()) playingPiece_->haltedPartWay = true;
  Mix_HaltMusic();
  playingPiece_.reset();
}

void MidiMusicOutput::setGain(double gain) {
  gain_ = std::isnan(gain) ? 0.0 : std::clamp(gain, 0.0, 1.0);
  if (open_) applyGain();
}

// SDL_mixer hands the music volume to the synthesiser as its linear gain. The
// volume is SDL_mixer's own setting, so it is set anew at each open.
void MidiMusicOutput::applyGain() const { Mix_VolumeMusic(static_cast<int>(std::lround(gain_ * MIX_MAX_VOLUME))); }

}  // namespace vellumo
