#pragma once
// Files made to break a picture decoder: small reproductions of files that
// once crashed or froze the program, each small enough to be padded to the
// byte size of a shipped picture and so pass the asset check.

#include "TestFiles.h"

namespace vellumo::test {

// 43 bytes: a 7x6 GIF with no colour table, LZW minimum code size 2 and a
// bad code stream. SDL_image's own GIF reader freed memory it never
// allocated on it.
Bytes gifWithBadCodeStream();

// 45 bytes: a PNG whose valid header is followed by a gAMA chunk declaring
// 65536 bytes, then the end of the file. A reader that ignores short reads
// loops over it for ever.
Bytes pngWithChunkPastTheEnd();

// A progressive 4096x4096 grey JPEG whose body is empty scans, as many as
// fit in `size` bytes: each costs the decoder a pass over the whole picture.
Bytes jpegScanBomb(std::size_t size);

// A 1x1 GIF whose code stream holds `clearCodes` clear codes before its one
// pixel: each makes the decoder reset its code table.
Bytes gifOfClearCodes(std::size_t clearCodes);

// Small valid pictures grown to `size` bytes with as many empty segments,
// chunks or extension blocks as fit: each costs a reader a little.
Bytes jpegOfManySegments(std::size_t size);
Bytes pngOfManyChunks(std::size_t size);
Bytes gifOfManyExtensions(std::size_t size);

// A JPEG, GIF, BMP, PNG or icon whose header is changed to claim 30000 x
// 30000 pixels; the rest of the file stays as it was.
Bytes claimingHugeSize(Bytes picture);

// The bytes followed by zeros up to `size`.
Bytes paddedTo(Bytes bytes, std::size_t size);

}  // namespace vellumo::test
