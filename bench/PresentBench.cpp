// What showing one composed frame costs in the window: unscaled, as in the
// program's own display mode, and scaled to fit the whole display where that
// mode is missing (1280x1024, 1920x1080). Painted into SDL window surfaces of
// the display-less driver, so only the drawing is timed.

#include <benchmark/benchmark.h>

#include <SDL.h>

#include <cstdlib>

#include "platform/WindowPainting.h"

namespace vellumo {
namespace {

void BM_PresentFrame(benchmark::State& state) {
  const int width = static_cast<int>(state.range(0)), height = static_cast<int>(state.range(1));
  ::setenv("SDL_VIDEODRIVER", "dummy", 1);
  if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) return state.SkipWithError(SDL_GetError());
  SDL_Window* window = SDL_CreateWindow("", 0, 0, width, height, SDL_WINDOW_HIDDEN);
  Picture frame(1024, 768, rgb(200, 120, 40));
  for (int x = 0; x < frame.width; x += 7) frame.at(x, x % frame.height) = rgb(0, 0, 0);
  const bool scaled = width != frame.width || height != frame.height;
  FrameFit fit;
  for (auto _ : state) {
    if (scaled)
      paintWindowFitted(window, frame, fit);
    else
      paintWindow(window, frame, rgb(0, 0, 0));
  }
  SDL_DestroyWindow(window);
  SDL_QuitSubSystem(SDL_INIT_VIDEO);
}
BENCHMARK(BM_PresentFrame)->Args({1024, 768})->Args({1280, 1024})->Args({1920, 1080})->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vellumo

BENCHMARK_MAIN();
