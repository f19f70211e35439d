#pragma once
// A General MIDI synthesiser: the soundfont loaded once and kept, channel
// messages in, 16-bit stereo samples out. Made on the program's thread; after
// that, used by one thread at a time (the audio thread while music plays).

#include <cstdint>
#include <memory>
#include <string>

#include "platform/MidiFile.h"

namespace vellumo {

class SoundFontSynth {
 public:
  // Reads the soundfont: a few tens of milliseconds. Throws LoadError when it
  // is not a SoundFont 2 file or cannot be loaded.
  SoundFontSynth(const std::string& soundFontPath, int sampleRate);
  ~SoundFontSynth();
  SoundFontSynth(const SoundFontSynth&) = delete;
  SoundFontSynth& operator=(const SoundFontSynth&) = delete;

  void send(const MidiEvent& event);
  // Silences every voice at once and puts every channel back as it was.
  void reset();
  // Whether any voice still sounds, a note's release included.
  bool sounding();
  // Writes `frames` frames into interleaved 16-bit samples, `channels` a
  // frame: left and right into the first two, both into a single one.
  void render(std::int16_t* out, int frames, int channels);

 private:
  struct Parts;
  std::unique_ptr<Parts> parts_;
};

}  // namespace vellumo
