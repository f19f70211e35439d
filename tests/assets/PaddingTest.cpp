// The encoders and the padding that brings every picture to its pinned byte
// size: exact sizes for small and large remainders, the same decoded pixels
// after padding, and a clear failure when an encoding is over its pin.

#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <cstdint>
#include <memory>
#include <vector>

#include "Gif.h"
#include "Jpeg.h"
#include "Padding.h"

namespace {

using assetgen::Bytes;

struct Decoded {
  int w = 0, h = 0;
  std::vector<std::uint32_t> pixels;  // RGBA32
  bool operator==(const Decoded&) const = default;
};

Decoded decode(const Bytes& bytes) {
  SDL_RWops* rw = SDL_RWFromConstMem(bytes.data(), static_cast<int>(bytes.size()));
  SDL_Surface* raw = IMG_Load_RW(rw, 1);
  if (!raw) {
    ADD_FAILURE() << "does not decode: " << IMG_GetError();
    return {};
  }
  SDL_Surface* s = SDL_ConvertSurfaceFormat(raw, SDL_PIXELFORMAT_RGBA32, 0);
  SDL_FreeSurface(raw);
  Decoded d{s->w, s->h, {}};
  for (int y = 0; y < s->h; ++y) {
    const auto* row =
        reinterpret_cast<const std::uint32_t*>(static_cast<const std::uint8_t*>(s->pixels) + y * s->pitch);
    d.pixels.insert(d.pixels.end(), row, row + s->w);
  }
  SDL_FreeSurface(s);
  return d;
}

assetgen::Image testPicture() {
  assetgen::Image image(61, 47);
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x)
      image.at(x, y) = {static_cast<std::uint8_t>(x * 4), static_cast<std::uint8_t>(y * 5),
                        static_cast<std::uint8_t>((x * y) % 256), 255};
  return image;
}

std::vector<std::uint8_t> testIndices(int w, int h, unsigned seed) {
  std::vector<std::uint8_t> v(static_cast<std::size_t>(w) * h);
  for (auto& i : v) {
    seed = seed * 1103515245u + 12345u;
    i = (seed >> 16) & 1;
  }
  return v;
}

const std::vector<std::size_t> kRemainders{0,    1,     2,     3,     4,     5,      6,      7,
                                           100,  254,   255,   256,   258,   259,    260,    261,
                                           1000, 65536, 65537, 65538, 65541, 131074, 131075, 200003};

TEST(Padding, JpegReachesEveryWantedSizeAndDecodesTheSame) {
  const Bytes jpeg = assetgen::encodeJpeg(testPicture(), {85, true});
  const Decoded original = decode(jpeg);
  for (std::size_t r : kRemainders) {
    const Bytes padded = assetgen::padJpeg(jpeg, jpeg.size() + r, "test.jpg");
    ASSERT_EQ(padded.size(), jpeg.size() + r) << "remainder " << r;
    EXPECT_EQ(decode(padded), original) << "remainder " << r;
  }
}

TEST(Padding, GifReachesEveryWantedSizeAndDecodesTheSame) {
  const int w = 97, h = 53;
  const Bytes gif = assetgen::encodeGif(testIndices(w, h, 7), w, h, {{0, 0, 0}, {255, 255, 255}});
  const Decoded original = decode(gif);
  for (std::size_t r : kRemainders) {
    const Bytes padded = assetgen::padGif(gif, gif.size() + r, "test.gif");
    ASSERT_EQ(padded.size(), gif.size() + r) << "remainder " << r;
    EXPECT_EQ(decode(padded), original) << "remainder " << r;
  }
}

TEST(Padding, AnEncodingOverItsPinFailsNamingTheFile) {
  const Bytes jpeg = assetgen::encodeJpeg(testPicture(), {85, true});
  try {
    assetgen::padJpeg(jpeg, jpeg.size() - 1, "BIG.JPG");
    FAIL() << "no error";
  } catch (const assetgen::TooLargeError& e) {
    const std::string msg = e.what();
    EXPECT_NE(msg.find("BIG.JPG"), std::string::npos) << msg;
    EXPECT_NE(msg.find(std::to_string(jpeg.size())), std::string::npos) << msg;
    EXPECT_NE(msg.find(std::to_string(jpeg.size() - 1)), std::string::npos) << msg;
  }
  const Bytes gif = assetgen::encodeGif(testIndices(20, 20, 1), 20, 20, {{0, 0, 0}, {255, 255, 255}});
  EXPECT_THROW(assetgen::padGif(gif, gif.size() - 1, "BIG.GIF"), assetgen::TooLargeError);
}

TEST(Gif, DecodesToTheIndicesGiven) {
  // Large and noisy enough to fill the 4096-code table several times.
  const int w = 400, h = 300;
  const std::vector<std::uint8_t> indices = testIndices(w, h, 42);
  const Decoded d = decode(assetgen::encodeGif(indices, w, h, {{0, 0, 0}, {255, 255, 255}}));
  ASSERT_EQ(d.w, w);
  ASSERT_EQ(d.h, h);
  for (std::size_t i = 0; i < indices.size(); ++i) {
    const std::uint32_t want = indices[i] ? 0xFFFFFFFFu : 0xFF000000u;
    ASSERT_EQ(d.pixels[i], want) << "pixel " << i;
  }
}

TEST(Gif, ABlankPageFitsItsPin) {
  const Bytes gif =
      assetgen::encodeGif(std::vector<std::uint8_t>(750 * 600, 1), 750, 600, {{0, 0, 0}, {255, 255, 255}});
  EXPECT_LE(gif.size(), 1212u);
  const Decoded d = decode(gif);
  EXPECT_EQ(d.w, 750);
  EXPECT_EQ(std::count(d.pixels.begin(), d.pixels.end(), 0xFFFFFFFFu), 750 * 600);
}

TEST(Encoders, TheSameInputGivesTheSameBytes) {
  EXPECT_EQ(assetgen::encodeJpeg(testPicture(), {85, true}), assetgen::encodeJpeg(testPicture(), {85, true}));
  EXPECT_EQ(assetgen::encodeGif(testIndices(50, 50, 3), 50, 50, {{0, 0, 0}, {255, 255, 255}}),
            assetgen::encodeGif(testIndices(50, 50, 3), 50, 50, {{0, 0, 0}, {255, 255, 255}}));
}

}  // namespace
