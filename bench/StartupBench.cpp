// Start-up work outside the two three-second pauses, and the asset check on
// the real application folder. The pauses run on the recording desktop's
// virtual clock, so what is timed is exactly the program's own work: decoding
// the built-in pictures, composing the first frame, the 147 size queries.

#include <benchmark/benchmark.h>

#include "app/AssetCheck.h"
#include "app/FormaMain.h"
#include "core/AppState.h"
#include "tests/support/RecordingDesktop.h"

namespace vellumo {
namespace {

void BM_StartupOutsideThePauses(benchmark::State& state) {
  for (auto _ : state) {
    test::RecordingDesktop desktop;
    desktop.keepLastFrame = false;
    FormaMain form(desktop, VELLUMO_APP_DIR);
    form.Form_Load();
    benchmark::DoNotOptimize(desktop.presents);
  }
}
BENCHMARK(BM_StartupOutsideThePauses)->Unit(benchmark::kMillisecond);

void BM_CheckAssetFiles(benchmark::State& state) {
  test::RecordingDesktop desktop;
  AppState appState;
  appState.AssetRoot = VELLUMO_APP_DIR;
  for (auto _ : state) {
    desktop.sizeQueries.clear();
    CheckAssetFiles(desktop, appState);
  }
}
BENCHMARK(BM_CheckAssetFiles)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vellumo

BENCHMARK_MAIN();
