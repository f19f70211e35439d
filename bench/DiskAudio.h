#pragma once
// The main of the audio benchmarks: SDL's disk driver plays in real time
// into a file, as a sound card would, on machines without one.

#include <benchmark/benchmark.h>

#include <cstdlib>

namespace vellumo::bench {

inline int runOnDiskAudio(int argc, char** argv) {
  ::setenv("SDL_AUDIODRIVER", "disk", 0);
  ::setenv("SDL_DISKAUDIOFILE", "/dev/null", 0);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}

}  // namespace vellumo::bench
