#include "platform/SoundFontSynth.h"

#include <fluidsynth.h>

#include <cstring>
#include <fstream>

#include "platform/FileBytes.h"
#include "platform/LoadError.h"

namespace vellumo {

namespace {

// The synthesiser's gain: as loud as the music has always been at full
// scale, and loud enough next to the sound effects.
constexpr float kFullScaleGain = 1.2f;
// Far more voices than a children's piece sounds at once, and few enough
// that a busy passage is rendered in a small part of each mix.
constexpr int kVoices = 128;

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

// The synthesiser writes its warnings and errors to standard error; a bad
// file must never flood it, and nothing here is reported to the child.
void quietenSynthLogging() {
  for (int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG})
    fluid_set_log_function(level, nullptr, nullptr);
}

}  // namespace

struct SoundFontSynth::Parts {
  fluid_settings_t* settings = nullptr;
  fluid_synth_t* synth = nullptr;
  ~Parts() {
    if (synth != nullptr) delete_fluid_synth(synth);
    if (settings != nullptr) delete_fluid_settings(settings);
  }
};

SoundFontSynth::SoundFontSynth(const std::string& soundFontPath, int sampleRate) : parts_(std::make_unique<Parts>()) {
  if (!isSoundFont(soundFontPath)) throw LoadError(soundFontPath + ": no General MIDI soundfont there");
  quietenSynthLogging();
  parts_->settings = new_fluid_settings();
  if (parts_->settings == nullptr) throw LoadError("the synthesiser cannot be set up");
  fluid_settings_setnum(parts_->settings, "synth.sample-rate", sampleRate);
  fluid_settings_setint(parts_->settings, "synth.polyphony", kVoices);
  parts_->synth = new_fluid_synth(parts_->settings);
  if (parts_->synth == nullptr) throw LoadError("the synthesiser cannot be set up");
  if (fluid_synth_sfload(parts_->synth, soundFontPath.c_str(), 1) == FLUID_FAILED)
    throw LoadError(soundFontPath + ": the soundfont cannot be loaded");
  // Fixed: a voice the synthesiser reuses starts from the loudness it last
  // had, so a change of the synthesiser's own gain would be heard late.
  fluid_synth_set_gain(parts_->synth, kFullScaleGain);
}

SoundFontSynth::~SoundFontSynth() = default;

void SoundFontSynth::send(const MidiEvent& event) {
  fluid_synth_t* synth = parts_->synth;
  const int channel = event.status & 0x0F;
  switch (event.status & 0xF0) {
    case 0x80: fluid_synth_noteoff(synth, channel, event.data1); break;
    case 0x90: fluid_synth_noteon(synth, channel, event.data1, event.data2); break;  // velocity 0 releases
    case 0xA0: fluid_synth_key_pressure(synth, channel, event.data1, event.data2); break;
    case 0xB0: fluid_synth_cc(synth, channel, event.data1, event.data2); break;
    case 0xC0: fluid_synth_program_change(synth, channel, event.data1); break;
    case 0xD0: fluid_synth_channel_pressure(synth, channel, event.data1); break;
    case 0xE0: fluid_synth_pitch_bend(synth, channel, event.data2 << 7 | event.data1); break;
    default: break;
  }
}

// A system reset alone brings voices still fading out back to life, so they
// are silenced and let go first; and a little is rendered after the reset,
// which clears the reverb and chorus, so nothing of it is left in the
// synthesiser's block of samples already made.
void SoundFontSynth::reset() {
  constexpr int kBlock = 64;  // the synthesiser renders in blocks of this many frames
  std::int16_t scratch[2 * kBlock];
  fluid_synth_all_sounds_off(parts_->synth, -1);
  render(scratch, kBlock, 2);
  fluid_synth_system_reset(parts_->synth);
  render(scratch, kBlock, 2);
}

bool SoundFontSynth::sounding() { return fluid_synth_get_active_voice_count(parts_->synth) > 0; }

void SoundFontSynth::render(std::int16_t* out, int frames, int channels) {
  const int right = channels >= 2 ? 1 : 0;
  fluid_synth_write_s16(parts_->synth, frames, out, 0, channels, out, right, channels);
}

}  // namespace vellumo
