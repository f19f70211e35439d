#include <gtest/gtest.h>

#include <filesystem>

#include "core/AssetFiles.h"
#include "gallery/Gallery.h"
#include "screens/ScreenStates.h"
#include "tests/support/PrivateAppFolder.h"
#include "tests/support/RunningForm.h"
#include "tests/support/SamePicture.h"

namespace vellumo {
namespace {

class GalleryTest : public test::RunningForm {
 protected:
  bool paintingShown() {
    for (ElementId id : MainScreenControls)
      if (!form.elements().shown(id)) return false;
    return true;
  }
  bool anyPaintingShown() {
    for (ElementId id : MainScreenControls)
      if (form.elements().shown(id)) return true;
    return false;
  }
  int thumbnailsShown() {
    int n = 0;
    for (int k = 1; k <= 25; ++k) n += form.elements().shown(galerija(k));
    return n;
  }
  bool backgroundIs(const std::string& relative) {
    return form.elements().background()->pixels == decodePictureFile(form.state().AssetRoot + relative)->pixels;
  }
};

TEST_F(GalleryTest, OpeningPlacesTheWhiteThumbnailsOnTheirGrid) {
  EXPECT_EQ(thumbnailCell(1), 1);
  EXPECT_EQ(thumbnailCell(7), 21);
  EXPECT_EQ(thumbnailCell(25), 81);
  click(ElementId::MoreImages);
  EXPECT_EQ(form.state().ScreenMode, 1);
  EXPECT_FALSE(anyPaintingShown());
  EXPECT_TRUE(form.elements().shown(ElementId::Back));
  EXPECT_TRUE(backgroundIs("/PICTURE/GALERIJA-4.JPG"));
  const int lefts[] = {54, 198, 341, 485, 629}, tops[] = {48, 185, 322, 459, 596};
  for (int n = 1; n <= 25; ++n) {
    EXPECT_EQ(form.elements().left(galerija(n)), lefts[(n - 1) % 5]) << n;
    EXPECT_EQ(form.elements().top(galerija(n)), tops[(n - 1) / 5]) << n;
    EXPECT_TRUE(form.elements().shown(galerija(n))) << n;
    EXPECT_TRUE(shows(galerija(n), whiteThumbnail(n))) << n;
  }
  EXPECT_EQ(form.state().HighlightedThumb, 0);
}

TEST_F(GalleryTest, TheHighlightFollowsTheMouse) {
  click(ElementId::MoreImages);
  move(260, 700);  // bare background before any highlight: nothing to turn white
  hover(galerija(7));
  EXPECT_TRUE(shows(galerija(7), "/PICTURE/GALERIJA1ZUTE_21.JPG"));
  EXPECT_EQ(form.state().HighlightedThumb, 7);

  hover(galerija(3));
  hover(galerija(4));  // straight across the gap
  EXPECT_TRUE(shows(galerija(4), yellowThumbnail(4)));
  EXPECT_TRUE(shows(galerija(3), whiteThumbnail(3)));
  EXPECT_TRUE(shows(galerija(7), whiteThumbnail(7)));
  EXPECT_EQ(form.state().HighlightedThumb, 4);

  move(10, 760);  // onto the background
  EXPECT_TRUE(shows(galerija(4), whiteThumbnail(4)));
  EXPECT_EQ(form.state().HighlightedThumb, 4) << "the number is kept";
  hover(ElementId::Back);
  EXPECT_TRUE(shows(ElementId::Back, "/PICTURE/BACK2.JPG"));
  move(10, 760);
  EXPECT_TRUE(shows(ElementId::Back, "/PICTURE/BACK1.JPG"));
}

TEST_F(GalleryTest, ChoosingAPictureAndComingBack) {
  click(ElementId::PaletaZuta);
  soundsPlayed();
  click(ElementId::MoreImages);
  hover(galerija(12));
  click(galerija(12));
  EXPECT_EQ(form.state().ScreenMode, 0);
  EXPECT_EQ(form.state().CurrentPicture, 12);
  EXPECT_TRUE(paintingShown());
  EXPECT_EQ(thumbnailsShown(), 0);
  EXPECT_FALSE(form.elements().shown(ElementId::Back));
  EXPECT_TRUE(backgroundIs("/PICTURE/GLAVNA-4.JPG"));
  EXPECT_SAME_PICTURE(canvas(), *decodePictureFile(form.state().AssetRoot + "/PICTURE/12.GIF"));
  EXPECT_EQ(form.state().ColorSelected[3], 1) << "the colour stays chosen";
  EXPECT_TRUE(soundsPlayed().empty()) << "choosing a picture is silent";

  click(ElementId::MoreImages);
  for (int n = 1; n <= 25; ++n) EXPECT_TRUE(shows(galerija(n), whiteThumbnail(n))) << n;
  EXPECT_EQ(form.state().HighlightedThumb, 12);

  // Back keeps the painting as it was.
  canvas().at(5, 5) = rgb(1, 2, 3);
  click(ElementId::Back);
  EXPECT_EQ(form.state().ScreenMode, 0);
  EXPECT_EQ(form.state().CurrentPicture, 12);
  EXPECT_EQ(canvas().at(5, 5), rgb(1, 2, 3));
  EXPECT_EQ(form.elements().top(galerija(25)), 596) << "thumbnails stay on their grid while hidden";
}

TEST_F(GalleryTest, FreezingUnderADialog) {
  MainWindow& w = form.window();
  glavni_ekran_zamrznut(w);
  for (ElementId id : MainScreenControls) {
    if (id == ElementId::Papir) {
      EXPECT_FALSE(form.elements().shown(id));
    } else {
      EXPECT_TRUE(form.elements().shown(id));
      EXPECT_FALSE(form.elements().enabled(id));
    }
  }
  const Colour before = canvas().at(5, 5);
  click(test::canvasX(5), test::canvasY(5));
  EXPECT_EQ(canvas().at(5, 5), before) << "a frozen canvas takes no clicks";
  glavni_ekran_zamrznut(w);  // a second dialog changes nothing
  glavni_ekran_odmrznut(w);
  EXPECT_TRUE(paintingShown());
  for (ElementId id : MainScreenControls) EXPECT_TRUE(form.elements().enabled(id));

  click(ElementId::MoreImages);
  galerijski_ekran_zamrznut(w);
  hover(galerija(5));
  click(galerija(5));
  EXPECT_EQ(form.state().ScreenMode, 1) << "frozen thumbnails take no clicks";
  EXPECT_EQ(form.state().HighlightedThumb, 0);
  click(ElementId::Back);
  EXPECT_EQ(form.state().ScreenMode, 1) << "nor does Back, so the dialog closes onto the gallery";
  EXPECT_EQ(thumbnailsShown(), 25);
  galerijski_ekran_odmrznut(w);
  click(ElementId::Back);
  EXPECT_EQ(form.state().ScreenMode, 0);
}

// The gallery with files that go missing while the program runs.
class MissingFilesTest : public ::testing::Test, protected test::PrivateAppFolder {
 protected:
  MissingFilesTest() : test::PrivateAppFolder("gallery") { form.Form_Load(); }
  void clickAt(ElementId id) { test::clickElement(form, id); }
  test::RecordingDesktop desktop;
  FormaMain form{desktop, folder()};
};

TEST_F(MissingFilesTest, PartialResultsAndNoCrash) {
  std::filesystem::remove(folder() + "/PICTURE/GALERIJA1BELE_41.JPG");  // thumbnail 13
  std::filesystem::remove(folder() + "/PICTURE/07.GIF");
  clickAt(ElementId::MoreImages);
  EXPECT_EQ(form.state().ScreenMode, 1);
  for (int n = 1; n <= 25; ++n) EXPECT_EQ(form.elements().shown(galerija(n)), n < 13) << n;

  const Picture before = form.canvas().pixels();
  clickAt(galerija(7));
  EXPECT_EQ(form.state().ScreenMode, 1) << "a missing outline leaves the gallery showing";
  EXPECT_EQ(form.state().CurrentPicture, 1);
  EXPECT_SAME_PICTURE(form.canvas().pixels(), before);

  std::filesystem::remove(folder() + "/PICTURE/GLAVNA-4.JPG");
  clickAt(galerija(2));
  EXPECT_EQ(form.state().CurrentPicture, 2);
  EXPECT_EQ(form.state().ScreenMode, 0);
  EXPECT_FALSE(form.elements().shown(galerija(2)));
  EXPECT_TRUE(form.elements().shown(ElementId::Slika)) << "the painting screen comes back over the gallery background";
  EXPECT_SAME_PICTURE(*form.elements().background(), *decodePictureFile(folder() + "/PICTURE/GALERIJA-4.JPG"));
}

}  // namespace
}  // namespace vellumo
