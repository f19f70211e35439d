#pragma once
// The desktop the program runs on, made with SDL: the two windows, the frame,
// pointers, the keyboard lock, the display mode, events and the rest of
// Desktop.

#include <memory>
#include <stdexcept>

#include "platform/Desktop.h"

namespace vellumo {

// There is no display to show the program on; the message says why.
struct DisplayUnavailable : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Creates the hidden main window and starts turning SIGTERM, SIGINT and
// SIGHUP into CloseRequested events. One at a time per process. Throws
// DisplayUnavailable.
std::unique_ptr<Desktop> createSdlDesktop();

}  // namespace vellumo
