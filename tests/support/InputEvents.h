#pragma once
// Input events as the desktop delivers them, for driving the main window.

#include "app/FormaMain.h"
#include "platform/Desktop.h"

namespace vellumo::test {

inline InputEvent mouseEvent(InputEvent::Kind kind, int x, int y, int button, int buttons) {
  InputEvent e;
  e.kind = kind;
  e.x = x;
  e.y = y;
  e.button = button;
  e.buttons = buttons;
  return e;
}

// A left click at a window position.
inline void clickAt(FormaMain& form, int x, int y) {
  form.handle(mouseEvent(InputEvent::Kind::MouseDown, x, y, kLeftButton, kLeftButton));
  form.handle(mouseEvent(InputEvent::Kind::MouseUp, x, y, kLeftButton, 0));
}

// A left click near an element's top-left corner.
inline void clickElement(FormaMain& form, ElementId id) {
  clickAt(form, form.elements().left(id) + 5, form.elements().top(id) + 5);
}

}  // namespace vellumo::test
