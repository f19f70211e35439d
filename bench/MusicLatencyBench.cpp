// How long a child waits to hear the music after clicking the music button:
// the platform calls of a start click (volume, load the piece, volume, play)
// until the first sample above the synthesiser's dither is mixed, on SDL's
// disk audio driver. Between iterations an untimed stop click silences it.
// The median and the 99th percentile are reported as counters; the first
// click of a session, which also readies the synthesiser, is reported alone.
// A second benchmark gives a piece far too dense to play and reports the
// longest that the start click or one tick of the music timer took; a third
// times loading the largest piece that is still played.

#include <SDL.h>
#include <SDL_mixer.h>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdlib>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "bench/DiskAudio.h"
#include "platform/LoadError.h"
#include "platform/MidiFile.h"
#include "platform/MidiMusicOutput.h"
#include "platform/MixerDevice.h"
#include "tests/platform/SoundTestFiles.h"

namespace vellumo {
namespace {

using Clock = std::chrono::steady_clock;

constexpr const char* kPiece = VELLUMO_APP_DIR "/MUSIC/001.MID";
// Louder than the synthesiser's dither: the piece itself.
constexpr int kAudible = 100;

// When the post-mix hook first met an audible sample since it was armed: the
// time its buffer was mixed plus the sample's place in that buffer.
class FirstSoundTap {
 public:
  FirstSoundTap() { Mix_SetPostMix(&FirstSoundTap::listen, this); }
  ~FirstSoundTap() { Mix_SetPostMix(nullptr, nullptr); }
  FirstSoundTap(const FirstSoundTap&) = delete;
  FirstSoundTap& operator=(const FirstSoundTap&) = delete;

  void arm() {
    heardAt_.store(0);
    armed_.store(true);
  }
  // Seconds from `click` until the sound, waiting for it as long as it takes.
  double secondsSince(Clock::time_point click) const {
    while (heardAt_.load() == 0) std::this_thread::sleep_for(std::chrono::microseconds(200));
    return std::chrono::duration<double>(Clock::duration(heardAt_.load()) - click.time_since_epoch()).count();
  }

 private:
  static void listen(void* self, Uint8* stream, int bytes) {
    auto& tap = *static_cast<FirstSoundTap*>(self);
    if (!tap.armed_.load()) return;
    const auto mixedAt = Clock::now();
    const auto* samples = reinterpret_cast<const Sint16*>(stream);
    for (int frame = 0; frame < bytes / 4; ++frame) {
      if (std::abs(samples[2 * frame]) <= kAudible) continue;
      const auto offset = std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(frame / 44100.0));
      tap.heardAt_.store((mixedAt + offset).time_since_epoch().count());
      tap.armed_.store(false);
      return;
    }
  }

  std::atomic<bool> armed_{false};
  std::atomic<Clock::rep> heardAt_{0};
};

// The calls a start click makes, as the music button's handler makes them.
void startClick(MidiMusicOutput& music, const std::string& path = kPiece) {
  music.open();
  music.setGain(0.03);
  const MusicPiecePtr piece = music.load(path);
  music.setGain(1.0);
  music.play(piece);
}

double millisSince(Clock::time_point start) {
  return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// A music output on a device of its own, open.
struct OpenMusic {
  std::shared_ptr<MixerDevice> device = std::make_shared<MixerDevice>();
  MidiMusicOutput music{device};
};

// Whether the output could be opened; the benchmark is skipped when not.
bool opened(benchmark::State& state, OpenMusic& output) {
  if (!output.device->open()) {
    state.SkipWithError("no audio device");
    return false;
  }
  output.music.open();
  return true;
}

void BM_MusicClickToFirstSound(benchmark::State& state) {
  // The output is opened by the first click, as in the program.
  auto device = std::make_shared<MixerDevice>();
  MidiMusicOutput music(device);
  if (!device->open()) {
    state.SkipWithError("no audio device");
    return;
  }
  FirstSoundTap tap;

  tap.arm();
  auto click = Clock::now();
  startClick(music);
  state.counters["first_click_ms"] = tap.secondsSince(click) * 1000;

  std::vector<double> millis;
  for (auto _ : state) {
    state.PauseTiming();
    music.stop();
    // The stop click is heard before the next start click comes.
    std::this_thread::sleep_for(std::chrono::milliseconds(100));
    tap.arm();
    state.ResumeTiming();
    click = Clock::now();
    startClick(music);
    millis.push_back(tap.secondsSince(click) * 1000);
  }
  std::sort(millis.begin(), millis.end());
  state.counters["median_ms"] = millis[millis.size() / 2];
  state.counters["p99_ms"] = millis[std::min(millis.size() - 1, millis.size() * 99 / 100)];
}
BENCHMARK(BM_MusicClickToFirstSound)->Unit(benchmark::kMillisecond)->Iterations(40)->UseRealTime();

// Half a million notes at the first tick, within the size a MIDI file may have.
void BM_DenseMusicWorstCall(benchmark::State& state) {
  test::TempDir dir;
  const std::string path = dir.write("dense.mid", test::manyNotesMidi(499'975));
  OpenMusic output;
  if (!opened(state, output)) return;
  MidiMusicOutput& music = output.music;
  double worst = 0;
  for (auto _ : state) {
    auto start = Clock::now();
    try {
      startClick(music, path);
    } catch (const LoadError&) {
      // refused: the button stays silent
    }
    worst = std::max(worst, millisSince(start));
    // Ten seconds of the music timer's ticks.
    for (int tick = 0; tick < 20; ++tick) {
      std::this_thread::sleep_for(std::chrono::milliseconds(500));
      start = Clock::now();
      benchmark::DoNotOptimize(music.playing());
      worst = std::max(worst, millisSince(start));
    }
    music.stop();
  }
  state.counters["worst_call_ms"] = worst;
}
BENCHMARK(BM_DenseMusicWorstCall)->Unit(benchmark::kMillisecond)->Iterations(1)->UseRealTime();

// The most a piece may hold, a note every millisecond: what loading the
// largest piece that is still played costs the start click.
void BM_LoadLargestPlayablePiece(benchmark::State& state) {
  test::TempDir dir;
  const std::string path = dir.write("large.mid", test::manyNotesMidi(kMostEvents / 2 - 1, 1));
  OpenMusic output;
  if (!opened(state, output)) return;
  for (auto _ : state) benchmark::DoNotOptimize(output.music.load(path));
}
BENCHMARK(BM_LoadLargestPlayablePiece)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace
}  // namespace vellumo

int main(int argc, char** argv) { return vellumo::bench::runOnDiskAudio(argc, argv); }
