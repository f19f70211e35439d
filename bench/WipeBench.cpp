// The wipe's real duration for each of its eight patterns and the rate at
// which its progress is presented, on a real clock: the pacing sleeps for
// real and every frame is composed as the program composes it.

#include <benchmark/benchmark.h>

#include <chrono>
#include <thread>

#include "app/FormaMain.h"
#include "canvas/Wipe.h"
#include "tests/support/RecordingDesktop.h"

namespace vellumo {
namespace {

class RealTimeDesktop : public test::RecordingDesktop {
 public:
  double now() override {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
  }
  void sleepFor(double seconds) override { std::this_thread::sleep_for(std::chrono::duration<double>(seconds)); }
};

void BM_WipePattern(benchmark::State& state) {
  RealTimeDesktop desktop;
  desktop.keepLastFrame = false;
  FormaMain form(desktop, VELLUMO_APP_DIR);
  form.Form_Load();
  const int pattern = static_cast<int>(state.range(0));
  double seconds = 0;
  int frames = 0;
  for (auto _ : state) {
    const int before = desktop.presents;
    const double start = desktop.now();
    runWipePattern(form.window(), pattern);
    seconds = desktop.now() - start;
    frames = desktop.presents - before;
  }
  state.counters["seconds"] = seconds;
  state.counters["frames_per_second"] = frames / seconds;
}
BENCHMARK(BM_WipePattern)->DenseRange(1, 8)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vellumo

BENCHMARK_MAIN();
