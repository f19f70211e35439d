// Bad files swapped in while the real program runs: for an outline picture
// of each kind the decoder reads and for a pointer, every way a file can be
// bad. Each time the feature that loads it fails quietly, the program keeps
// answering, and the feature works again once the good file is back; at the
// end the program still holds the keyboard and leaves through Ctrl+X, Yes.

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <functional>
#include <random>
#include <utility>

#include "ProgramUnderX.h"
#include "platform/PictureDecoder.h"
#include "platform/PointerDecoder.h"
#include "tests/platform/EncodedPictures.h"
#include "tests/platform/HostileFiles.h"

namespace vellumo {
namespace {

namespace fs = std::filesystem;
using test::Bytes;

enum class Bad {
  Empty,
  Truncated,
  RandomBytes,
  HugeSize,
  OtherFormat,
  NamedPipe,
  Directory,
  LinkToDevZero,
  Unreadable
};

// Every way a file can be bad, with the name a failure reports.
constexpr std::pair<Bad, const char*> kEveryBad[] = {
    {Bad::Empty, "zero bytes"},
    {Bad::Truncated, "truncated"},
    {Bad::RandomBytes, "random bytes"},
    {Bad::HugeSize, "huge declared size"},
    {Bad::OtherFormat, "another format"},
    {Bad::NamedPipe, "named pipe"},
    {Bad::Directory, "directory"},
    {Bad::LinkToDevZero, "link to /dev/zero"},
    {Bad::Unreadable, "no read permission"},
};

// Puts the bad version in place of whatever the path holds.
void putBad(const std::string& path, Bad bad, const Bytes& good, const Bytes& otherFormat) {
  fs::remove_all(path);
  switch (bad) {
    case Bad::Empty: test::writeFile(path, {}); break;
    case Bad::Truncated: test::writeFile(path, Bytes(good.begin(), good.begin() + good.size() / 2)); break;
    case Bad::RandomBytes: {
      std::mt19937 random(7);
      Bytes noise(good.size());
      for (unsigned char& byte : noise) byte = static_cast<unsigned char>(random());
      test::writeFile(path, noise);
      break;
    }
    case Bad::HugeSize: test::writeFile(path, test::claimingHugeSize(good)); break;
    case Bad::OtherFormat: test::writeFile(path, otherFormat); break;
    case Bad::NamedPipe: ASSERT_EQ(::mkfifo(path.c_str(), 0644), 0); break;
    case Bad::Directory: fs::create_directory(path); break;
    case Bad::LinkToDevZero: fs::create_symlink("/dev/zero", path); break;
    case Bad::Unreadable:
      test::writeFile(path, good);
      fs::permissions(path, fs::perms::none);
      break;
  }
}

void replaceWith(const std::string& path, const Bytes& bytes) {
  fs::remove_all(path);
  test::writeFile(path, bytes);
}

// Window positions of the elements the test uses.
struct Spot {
  int x, y;
};
constexpr Spot kMoreImages{912, 325}, kThumbnail7{263, 246}, kThumbnail8{406, 246};
constexpr Spot kFillTool{900, 611}, kPencilTool{835, 611}, kCanvasMiddle{405, 329}, kYes{421, 434};
constexpr Spot kCanvas{30, 29}, kThumbnail8Corner{341, 185}, kPencilCorner{804, 571}, kExitPanel{312, 259};

class BadFilesAtRunTime : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!program.start()) GTEST_SKIP() << "Xvfb could not be started";
    ASSERT_TRUE(showsFile(kCanvas, "PICTURE/01.GIF")) << "the painting screen never showed";
  }

  void click(Spot spot) {
    program.xdotool("mousemove " + std::to_string(spot.x) + " " + std::to_string(spot.y) + " click 1");
  }
  void moveTo(Spot spot) { program.xdotool("mousemove " + std::to_string(spot.x) + " " + std::to_string(spot.y)); }

  // Waits until the screen shows the picture with its top-left corner at
  // the spot, clipped to `height` rows.
  bool shows(Spot corner, const Picture& picture, int height = 0) {
    const int rows = height > 0 ? height : picture.height;
    return test::ProgramUnderX::waitUntil([&] {
      const Picture seen = program.screen().region(corner.x, corner.y, picture.width, rows);
      return std::equal(seen.pixels.begin(), seen.pixels.end(), picture.pixels.begin());
    });
  }
  bool showsFile(Spot corner, const std::string& relative, int height = 0) {
    return shows(corner, *decodePictureFile(program.assetPath(relative)), height);
  }

  // Outline 7 made bad: a click on its thumbnail leaves the gallery showing
  // and answering. With the good file back, the click loads it.
  void outlineFailsThenLoads(const std::function<void(const std::string&)>& putBadFile, const Bytes& good) {
    const std::string outline = program.picturePath("07.GIF");
    click(kMoreImages);
    ASSERT_TRUE(showsFile(kThumbnail8Corner, "PICTURE/GALERIJA1BELE_23.JPG")) << "the gallery did not open";
    putBadFile(outline);
    click(kThumbnail7);
    moveTo(kThumbnail8);
    ASSERT_TRUE(showsFile(kThumbnail8Corner, "PICTURE/GALERIJA1ZUTE_23.JPG")) << "the gallery stopped answering";
    replaceWith(outline, good);
    click(kThumbnail7);
    ASSERT_TRUE(shows(kCanvas, *decodePictureBytes(good))) << "the good outline did not load";
  }

  test::ProgramUnderX program;
};

TEST_F(BadFilesAtRunTime, LoadsFailQuietlyAndWorkAgainOnceTheGoodFileIsBack) {
  // Outline 7 as each kind of picture; the kind comes from the content.
  const Bytes shippedOutline = test::readAll(program.picturePath("07.GIF"));
  const Picture outlinePicture = *decodePictureBytes(shippedOutline);
  const Bytes sound = test::readAll(program.assetPath("SOUND/CRVENA.WAV"));
  const struct {
    const char* kind;
    Bytes good;
  } pictures[] = {
      {"GIF", shippedOutline},
      {"JPEG", test::jpegFile(outlinePicture, 95)},
      {"BMP", test::bmp24(outlinePicture)},
      {"PNG", test::pngFile(outlinePicture, test::PngKind::Rgb)},
  };
  for (const auto& picture : pictures) {
    for (const auto& [bad, name] : kEveryBad) {
      SCOPED_TRACE(std::string(picture.kind) + " outline, " + name);
      ASSERT_NO_FATAL_FAILURE(outlineFailsThenLoads(
          [&, bad = bad](const std::string& path) { putBad(path, bad, picture.good, sound); }, picture.good));
    }
  }

  // The files that once crashed the program, froze it or stalled it, at the
  // outline's byte size.
  const std::size_t outlineSize = shippedOutline.size();
  const struct {
    const char* name;
    Bytes bytes;
  } hostile[] = {
      {"GIF with a bad code stream", test::paddedTo(test::gifWithBadCodeStream(), outlineSize)},
      {"PNG with a chunk past its end", test::paddedTo(test::pngWithChunkPastTheEnd(), outlineSize)},
      {"JPEG scan bomb", test::jpegScanBomb(outlineSize)},
  };
  for (const auto& file : hostile) {
    SCOPED_TRACE(file.name);
    ASSERT_NO_FATAL_FAILURE(
        outlineFailsThenLoads([&](const std::string& path) { replaceWith(path, file.bytes); }, shippedOutline));
  }

  // The pencil's pointer: the tool is chosen even when its pointer fails,
  // and the canvas keeps the drop of the fill tool.
  const std::string brush = program.picturePath("CETKA.ICO");
  const Bytes shippedBrush = test::readAll(brush);
  const PointerImage drop = decodePointerFile(program.picturePath("KANTICA8.ICO"));
  const PointerImage expectedBrush = decodePointerBytes(shippedBrush);
  const Bytes picture = test::readAll(program.picturePath("YES1.JPG"));
  const auto canvasPointerIs = [&](const PointerImage& image) {
    moveTo(kCanvasMiddle);
    return test::ProgramUnderX::waitUntil([&] {
      const auto seen = program.screen().pointer();
      return seen.width == image.width && seen.hotSpotX == image.hotSpotX && seen.hotSpotY == image.hotSpotY;
    });
  };
  for (const auto& [bad, name] : kEveryBad) {
    SCOPED_TRACE(std::string("pencil pointer, ") + name);
    click(kFillTool);
    ASSERT_TRUE(canvasPointerIs(drop));
    putBad(brush, bad, shippedBrush, picture);
    click(kPencilTool);
    ASSERT_TRUE(showsFile(kPencilCorner, "PICTURE/OLOVKA1.JPG")) << "the pencil was not chosen";
    EXPECT_TRUE(canvasPointerIs(drop));
    replaceWith(brush, shippedBrush);
    click(kFillTool);
    click(kPencilTool);
    ASSERT_TRUE(canvasPointerIs(expectedBrush)) << "the good pointer did not load";
  }

  EXPECT_TRUE(program.screen().keyboardGrabbedElsewhere()) << "the program let go of the keyboard";
  program.xdotool("key ctrl+x");
  ASSERT_TRUE(showsFile(kExitPanel, "PICTURE/CTRLX.JPG", 140)) << "no exit confirmation";
  click(kYes);
  EXPECT_EQ(program.waitForExit(), 0);
  EXPECT_EQ(program.standardError(), "");
}

}  // namespace
}  // namespace vellumo
