#pragma once
// Walks the LZW code stream of one GIF image without decoding it, reading
// each code at the width a decoder would. What it counts is the one cost in
// a GIF that its size does not bound: each clear code makes the decoder reset
// its whole code table, and a stream of nothing else keeps it busy for
// seconds without producing a pixel.

#include <cstddef>

#include "platform/ByteReader.h"

namespace vellumo {

// Reads from the minimum code size byte to the end of the image's data
// sub-blocks and returns how many clear codes come before the end code.
// Throws LoadError for a corrupt or cut-off stream, or once the count passes
// `mostClearCodes`.
std::size_t countClearCodes(ByteReader& reader, std::size_t mostClearCodes);

}  // namespace vellumo
