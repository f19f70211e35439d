#include "core/Elements.h"

#include <gtest/gtest.h>

#include <memory>

namespace vellumo {
namespace {

PicturePtr plain(int w, int h, Colour c) { return std::make_shared<Picture>(w, h, c); }

TEST(Layout, StaysInsideTheClientArea) {
  for (const ElementLayout& l : kLayout) {
    if (l.name.starts_with("Galerija")) continue;  // placed on their grid when the gallery opens
    EXPECT_LE(l.left + l.width - 1, 1015) << l.name;
    EXPECT_LE(l.top + l.height - 1, 759) << l.name;
  }
}

TEST(Layout, NumberedFamiliesMapToTheirElements) {
  EXPECT_EQ(kLayout[index(galerija(1))].name, "Galerija1");
  EXPECT_EQ(kLayout[index(galerija(25))].name, "Galerija25");
  EXPECT_EQ(kLayout[index(paleta(1))].name, "PaletaCrvena");
  EXPECT_EQ(kLayout[index(paleta(12))].name, "PaletaPink");
  for (int n = 1; n <= kThumbnailCount; ++n) EXPECT_EQ(kLayout[index(galerija(n))].tabIndex, n + 15);
  for (int k = 1; k <= kPaletteSize; ++k) EXPECT_EQ(kLayout[index(paleta(k))].tabIndex, k + 3);
}

class ComposeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    elements.setBackground(plain(1024, 768, background));
    for (int k = 1; k <= kPaletteSize; ++k) {
      const ElementLayout& l = kLayout[index(paleta(k))];
      elements.setPicture(paleta(k), plain(k == 12 ? 86 : l.width, 85, rgb(0, 0, static_cast<std::uint8_t>(k))));
    }
    elements.composeInto(frame);
  }
  const Colour background = rgb(1, 2, 3);
  Elements elements;
  Picture frame{1024, 768, 0};
};

TEST_F(ComposeTest, PaletteRowMeetsEdgeToEdgeWithOneGap) {
  auto at = [&](int x) { return frame.at(x, 700); };
  EXPECT_EQ(at(8), rgb(0, 0, 1));
  EXPECT_EQ(at(176), rgb(0, 0, 3)) << "yellow covers green's last column";
  EXPECT_EQ(at(259), rgb(0, 0, 3));
  EXPECT_EQ(at(260), background) << "the column between yellow and light blue is background";
  EXPECT_EQ(at(261), rgb(0, 0, 4));
  EXPECT_EQ(at(1015), rgb(0, 0, 12));
  EXPECT_EQ(at(1016), background) << "pink's wider picture is clipped to its element";
  EXPECT_EQ(elements.topmostShownAt(260, 700), std::nullopt);
  EXPECT_EQ(elements.topmostShownAt(176, 700), ElementId::PaletaZuta);
}

TEST_F(ComposeTest, HiddenElementsAndStackingOrder) {
  elements.setPicture(ElementId::Izlaz, plain(400, 250, rgb(0, 200, 0)));
  elements.setPicture(ElementId::Da, plain(107, 50, rgb(200, 0, 0)));
  elements.composeInto(frame);
  EXPECT_EQ(frame.at(400, 300), background) << "hidden at start";
  elements.show(ElementId::Izlaz);
  elements.show(ElementId::Da);
  elements.composeInto(frame);
  EXPECT_EQ(frame.at(400, 300), rgb(0, 200, 0));
  EXPECT_EQ(frame.at(370, 410), rgb(200, 0, 0)) << "the button lies above its panel";
  EXPECT_EQ(elements.topmostShownAt(370, 410), ElementId::Da);
}

TEST_F(ComposeTest, OnlyChangesThatShowMarkTheWindow) {
  elements.takeDirty();
  elements.setPicture(ElementId::Back, plain(192, 40, 0));  // hidden: nothing to present
  EXPECT_FALSE(elements.takeDirty());
  elements.show(ElementId::Back);
  EXPECT_TRUE(elements.takeDirty());
  elements.show(ElementId::Back);
  EXPECT_FALSE(elements.takeDirty());
}

}  // namespace
}  // namespace vellumo
