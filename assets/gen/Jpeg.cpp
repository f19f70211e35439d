#include "Jpeg.h"

#include <cstdio>
// jpeglib.h needs size_t and FILE declared first.
#include <jpeglib.h>

#include <csetjmp>
#include <cstdlib>
#include <stdexcept>
#include <string>

namespace assetgen {
namespace {

struct ErrorManager {
  jpeg_error_mgr base;
  std::jmp_buf jump;
  char message[JMSG_LENGTH_MAX];
};

void onError(j_common_ptr cinfo) {
  auto* err = reinterpret_cast<ErrorManager*>(cinfo->err);
  (*cinfo->err->format_message)(cinfo, err->message);
  std::longjmp(err->jump, 1);
}

}  // namespace

Bytes encodeJpeg(const Image& image, const JpegSettings& settings) {
  std::vector<JSAMPLE> rgb(static_cast<std::size_t>(image.width) * image.height * 3);
  for (std::size_t i = 0; i < image.pixels.size(); ++i) {
    const Rgba p = image.pixels[i];
    auto overWhite = [&p](int c) { return static_cast<JSAMPLE>((c * p.a + 255 * (255 - p.a) + 127) / 255); };
    rgb[i * 3 + 0] = overWhite(p.r);
    rgb[i * 3 + 1] = overWhite(p.g);
    rgb[i * 3 + 2] = overWhite(p.b);
  }

  jpeg_compress_struct cinfo{};
  ErrorManager err{};
  cinfo.err = jpeg_std_error(&err.base);
  err.base.error_exit = onError;
  unsigned char* buffer = nullptr;
  unsigned long size = 0;
  if (setjmp(err.jump)) {
    jpeg_destroy_compress(&cinfo);
    std::free(buffer);
    throw std::runtime_error(std::string("libjpeg: ") + err.message);
  }
  jpeg_create_compress(&cinfo);
  jpeg_mem_dest(&cinfo, &buffer, &size);
  cinfo.image_width = static_cast<JDIMENSION>(image.width);
  cinfo.image_height = static_cast<JDIMENSION>(image.height);
  cinfo.input_components = 3;
  cinfo.in_color_space = JCS_RGB;
  jpeg_set_defaults(&cinfo);
  jpeg_set_quality(&cinfo, settings.quality, TRUE);
  cinfo.dct_method = JDCT_ISLOW;
  cinfo.optimize_coding = TRUE;
  const int factor = settings.chromaSubsampled ? 2 : 1;
  cinfo.comp_info[0].h_samp_factor = factor;
  cinfo.comp_info[0].v_samp_factor = factor;
  cinfo.comp_info[1].h_samp_factor = 1;
  cinfo.comp_info[1].v_samp_factor = 1;
  cinfo.comp_info[2].h_samp_factor = 1;
  cinfo.comp_info[2].v_samp_factor = 1;
  jpeg_start_compress(&cinfo, TRUE);
  while (cinfo.next_scanline < cinfo.image_height) {
    JSAMPROW row = &rgb[static_cast<std::size_t>(cinfo.next_scanline) * image.width * 3];
    jpeg_write_scanlines(&cinfo, &row, 1);
  }
  jpeg_finish_compress(&cinfo);
  Bytes out(buffer, buffer + size);
  jpeg_destroy_compress(&cinfo);
  std::free(buffer);
  return out;
}

}  // namespace assetgen
