#pragma once
// Music: Standard MIDI Files synthesised with the General MIDI soundfont on
// the device the sound effects use, so neither cuts the other off.

#include <memory>
#include <string>

#include "platform/Desktop.h"

namespace vellumo {

class MixerDevice;
struct LoadedMidiPiece;

class MidiMusicOutput {
 public:
  explicit MidiMusicOutput(std::shared_ptr<MixerDevice> device);
  ~MidiMusicOutput();
  MidiMusicOutput(const MidiMusicOutput&) = delete;
  MidiMusicOutput& operator=(const MidiMusicOutput&) = delete;

  // Throws LoadError when there is no device, no soundfont or no MIDI player.
  // Does nothing when already open.
  void open();
  // Stops the music; pieces cannot be loaded or played until open() again.
  void close();
  // Throws LoadError when the output is closed, or the file is missing,
  // unreadable or not a Standard MIDI File.
  MusicPiecePtr load(const std::string& path);
  // Once, from the beginning, in place of any music playing. Throws LoadError
  // when the output is closed or the piece holds no loaded music.
  void play(const MusicPiecePtr& piece);
  bool playing() const;
  void stop();
  // Linear, 0 to 1; anything outside is taken as the nearest end, NaN as 0.
  void setGain(double gain);

 private:
  void halt();
  void applyGain() const;

  std::shared_ptr<MixerDevice> device_;
  bool open_ = false;
  double gain_ = 1.0;
  // Kept while it plays, even when the caller lets go of it.
  std::shared_ptr<LoadedMidiPiece> playingPiece_;
};

}  // namespace vellumo
