#pragma once
// JPEG pictures through libjpeg. The bytes must have passed the screening,
// which holds their size and number of scans; this refuses whatever libjpeg
// finds wrong with the data itself.

#include <span>

#include "platform/Picture.h"

namespace vellumo {

// Throws LoadError for data libjpeg cannot decode or warns about: a corrupt
// or cut-off scan is refused, never padded with grey.
Picture decodeJpeg(std::span<const unsigned char> bytes);

}  // namespace vellumo
