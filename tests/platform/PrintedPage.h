#pragma once
// Looking at printed pages the way a reader would: the page count and size
// that poppler's pdfinfo reports, and the page rasterised by pdftoppm at 96
// dots an inch, where a picture at its natural size covers exactly its own
// number of dots.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "platform/Picture.h"

namespace vellumo::test {

struct PdfSummary {
  int pages = 0;
  double widthPt = 0;
  double heightPt = 0;
};

// Empty (pages 0) when pdfinfo cannot read the file.
PdfSummary summariseWithPdfinfo(const std::string& pdfPath);

// The first page at 96 dots an inch; an empty picture when pdftoppm fails.
Picture rasteriseAt96Dpi(const std::string& pdfPath);

// 750x600 on white, with a block of its own colour in each corner.
Picture cornerMarkedPicture(Colour corners = rgb(200, 0, 0));

// Whether `page` shows a corner-marked picture at its natural size with its
// top-left at (left, top), on white paper. Allows the rasteriser a dot of
// slack at each edge.
::testing::AssertionResult showsPictureAt(const Picture& page, const Picture& picture, int left, int top);

}  // namespace vellumo::test
