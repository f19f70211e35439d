#pragma once
// Pictures encoded by libjpeg and libpng themselves, as other programs write
// them, for tests of the decoders' good paths and limits.

#include "TestFiles.h"

namespace vellumo::test {

enum class PngKind { Rgb, RgbaHalfOpaque, PaletteWithTransparency, Grey16, Interlaced };

// Grey16 stores the red channel as grey; PaletteWithTransparency needs at
// most 256 colours and makes the first one transparent.
Bytes pngFile(const Picture& picture, PngKind kind);

// Baseline, colour at half resolution (what most cameras and programs write).
Bytes jpegFile(const Picture& picture, int quality = 90);

// Progressive, colour at full resolution, in exactly `scans` scans (4 to
// 190): the DC coefficients of all three colour components, then each
// component's AC coefficients in bands.
Bytes progressiveJpeg(const Picture& picture, int scans, int quality = 90);

}  // namespace vellumo::test
