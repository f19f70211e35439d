#include <gtest/gtest.h>

#include "core/AssetFiles.h"
#include "palette/Palette.h"
#include "tests/support/RunningForm.h"

namespace vellumo {
namespace {

class HoverTest : public test::RunningForm {
 protected:
  // Put every hover-able button into a look no handler gives, so each test
  // sees exactly which images a handler set.
  void scramble() {
    const PicturePtr marker = std::make_shared<Picture>(1, 1, rgb(1, 2, 3));
    for (ElementId id : {ElementId::MoreImages, ElementId::Rubber, ElementId::Papir, ElementId::MuteWave,
                         ElementId::MusicOn, ElementId::Back})
      form.elements().setPicture(id, marker);
    for (int k = 1; k <= 12; ++k) form.elements().setPicture(paleta(k), marker);
  }
  bool untouched(ElementId id) { return form.elements().picture(id)->width == 1; }
};

TEST_F(HoverTest, EachButtonShowsItsHoverAndRestsItsNeighbours) {
  struct Case {
    ElementId hovered;
    std::vector<std::pair<ElementId, std::string>> looks;  // everything else stays untouched
  };
  const Case cases[] = {
      {ElementId::MoreImages,
       {{ElementId::MoreImages, "/PICTURE/MOREIMAGES2.JPG"},
        {ElementId::Rubber, "/PICTURE/GUMICA1.JPG"},
        {ElementId::Papir, "/PICTURE/PAPIR1.JPG"},
        {ElementId::MuteWave, "/PICTURE/ZVUCNIK1.JPG"}}},
      {ElementId::MuteWave,
       {{ElementId::MuteWave, "/PICTURE/ZVUCNIK2.JPG"},
        {ElementId::Rubber, "/PICTURE/GUMICA1.JPG"},
        {ElementId::Papir, "/PICTURE/PAPIR1.JPG"}}},
      {ElementId::MusicOn,
       {{ElementId::MusicOn, "/PICTURE/MUSICOFF1.JPG"},
        {ElementId::Rubber, "/PICTURE/GUMICA1.JPG"},
        {ElementId::Papir, "/PICTURE/PAPIR1.JPG"},
        {ElementId::MuteWave, "/PICTURE/ZVUCNIK1.JPG"}}},
      {ElementId::Rubber, {{ElementId::Rubber, "/PICTURE/GUMICA2.JPG"}, {ElementId::Papir, "/PICTURE/PAPIR1.JPG"}}},
      {ElementId::Papir, {{ElementId::Papir, "/PICTURE/PAPIR2.JPG"}, {ElementId::Rubber, "/PICTURE/GUMICA1.JPG"}}},
      {ElementId::Slika,
       {{ElementId::MoreImages, "/PICTURE/MOREIMAGES1.JPG"},
        {ElementId::Rubber, "/PICTURE/GUMICA1.JPG"},
        {ElementId::Papir, "/PICTURE/PAPIR1.JPG"},
        {ElementId::MuteWave, "/PICTURE/ZVUCNIK1.JPG"},
        {ElementId::MusicOn, "/PICTURE/MUSICOFF2.JPG"}}},
      {ElementId::PaletaCrvena, {{paleta(1), "/PICTURE/BOJE2_01.JPG"}, {paleta(2), "/PICTURE/BOJE1_02.JPG"}}},
      {ElementId::PaletaZuta,
       {{paleta(3), "/PICTURE/BOJE2_03.JPG"},
        {paleta(2), "/PICTURE/BOJE1_02.JPG"},
        {paleta(4), "/PICTURE/BOJE1_04.JPG"}}},
      {ElementId::PaletaPink, {{paleta(12), "/PICTURE/BOJE2_12.JPG"}, {paleta(11), "/PICTURE/BOJE1_11.JPG"}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(form.elements().layout(c.hovered).name);
    scramble();
    hover(c.hovered);
    std::vector<ElementId> touched;
    for (const auto& [id, image] : c.looks) {
      EXPECT_TRUE(shows(id, image)) << form.elements().layout(id).name << " should show " << image;
      touched.push_back(id);
    }
    for (ElementId id :
         {ElementId::MoreImages, ElementId::Rubber, ElementId::Papir, ElementId::MuteWave, ElementId::MusicOn,
          ElementId::Back, paleta(1), paleta(2), paleta(3), paleta(4), paleta(11), paleta(12)})
      if (std::find(touched.begin(), touched.end(), id) == touched.end()) {
        EXPECT_TRUE(untouched(id)) << form.elements().layout(id).name << " was touched";
      }
  }
}

TEST_F(HoverTest, TheBareWindowRestsEverything) {
  click(ElementId::PaletaCrvena);
  click(ElementId::MuteWave);  // sound effects off
  scramble();
  move(260, 700);  // the column between yellow and light blue belongs to no button
  EXPECT_TRUE(shows(ElementId::MoreImages, "/PICTURE/MOREIMAGES1.JPG"));
  EXPECT_TRUE(shows(paleta(1), "/PICTURE/BOJE3_01.JPG")) << "the chosen colour rests selected";
  for (int k = 2; k <= 12; ++k) EXPECT_TRUE(shows(paleta(k), paletteImage(ButtonLook::Rest, k))) << k;
  EXPECT_TRUE(shows(ElementId::Rubber, "/PICTURE/GUMICA1.JPG"));
  EXPECT_TRUE(shows(ElementId::Papir, "/PICTURE/PAPIR1.JPG"));
  EXPECT_TRUE(shows(ElementId::Back, "/PICTURE/BACK1.JPG"));
  EXPECT_TRUE(shows(ElementId::MuteWave, "/PICTURE/SOUNDOFF2.JPG"));
  EXPECT_TRUE(shows(ElementId::MusicOn, "/PICTURE/MUSICOFF2.JPG"));
}

TEST_F(HoverTest, LooksFollowTheState) {
  click(ElementId::PaletaCrvena);
  hover(ElementId::PaletaZelena);
  EXPECT_TRUE(shows(paleta(2), "/PICTURE/BOJE2_02.JPG"));
  EXPECT_TRUE(shows(paleta(1), "/PICTURE/BOJE3_01.JPG"));
  EXPECT_TRUE(shows(paleta(3), "/PICTURE/BOJE1_03.JPG"));
  hover(ElementId::PaletaCrvena);
  EXPECT_TRUE(shows(paleta(1), "/PICTURE/BOJE3_01.JPG")) << "the chosen colour keeps its look under the mouse";

  click(ElementId::MuteWave);
  EXPECT_TRUE(shows(ElementId::MuteWave, "/PICTURE/ZVUCNIK1.JPG")) << "a click changes no image";
  hover(ElementId::MuteWave);
  EXPECT_TRUE(shows(ElementId::MuteWave, "/PICTURE/SOUNDOFF1.JPG"));

  form.state().MusicIsOff = 0;
  hover(ElementId::MusicOn);
  EXPECT_TRUE(shows(ElementId::MusicOn, "/PICTURE/MUZIKA2.JPG"));
  hover(ElementId::Slika);
  EXPECT_TRUE(shows(ElementId::MusicOn, "/PICTURE/MUZIKA1.JPG"));
}

TEST_F(HoverTest, DrawingWithThePencilRestsNothing) {
  click(ElementId::olovka);
  hover(ElementId::Rubber);
  press(test::canvasX(10), test::canvasY(10));
  move(test::canvasX(20), test::canvasY(20), kLeftButton);
  EXPECT_TRUE(shows(ElementId::Rubber, "/PICTURE/GUMICA2.JPG"));
  release(test::canvasX(20), test::canvasY(20));
  move(test::canvasX(30), test::canvasY(30));
  EXPECT_TRUE(shows(ElementId::Rubber, "/PICTURE/GUMICA1.JPG")) << "with the button up the canvas rests it";
}

}  // namespace
}  // namespace vellumo
