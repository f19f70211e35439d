#pragma once
// What the mixer hands to the audio device, caught by SDL_mixer's post-mix
// hook on the audio thread, so tests can listen on a machine without sound.
// The sounds in these tests are the same on both channels; the left one is kept.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <mutex>
#include <vector>

namespace vellumo::test {

using Samples = std::vector<std::int16_t>;

constexpr int kMixRate = 44100;

class MixTap {
 public:
  // The device must be open; its format must be 16-bit stereo.
  MixTap();
  ~MixTap();
  MixTap(const MixTap&) = delete;
  MixTap& operator=(const MixTap&) = delete;

  // How many frames have been mixed so far.
  std::size_t size() const;
  // How many frames have been mixed once the mix under way, if any, is done:
  // a request made before this call is heard in every frame from there on.
  std::size_t sizeOnceMixed() const;
  // The frames mixed from `start` on.
  Samples heardFrom(std::size_t start) const;
  // Waits until at least `frames` more frames than `start` have been mixed;
  // those frames are returned. Fails the test after a generous timeout.
  Samples waitForFrames(std::size_t start, std::size_t frames) const;
  // Waits until something above `threshold` has been heard from `start` on;
  // returns whether it was, within a generous timeout.
  bool waitForSound(std::size_t start, int threshold = 0) const;
  // Waits until a sound heard from `start` on has ended (a quarter second
  // with nothing above `threshold`) and returns that sound with the quiet
  // around it cut off.
  Samples waitForWholeSound(std::size_t start, int threshold = 0) const;

 private:
  static void record(void* tap, std::uint8_t* stream, int bytes);

  mutable std::mutex lock_;  // the audio thread appends while a test reads
  Samples heard_;
};

// Whether every sample is exactly `level`.
bool allAre(const Samples& samples, std::int16_t level);

// The largest magnitude among the samples.
int peak(const Samples& samples);

// How many separate sounds the samples hold: stretches above `threshold`
// kept apart by at least a quarter second without.
int soundsIn(const Samples& samples, int threshold);

// Polls until `done` holds; whether it did within a generous timeout.
bool eventually(const std::function<bool()>& done);

}  // namespace vellumo::test
