#include "platform/InputTranslation.h"

#include "platform/KeyTranslation.h"

namespace vellumo {

namespace {

int programButton(Uint8 sdlButton) {
  switch (sdlButton) {
    case SDL_BUTTON_LEFT: return kLeftButton;
    case SDL_BUTTON_RIGHT: return kRightButton;
    case SDL_BUTTON_MIDDLE: return kMiddleButton;
    default: return 0;
  }
}

int programButtons(Uint32 sdlState) {
  return ((sdlState & SDL_BUTTON_LMASK) ? kLeftButton : 0) | ((sdlState & SDL_BUTTON_RMASK) ? kRightButton : 0) |
         ((sdlState & SDL_BUTTON_MMASK) ? kMiddleButton : 0);
}

InputEvent eventOfKind(InputEvent::Kind kind) {
  InputEvent event;
  event.kind = kind;
  return event;
}

}  // namespace

std::optional<InputEvent> InputTranslator::translate(const SDL_Event& event) {
  switch (event.type) {
    case SDL_MOUSEMOTION: {
      if (event.motion.windowID != mainWindowId_) return std::nullopt;
      // SDL's own button state is the truth; it also mends a release that
      // never arrived.
      heldButtons_ = programButtons(event.motion.state);
      InputEvent move = eventOfKind(InputEvent::Kind::MouseMove);
      move.x = event.motion.x;
      move.y = event.motion.y;
      move.buttons = heldButtons_;
      return move;
    }
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: return translateButton(event.button);
    case SDL_KEYDOWN:
    case SDL_KEYUP: return translateKeyEvent(event.key);
    case SDL_WINDOWEVENT: return translateWindowEvent(event.window);
    case SDL_QUIT: return eventOfKind(InputEvent::Kind::CloseRequested);
    default: return std::nullopt;
  }
}

std::optional<InputEvent> InputTranslator::translateButton(const SDL_MouseButtonEvent& button) {
  const int which = programButton(button.button);
  if (button.windowID != mainWindowId_ || which == 0) return std::nullopt;
  const bool pressed = button.type == SDL_MOUSEBUTTONDOWN;
  if (pressed) {
    heldButtons_ |= which;
  } else {
    heldButtons_ &= ~which;
  }
  InputEvent event = eventOfKind(pressed ? InputEvent::Kind::MouseDown : InputEvent::Kind::MouseUp);
  event.x = button.x;
  event.y = button.y;
  event.button = which;
  event.buttons = heldButtons_;
  return event;
}

std::optional<InputEvent> InputTranslator::translateWindowEvent(const SDL_WindowEvent& window) const {
  if (window.event == SDL_WINDOWEVENT_CLOSE) return eventOfKind(InputEvent::Kind::CloseRequested);
  if (window.windowID != mainWindowId_) return std::nullopt;
  switch (window.event) {
    case SDL_WINDOWEVENT_EXPOSED:
    case SDL_WINDOWEVENT_RESTORED:
    case SDL_WINDOWEVENT_SIZE_CHANGED:  // a new size means a new, empty surface
      return eventOfKind(InputEvent::Kind::Exposed);
    default: return std::nullopt;
  }
}

}  // namespace vellumo
