#include "canvas/Wipe.h"

#include <algorithm>

#include "audio/SoundEffects.h"
#include "core/AssetFiles.h"
#include "core/Canvas.h"
#include "core/MainWindow.h"

namespace vellumo {

namespace {

constexpr Colour kWipeColour = rgb(255, 255, 255);
constexpr int kW = Canvas::kWidth, kH = Canvas::kHeight;
// Frames shown per second while a sweep runs.
constexpr double kWipeFrameRate = 60.0;

}  // namespace

SweepStep sweepStep(Sweep sweep, int i) {
  switch (sweep) {
    case Sweep::RowsDown: return {i % kW, i / kW};
    case Sweep::ColumnsRight: return {i / kH, i % kH};
    case Sweep::ColumnsLeft: return {kW - 1 - i / kH, i % kH};
    case Sweep::RowsUp: return {kW - 1 - i % kW, kH - 1 - i / kW};
    case Sweep::EvenRows: return {i % kW, 2 * (i / kW)};
  }
  return {-1, -1};
}

// One pattern to a line.
// clang-format off
const WipePattern kWipePatterns[9] = {
    {Sweep::RowsDown, false, Sweep::RowsDown},  // unused
    {Sweep::RowsDown, false, Sweep::RowsDown},
    {Sweep::ColumnsRight, false, Sweep::ColumnsRight},
    {Sweep::ColumnsLeft, false, Sweep::ColumnsLeft},
    {Sweep::RowsUp, false, Sweep::RowsUp},
    {Sweep::EvenRows, true, Sweep::ColumnsRight},
    {Sweep::EvenRows, true, Sweep::RowsDown},
    {Sweep::EvenRows, true, Sweep::ColumnsLeft},
    {Sweep::EvenRows, true, Sweep::RowsUp},
};
// clang-format on

namespace {

// Runs every step of one sweep, writing each pixel straight to the canvas and
// showing the progress frame by frame, paced so the sweep lasts
// kSweepSeconds whatever the machine's speed. No events are handled meanwhile:
// input waits in the queue and is handled, in order, when the wipe is over.
void runSweep(MainWindow& w, Sweep sweep) {
  Picture& pixels = w.canvas.pixels();
  const double start = w.desktop.now();
  int done = 0;
  for (int frame = 1;; ++frame) {
    const double elapsed = w.desktop.now() - start;
    const int target = std::min(kSweepSteps, static_cast<int>(elapsed / kSweepSeconds * kSweepSteps) + 1);
    for (; done < target; ++done) {
      const SweepStep s = sweepStep(sweep, done);
      if (s.x >= 0 && s.x < kW && s.y >= 0 && s.y < kH) pixels.at(s.x, s.y) = kWipeColour;
    }
    w.canvas.changed();
    w.present();
    if (done == kSweepSteps) return;
    w.desktop.sleepFor(std::max(0.0, start + frame / kWipeFrameRate - w.desktop.now()));
  }
}

}  // namespace

void runWipePattern(MainWindow& w, int pattern) {
  const WipePattern& p = kWipePatterns[pattern];
  runSweep(w, p.first);
  if (p.twoSweeps) runSweep(w, p.second);
}

void brisanje_slika(MainWindow& w) {
  const int pattern = w.wipePatterns.choose(w.desktop.now());
  PlaySoundEffect(w, kWipeSound);
  runWipePattern(w, pattern);
  w.canvas.load(*w.picture(asset::BlankPage));
}

void Rubber_Click(MainWindow& w) {
  guarded([&] {
    brisanje_slika(w);
    const int n = w.state.CurrentPicture;
    if (n >= 1 && n <= 25) w.canvas.load(*w.picture(outlinePicture(n)));
  });
}

// A blank page that cannot be read ends the click as quietly as the eraser's.
void Papir_Click(MainWindow& w) {
  guarded([&] { brisanje_slika(w); });
}

}  // namespace vellumo
