#include <gtest/gtest.h>

#include "core/AssetFiles.h"
#include "palette/Palette.h"
#include "tests/support/RunningForm.h"

namespace vellumo {
namespace {

class PaletteTest : public test::RunningForm {
 protected:
  // Exactly button k shows its selected image and the others their normal one.
  void expectSelected(int k) {
    for (int j = 1; j <= 12; ++j) {
      EXPECT_EQ(form.state().ColorSelected[j], j == k ? 1 : 0) << j;
      EXPECT_TRUE(shows(paleta(j), paletteImage(j == k ? ButtonLook::Selected : ButtonLook::Rest, j))) << j;
    }
  }
};

TEST_F(PaletteTest, NothingLooksSelectedBeforeTheFirstClick) {
  EXPECT_EQ(form.state().CurrentColor, rgb(255, 0, 0));
  for (int j = 1; j <= 12; ++j) EXPECT_TRUE(shows(paleta(j), paletteImage(ButtonLook::Rest, j))) << j;
}

TEST_F(PaletteTest, EveryButtonChoosesItsColourAndSound) {
  const char* sounds[] = {"",     "CRVENA",    "ZELENA", "ZUTA",  "SVPLAVA", "ORANZ", "LJUBICASTA",
                          "SIVA", "TAMNOZUTA", "BRAON",  "PLAVA", "CRNA",    "PINK"};
  for (int k = 1; k <= 12; ++k) {
    SCOPED_TRACE(k);
    click(paleta(k));
    EXPECT_EQ(form.state().CurrentColor, kPalette[k].colour);
    EXPECT_EQ(soundsPlayed(), std::vector<std::string>{"/SOUND/" + std::string(sounds[k]) + ".WAV"});
    expectSelected(k);
  }
  EXPECT_EQ(kPalette[8].colour, rgb(255, 255, 255));
  EXPECT_EQ(kPalette[11].colour, rgb(30, 30, 30));
}

TEST_F(PaletteTest, SequencesOfClicks) {
  click(ElementId::PaletaZuta);
  click(ElementId::PaletaPlava);
  expectSelected(10);
  soundsPlayed();
  click(ElementId::PaletaPlava);
  expectSelected(10);
  EXPECT_EQ(soundsPlayed(), std::vector<std::string>{"/SOUND/PLAVA.WAV"}) << "the selected button sounds again";

  click(ElementId::olovka);
  form.state().SoundEffectsOn = 0;
  click(ElementId::PaletaZelena);
  expectSelected(2);
  EXPECT_TRUE(soundsPlayed().empty());
  EXPECT_EQ(form.state().FillMode, 0) << "a colour keeps the tool";
  EXPECT_EQ(form.state().CurrentColor, rgb(52, 204, 103));
}

TEST_F(PaletteTest, TheSpeakerButtonMutesEverySound) {
  click(ElementId::MuteWave);
  EXPECT_EQ(form.state().SoundEffectsOn, 0);
  click(ElementId::PaletaPink);
  click(test::canvasX(5), test::canvasY(5));
  EXPECT_TRUE(soundsPlayed().empty());
  EXPECT_TRUE(shows(ElementId::MuteWave, "/PICTURE/ZVUCNIK1.JPG")) << "the click itself changes no image";
  click(ElementId::MuteWave);
  click(ElementId::PaletaPink);
  EXPECT_EQ(soundsPlayed(), std::vector<std::string>{"/SOUND/PINK.WAV"});
}

}  // namespace
}  // namespace vellumo
