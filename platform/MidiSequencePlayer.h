#pragma once
// Plays a MIDI sequence on the synthesiser inside the audio callback, each
// message at its own sample frame. The program's thread asks for a start or
// a halt and learns whether a start has played to its end; none of that
// waits for the synthesiser: a request is handed over under a lock held for
// no more than a copy, the end is an atomic flag the audio thread raises.

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>

#include "platform/MidiFile.h"
#include "platform/SoundFontSynth.h"

namespace vellumo {

class MidiSequencePlayer {
 public:
  // `channels`: samples a frame in the output; `sampleRate`: frames a second.
  MidiSequencePlayer(std::unique_ptr<SoundFontSynth> synth, int sampleRate, int channels);

  // --- the program's thread ---------------------------------------------
  // Plays the sequence from its beginning in place of anything playing, from
  // the next mix on. Returns the number of this start.
  std::uint64_t start(std::shared_ptr<const MidiSequence> sequence);
  // Silences the music at once, from the next mix on.
  void halt();
  // Linear, 0 to 1, from the next mix on.
  void setGain(float gain);
  // Whether start number `started` has played to its end.
  bool hasFinished(std::uint64_t started) const { return finished_.load(std::memory_order_acquire) == started; }

  // --- the audio thread ---------------------------------------------------
  int channels() const { return channels_; }
  // Fills `frames` frames of interleaved 16-bit samples.
  void mix(std::int16_t* out, int frames);

 private:
  struct Request {
    bool pending = false;
    std::shared_ptr<const MidiSequence> sequence;  // none: halt
    std::uint64_t number = 0;
  };

  void takeRequest();
  std::int64_t frameAt(std::int64_t micros) const { return micros * sampleRate_ / 1'000'000; }
  // Sends every message due by now; returns the frames until the next one
  // or the end, or 0 once the sequence has ended.
  std::int64_t sendDueMessages();
  void applyGain(std::int16_t* out, int frames) const;

  const int sampleRate_;
  const int channels_;

  std::mutex requestLock_;
  Request request_;
  std::uint64_t lastNumber_ = 0;  // the program's thread only
  std::atomic<float> gain_{1.0f};
  std::atomic<std::uint64_t> finished_{0};

  // The audio thread only.
  enum class Phase {
    Silent,      // nothing is rendered
    Playing,     // the sequence is sent and rendered
    RingingOut,  // after its end, the last notes and their reverb fade away
  };
  std::unique_ptr<SoundFontSynth> synth_;
  Phase phase_ = Phase::Silent;
  std::int64_t ringOutLeft_ = 0;  // frames of reverb still to render once no voice sounds
  std::shared_ptr<const MidiSequence> sequence_;
  std::uint64_t number_ = 0;
  std::size_t next_ = 0;       // the first message not yet sent
  std::int64_t position_ = 0;  // frames since the start
};

}  // namespace vellumo
