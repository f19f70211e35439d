// Bucket fill speed in pixels per second on three patterns: the whole blank
// page, one region of an outline picture, and a serpentine maze of
// one-pixel corridors (the hardest case for a span fill). Where OpenCV is
// installed, its flood fill runs on the same pixels for comparison.

#include <benchmark/benchmark.h>

#include <cmath>

#include "canvas/FloodFill.h"

#ifdef VELLUMO_WITH_OPENCV
#include <opencv2/imgproc.hpp>
#endif

namespace vellumo {
namespace {

constexpr Colour kWhite = rgb(255, 255, 255), kBlack = rgb(0, 0, 0), kRed = rgb(255, 0, 0);

struct Pattern {
  Picture picture;
  int seedX, seedY;
};

Pattern blankPage() { return {Picture(750, 600, kWhite), 375, 300}; }

// An outline picture's typical region: the inside of a big round shape with
// a few shapes cut out of it, drawn with 4-pixel black lines.
Pattern outlineRegion() {
  Picture p(750, 600, kWhite);
  auto ring = [&](double cx, double cy, double radius) {
    for (int y = 0; y < 600; ++y)
      for (int x = 0; x < 750; ++x)
        if (std::abs(std::hypot(x - cx, y - cy) - radius) < 2.0) p.at(x, y) = kBlack;
  };
  ring(375, 300, 250);
  ring(300, 250, 50);
  ring(450, 250, 50);
  ring(375, 400, 70);
  return {std::move(p), 375, 150};
}

Pattern serpentine() {
  Picture p(750, 600, kBlack);
  for (int y = 0; y < 600; y += 2) {
    for (int x = 0; x < 750; ++x) p.at(x, y) = kWhite;
    if (y + 1 < 600) p.at((y / 2) % 2 ? 0 : 749, y + 1) = kWhite;
  }
  return {std::move(p), 0, 0};
}

Pattern make(int which) {
  switch (which) {
    case 0: return blankPage();
    case 1: return outlineRegion();
    default: return serpentine();
  }
}
const char* kNames[] = {"blank page", "outline region", "serpentine maze"};

// Each iteration fills the same region, alternating between two colours, so
// no copy of the picture is needed between iterations.
void BM_FloodFill(benchmark::State& state) {
  Pattern pattern = make(static_cast<int>(state.range(0)));
  const Colour colours[2] = {kRed, pattern.picture.at(pattern.seedX, pattern.seedY)};
  long pixels = 0;
  int turn = 0;
  for (auto _ : state) {
    pixels += floodFill(pattern.picture, pattern.seedX, pattern.seedY, colours[turn]);
    turn ^= 1;
  }
  state.SetItemsProcessed(pixels);
  state.SetLabel(kNames[state.range(0)]);
}
BENCHMARK(BM_FloodFill)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);

#ifdef VELLUMO_WITH_OPENCV
void BM_OpenCvFloodFill(benchmark::State& state) {
  Pattern pattern = make(static_cast<int>(state.range(0)));
  // OpenCV fills one- or three-channel images only: give it one 32-bit float
  // per pixel holding the colour value, which floats carry exactly, so both
  // fills move the same four bytes a pixel.
  cv::Mat image(600, 750, CV_32FC1);
  for (int y = 0; y < 600; ++y)
    for (int x = 0; x < 750; ++x) image.at<float>(y, x) = static_cast<float>(pattern.picture.at(x, y));
  const cv::Scalar colours[2] = {cv::Scalar(static_cast<float>(kRed)),
                                 cv::Scalar(static_cast<float>(pattern.picture.at(pattern.seedX, pattern.seedY)))};
  long pixels = 0;
  int turn = 0;
  for (auto _ : state) {
    pixels += cv::floodFill(image, cv::Point(pattern.seedX, pattern.seedY), colours[turn], nullptr, cv::Scalar::all(0),
                            cv::Scalar::all(0), 4);
    turn ^= 1;
  }
  state.SetItemsProcessed(pixels);
  state.SetLabel(kNames[state.range(0)]);
}
BENCHMARK(BM_OpenCvFloodFill)->DenseRange(0, 2)->Unit(benchmark::kMicrosecond);
#endif

}  // namespace
}  // namespace vellumo

BENCHMARK_MAIN();
