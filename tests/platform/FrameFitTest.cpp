// The program's frame on a display without its mode: where it stands, that
// every window pixel shows the frame pixel the mouse is mapped to there, and
// black around it. Painted into real SDL window surfaces (display-less driver).

#include "platform/FrameFit.h"

#include <gtest/gtest.h>

#include <SDL.h>

#include <cstdlib>

#include "platform/WindowPainting.h"

namespace vellumo {
namespace {

TEST(FrameFit, LargestScaleThatFitsCentred) {
  const struct {
    int windowWidth, windowHeight;
    FrameFit expected;
  } cases[] = {
      {1280, 1024, {1024, 768, 0, 32, 1280, 960}}, {1920, 1080, {1024, 768, 240, 0, 1440, 1080}},
      {1024, 768, {1024, 768, 0, 0, 1024, 768}},   {1366, 768, {1024, 768, 171, 0, 1024, 768}},
      {800, 600, {1024, 768, 0, 0, 800, 600}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.windowWidth) + "x" + std::to_string(c.windowHeight));
    const FrameFit fit = FrameFit::of(1024, 768, c.windowWidth, c.windowHeight);
    EXPECT_EQ(fit.left, c.expected.left);
    EXPECT_EQ(fit.top, c.expected.top);
    EXPECT_EQ(fit.width, c.expected.width);
    EXPECT_EQ(fit.height, c.expected.height);
  }
}

TEST(FrameFit, WindowPixelsBesideTheFrameMapOutsideIt) {
  const FrameFit fit = FrameFit::of(1024, 768, 1280, 1024);
  EXPECT_EQ(fit.frameColumn(0), 0);
  EXPECT_EQ(fit.frameColumn(1279), 1023);
  EXPECT_EQ(fit.frameRow(31), -1);
  EXPECT_EQ(fit.frameRow(32), 0);
  EXPECT_EQ(fit.frameRow(991), 767);
  EXPECT_EQ(fit.frameRow(992), 768);
  EXPECT_EQ(fit.frameRow(0), -26) << "rounded down, not towards zero";
}

class FittedPainting : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    ::setenv("SDL_VIDEODRIVER", "dummy", 1);
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_VIDEO), 0) << SDL_GetError();
  }
  static void TearDownTestSuite() { SDL_QuitSubSystem(SDL_INIT_VIDEO); }
};

// Every pixel a colour of its own place.
Picture numberedFrame() {
  Picture frame(1024, 768);
  for (int y = 0; y < frame.height; ++y)
    for (int x = 0; x < frame.width; ++x) frame.at(x, y) = rgb(x & 0xFF, y & 0xFF, ((x >> 8) << 4) | (y >> 8));
  return frame;
}

TEST_F(FittedPainting, EachWindowPixelShowsTheFramePixelTheMouseMapsTo) {
  const Picture frame = numberedFrame();
  for (const auto& [width, height] : {std::pair{1280, 1024}, std::pair{1920, 1080}, std::pair{1024, 768}}) {
    SCOPED_TRACE(std::to_string(width) + "x" + std::to_string(height));
    SDL_Window* window = SDL_CreateWindow("", 0, 0, width, height, SDL_WINDOW_HIDDEN);
    ASSERT_NE(window, nullptr) << SDL_GetError();
    FrameFit fit;
    ASSERT_TRUE(paintWindowFitted(window, frame, fit));
    SDL_Surface* surface = SDL_GetWindowSurface(window);
    ASSERT_EQ(surface->w, width);
    int wrong = 0;
    for (int y = 0; y < height && wrong < 5; ++y) {
      for (int x = 0; x < width && wrong < 5; ++x) {
        Uint8 r, g, b;
        const Uint32 pixel =
            reinterpret_cast<const Uint32*>(static_cast<const unsigned char*>(surface->pixels) + y * surface->pitch)[x];
        SDL_GetRGB(pixel, surface->format, &r, &g, &b);
        const int fx = fit.frameColumn(x), fy = fit.frameRow(y);
        const bool inside = fx >= 0 && fx < frame.width && fy >= 0 && fy < frame.height;
        const Colour expected = inside ? frame.at(fx, fy) : rgb(0, 0, 0);
        if (rgb(r, g, b) != expected) {
          ADD_FAILURE() << "window pixel " << x << "," << y << " (frame " << fx << "," << fy << ")";
          ++wrong;
        }
      }
    }
    SDL_DestroyWindow(window);
  }
}

}  // namespace
}  // namespace vellumo
