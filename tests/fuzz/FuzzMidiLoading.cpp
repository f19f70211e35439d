// Any bytes at all, as the music file, through the music output: loaded, then
// started. The synthesiser reads a piece's events only once it plays, on the
// mixer's own thread, so after starting it each input waits until the mixer
// has mixed twice more: by then the piece has been read and its first notes
// synthesised. A mixer that stops mixing is a hang.

#include <SDL_mixer.h>

#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <thread>

#include "ScratchFile.h"
#include "platform/LoadError.h"
#include "platform/MidiMusicOutput.h"
#include "platform/MixerDevice.h"

namespace {

// Longer than any mix of one buffer takes, even on a loaded machine under the
// sanitizers: past it the mixer is stuck.
constexpr auto kLongestMixWait = std::chrono::seconds(20);

std::shared_ptr<vellumo::MixerDevice> device;
std::unique_ptr<vellumo::MidiMusicOutput> music;
std::atomic<std::uint64_t> mixes{0};

void countMix(void*, Uint8*, int) { mixes.fetch_add(1, std::memory_order_relaxed); }

void waitForMixes(std::uint64_t count) {
  const std::uint64_t target = mixes.load() + count;
  const auto giveUp = std::chrono::steady_clock::now() + kLongestMixWait;
  while (mixes.load() < target) {
    if (std::chrono::steady_clock::now() > giveUp) {
      std::fputs("the mixer stopped mixing\n", stderr);
      std::abort();
    }
    std::this_thread::sleep_for(std::chrono::microseconds(200));
  }
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  // The disk driver, writing nowhere and waiting 1 ms between buffers,
  // mixes far faster than real time without spinning.
  setenv("SDL_AUDIODRIVER", "disk", 0);
  setenv("SDL_DISKAUDIOFILE", "/dev/null", 0);
  setenv("SDL_DISKAUDIODELAY", "1", 0);
  device = std::make_shared<vellumo::MixerDevice>();
  music = std::make_unique<vellumo::MidiMusicOutput>(device);
  music->open();
  Mix_SetPostMix(countMix, nullptr);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static vellumo::fuzz::ScratchFile midi("001.MID");
  try {
    const vellumo::MusicPiecePtr piece = music->load(midi.holding(data, size));
    music->play(piece);
    waitForMixes(2);
    music->stop();
  } catch (const vellumo::LoadError&) {
  }
  return 0;
}
