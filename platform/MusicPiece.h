#pragma once
// The body of the music type that Desktop.h only names. It needs no platform
// header, so a test double can make pieces of its own; the real desktop keeps
// the loaded music in `native`.

#include <memory>
#include <string>

#include "platform/Desktop.h"

namespace vellumo {

struct MusicPiece {
  std::string path;
  std::shared_ptr<const void> native;  // empty in a test double
};

}  // namespace vellumo
