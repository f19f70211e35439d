#include "platform/PdfPage.h"

#include <cairo-pdf.h>
#include <cairo.h>

#include <algorithm>
#include <cstdint>
#include <memory>
#include <new>

#include "platform/LoadError.h"

namespace vellumo {

namespace {

constexpr double kPointsPerMm = 72 / 25.4;
constexpr double kPointsPerPixel = 72.0 / 96;  // the picture's natural size: 96 pixels an inch

struct SurfaceRelease {
  void operator()(cairo_surface_t* surface) const { cairo_surface_destroy(surface); }
};
struct ContextRelease {
  void operator()(cairo_t* context) const { cairo_destroy(context); }
};
using Surface = std::unique_ptr<cairo_surface_t, SurfaceRelease>;
using Context = std::unique_ptr<cairo_t, ContextRelease>;

cairo_status_t appendBytes(void* closure, const unsigned char* data, unsigned int length) {
  auto* out = static_cast<std::vector<unsigned char>*>(closure);
  try {
    out->insert(out->end(), data, data + length);
  } catch (const std::bad_alloc&) {
    return CAIRO_STATUS_WRITE_ERROR;  // nothing may unwind through cairo
  }
  return CAIRO_STATUS_SUCCESS;
}

Surface imageOf(const Picture& picture) {
  Surface image(cairo_image_surface_create(CAIRO_FORMAT_RGB24, picture.width, picture.height));
  if (cairo_surface_status(image.get()) != CAIRO_STATUS_SUCCESS) throw LoadError("cannot hold the picture to print");
  cairo_surface_flush(image.get());
  unsigned char* data = cairo_image_surface_get_data(image.get());
  const int stride = cairo_image_surface_get_stride(image.get());
  for (int y = 0; y < picture.height; ++y) {
    auto* row = reinterpret_cast<std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
    for (int x = 0; x < picture.width; ++x) {
      const Colour c = picture.at(x, y);  // 0x00BBGGRR; cairo wants 0x00RRGGBB
      row[x] = ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF);
    }
  }
  cairo_surface_mark_dirty(image.get());
  return image;
}

// The landscape page in PDF points (72 an inch).
struct PageLayout {
  double widthPt = 0;
  double heightPt = 0;
  double pictureLeftPt = 0;
  double pictureTopPt = 0;
};

PageLayout landscapeLayout(const PaperSize& paper) {
  PageLayout layout;
  layout.widthPt = std::max(paper.widthMm, paper.lengthMm) * kPointsPerMm;
  layout.heightPt = std::min(paper.widthMm, paper.lengthMm) * kPointsPerMm;
  if (paper.widthMm > paper.lengthMm) {  // the sheet is fed landscape: nothing turns the page
    layout.pictureLeftPt = paper.leftMm * kPointsPerMm;
    layout.pictureTopPt = paper.topMm * kPointsPerMm;
    return layout;
  }
  // The print system lays the page on the upright sheet by a quarter turn,
  // clockwise or anticlockwise as the printer's driver prefers, so the page's
  // left edge falls on the sheet's top or bottom and its top edge on the
  // sheet's right or left. Keeping clear of both margins of each pair puts
  // the picture's corner inside the printable area whichever way it turns.
  layout.pictureLeftPt = std::max(paper.topMm, paper.bottomMm) * kPointsPerMm;
  layout.pictureTopPt = std::max(paper.leftMm, paper.rightMm) * kPointsPerMm;
  return layout;
}

}  // namespace

std::vector<unsigned char> landscapePdfPage(const Picture& picture, const PaperSize& paper) {
  const bool sizeValid = picture.width > 0 && picture.height > 0 &&
                         picture.pixels.size() == static_cast<std::size_t>(picture.width) * picture.height;
  if (!sizeValid) throw LoadError("no picture to print");
  const PageLayout layout = landscapeLayout(paper);

  std::vector<unsigned char> document;
  Surface pdf(cairo_pdf_surface_create_for_stream(appendBytes, &document, layout.widthPt, layout.heightPt));
  const Surface image = imageOf(picture);
  {
    const Context page(cairo_create(pdf.get()));
    cairo_translate(page.get(), layout.pictureLeftPt, layout.pictureTopPt);
    cairo_scale(page.get(), kPointsPerPixel, kPointsPerPixel);
    cairo_set_source_surface(page.get(), image.get(), 0, 0);
    // Printed pixels stay sharp squares: the outlines are meant to be crisp.
    cairo_pattern_set_filter(cairo_get_source(page.get()), CAIRO_FILTER_NEAREST);
    cairo_paint(page.get());
    cairo_show_page(page.get());
    if (cairo_status(page.get()) != CAIRO_STATUS_SUCCESS) throw LoadError("cannot draw the page to print");
  }
  cairo_surface_finish(pdf.get());
  if (cairo_surface_status(pdf.get()) != CAIRO_STATUS_SUCCESS) throw LoadError("cannot make the page to print");
  return document;
}

}  // namespace vellumo
