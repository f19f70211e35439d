// Decoding pictures: exact pixels from good files, a LoadError and no crash
// from every kind of bad one, and the size limit held before decoding.

#include <SDL_image.h>
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <filesystem>

#include "EncodedPictures.h"
#include "HostileFiles.h"
#include "TestFiles.h"
#include "platform/LoadError.h"
#include "platform/PictureDecoder.h"
#include "platform/PictureScreening.h"
#include "platform/PointerDecoder.h"
#include "platform/SdlSurface.h"
#include "tests/support/SamePicture.h"

namespace vellumo {
namespace {

using test::Bytes;

// Colours whose channels all differ, so any channel swap shows.
const std::array<Colour, 4> kPalette{rgb(255, 0, 0), rgb(0, 128, 255), rgb(17, 34, 51), rgb(250, 240, 5)};

Picture sixColours() {
  Picture picture(3, 2);
  const Colour colours[] = {rgb(255, 0, 0), rgb(0, 255, 0),    rgb(0, 0, 255),
                            rgb(1, 2, 3),   rgb(200, 100, 50), rgb(255, 255, 255)};
  for (int i = 0; i < 6; ++i) picture.pixels[i] = colours[i];
  return picture;
}

// A picture of the given size with colours in every channel.
Picture pattern(int width, int height) {
  Picture picture(width, height);
  for (int i = 0; i < width * height; ++i) picture.pixels[i] = rgb(i * 37, i * 11, i * 5);
  return picture;
}

Bytes jpeg(int width, int height) { return test::jpegFile(pattern(width, height)); }

Bytes png(int width, int height) { return test::pngFile(pattern(width, height), test::PngKind::Rgb); }

Bytes gifOfSize(int width, int height) {
  return test::gif4(width, height, kPalette, std::vector<std::uint8_t>(static_cast<std::size_t>(width) * height, 1));
}

Bytes firstBytes(Bytes bytes, double fraction) {
  bytes.resize(static_cast<std::size_t>(bytes.size() * fraction));
  return bytes;
}

// Where the frame header of a baseline JPEG starts, at its marker.
std::size_t frameHeaderAt(const Bytes& bytes) {
  for (std::size_t i = 2; i + 8 < bytes.size(); ++i) {
    if (bytes[i] == 0xFF && bytes[i + 1] == 0xC0) return i;
  }
  throw std::runtime_error("no SOF0 in the saved JPEG");
}

// Eleven rows, so an interlaced file's four passes all hold some, each row
// told apart by where its mark stands.
Picture diagonal(Colour background, Colour mark) {
  Picture picture(11, 11, background);
  for (int i = 0; i < 11; ++i) picture.at(i, i) = mark;
  return picture;
}

// A colour of its own for every pixel, or a grey of its own for every row.
Picture gradient(bool grey) {
  Picture picture(11, 11);
  for (int y = 0; y < 11; ++y) {
    for (int x = 0; x < 11; ++x) {
      picture.at(x, y) = grey ? rgb(y * 23, y * 23, y * 23) : rgb(x * 23, y * 23, (x + y) * 11);
    }
  }
  return picture;
}

// Ten thousand pixels, each its own code: more codes than a code table holds.
Picture fourColourPattern() {
  Picture picture(100, 100);
  for (int i = 0; i < 100 * 100; ++i) picture.pixels[i] = kPalette[(i * 7 / 3) % 4];
  return picture;
}

std::vector<std::uint8_t> indicesOf(const Picture& picture) {
  std::vector<std::uint8_t> indices;
  for (Colour c : picture.pixels) indices.push_back(std::find(kPalette.begin(), kPalette.end(), c) - kPalette.begin());
  return indices;
}

TEST(PictureDecoder, LosslessFormatsDecodeToExactColours) {
  using test::PngKind;
  const Picture six = sixColours();
  const Picture marked = diagonal(kPalette[0], kPalette[1]);
  const Picture colours = gradient(false), greys = gradient(true);
  const Picture large = fourColourPattern();
  const struct {
    const char* name;
    Bytes bytes;
    const Picture& picture;
  } cases[] = {
      {"bottom-up BMP", test::bmp24(six), six},
      {"top-down BMP", test::bmp24(six, /*topDown=*/true), six},
      {"GIF", test::gif4(11, 11, kPalette, indicesOf(marked)), marked},
      {"interlaced GIF", test::gif4(11, 11, kPalette, indicesOf(marked), /*interlaced=*/true), marked},
      {"GIF past a full code table", test::gif4(100, 100, kPalette, indicesOf(large)), large},
      {"RGB PNG", test::pngFile(colours, PngKind::Rgb), colours},
      {"half-transparent PNG", test::pngFile(colours, PngKind::RgbaHalfOpaque), colours},
      {"palette PNG", test::pngFile(colours, PngKind::PaletteWithTransparency), colours},
      {"16-bit grey PNG", test::pngFile(greys, PngKind::Grey16), greys},
      {"interlaced PNG", test::pngFile(colours, PngKind::Interlaced), colours},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const PicturePtr decoded = decodePictureBytes(c.bytes);
    ASSERT_EQ(decoded->width, c.picture.width);
    ASSERT_EQ(decoded->height, c.picture.height);
    EXPECT_SAME_PICTURE(*decoded, c.picture);  // the unused top byte included
  }
}

TEST(PictureDecoder, JpegKeepsRedInTheLowByte) {
  const test::TempDir dir;
  const std::string path = dir.write("red", test::jpegFile(Picture(16, 16, rgb(255, 0, 0)), 95));
  const PicturePtr decoded = decodePictureFile(path);
  ASSERT_EQ(decoded->width, 16);
  const Colour centre = decoded->at(8, 8);
  EXPECT_GT(centre & 0xFF, 240u);
  EXPECT_LT((centre >> 16) & 0xFF, 16u);
  EXPECT_EQ(centre >> 24, 0u);
}

TEST(PictureDecoder, TypeComesFromTheContentNotTheName) {
  const test::TempDir dir;
  const Picture expected = sixColours();
  const std::string path = dir.write("01.GIF", test::bmp24(expected));
  EXPECT_SAME_PICTURE(*decodePictureFile(path), expected);
}

TEST(PictureDecoder, PicturesAtTheLimitsDecode) {
  EXPECT_EQ(decodePictureBytes(test::bmp24(Picture(kMaxPictureSide, 1)))->width, kMaxPictureSide);
  EXPECT_EQ(decodePictureBytes(gifOfSize(1, kMaxPictureSide))->height, kMaxPictureSide);
  constexpr int kWide = 2048, kHigh = kMaxPicturePixels / kWide;
  static_assert(std::int64_t{kWide} * kHigh == kMaxPicturePixels);
  for (const Bytes& bytes :
       {test::bmp24(Picture(kWide, kHigh)), gifOfSize(kWide, kHigh), jpeg(kWide, kHigh), png(kWide, kHigh)}) {
    const PicturePtr decoded = decodePictureBytes(bytes);
    EXPECT_EQ(decoded->width * std::int64_t{decoded->height}, kMaxPicturePixels);
  }
}

// A JPEG whose scan data stops halfway but is followed by the end marker, so
// its structure is whole; a decoder would fill the rest with grey.
Bytes jpegWithScanCutShort() {
  Bytes bytes = jpeg(64, 64);
  for (std::size_t i = 2; i + 4 < bytes.size(); ++i) {
    if (bytes[i] == 0xFF && bytes[i + 1] == 0xDA) {
      const std::size_t data = i + 2 + (bytes[i + 2] << 8 | bytes[i + 3]);
      bytes.resize(data + (bytes.size() - data) / 2);
      bytes.insert(bytes.end(), {0xFF, 0xD9});
      return bytes;
    }
  }
  throw std::runtime_error("no scan in the saved JPEG");
}

// Arithmetic coding and the lossless frames are marked in the frame header.
Bytes jpegWithFrame(std::uint8_t marker) {
  Bytes bytes = jpeg(8, 8);
  bytes[frameHeaderAt(bytes) + 1] = marker;
  return bytes;
}

Bytes gifWithoutColourTable() {
  Bytes bytes = gifOfSize(4, 4);
  bytes[10] &= 0x7F;  // no global table, and no local one either
  bytes.erase(bytes.begin() + 13, bytes.begin() + 13 + 12);
  return bytes;
}

TEST(PictureDecoder, BadFilesGiveLoadError) {
  const test::TempDir dir;
  std::filesystem::create_directory(dir.path("folder.JPG"));
  ASSERT_EQ(::mkfifo(dir.path("pipe.JPG").c_str(), 0600), 0);  // must not wait for a writer
  const Bytes goodJpeg = jpeg(64, 64);
  const Bytes goodGif = gifOfSize(64, 64);
  const Bytes goodBmp = test::bmp24(Picture(64, 64));
  const Bytes goodPng = png(64, 64);
  // Within the sides, one row past the number of pixels a picture may have.
  constexpr int kWide = 2048, kOneRowTooMany = kMaxPicturePixels / kWide + 1;
  const Bytes text{'J', 'u', 's', 't', ' ', 's', 'o', 'm', 'e', ' ', 't', 'e', 'x', 't', '\n'};

  const struct {
    const char* name;
    std::optional<Bytes> contents;  // nothing: the path is not written
  } cases[] = {
      {"missing.JPG", std::nullopt},
      {"folder.JPG", std::nullopt},
      {"pipe.JPG", std::nullopt},
      {"empty.JPG", Bytes{}},
      {"cut.JPG", firstBytes(goodJpeg, 0.5)},
      {"cut-before-scan.JPG", firstBytes(goodJpeg, 0.1)},
      {"cut.GIF", firstBytes(goodGif, 0.5)},
      {"cut-in-palette.GIF", firstBytes(goodGif, 0.05)},
      {"cut.BMP", firstBytes(goodBmp, 0.5)},
      {"cut.PNG", firstBytes(goodPng, 0.5)},
      {"scan-cut-short.JPG", jpegWithScanCutShort()},
      {"arithmetic-coded.JPG", jpegWithFrame(0xC9)},
      {"lossless.JPG", jpegWithFrame(0xC3)},
      {"no-colours.GIF", gifWithoutColourTable()},
      {"text.JPG", text},
      {"sound.JPG", test::wavFile()},
      {"wide.BMP", test::bmp24(Picture(5000, 10))},
      {"tall.BMP", test::bmp24(Picture(10, 5000))},
      {"just-too-wide.BMP", test::bmp24(Picture(kMaxPictureSide + 1, 1))},
      {"wide.GIF", gifOfSize(5000, 10)},
      {"tall.GIF", gifOfSize(10, 5000)},
      {"wide.JPG", jpeg(5000, 10)},
      {"tall.PNG", png(10, 5000)},
      {"huge.JPG", test::claimingHugeSize(jpeg(8, 8))},
      {"huge.GIF", test::claimingHugeSize(gifOfSize(2, 2))},
      {"huge.BMP", test::claimingHugeSize(test::bmp24(Picture(2, 2)))},
      {"huge.PNG", test::claimingHugeSize(png(2, 2))},
      {"too-many-pixels.BMP", test::bmp24(Picture(kWide, kOneRowTooMany))},
      {"too-many-pixels.GIF", gifOfSize(kWide, kOneRowTooMany)},
      {"too-many-pixels.JPG", jpeg(kWide, kOneRowTooMany)},
      {"too-many-pixels.PNG", png(kWide, kOneRowTooMany)},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    if (c.contents) dir.write(c.name, *c.contents);
    EXPECT_THROW(decodePictureFile(dir.path(c.name)), LoadError);
    if (c.contents) {
      EXPECT_THROW(decodePictureBytes(*c.contents), LoadError);
    }
  }
}

// Whatever the format, the screening alone refuses a file that stops short,
// so no decoder ever sees one.
TEST(PictureScreening, EveryCutShortFileIsRefused) {
  const struct {
    const char* name;
    Bytes bytes;
  } cases[] = {
      {"JPEG", jpeg(16, 16)},
      {"GIF", gifOfSize(8, 8)},
      {"BMP", test::bmp24(sixColours())},
      {"PNG", png(8, 8)},
      {"ICO", test::iconFile(false, {test::IconImage{.side = 16}})},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_NO_THROW(decodePictureBytes(c.bytes));
    for (std::size_t length = 1; length < c.bytes.size(); ++length) {
      const Bytes cut(c.bytes.begin(), c.bytes.begin() + length);
      EXPECT_THROW(screenPicture(cut), LoadError) << "cut to " << length << " bytes";
    }
  }
}

// The pictures and pointers the program ships, as the asset generator wrote
// them, all pass the screening and decode; every picture to exactly the
// pixels SDL_image gives it, the decoder the program used to show them with.
TEST(PictureDecoder, ShippedPicturesDecodeAsBefore) {
  const std::filesystem::path folder = std::filesystem::path(VELLUMO_APP_DIR) / "PICTURE";
  if (!std::filesystem::is_directory(folder)) GTEST_SKIP() << "no built PICTURE folder";
  for (const auto& entry : std::filesystem::directory_iterator(folder)) {
    const std::string path = entry.path().string();
    const std::string extension = entry.path().extension().string();
    SCOPED_TRACE(path);
    if (extension == ".ICO" || extension == ".CUR") {
      EXPECT_NO_THROW(decodePointerFile(path));
      continue;
    }
    const SurfacePtr before(IMG_Load(path.c_str()));
    ASSERT_TRUE(before) << IMG_GetError();
    EXPECT_SAME_PICTURE(*decodePictureFile(path), pictureFromSurface(*before));
  }
}

// Refused by the header alone, so a 30000 x 30000 picture is never allocated.
TEST(PictureScreening, HugeDeclaredSizesAreRefusedBeforeDecoding) {
  for (const Bytes& bytes : {jpeg(8, 8), gifOfSize(2, 2), test::bmp24(Picture(2, 2)), png(2, 2)}) {
    EXPECT_THROW(screenPicture(test::claimingHugeSize(bytes)), LoadError);
  }
}

TEST(FileSize, IsTheByteCountOfARegularFileOnly) {
  const test::TempDir dir;
  const std::string file = dir.write("three", Bytes{1, 2, 3});
  EXPECT_EQ(fileSizeOf(file), 3);
  EXPECT_EQ(fileSizeOf(dir.write("empty", Bytes{})), 0);
  EXPECT_THROW(fileSizeOf(dir.path("missing")), LoadError);
  EXPECT_THROW(fileSizeOf(dir.root()), LoadError);
}

}  // namespace
}  // namespace vellumo
