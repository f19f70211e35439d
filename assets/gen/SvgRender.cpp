#include "SvgRender.h"

#include <cairo.h>
#include <librsvg/rsvg.h>

#include <memory>
#include <stdexcept>

namespace assetgen {

std::string substitute(const std::string& text, const Params& params, const std::string& what) {
  std::string out;
  out.reserve(text.size());
  std::size_t pos = 0;
  while (true) {
    const std::size_t open = text.find("{{", pos);
    if (open == std::string::npos) break;
    const std::size_t close = text.find("}}", open + 2);
    if (close == std::string::npos) throw std::runtime_error(what + ": unclosed {{ in template");
    out.append(text, pos, open - pos);
    const std::string key = text.substr(open + 2, close - open - 2);
    const auto it = params.find(key);
    if (it == params.end()) throw std::runtime_error(what + ": no value for {{" + key + "}}");
    out += it->second;
    pos = close + 2;
  }
  out.append(text, pos, std::string::npos);
  return out;
}

Image renderSvg(const std::string& svgText, int width, int height, const std::string& what) {
  GError* error = nullptr;
  RsvgHandle* handle =
      rsvg_handle_new_from_data(reinterpret_cast<const guint8*>(svgText.data()), svgText.size(), &error);
  if (!handle) {
    std::string msg = what + ": librsvg cannot read the SVG: " + (error ? error->message : "?");
    if (error) g_error_free(error);
    throw std::runtime_error(msg);
  }
  std::unique_ptr<RsvgHandle, decltype(&g_object_unref)> handleGuard(handle, g_object_unref);
  rsvg_handle_set_dpi(handle, 96.0);

  cairo_surface_t* surface = cairo_image_surface_create(CAIRO_FORMAT_ARGB32, width, height);
  std::unique_ptr<cairo_surface_t, decltype(&cairo_surface_destroy)> surfaceGuard(surface, cairo_surface_destroy);
  cairo_t* cr = cairo_create(surface);
  std::unique_ptr<cairo_t, decltype(&cairo_destroy)> crGuard(cr, cairo_destroy);

  const RsvgRectangle viewport{0, 0, static_cast<double>(width), static_cast<double>(height)};
  if (!rsvg_handle_render_document(handle, cr, &viewport, &error)) {
    std::string msg = what + ": librsvg cannot render the SVG: " + (error ? error->message : "?");
    if (error) g_error_free(error);
    throw std::runtime_error(msg);
  }
  cairo_surface_flush(surface);

  Image image(width, height, Rgba{0, 0, 0, 0});
  const unsigned char* data = cairo_image_surface_get_data(surface);
  const int stride = cairo_image_surface_get_stride(surface);
  for (int y = 0; y < height; ++y) {
    const auto* row = reinterpret_cast<const std::uint32_t*>(data + static_cast<std::ptrdiff_t>(y) * stride);
    for (int x = 0; x < width; ++x) {
      const std::uint32_t p = row[x];  // premultiplied ARGB in native order
      const unsigned a = p >> 24;
      Rgba out{0, 0, 0, static_cast<std::uint8_t>(a)};
      if (a != 0) {
        auto un = [a](unsigned c) { return static_cast<std::uint8_t>((c * 255 + a / 2) / a); };
        out.r = un((p >> 16) & 0xFF);
        out.g = un((p >> 8) & 0xFF);
        out.b = un(p & 0xFF);
      }
      image.at(x, y) = out;
    }
  }
  return image;
}

void thresholdToBlackWhite(Image& image) {
  for (Rgba& p : image.pixels) {
    const int a = p.a;
    auto overWhite = [a](int c) { return (c * a + 255 * (255 - a)) / 255; };
    const int lum = (299 * overWhite(p.r) + 587 * overWhite(p.g) + 114 * overWhite(p.b)) / 1000;
    const std::uint8_t v = lum < 128 ? 0 : 255;
    p = {v, v, v, 255};
  }
}

}  // namespace assetgen
