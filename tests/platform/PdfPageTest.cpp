// The printed page on any paper: one landscape page the size of the sheet,
// the picture at its natural size at the top-left of the printable area.

#include <gtest/gtest.h>

#include <algorithm>

#include "PrintedPage.h"
#include "TestFiles.h"
#include "platform/LoadError.h"
#include "platform/PdfPage.h"

namespace vellumo {
namespace {

constexpr double kPointsPerMm = 72 / 25.4;
constexpr double kDotsPerMm = 96 / 25.4;

TEST(PdfPage, LandscapeSheetWithThePictureAtThePrintableCorner) {
  struct Case {
    const char* name;
    PaperSize paper;
    int pictureLeft, pictureTop;  // in dots at 96 an inch
  };
  // Margins are multiples of 6.35 mm (24 dots) and differ on every side, so a
  // side that ends up in the wrong place shows.
  const Case cases[] = {
      {"A4 without margins", kA4Paper, 0, 0},
      // The print system turns the page onto the upright sheet one way or the
      // other: the picture keeps clear of the top and bottom margins on its
      // left, and of the left and right margins above it.
      {"upright Letter", {215.9, 279.4, 6.35, 19.05, 25.4, 12.7}, 96, 72},
      {"sheet fed landscape", {279.4, 215.9, 12.7, 19.05, 6.35, 25.4}, 48, 24},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Picture picture = test::cornerMarkedPicture();
    const test::TempDir dir;
    const std::string pdf = dir.write("page.pdf", landscapePdfPage(picture, c.paper));

    const test::PdfSummary summary = test::summariseWithPdfinfo(pdf);
    EXPECT_EQ(summary.pages, 1);
    const double longSide = std::max(c.paper.widthMm, c.paper.lengthMm);
    const double shortSide = std::min(c.paper.widthMm, c.paper.lengthMm);
    EXPECT_NEAR(summary.widthPt, longSide * kPointsPerMm, 0.5);
    EXPECT_NEAR(summary.heightPt, shortSide * kPointsPerMm, 0.5);

    const Picture page = test::rasteriseAt96Dpi(pdf);
    EXPECT_NEAR(page.width, longSide * kDotsPerMm, 1);
    EXPECT_TRUE(test::showsPictureAt(page, picture, c.pictureLeft, c.pictureTop));
  }
}

TEST(PdfPage, NoPictureIsAFailingLoad) { EXPECT_THROW(landscapePdfPage(Picture(), kA4Paper), LoadError); }

}  // namespace
}  // namespace vellumo
