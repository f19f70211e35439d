#pragma once
// The desktop the program runs on, made with SDL: the two windows, the frame,
// pointers, the keyboard lock, the display mode, events and the rest of
// Desktop.

#include <memory>
#include <stdexcept>

#include "platform/Desktop.h"
#include "platform/DisplayModeGuardian.h"

namespace vellumo {

// There is no display to show the program on; the message says why.
struct DisplayUnavailable : std::runtime_error {
  using std::runtime_error::runtime_error;
};

// Creates the hidden main window and starts turning SIGTERM, SIGINT and
// SIGHUP into CloseRequested events. One at a time per process. The guardian,
// when there is one, is told of every switch of the display mode and of its
// way back. Throws DisplayUnavailable.
std::unique_ptr<Desktop> createSdlDesktop(DisplayModeGuardian guardian = {});

}  // namespace vellumo
