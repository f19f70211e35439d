#include "platform/GifDecoder.h"

#include <gif_lib.h>

#include <algorithm>
#include <array>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "platform/LoadError.h"

namespace vellumo {

namespace {

struct MemoryInput {
  std::span<const unsigned char> bytes;
  std::size_t position = 0;
};

// giflib treats a short read as the end of the file.
int readFromMemory(GifFileType* gif, GifByteType* out, int wanted) {
  auto* input = static_cast<MemoryInput*>(gif->UserData);
  const std::size_t count = std::min<std::size_t>(wanted, input->bytes.size() - input->position);
  std::memcpy(out, input->bytes.data() + input->position, count);
  input->position += count;
  return static_cast<int>(count);
}

struct GifCloser {
  void operator()(GifFileType* gif) const {
    int ignored = 0;
    DGifCloseFile(gif, &ignored);
  }
};
using GifPtr = std::unique_ptr<GifFileType, GifCloser>;

[[noreturn]] void fail(int errorCode) {
  const char* text = GifErrorString(errorCode);  // null for a code it does not know
  throw LoadError(std::string("corrupt GIF: ") + (text != nullptr ? text : "unknown error"));
}
[[noreturn]] void fail(const GifFileType& gif) { fail(gif.Error); }

// Reads past the extensions (comments, animation control) before the first
// image; what follows that image is never read.
void readToFirstImage(GifFileType& gif) {
  for (;;) {
    GifRecordType record = UNDEFINED_RECORD_TYPE;
    if (DGifGetRecordType(&gif, &record) != GIF_OK) fail(gif);
    if (record == IMAGE_DESC_RECORD_TYPE) break;
    if (record != EXTENSION_RECORD_TYPE) throw LoadError("GIF without an image");
    int code = 0;
    GifByteType* block = nullptr;
    if (DGifGetExtension(&gif, &code, &block) != GIF_OK) fail(gif);
    while (block != nullptr) {
      if (DGifGetExtensionNext(&gif, &block) != GIF_OK) fail(gif);
    }
  }
  if (DGifGetImageDesc(&gif) != GIF_OK) fail(gif);
}

// An index the table does not reach shows black.
std::array<Colour, 256> colourLookup(const ColorMapObject& table) {
  std::array<Colour, 256> lookup{};
  const int count = std::clamp(table.ColorCount, 0, 256);
  for (int i = 0; i < count; ++i) {
    const GifColorType& c = table.Colors[i];
    lookup[i] = rgb(c.Red, c.Green, c.Blue);
  }
  return lookup;
}

// An interlaced image stores every eighth row from row 0, then every eighth
// from row 4, every fourth from row 2 and every second from row 1.
std::vector<int> rowOrder(int height, bool interlaced) {
  std::vector<int> rows;
  rows.reserve(height);
  if (!interlaced) {
    for (int y = 0; y < height; ++y) rows.push_back(y);
    return rows;
  }
  constexpr int kFirst[] = {0, 4, 2, 1}, kStep[] = {8, 8, 4, 2};
  for (int pass = 0; pass < 4; ++pass) {
    for (int y = kFirst[pass]; y < height; y += kStep[pass]) rows.push_back(y);
  }
  return rows;
}

}  // namespace

Picture decodeGif(std::span<const unsigned char> bytes) {
  MemoryInput input{bytes};
  int error = 0;
  const GifPtr gif(DGifOpen(&input, readFromMemory, &error));
  if (!gif) fail(error);
  readToFirstImage(*gif);

  const GifImageDesc& image = gif->Image;
  if (!withinPictureLimits(image.Width, image.Height)) throw LoadError("picture size out of range");
  const ColorMapObject* table = image.ColorMap != nullptr ? image.ColorMap : gif->SColorMap;
  if (table == nullptr || table->Colors == nullptr) throw LoadError("GIF without a colour table");
  const std::array<Colour, 256> lookup = colourLookup(*table);

  Picture picture(image.Width, image.Height);
  std::vector<GifPixelType> indices(static_cast<std::size_t>(image.Width));
  for (const int y : rowOrder(image.Height, image.Interlace)) {
    if (DGifGetLine(gif.get(), indices.data(), image.Width) != GIF_OK) fail(*gif);
    Colour* out = &picture.at(0, y);
    for (int x = 0; x < image.Width; ++x) out[x] = lookup[indices[x]];
  }
  return picture;
}

}  // namespace vellumo
