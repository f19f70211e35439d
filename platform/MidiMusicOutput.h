#pragma once
// Music: Standard MIDI Files played beside the sound effects, so neither cuts
// the other off. On Linux they are synthesised with the General MIDI
// soundfont on the device the effects use; the soundfont is read at the first
// open and kept for every piece after it, and nothing here waits for the
// synthesiser: it renders on the audio thread, which says when a piece has
// played for its own length. On Windows the system's own MIDI synthesizer
// plays them, through SDL_mixer, and the soundfont is not used.

#include <cstdint>
#include <memory>
#include <string>

#include "platform/Desktop.h"

namespace vellumo {

class MixerDevice;

// The General MIDI soundfont that music is synthesised with.
inline constexpr const char* kGeneralMidiSoundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";

class MidiMusicOutput {
 public:
  // soundFontPath: the soundfont MIDI is played with (another one only in tests).
  explicit MidiMusicOutput(std::shared_ptr<MixerDevice> device, std::string soundFontPath = kGeneralMidiSoundFont);
  ~MidiMusicOutput();
  MidiMusicOutput(const MidiMusicOutput&) = delete;
  MidiMusicOutput& operator=(const MidiMusicOutput&) = delete;

  // Throws LoadError when there is no device or no soundfont. Does nothing
  // when already open.
  void open();
  // Stops the music; pieces cannot be loaded or played until open() again.
  void close();
  // Throws LoadError when the output is closed, or the file is missing,
  // unreadable, not a Standard MIDI File or one that cannot be played.
  MusicPiecePtr load(const std::string& path);
  // Once, from the beginning, in place of any music playing. Throws LoadError
  // when the output is closed or the piece holds no loaded music.
  void play(const MusicPiecePtr& piece);
  // False from the moment the piece has played to its end.
  bool playing() const;
  void stop();
  // Linear, 0 to 1; anything outside is taken as the nearest end, NaN as 0.
  void setGain(double gain);

 private:
  std::shared_ptr<MixerDevice> device_;
  std::string soundFontPath_;
  bool open_ = false;
  double gain_ = 1.0;
  // What plays the pieces, each system's own; made at the first open and kept.
  struct Player;
  std::unique_ptr<Player> player_;
  // The start that plays now; 0: none.
  std::uint64_t playingStart_ = 0;
};

}  // namespace vellumo
