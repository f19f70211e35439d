#include "platform/PngDecoder.h"

#include <png.h>

#include <csetjmp>
#include <cstdio>
#include <cstring>
#include <string>

#include "platform/LoadError.h"
#include "platform/PixelRows.h"

namespace vellumo {

namespace {

// libpng reports an error through a function that must not return; it jumps
// back to the decoding function instead.
struct PngErrors {
  std::jmp_buf escape;
  char message[128];
};

[[noreturn]] void escapeFromLibpng(png_structp png, png_const_charp message) {
  auto* errors = static_cast<PngErrors*>(png_get_error_ptr(png));
  std::snprintf(errors->message, sizeof errors->message, "%s", message);
  std::longjmp(errors->escape, 1);
}

// Warnings are about chunks the picture does without; never printed.
void ignoreWarning(png_structp, png_const_charp) {}

struct MemoryInput {
  std::span<const unsigned char> bytes;
  std::size_t position = 0;
};

// Asking for more than is left is an error, never a short read: libpng
// would go on with stale data.
void readFromMemory(png_structp png, png_bytep out, png_size_t wanted) {
  auto* input = static_cast<MemoryInput*>(png_get_io_ptr(png));
  if (wanted > input->bytes.size() - input->position) png_error(png, "truncated PNG");
  std::memcpy(out, input->bytes.data() + input->position, wanted);
  input->position += wanted;
}

// Every kind of PNG becomes rows of 8-bit red, green, blue and opacity.
void requestRgbaRows(png_structp png) {
  png_set_expand(png);  // palette and small grey to 8 bits, transparency to opacity
  png_set_strip_16(png);
  png_set_gray_to_rgb(png);
  png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
}

// Everything that can fail runs between the setjmp and the end, with no C++
// object alive in this frame, so the jump back skips no destructor.
bool decodeInto(MemoryInput& input, Picture& picture, PngErrors& errors) {
  png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, &errors, escapeFromLibpng, ignoreWarning);
  if (png == nullptr) {
    std::snprintf(errors.message, sizeof errors.message, "out of memory");
    return false;
  }
  png_infop info = png_create_info_struct(png);
  if (info == nullptr) {
    png_destroy_read_struct(&png, nullptr, nullptr);
    std::snprintf(errors.message, sizeof errors.message, "out of memory");
    return false;
  }
  if (setjmp(errors.escape) != 0) {
    png_destroy_read_struct(&png, &info, nullptr);
    return false;
  }
  png_set_read_fn(png, &input, readFromMemory);
  png_set_user_limits(png, kMaxPictureSide, kMaxPictureSide);
  // Only the chunks that make the picture are read; text, colour profiles and
  // the other extras, some of them compressed, are skipped unread.
  png_set_keep_unknown_chunks(png, PNG_HANDLE_CHUNK_NEVER, nullptr, -1);
  png_read_info(png, info);
  const png_uint_32 width = png_get_image_width(png, info), height = png_get_image_height(png, info);
  if (!withinPictureLimits(width, height)) png_error(png, "picture too large");
  requestRgbaRows(png);
  const int passes = png_set_interlace_handling(png);
  png_read_update_info(png, info);
  if (png_get_rowbytes(png, info) != width * 4) png_error(png, "unexpected row layout");
  resizeForRows(picture, static_cast<int>(width), static_cast<int>(height));
  for (int pass = 0; pass < passes; ++pass) {
    for (png_uint_32 y = 0; y < height; ++y) png_read_row(png, rowBytes(picture, static_cast<int>(y)), nullptr);
  }
  png_read_end(png, nullptr);
  png_destroy_read_struct(&png, &info, nullptr);
  return true;
}

}  // namespace

Picture decodePng(std::span<const unsigned char> bytes) {
  MemoryInput input{bytes};
  Picture picture;
  PngErrors errors{};
  if (!decodeInto(input, picture, errors)) throw LoadError(std::string("corrupt PNG: ") + errors.message);
  clearUnusedBytes(picture);
  return picture;
}

}  // namespace vellumo
