#pragma once
// The one index of the window's event handlers: for every element, and for
// the window itself, each event it answers and the handler that answers it.
// The main window routes an event to its receiver (core/InputRouter.h) and
// looks the handler up here; an event with no row is ignored.

#include <optional>
#include <span>

#include "core/Layout.h"

namespace vellumo {

class FormaMain;

enum class ElementEvent {
  Click,      // a left press and release on the same element
  MouseMove,  // the hover handlers; the window's own move puts buttons back to rest
  MouseDown,
  KeyDown,
};

// What an event hands its handler.
struct ElementInput {
  int number = 0;              // the element's number in its family (palette button 1..12, thumbnail 1..25)
  int button = 0;              // MouseDown: the button that went down
  int buttons = 0;             // MouseMove: the buttons held
  int x = 0, y = 0;            // relative to the element, or window pixels for the window
  int keyCode = 0, shift = 0;  // KeyDown
};

using ElementHandlerFunction = void (*)(FormaMain& form, const ElementInput& input);

struct ElementHandler {
  enum class Receiver { Window, Element, Family };
  Receiver receiver;
  ElementId element;                   // Element: that element
  ElementId (*member)(int) = nullptr;  // Family: its n-th element, n = 1..familySize
  int familySize = 0;
  ElementEvent event;
  ElementHandlerFunction handler;
};

// Every row of the index.
std::span<const ElementHandler> elementHandlers();

// The handler of `event` on `receiver` (nothing: the window), with the
// receiver's number in its family written into `input`; null when it has none.
const ElementHandler* findElementHandler(std::optional<ElementId> receiver, ElementEvent event, ElementInput& input);

}  // namespace vellumo
