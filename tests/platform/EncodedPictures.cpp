#include "EncodedPictures.h"

// jpeglib.h needs size_t and FILE declared before it.
#include <cstddef>
#include <cstdio>
#include <cstdlib>
#include <jpeglib.h>
#include <png.h>

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

// Compresses grey or RGB rows; `script` chooses the scans of a progressive file.
Bytes compressJpeg(int width, int height, int components, const std::vector<unsigned char>& samples, int quality,
                   const std::vector<jpeg_scan_info>& script) {
  jpeg_compress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_compress(&info);
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  jpeg_mem_dest(&info, &buffer, &size);
  info.image_width = width;
  info.image_height = height;
  info.input_components = components;
  info.in_color_space = components == 1 ? JCS_GRAYSCALE : JCS_RGB;
  jpeg_set_defaults(&info);
  jpeg_set_quality(&info, quality, TRUE);
  if (!script.empty()) {
    info.scan_info = script.data();
    info.num_scans = static_cast<int>(script.size());
  }
  jpeg_start_compress(&info, TRUE);
  while (info.next_scanline < info.image_height) {
    auto* row = const_cast<JSAMPROW>(samples.data() + std::size_t{info.next_scanline} * width * components);
    jpeg_write_scanlines(&info, &row, 1);
  }
  jpeg_finish_compress(&info);
  Bytes out(buffer, buffer + size);
  std::free(buffer);
  jpeg_destroy_compress(&info);
  return out;
}

}  // namespace

Bytes jpegFile(const Picture& picture, int quality) {
  std::vector<unsigned char> samples;
  for (Colour c : picture.pixels) samples.insert(samples.end(), {red(c), green(c), blue(c)});
  return compressJpeg(picture.width, picture.height, 3, samples, quality, {});
}

Bytes progressiveJpeg(int width, int height, int scans) {
  if (scans < 2 || scans > 64) throw std::invalid_argument("2 to 64 scans");
  std::vector<jpeg_scan_info> script;
  script.push_back({1, {0}, 0, 0, 0, 0});  // DC
  const int bands = scans - 1;
  for (int band = 0; band < bands; ++band) {
    const int first = 1 + band * 63 / bands, last = (band + 1) * 63 / bands;
    script.push_back({1, {0}, first, last, 0, 0});
  }
  std::vector<unsigned char> samples(static_cast<std::size_t>(width) * height);
  for (std::size_t i = 0; i < samples.size(); ++i) samples[i] = static_cast<unsigned char>(i * 7 % 251);
  return compressJpeg(width, height, 1, samples, 90, script);
}

}  // namespace vellumo::test
