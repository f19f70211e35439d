#pragma once
// PNG pictures through libpng. The bytes must have passed the screening,
// which holds their size and makes sure every chunk is wholly present.

#include <span>

#include "platform/Picture.h"

namespace vellumo {

// Throws LoadError for data libpng refuses. Transparency is dropped: a
// pixel shows its colour, as every other picture does.
Picture decodePng(std::span<const unsigned char> bytes);

}  // namespace vellumo
