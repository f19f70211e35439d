#pragma once

namespace vellumo {

// How the process ends. Nothing is ever shown to the child; the status tells
// a parent or a script starting the program what happened.
constexpr int kExitNormal = 0;
constexpr int kExitNoDisplay = 1;      // no display to show the program on
constexpr int kExitAssetsDamaged = 2;  // a shipped picture is missing or changed
constexpr int kExitStartFailed = 3;    // the program's own built-in pictures could not be read

}  // namespace vellumo
