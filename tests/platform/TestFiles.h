#pragma once
// Small files for the platform tests, written byte by byte so the tests do
// not depend on the decoder they check, plus a temporary folder to put them in.

#include <array>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/Picture.h"

namespace vellumo::test {

using Bytes = std::vector<unsigned char>;

// A folder of its own under the temporary directory, removed with everything
// in it when the object goes.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;

  std::string root() const { return root_.string(); }
  std::string path(const std::string& name) const { return (root_ / name).string(); }
  std::string write(const std::string& name, const Bytes& bytes) const;

 private:
  std::filesystem::path root_;
};

Bytes readAll(const std::string& path);
void writeFile(const std::string& path, const Bytes& bytes);

// A 24-bit uncompressed BMP, rows stored bottom-up unless topDown.
Bytes bmp24(const Picture& picture, bool topDown = false);

// A GIF with a four-colour global palette; indices holds one entry (0-3) per
// pixel, row by row. An interlaced one stores its rows in the four passes.
Bytes gif4(int width, int height, const std::array<Colour, 4>& palette, const std::vector<std::uint8_t>& indices,
           bool interlaced = false);

// One image of an icon or cursor file: a square 32-bit bitmap of one colour.
struct IconImage {
  int side = 32;
  std::uint8_t colourCountByte = 0;  // 0 means true colour
  int hotSpotX = 0, hotSpotY = 0;    // written for cursors only
  std::uint32_t argb = 0xFF000000;
};
Bytes iconFile(bool cursor, const std::vector<IconImage>& images);

// A short PCM WAV file: a sound under a picture's name.
Bytes wavFile();

}  // namespace vellumo::test
