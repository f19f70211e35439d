#pragma once
// Pictures encoded by libjpeg and libpng themselves, as other programs write
// them, for tests of the decoders' good paths and limits.

#include "TestFiles.h"

namespace vellumo::test {

enum class PngKind { Rgb, RgbaHalfOpaque, PaletteWithTransparency, Grey16, Interlaced };

// Grey16 stores the red channel as grey; PaletteWithTransparency needs at
// most 256 colours and makes the first one transparent.
Bytes pngFile(const Picture& picture, PngKind kind);

Bytes jpegFile(const Picture& picture, int quality = 90);

// A grey progressive JPEG of exactly `scans` scans (2 to 64): the DC
// coefficients, then the AC coefficients in bands.
Bytes progressiveJpeg(int width, int height, int scans);

}  // namespace vellumo::test
