// How long the child waits for the screen to answer: one mouse move over the
// bare window (eighteen picture loads and the recomposed frame), one palette
// click, and opening the gallery (26 picture loads and the frame). Each
// iteration is timed on its own; the median and the 99th percentile are
// reported as counters.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <vector>

#include "app/FormaMain.h"
#include "screens/ScreenStates.h"
#include "tests/support/InputEvents.h"
#include "tests/support/RecordingDesktop.h"

namespace vellumo {
namespace {

using test::mouseEvent;

template <typename Action>
void timeEach(benchmark::State& state, Action&& action) {
  test::RecordingDesktop desktop;
  desktop.keepLastFrame = false;
  FormaMain form(desktop, VELLUMO_APP_DIR);
  form.Form_Load();
  std::vector<double> micros;
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    action(form);
    micros.push_back(std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start).count());
  }
  std::sort(micros.begin(), micros.end());
  state.counters["median_us"] = micros[micros.size() / 2];
  state.counters["p99_us"] = micros[std::min(micros.size() - 1, micros.size() * 99 / 100)];
}

void BM_FormMouseMove(benchmark::State& state) {
  int turn = 0;
  timeEach(state, [&](FormaMain& form) {
    // Alternate between a button and the background so every move changes looks.
    form.handle(mouseEvent(InputEvent::Kind::MouseMove, (turn ^= 1) ? 260 : 900, 700, 0, 0));
  });
}
BENCHMARK(BM_FormMouseMove)->Unit(benchmark::kMicrosecond);

void BM_PaletteClick(benchmark::State& state) {
  int turn = 0;
  timeEach(state, [&](FormaMain& form) {
    const int x = (turn ^= 1) ? 20 : 300;
    form.handle(mouseEvent(InputEvent::Kind::MouseDown, x, 700, kLeftButton, kLeftButton));
    form.handle(mouseEvent(InputEvent::Kind::MouseUp, x, 700, kLeftButton, 0));
  });
}
BENCHMARK(BM_PaletteClick)->Unit(benchmark::kMicrosecond);

void BM_OpenGallery(benchmark::State& state) {
  timeEach(state, [&](FormaMain& form) {
    MoreImages_Click(form.window());
    form.window().present();
    Back_Click(form.window());
  });
}
BENCHMARK(BM_OpenGallery)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vellumo

BENCHMARK_MAIN();
