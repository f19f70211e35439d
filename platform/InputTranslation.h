#pragma once
// Turns SDL events into the program's InputEvents: the mouse over the main
// window with the set of held buttons, keys from either window, closing and
// exposure. Keeps the held-button set between events.

#include <SDL.h>

#include <cstdint>
#include <optional>

#include "platform/Desktop.h"

namespace vellumo {

class InputTranslator {
 public:
  explicit InputTranslator(std::uint32_t mainWindowId) : mainWindowId_(mainWindowId) {}

  // Nothing for events the program has no use for (the mouse over the splash
  // window, buttons other than left, right and middle, text input...).
  std::optional<InputEvent> translate(const SDL_Event& event);

 private:
  std::optional<InputEvent> translateButton(const SDL_MouseButtonEvent& button);
  std::optional<InputEvent> translateWindowEvent(const SDL_WindowEvent& window) const;

  std::uint32_t mainWindowId_;
  int heldButtons_ = 0;
};

}  // namespace vellumo
