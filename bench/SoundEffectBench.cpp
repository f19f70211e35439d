// What the worst sound files cost a click: each file is played as a changed
// file would be (read and decoded anew), on SDL's disk audio driver. The
// files are those at the limits of what is still decoded, and those refused
// only after reading them; the processor time of the slowest click is
// reported as a counter.

#include <benchmark/benchmark.h>

#include <time.h>

#include <algorithm>
#include <memory>

#include "bench/DiskAudio.h"
#include "platform/EffectChannel.h"
#include "platform/MixerDevice.h"
#include "platform/WavSound.h"
#include "tests/platform/SoundTestFiles.h"

namespace vellumo {
namespace {

using test::shapedWav;

// The processor time this thread has used: what a click costs, whatever
// else the machine is busy with.
double threadMillis() {
  timespec now{};
  ::clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
  return now.tv_sec * 1e3 + now.tv_nsec / 1e6;
}

void BM_SlowestSoundEffectClick(benchmark::State& state) {
  constexpr std::uint32_t kLargestFile = 16 << 20;
  constexpr auto kLongest = static_cast<std::uint32_t>(kLongestSoundSeconds);
  const test::Bytes files[] = {
      // The longest sound at the lowest rate: the most resampling per byte.
      shapedWav({.channels = 1, .rate = 1000, .bits = 8, .dataBytes = 1000 * kLongest}),
      // The longest sound at a rate unlike the device's.
      shapedWav({.channels = 2, .rate = 48000, .bits = 16, .dataBytes = 48000 * 4 * kLongest}),
      // Nearly the largest file read: eight channels of float at a high rate.
      shapedWav({.coding = 3, .channels = 8, .rate = 96000, .bits = 32, .dataBytes = kLargestFile - 64}),
      // A few bytes at seven samples a second: fifteen minutes of sound once
      // decoded, refused.
      shapedWav({.rate = 7, .dataBytes = 25'200}),
      // The largest file read, refused as longer than an effect.
      shapedWav({.channels = 2, .rate = 44100, .bits = 16, .dataBytes = kLargestFile - 64}),
  };
  test::TempDir dir;
  auto device = std::make_shared<MixerDevice>();
  EffectChannel effects(device);
  if (!device->open()) {
    state.SkipWithError("no audio device");
    return;
  }
  double slowest = 0;
  for (auto _ : state) {
    for (const test::Bytes& file : files) {
      state.PauseTiming();
      const std::string path = dir.write("sound.wav", file);
      state.ResumeTiming();
      const double start = threadMillis();
      effects.play(path);
      slowest = std::max(slowest, threadMillis() - start);
    }
  }
  state.counters["slowest_click_cpu_ms"] = slowest;
}
BENCHMARK(BM_SlowestSoundEffectClick)->Unit(benchmark::kMillisecond)->Iterations(5)->UseRealTime();

}  // namespace
}  // namespace vellumo

int main(int argc, char** argv) { return vellumo::bench::runOnDiskAudio(argc, argv); }
