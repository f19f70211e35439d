#pragma once
// Looks at a picture file's own structure before it reaches the decoder.
// The decoder is trusting: it allocates whatever size a header claims, and it
// quietly fills a cut-off JPEG or GIF with grey. So the few formats the
// program reads are recognised by their content here, their declared size is
// held to kMaxPictureSide, and a file whose image data stops short is refused.
// Anything else (a sound, a text, a format the program never uses) is refused
// too. Needs no display and no decoder.

#include <span>

namespace vellumo {

enum class PictureFormat { Jpeg, Gif, Bmp, Png, Icon, Cursor };

// The format of the bytes. Throws LoadError for an unknown format, a declared
// side of 0 or above kMaxPictureSide, or a truncated file.
PictureFormat screenPicture(std::span<const unsigned char> bytes);

}  // namespace vellumo
