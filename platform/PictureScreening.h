#pragma once
// Looks at a picture file's own structure before it reaches a decoder.
// Decoders allocate whatever size a header claims, may pad data that stops
// short, and work through as many passes as a file holds. So the few formats
// the program reads are recognised by their content here, their declared size
// is held to the picture limits (Picture.h), every segment, chunk or block
// must lie wholly inside the file, and the passes a file can make a decoder
// work through without producing pixels are counted and held.
// Anything else (a sound, a text, a format the program never uses) is refused
// too. Needs no display and no decoder.

#include <cstddef>
#include <span>

namespace vellumo {

enum class PictureFormat { Jpeg, Gif, Bmp, Png, Icon, Cursor };

// A progressive JPEG is decoded in one pass over the whole picture per scan.
// Encoders write about ten; a file with hundreds of scans is only a way to
// keep the decoder busy.
constexpr int kMaxJpegScans = 32;

// Each clear code in a GIF makes the decoder reset its whole code table
// without producing a pixel; millions of them keep it busy for seconds.
// Encoders clear when the table is full, or at most every 254 codes.
constexpr std::size_t kMaxGifClearCodes = 16384;

// The format of the bytes. Throws LoadError for an unknown format, a declared
// size outside the picture limits, a truncated file, a JPEG with more than
// kMaxJpegScans scans or a GIF with more than kMaxGifClearCodes clear codes.
PictureFormat screenPicture(std::span<const unsigned char> bytes);

}  // namespace vellumo
