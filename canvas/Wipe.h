#pragma once
// The eraser and the blank page. Both first wipe the canvas white in one of
// eight sweep patterns that the child watches happen, with a sound; then the
// blank page becomes the canvas's picture. The eraser then puts the current
// outline picture back.

#include "core/WipePatternChooser.h"

namespace vellumo {

struct MainWindow;

// Pixel orders of one sweep over the 750x600 canvas; each has 450,000 steps.
enum class Sweep { RowsDown, ColumnsRight, ColumnsLeft, RowsUp, EvenRows };

constexpr int kSweepSteps = 750 * 600;

struct SweepStep {
  int x, y;
};
// Step i of a sweep. Half the steps of EvenRows lie below the canvas
// (y >= 600) and change nothing, so that sweep still takes its full time.
SweepStep sweepStep(Sweep sweep, int i);

struct WipePattern {
  Sweep first;
  bool twoSweeps;
  Sweep second;
};
// Patterns 1 to 8 (element 0 unused).
extern const WipePattern kWipePatterns[9];

// How long the child watches one sweep.
constexpr double kSweepSeconds = 1.0;

// The sweeps of one pattern, shown as they go.
void runWipePattern(MainWindow& w, int pattern);

void brisanje_slika(MainWindow& w);  // the wipe; a failure passes to the caller
void Rubber_Click(MainWindow& w);    // the eraser
void Papir_Click(MainWindow& w);     // the blank page

}  // namespace vellumo
