#include "platform/JpegDecoder.h"

// jpeglib.h needs size_t and FILE declared before it.
#include <jpeglib.h>
#include <csetjmp>
#include <cstddef>
#include <cstdio>

#include <string>

#include "platform/LoadError.h"
#include "platform/PixelRows.h"

namespace vellumo {

namespace {

// libjpeg reports an error by calling error_exit, which must not return; it
// jumps back to the decoding function instead.
struct JpegErrors {
  jpeg_error_mgr manager;  // first, so libjpeg's pointer to it is one to this
  std::jmp_buf escape;
  char message[JMSG_LENGTH_MAX];
};

[[noreturn]] void escapeFromLibjpeg(j_common_ptr info) {
  auto* errors = reinterpret_cast<JpegErrors*>(info->err);
  info->err->format_message(info, errors->message);
  std::longjmp(errors->escape, 1);
}

// Level -1 is a warning: data that does not match its own structure, such as
// a scan that stops short, which libjpeg would fill in and go on. That makes
// a failing load, and nothing is ever printed. Higher levels are traces.
void onLibjpegMessage(j_common_ptr info, int level) {
  if (level < 0) escapeFromLibjpeg(info);
}

// Everything that can fail runs between the setjmp and the end, with no C++
// object alive in this frame, so the jump back skips no destructor.
bool decodeInto(std::span<const unsigned char> bytes, Picture& picture, JpegErrors& errors) {
  jpeg_decompress_struct info{};
  info.err = jpeg_std_error(&errors.manager);
  errors.manager.error_exit = escapeFromLibjpeg;
  errors.manager.emit_message = onLibjpegMessage;
  if (setjmp(errors.escape) != 0) {
    jpeg_destroy_decompress(&info);
    return false;
  }
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, bytes.data(), static_cast<unsigned long>(bytes.size()));
  jpeg_read_header(&info, TRUE);
  if (!withinPictureLimits(info.image_width, info.image_height)) {
    std::snprintf(errors.message, sizeof errors.message, "picture too large");
    jpeg_destroy_decompress(&info);
    return false;
  }
  info.out_color_space = JCS_EXT_RGBX;  // bytes R, G, B, unused: the Picture layout
  jpeg_start_decompress(&info);
  resizeForRows(picture, static_cast<int>(info.output_width), static_cast<int>(info.output_height));
  while (info.output_scanline < info.output_height) {
    JSAMPROW row = rowBytes(picture, static_cast<int>(info.output_scanline));
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return true;
}

}  // namespace

Picture decodeJpeg(std::span<const unsigned char> bytes) {
  Picture picture;
  JpegErrors errors{};
  if (!decodeInto(bytes, picture, errors)) throw LoadError(std::string("corrupt JPEG: ") + errors.message);
  clearUnusedBytes(picture);
  return picture;
}

}  // namespace vellumo
