#pragma once
// GIF pictures through giflib: the first image of the file, at its own size,
// as the program has always shown a GIF. The bytes must have passed the
// screening.

#include <span>

#include "platform/Picture.h"

namespace vellumo {

// Throws LoadError for data giflib refuses, an image with no colour table to
// give its pixels colours, or one cut short.
Picture decodeGif(std::span<const unsigned char> bytes);

}  // namespace vellumo
