// Mouse and window events: client coordinates kept as they come (outside the
// window, negative included), the held-button set, and which window counts.

#include <gtest/gtest.h>

#include "platform/InputTranslation.h"

namespace vellumo {
namespace {

constexpr Uint32 kMain = 7;
constexpr Uint32 kSplash = 8;

SDL_Event button(Uint32 type, Uint8 which, int x, int y, Uint32 window = kMain) {
  SDL_Event event{};
  event.button.type = type;
  event.button.windowID = window;
  event.button.button = which;
  event.button.state = type == SDL_MOUSEBUTTONDOWN ? SDL_PRESSED : SDL_RELEASED;
  event.button.x = x;
  event.button.y = y;
  return event;
}

SDL_Event motion(int x, int y, Uint32 state, Uint32 window = kMain) {
  SDL_Event event{};
  event.motion.type = SDL_MOUSEMOTION;
  event.motion.windowID = window;
  event.motion.x = x;
  event.motion.y = y;
  event.motion.state = state;
  return event;
}

SDL_Event windowEvent(Uint8 what, Uint32 window = kMain) {
  SDL_Event event{};
  event.window.type = SDL_WINDOWEVENT;
  event.window.windowID = window;
  event.window.event = what;
  return event;
}

TEST(InputTranslation, ButtonsAddUpWhileHeldAndCoordinatesPassUnclipped) {
  using Kind = InputEvent::Kind;
  InputTranslator translator(kMain);
  const struct {
    SDL_Event sdl;
    Kind kind;
    int x, y, button, buttons;
  } steps[] = {
      {button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 100, 200), Kind::MouseDown, 100, 200, kLeftButton, kLeftButton},
      {button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT, 101, 200), Kind::MouseDown, 101, 200, kRightButton,
       kLeftButton | kRightButton},
      // Captured: the pointer has left the window, up and to the left.
      {motion(-30, -4, SDL_BUTTON_LMASK | SDL_BUTTON_RMASK), Kind::MouseMove, -30, -4, 0, kLeftButton | kRightButton},
      {motion(1100, 900, SDL_BUTTON_LMASK | SDL_BUTTON_RMASK), Kind::MouseMove, 1100, 900, 0,
       kLeftButton | kRightButton},
      {button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_MIDDLE, 1100, 900), Kind::MouseDown, 1100, 900, kMiddleButton,
       kLeftButton | kRightButton | kMiddleButton},
      {button(SDL_MOUSEBUTTONUP, SDL_BUTTON_LEFT, 1100, 900), Kind::MouseUp, 1100, 900, kLeftButton,
       kRightButton | kMiddleButton},
      {button(SDL_MOUSEBUTTONUP, SDL_BUTTON_MIDDLE, 5, 6), Kind::MouseUp, 5, 6, kMiddleButton, kRightButton},
      {button(SDL_MOUSEBUTTONUP, SDL_BUTTON_RIGHT, 5, 6), Kind::MouseUp, 5, 6, kRightButton, 0},
      {motion(7, 8, 0), Kind::MouseMove, 7, 8, 0, 0},
  };
  int index = 0;
  for (const auto& step : steps) {
    SCOPED_TRACE(index++);
    const std::optional<InputEvent> event = translator.translate(step.sdl);
    ASSERT_TRUE(event.has_value());
    EXPECT_EQ(event->kind, step.kind);
    EXPECT_EQ(event->x, step.x);
    EXPECT_EQ(event->y, step.y);
    EXPECT_EQ(event->button, step.button);
    EXPECT_EQ(event->buttons, step.buttons);
  }
}

TEST(InputTranslation, MovesReportTheButtonsReallyHeld) {
  // A release that never arrived (focus taken mid-drag) must not leave the
  // button held for ever.
  InputTranslator translator(kMain);
  translator.translate(button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 1, 1));
  EXPECT_EQ(translator.translate(motion(2, 2, 0))->buttons, 0);
  EXPECT_EQ(translator.translate(button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_RIGHT, 2, 2))->buttons, kRightButton);
}

TEST(InputTranslation, IgnoresTheSplashMouseAndExtraButtons) {
  InputTranslator translator(kMain);
  EXPECT_FALSE(translator.translate(motion(1, 1, 0, kSplash)));
  EXPECT_FALSE(translator.translate(button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 1, 1, kSplash)));
  EXPECT_FALSE(translator.translate(button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_X1, 1, 1)));
  // Neither counted as held.
  EXPECT_EQ(translator.translate(button(SDL_MOUSEBUTTONDOWN, SDL_BUTTON_LEFT, 1, 1))->buttons, kLeftButton);
}

TEST(InputTranslation, WindowEvents) {
  using Kind = InputEvent::Kind;
  SDL_Event quit{};
  quit.type = SDL_QUIT;
  const struct {
    const char* name;
    SDL_Event sdl;
    std::optional<Kind> expected;
  } cases[] = {
      {"main closed", windowEvent(SDL_WINDOWEVENT_CLOSE), Kind::CloseRequested},
      {"splash closed", windowEvent(SDL_WINDOWEVENT_CLOSE, kSplash), Kind::CloseRequested},
      {"quit", quit, Kind::CloseRequested},
      {"main exposed", windowEvent(SDL_WINDOWEVENT_EXPOSED), Kind::Exposed},
      {"main restored", windowEvent(SDL_WINDOWEVENT_RESTORED), Kind::Exposed},
      {"main resized", windowEvent(SDL_WINDOWEVENT_SIZE_CHANGED), Kind::Exposed},
      {"splash exposed", windowEvent(SDL_WINDOWEVENT_EXPOSED, kSplash), std::nullopt},
      {"main moved", windowEvent(SDL_WINDOWEVENT_MOVED), std::nullopt},
  };
  InputTranslator translator(kMain);
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::optional<InputEvent> event = translator.translate(c.sdl);
    ASSERT_EQ(event.has_value(), c.expected.has_value());
    if (event) {
      EXPECT_EQ(event->kind, *c.expected);
    }
  }
}

}  // namespace
}  // namespace vellumo
