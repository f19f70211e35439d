#include "EncodedPictures.h"

// jpeglib.h needs size_t and FILE declared before it.
#include <jpeglib.h>
#include <png.h>
#include <cstddef>
#include <cstdio>
#include <cstdlib>

#include <algorithm>
#include <map>
#include <stdexcept>

namespace vellumo::test {

namespace {

std::uint8_t red(Colour c) { return c & 0xFF; }
std::uint8_t green(Colour c) { return (c >> 8) & 0xFF; }
std::uint8_t blue(Colour c) { return (c >> 16) & 0xFF; }

void appendToBytes(png_structp png, png_bytep data, png_size_t size) {
  auto* out = static_cast<Bytes*>(png_get_io_ptr(png));
  out->insert(out->end(), data, data + size);
}

// Rows in the layout the PNG colour type wants.
std::vector<Bytes> pngRows(const Picture& picture, PngKind kind, std::map<Colour, int>& paletteIndex) {
  std::vector<Bytes> rows(picture.height);
  for (int y = 0; y < picture.height; ++y) {
    for (int x = 0; x < picture.width; ++x) {
      const Colour c = picture.at(x, y);
      Bytes& row = rows[y];
      switch (kind) {
        case PngKind::Grey16: row.insert(row.end(), {red(c), red(c)}); break;
        case PngKind::PaletteWithTransparency:
          row.push_back(static_cast<unsigned char>(paletteIndex.emplace(c, paletteIndex.size()).first->second));
          break;
        case PngKind::RgbaHalfOpaque: row.insert(row.end(), {red(c), green(c), blue(c), 128}); break;
        default: row.insert(row.end(), {red(c), green(c), blue(c)}); break;
      }
    }
  }
  return rows;
}

}  // namespace

Bytes pngFile(const Picture& picture, PngKind kind) {
  Bytes out;
  // libpng's own error handling: a test file it cannot write aborts the test.
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
  png_infop info = png_create_info_struct(png);
  png_set_write_fn(png, &out, appendToBytes, nullptr);
  std::map<Colour, int> paletteIndex;
  std::vector<Bytes> rows = pngRows(picture, kind, paletteIndex);
  const int colourType = kind == PngKind::Grey16                    ? PNG_COLOR_TYPE_GRAY
                         : kind == PngKind::PaletteWithTransparency ? PNG_COLOR_TYPE_PALETTE
                         : kind == PngKind::RgbaHalfOpaque          ? PNG_COLOR_TYPE_RGBA
                                                                    : PNG_COLOR_TYPE_RGB;
  png_set_IHDR(png, info, picture.width, picture.height, kind == PngKind::Grey16 ? 16 : 8, colourType,
               kind == PngKind::Interlaced ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
               PNG_FILTER_TYPE_DEFAULT);
  if (kind == PngKind::PaletteWithTransparency) {
    std::vector<png_color> palette(paletteIndex.size());
    for (const auto& [colour, index] : paletteIndex) palette[index] = {red(colour), green(colour), blue(colour)};
    png_set_PLTE(png, info, palette.data(), static_cast<int>(palette.size()));
    png_byte transparent = 0;
    png_set_tRNS(png, info, &transparent, 1, nullptr);
  }
  std::vector<png_bytep> rowPointers;
  for (Bytes& row : rows) rowPointers.push_back(row.data());
  png_set_rows(png, info, rowPointers.data());
  png_write_png(png, info, PNG_TRANSFORM_IDENTITY, nullptr);
  png_destroy_write_struct(&png, &info);
  return out;
}

namespace {

// Compresses a picture; `script` chooses the scans of a progressive file, whose
// colour is kept at full resolution.
Bytes compressJpeg(const Picture& picture, int quality, const std::vector<jpeg_scan_info>& script) {
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = picture.width;
  info.image_height = picture.height;
  info.input_components = 3;
  info.in_color_space = JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, quality, TRUE);
  if (!script.empty()) {
    info.comp_info[0].h_samp_factor = info.comp_info[0].v_samp_factor = 1;
    info.scan_info = script.data();
    info.num_scans = static_cast<int>(script.size());
  }
  jpeg_start_compress(&info, TRUE);
  std::vector<unsigned char> row(static_cast<std::size_t>(picture.width) * 3);
  while (info.next_scanline < info.image_height) {
    for (int x = 0; x < picture.width; ++x) {
      const Colour c = picture.at(x, static_cast<int>(info.next_scanline));
      row[3 * x] = red(c), row[3 * x + 1] = green(c), row[3 * x + 2] = blue(c);
    }
    JSAMPROW rows[] = {row.data()};
    jpeg_write_scanlines(&info, rows, 1);
  }
  jpeg_finish_compress(&info);
  Bytes out(buffer, buffer + size);
  std::free(buffer);
  jpeg_destroy_compress(&info);
  return out;
}

}  // namespace

Bytes jpegFile(const Picture& picture, int quality) { return compressJpeg(picture, quality, {}); }

Bytes progressiveJpeg(const Picture& picture, int scans, int quality) {
  constexpr int kComponents = 3, kCoefficients = 63;
  if (scans < 1 + kComponents || scans > 1 + kComponents * kCoefficients) throw std::invalid_argument("scans");
  std::vector<jpeg_scan_info> script{{kComponents, {0, 1, 2}, 0, 0, 0, 0}};  // the DC coefficients
  for (int component = 0; component < kComponents; ++component) {
    const int bands = (scans - 1) / kComponents + (component < (scans - 1) % kComponents ? 1 : 0);
    for (int band = 0; band < bands; ++band) {
      const int first = 1 + band * kCoefficients / bands, last = (band + 1) * kCoefficients / bands;
      script.push_back({1, {component}, first, last, 0, 0});
    }
  }
  return compressJpeg(picture, quality, script);
}

}  // namespace vellumo::test
