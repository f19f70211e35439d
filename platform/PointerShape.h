#pragma once
// The body of the pointer type that Desktop.h only names. It needs no
// platform header, so a test double can make pointers and tell them apart;
// the real desktop keeps its own cursor in `native`.

#include <memory>
#include <optional>

#include "platform/Desktop.h"

namespace vellumo {

struct PointerShape {
  std::optional<SystemPointer> system;  // set for a system pointer
  int width = 0, height = 0;            // of a pointer made from a file
  int hotSpotX = 0, hotSpotY = 0;
  // The platform's cursor; empty in a test double, or when the display cannot
  // show pointers of its own (the default pointer stays then).
  std::shared_ptr<void> native;
};

}  // namespace vellumo
