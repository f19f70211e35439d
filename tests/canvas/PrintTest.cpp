#include <gtest/gtest.h>

#include <filesystem>

#include "canvas/PrintPicture.h"
#include "tests/support/PrivateAppFolder.h"
#include "tests/support/RunningForm.h"
#include "tests/support/SamePicture.h"

namespace vellumo {
namespace {

// Prints write into the application folder: each test has its own.
class PrintTest : private test::PrivateAppFolder, public test::RunningForm {
 protected:
  PrintTest() : test::PrivateAppFolder("print"), test::RunningForm(folder()) {}

  void ctrlP() {
    InputEvent e;
    e.kind = InputEvent::Kind::KeyDown;
    e.vkCode = 80;
    e.shift = kCtrlMask;
    form.handle(e);
  }
  std::string saved() { return form.state().AppDir + "/MY_PICTURE/01.GIF"; }
};

TEST_F(PrintTest, SavesTheCanvasShowsTheBannerThenPrints) {
  click(test::canvasX(0), test::canvasY(0));  // red reaches the canvas edges
  click(ElementId::PaletaZelena);
  click(test::canvasX(375), test::canvasY(250));
  const Picture painted = canvas();

  bool bannerDuringPause = false;
  desktop.onPresent = [&](const Picture&) { bannerDuringPause |= form.elements().shown(ElementId::PrintPict); };
  const double start = desktop.clock;
  ctrlP();
  EXPECT_TRUE(bannerDuringPause);
  EXPECT_FALSE(form.elements().shown(ElementId::PrintPict));
  EXPECT_DOUBLE_EQ(desktop.clock - start, 3.0);

  const PicturePtr file = decodePictureFile(saved());
  EXPECT_SAME_PICTURE(*file, painted) << "the saved file is the canvas, edges included";
  EXPECT_EQ(std::filesystem::file_size(saved()), 54u + 2252u * 600u) << "an uncompressed 24-bit BMP, rows padded";
  ASSERT_EQ(desktop.printed.size(), 1u);
  EXPECT_SAME_PICTURE(desktop.printed[0], painted);

  click(ElementId::Rubber);
  EXPECT_SAME_PICTURE(canvas(), *decodePictureFile(form.state().AssetRoot + "/PICTURE/01.GIF"))
      << "the eraser still restores the outline";
}

TEST_F(PrintTest, AFurtherCtrlPDuringThePrintDoesNothing) {
  for (double at : {0.5, 1.0, 2.9}) {
    InputEvent e;
    e.kind = InputEvent::Kind::KeyDown;
    e.vkCode = 80;
    e.shift = kCtrlMask;
    e.repeat = true;
    desktop.script.push_back({desktop.clock + at, e});
  }
  ctrlP();
  EXPECT_EQ(desktop.printed.size(), 1u) << "one page, however long the key is held";
  ctrlP();
  EXPECT_EQ(desktop.printed.size(), 2u) << "the next Ctrl+P prints again";
}

TEST_F(PrintTest, UnwritableFolderStopsBeforeTheBanner) {
  desktop.saveFails = true;
  bool bannerShown = false;
  desktop.onPresent = [&](const Picture&) { bannerShown |= form.elements().shown(ElementId::PrintPict); };
  const Picture before = canvas();
  const double start = desktop.clock;
  ctrlP();
  EXPECT_FALSE(bannerShown);
  EXPECT_TRUE(desktop.printed.empty());
  EXPECT_EQ(desktop.clock, start) << "no pause";
  EXPECT_SAME_PICTURE(canvas(), before);
  ctrlP();
  EXPECT_EQ(std::count(desktop.calls.begin(), desktop.calls.end(), "savePictureAsBmp " + saved()), 2)
      << "a failed print does not block the next one";
}

}  // namespace
}  // namespace vellumo
