// The index of the window's handlers: who answers which event, and the
// number a family member's handler is given.

#include "app/ElementHandlers.h"

#include <gtest/gtest.h>

#include <string>

namespace vellumo {
namespace {

constexpr ElementEvent kEvents[] = {ElementEvent::Click, ElementEvent::MouseMove, ElementEvent::MouseDown,
                                    ElementEvent::KeyDown};

// How many rows answer `event` on `receiver`; the lookup takes the first, so
// a second would never run.
int rowsFor(std::optional<ElementId> receiver, ElementEvent event) {
  int rows = 0;
  for (const ElementHandler& row : elementHandlers()) {
    if (row.event != event) continue;
    using Receiver = ElementHandler::Receiver;
    if (row.receiver == Receiver::Window && !receiver) ++rows;
    if (row.receiver == Receiver::Element && receiver == row.element) ++rows;
    if (row.receiver == Receiver::Family && receiver)
      for (int n = 1; n <= row.familySize; ++n) rows += row.member(n) == *receiver;
  }
  return rows;
}

TEST(ElementHandlers, NoEventOfAnyReceiverHasTwoHandlers) {
  for (ElementEvent event : kEvents) {
    EXPECT_LE(rowsFor(std::nullopt, event), 1) << "the window, event " << static_cast<int>(event);
    for (int i = 0; i < kElementCount; ++i)
      EXPECT_LE(rowsFor(static_cast<ElementId>(i), event), 1)
          << kLayout[i].name << ", event " << static_cast<int>(event);
  }
}

TEST(ElementHandlers, FindsTheHandlerAndTheFamilyNumber) {
  struct Case {
    std::optional<ElementId> receiver;
    ElementEvent event;
    bool answered;
    int number;  // in the family that answers; 0 for a single element or none
  };
  const Case cases[] = {
      {galerija(7), ElementEvent::Click, true, 7},
      {galerija(25), ElementEvent::MouseMove, true, 25},
      {paleta(1), ElementEvent::Click, true, 1},
      {paleta(12), ElementEvent::MouseMove, true, 12},
      {ElementId::Rubber, ElementEvent::KeyDown, true, 5},  // the fifth painting-screen button takes the shortcuts
      {std::nullopt, ElementEvent::KeyDown, true, 0},       // and so does the window
      {std::nullopt, ElementEvent::MouseMove, true, 0},     // whose move puts the buttons back to rest
      {ElementId::Back, ElementEvent::KeyDown, false, 0},   // the gallery has no key handler
      {galerija(3), ElementEvent::KeyDown, false, 0},
      {ElementId::Da, ElementEvent::KeyDown, false, 0},
      {ElementId::Rubber, ElementEvent::MouseDown, false, 0},  // only the canvas answers a press
      {std::nullopt, ElementEvent::MouseDown, false, 0},
      {ElementId::lblPlay, ElementEvent::Click, false, 0},
  };
  for (const Case& c : cases) {
    const std::string what = (c.receiver ? std::string(kLayout[index(*c.receiver)].name) : "the window") + ", event " +
                             std::to_string(static_cast<int>(c.event));
    ElementInput input;
    const ElementHandler* row = findElementHandler(c.receiver, c.event, input);
    EXPECT_EQ(row != nullptr, c.answered) << what;
    EXPECT_EQ(input.number, c.number) << what;
  }
}

}  // namespace
}  // namespace vellumo
