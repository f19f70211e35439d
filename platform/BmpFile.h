#pragma once
// Saving a picture as an uncompressed 24-bit BMP file. Needs no display and
// no SDL, so test doubles save with the real thing.

#include <string>

#include "platform/Picture.h"

namespace vellumo {

// Write the picture to `path`, replacing any file there only once the new
// one is complete and on disk: a crash or power cut leaves either the old
// file or the new one, never a torn one. Throws LoadError when the folder is
// missing or cannot be written, leaving any old file as it was and no
// temporary file behind.
void writeBmpFile(const Picture& picture, const std::string& path);

}  // namespace vellumo
