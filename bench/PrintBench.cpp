// Printing as the parent waits for it: from Ctrl+P to the banner on the
// screen (capture, save with the file flushed to disk, read back, compose),
// and, against the print server CUPS_SERVER names (run it with a private
// cupsd; skipped without one), from handing the page over to the job
// accepted.

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <thread>

#include "app/FormaMain.h"
#include "platform/LoadError.h"
#include "platform/PrintJob.h"
#include "tests/support/PrivateAppFolder.h"
#include "tests/support/RecordingDesktop.h"

namespace vellumo {
namespace {

double seconds() { return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count(); }

void BM_CtrlPToBanner(benchmark::State& state) {
  test::PrivateAppFolder folder("print-bench");
  test::RecordingDesktop desktop;
  desktop.keepLastFrame = false;
  FormaMain form(desktop, folder.folder());
  form.Form_Load();
  double pressed = 0, banner = 0;
  desktop.onPresent = [&](const Picture&) {
    if (banner == 0 && form.elements().shown(ElementId::PrintPict)) banner = seconds();
  };
  InputEvent ctrlP;
  ctrlP.kind = InputEvent::Kind::KeyDown;
  ctrlP.vkCode = 80;
  ctrlP.shift = kCtrlMask;
  for (auto _ : state) {
    banner = 0;
    pressed = seconds();
    form.handle(ctrlP);  // the pause runs on the recording desktop's own clock
    state.SetIterationTime(banner - pressed);
  }
}
BENCHMARK(BM_CtrlPToBanner)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_PrintJobAccepted(benchmark::State& state) {
  if (!std::getenv("CUPS_SERVER")) {
    state.SkipWithError("set CUPS_SERVER to a private print server");
    return;
  }
  const Picture page(750, 600, rgb(255, 0, 0));
  for (auto _ : state) {
    try {
      printOnDefaultPrinter(page);
    } catch (const LoadError& e) {
      state.SkipWithError(e.what());
      return;
    }
  }
}
BENCHMARK(BM_PrintJobAccepted)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
}  // namespace vellumo

BENCHMARK_MAIN();
