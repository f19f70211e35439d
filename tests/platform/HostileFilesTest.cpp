// Files made to break the decoders: those that once crashed or froze the
// program, the limits on the work one file may cost, and the libraries'
// warnings kept off standard error.

#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdio>
#include <string>

#include "EncodedPictures.h"
#include "HostileFiles.h"
#include "platform/LoadError.h"
#include "platform/PictureDecoder.h"
#include "platform/PictureScreening.h"

namespace vellumo {
namespace {

using test::Bytes;

// The byte sizes of the shipped pictures these files stood in for, so the
// asset check let them through: 00.GIF, a thumbnail, GALERIJA-4.JPG.
constexpr std::size_t kBlankPageBytes = 1212, kThumbnailBytes = 26000, kGalleryBackgroundBytes = 170144;

Bytes withColourTable(Bytes gif) {
  gif[10] |= 0x81;  // a global table of four colours
  const Bytes table{0, 0, 0, 255, 255, 255, 255, 0, 0, 0, 0, 255};
  gif.insert(gif.begin() + 13, table.begin(), table.end());
  return gif;
}

TEST(HostileFiles, FilesThatOnceBrokeTheDecodersAreRefused) {
  const struct {
    const char* name;
    Bytes bytes;
  } cases[] = {
      {"GIF with a bad code stream (crashed)", test::gifWithBadCodeStream()},
      {"the same as 00.GIF", test::paddedTo(test::gifWithBadCodeStream(), kBlankPageBytes)},
      {"the same code stream with colours to decode", withColourTable(test::gifWithBadCodeStream())},
      {"PNG with a chunk past its end (froze)", test::pngWithChunkPastTheEnd()},
      {"the same as a thumbnail", test::paddedTo(test::pngWithChunkPastTheEnd(), kThumbnailBytes)},
      {"JPEG scan bomb as GALERIJA-4.JPG (stalled)", test::jpegScanBomb(kGalleryBackgroundBytes)},
      {"GIF of clear codes as GALERIJA-4.JPG", test::paddedTo(test::gifOfClearCodes(450'000), kGalleryBackgroundBytes)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_THROW(decodePictureBytes(c.bytes), LoadError);
  }
}

// Counted, not timed: the scan bomb never reaches the decoder, nor does a GIF
// of nothing but clear codes.
TEST(HostileFiles, JpegScansAreLimited) {
  const Picture picture(64, 64, rgb(10, 200, 30));
  EXPECT_NO_THROW(decodePictureBytes(test::progressiveJpeg(picture, kMaxJpegScans)));
  EXPECT_THROW(screenPicture(test::progressiveJpeg(picture, kMaxJpegScans + 1)), LoadError);
  EXPECT_THROW(screenPicture(test::jpegScanBomb(kGalleryBackgroundBytes)), LoadError);
}

TEST(HostileFiles, GifClearCodesAreLimited) {
  EXPECT_NO_THROW(decodePictureBytes(test::gifOfClearCodes(kMaxGifClearCodes)));
  EXPECT_THROW(screenPicture(test::gifOfClearCodes(kMaxGifClearCodes + 1)), LoadError);
}

// What the process writes to standard error while this lives.
class StandardErrorCapture {
 public:
  StandardErrorCapture() : file_(std::tmpfile()), saved_(::dup(STDERR_FILENO)) {
    std::fflush(stderr);
    ::dup2(::fileno(file_), STDERR_FILENO);
  }
  ~StandardErrorCapture() {
    restore();
    std::fclose(file_);
  }
  StandardErrorCapture(const StandardErrorCapture&) = delete;
  StandardErrorCapture& operator=(const StandardErrorCapture&) = delete;

  std::string text() {
    restore();
    std::string written;
    std::rewind(file_);
    for (int c; (c = std::fgetc(file_)) != EOF;) written += static_cast<char>(c);
    return written;
  }

 private:
  void restore() {
    if (saved_ < 0) return;
    std::fflush(stderr);
    ::dup2(saved_, STDERR_FILENO);
    ::close(saved_);
    saved_ = -1;
  }
  std::FILE* file_;
  int saved_;
};

// A PNG with a text chunk whose checksum is wrong: an extra the picture does
// without, about which libpng would warn.
Bytes pngWithBrokenTextChunk() {
  Bytes bytes = test::pngFile(Picture(8, 8), test::PngKind::Rgb);
  const Bytes chunk{0, 0, 0, 4, 't', 'E', 'X', 't', 'a', 0, 'b', 'c', 0xDE, 0xAD, 0xBE, 0xEF};
  constexpr std::size_t kAfterHeader = 8 + 25;
  bytes.insert(bytes.begin() + kAfterHeader, chunk.begin(), chunk.end());
  return bytes;
}

// A JPEG with stray bytes between two segments, about which libjpeg warns.
Bytes jpegWithStrayBytes() {
  Bytes bytes = test::jpegFile(Picture(8, 8));
  constexpr std::size_t kAfterStart = 2;
  bytes.insert(bytes.begin() + kAfterStart, {'x', 'y', 'z'});
  return bytes;
}

TEST(HostileFiles, LibrariesNeverWriteToStandardError) {
  const Bytes files[] = {
      test::gifWithBadCodeStream(),   withColourTable(test::gifWithBadCodeStream()),
      test::pngWithChunkPastTheEnd(), pngWithBrokenTextChunk(),
      jpegWithStrayBytes(),
  };
  StandardErrorCapture capture;
  for (const Bytes& bytes : files) {
    try {
      decodePictureBytes(bytes);
    } catch (const LoadError&) {
    }
  }
  EXPECT_EQ(capture.text(), "");
  EXPECT_NO_THROW(decodePictureBytes(pngWithBrokenTextChunk())) << "the broken extra is skipped, not refused";
  EXPECT_THROW(decodePictureBytes(jpegWithStrayBytes()), LoadError) << "data libjpeg finds wrong is refused";
}

}  // namespace
}  // namespace vellumo
