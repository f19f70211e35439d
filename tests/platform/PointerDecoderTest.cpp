// Pointers from icon and cursor files: the hot spot a cursor's file gives
// for the image shown, the centre of an icon, and refusal of anything else.

#include <gtest/gtest.h>

#include "HostileFiles.h"
#include "TestFiles.h"
#include "platform/LoadError.h"
#include "platform/PointerDecoder.h"

namespace vellumo {
namespace {

using test::IconImage;

TEST(PointerDecoder, IconHotSpotIsItsCentre) {
  const PointerImage image = decodePointerBytes(test::iconFile(false, {IconImage{.side = 64, .argb = 0xFF112233}}));
  EXPECT_EQ(image.width, 64);
  EXPECT_EQ(image.height, 64);
  EXPECT_EQ(image.hotSpotX, 32);
  EXPECT_EQ(image.hotSpotY, 32);
  EXPECT_EQ(image.argb.at(0), 0xFF112233u);
}

TEST(PointerDecoder, CursorHotSpotComesFromTheEntryShown) {
  // The decoder shows the entry with the most colours; true colour (0) counts
  // as 256. The hot spot must belong to that same entry.
  const PointerImage image = decodePointerBytes(test::iconFile(
      true, {IconImage{.side = 16, .colourCountByte = 16, .hotSpotX = 1, .hotSpotY = 2},
             IconImage{.side = 32, .colourCountByte = 0, .hotSpotX = 12, .hotSpotY = 1, .argb = 0xFF0000FF}}));
  EXPECT_EQ(image.width, 32);
  EXPECT_EQ(image.hotSpotX, 12);
  EXPECT_EQ(image.hotSpotY, 1);
  EXPECT_EQ(image.argb.at(0), 0xFF0000FFu);
}

TEST(PointerDecoder, RefusesWhatIsNotAUsableIconOrCursor) {
  const test::Bytes cursor = test::iconFile(true, {IconImage{.side = 32, .hotSpotX = 3, .hotSpotY = 4}});
  test::Bytes cut = cursor;
  cut.resize(cut.size() / 2);
  const struct {
    const char* name;
    test::Bytes bytes;
  } cases[] = {
      {"a picture", test::bmp24(Picture(32, 32))},
      {"cut short", cut},
      {"hot spot outside", test::iconFile(true, {IconImage{.side = 32, .hotSpotX = 32, .hotSpotY = 0}})},
      {"oversized image", test::claimingHugeSize(test::iconFile(false, {IconImage{.side = 32}}))},
      {"empty", {}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    EXPECT_THROW(decodePointerBytes(c.bytes), LoadError);
  }
}

TEST(PointerDecoder, ReadsFiles) {
  const test::TempDir dir;
  const std::string path = dir.write("BRUSH.ICO", test::iconFile(false, {IconImage{.side = 64}}));
  EXPECT_EQ(decodePointerFile(path).hotSpotX, 32);
  EXPECT_THROW(decodePointerFile(dir.path("missing.ICO")), LoadError);
}

}  // namespace
}  // namespace vellumo
