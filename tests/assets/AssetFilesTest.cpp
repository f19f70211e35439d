// The generated application folder: every picture at its pinned byte size
// and its element's pixel size, outline pictures in pure black and white with
// closed regions, the pointer icons, the sounds and the music.

#include <SDL.h>
#include <SDL_image.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "PictureTable.h"
#include "core/AssetFiles.h"

namespace {

namespace fs = std::filesystem;

const fs::path kAppDir = VELLUMO_APP_DIR;

using SurfacePtr = std::unique_ptr<SDL_Surface, decltype(&SDL_FreeSurface)>;

SurfacePtr loadRgba(const fs::path& path) {
  SDL_Surface* raw = IMG_Load(path.c_str());
  if (!raw) return {nullptr, SDL_FreeSurface};
  SDL_Surface* rgba = SDL_ConvertSurfaceFormat(raw, SDL_PIXELFORMAT_RGBA32, 0);
  SDL_FreeSurface(raw);
  return {rgba, SDL_FreeSurface};
}

struct Rgba {
  std::uint8_t r, g, b, a;
};

Rgba pixel(const SDL_Surface* s, int x, int y) {
  const auto* p = static_cast<const std::uint8_t*>(s->pixels) + y * s->pitch + x * 4;
  return {p[0], p[1], p[2], p[3]};
}

std::string fileName(std::string_view relativePath) {
  return std::string(relativePath.substr(relativePath.rfind('/') + 1));
}

std::vector<std::uint8_t> readBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(AssetFiles, EveryPictureHasItsPinnedByteSize) {
  for (const auto& row : vellumo::ExpectedAssetSizes) {
    const fs::path path = kAppDir / std::string(row.relativePath.substr(1));
    ASSERT_TRUE(fs::exists(path)) << path;
    EXPECT_EQ(fs::file_size(path), static_cast<std::uintmax_t>(row.size)) << path;
  }
}

TEST(AssetFiles, EveryPictureDecodesAtItsElementSize) {
  for (const auto& row : vellumo::ExpectedAssetSizes) {
    const std::string name = fileName(row.relativePath);
    const auto format = assetgen::pictureFormat(name);
    ASSERT_TRUE(format) << name << " has no row in the pixel-size table";
    SurfacePtr s = loadRgba(kAppDir / "PICTURE" / name);
    ASSERT_TRUE(s) << name << ": " << IMG_GetError();
    EXPECT_EQ(s->w, format->width) << name;
    EXPECT_EQ(s->h, format->height) << name;
  }
}

TEST(AssetFiles, ElementSizesMatchTheLayout) {
  EXPECT_EQ(assetgen::pictureFormat("GLAVNA-4.JPG")->width, 1024);
  EXPECT_EQ(assetgen::pictureFormat("07.GIF")->height, 600);
  EXPECT_EQ(assetgen::pictureFormat("BOJE3_12.JPG")->width, 86);  // wider than its 84-wide element
  EXPECT_EQ(assetgen::pictureFormat("BOJE1_05.JPG")->width, 83);
  EXPECT_EQ(assetgen::pictureFormat("MUSICOFF2.JPG")->height, 79);  // higher than its element
  EXPECT_EQ(assetgen::pictureFormat("GALERIJA1ZUTE_81.JPG")->width, 131);
  EXPECT_FALSE(assetgen::pictureFormat("NOSUCH.JPG"));
}

// White regions of an outline picture, 4-connected as the fill tool sees them:
// the size of each, the first pixel of each (row by row) and whether it
// reaches the picture's edge.
struct Region {
  int size;
  int x, y;
  bool touchesBorder = false;
};
struct RegionMap {
  std::vector<Region> regions;
  std::vector<int> label;  // per pixel: index into regions, or -1 on a line
};
RegionMap labelRegions(const std::vector<bool>& white, int w, int h) {
  RegionMap map{{}, std::vector<int>(white.size(), -1)};
  std::vector<int> stack;
  for (int start = 0; start < w * h; ++start) {
    if (map.label[start] != -1 || !white[start]) continue;
    const int id = static_cast<int>(map.regions.size());
    map.regions.push_back({0, start % w, start / w});
    stack.push_back(start);
    map.label[start] = id;
    while (!stack.empty()) {
      const int i = stack.back();
      stack.pop_back();
      ++map.regions[id].size;
      const int x = i % w, y = i / w;
      if (x == 0 || y == 0 || x == w - 1 || y == h - 1) map.regions[id].touchesBorder = true;
      const int next[4][2] = {{x - 1, y}, {x + 1, y}, {x, y - 1}, {x, y + 1}};
      for (const auto& n : next) {
        if (n[0] < 0 || n[1] < 0 || n[0] >= w || n[1] >= h) continue;
        const int j = n[1] * w + n[0];
        if (map.label[j] == -1 && white[j]) {
          map.label[j] = id;
          stack.push_back(j);
        }
      }
    }
  }
  return map;
}

std::vector<bool> whiteMask(const SDL_Surface* s) {
  std::vector<bool> white(static_cast<std::size_t>(s->w) * s->h);
  for (int y = 0; y < s->h; ++y)
    for (int x = 0; x < s->w; ++x) white[static_cast<std::size_t>(y) * s->w + x] = pixel(s, x, y).r != 0;
  return white;
}

std::vector<Region> whiteRegions(const SDL_Surface* s) { return labelRegions(whiteMask(s), s->w, s->h).regions; }

// The white that stays when every line is drawn `grow` pixels fatter on each
// side: a gap narrower than 2 * grow + 1 between two lines is closed.
std::vector<bool> widenLines(const std::vector<bool>& white, int w, int h, int grow) {
  // Summed-area table of black pixels, so each window is counted in O(1).
  std::vector<int> sum(static_cast<std::size_t>(w + 1) * (h + 1), 0);
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      sum[(y + 1) * (w + 1) + x + 1] =
          !white[y * w + x] + sum[y * (w + 1) + x + 1] + sum[(y + 1) * (w + 1) + x] - sum[y * (w + 1) + x];
  std::vector<bool> out(white.size());
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x) {
      const int x0 = std::max(0, x - grow), y0 = std::max(0, y - grow);
      const int x1 = std::min(w, x + grow + 1), y1 = std::min(h, y + grow + 1);
      const int black =
          sum[y1 * (w + 1) + x1] - sum[y0 * (w + 1) + x1] - sum[y1 * (w + 1) + x0] + sum[y0 * (w + 1) + x0];
      out[y * w + x] = black == 0;
    }
  return out;
}

// The outline pictures are 00.GIF (the blank page) to 25.GIF.
std::string outlineName(int n) {
  char name[8];
  std::snprintf(name, sizeof name, "%02d.GIF", n);
  return name;
}

TEST(AssetFiles, OutlinePicturesArePureBlackOnPureWhite) {
  for (int n = 0; n <= 25; ++n) {
    const std::string name = outlineName(n);
    SurfacePtr s = loadRgba(kAppDir / "PICTURE" / name);
    ASSERT_TRUE(s) << name;
    long black = 0;
    for (int y = 0; y < s->h; ++y) {
      for (int x = 0; x < s->w; ++x) {
        const Rgba p = pixel(s.get(), x, y);
        const bool isBlack = p.r == 0 && p.g == 0 && p.b == 0;
        const bool isWhite = p.r == 255 && p.g == 255 && p.b == 255;
        ASSERT_TRUE(isBlack || isWhite) << name << " at " << x << "," << y;
        black += isBlack;
      }
    }
    if (n == 0) {
      EXPECT_EQ(black, 0) << "the blank page is all white";
    } else {
      EXPECT_GT(black, 2000) << name << " has lines";
    }
  }
}

TEST(AssetFiles, OutlinePicturesHaveClosedRegionsBigEnoughToFill) {
  for (int n = 1; n <= 25; ++n) {
    const std::string name = outlineName(n);
    SurfacePtr s = loadRgba(kAppDir / "PICTURE" / name);
    ASSERT_TRUE(s) << name;
    const std::vector<Region> regions = whiteRegions(s.get());
    const Region smallest = *std::min_element(regions.begin(), regions.end(),
                                              [](const Region& a, const Region& b) { return a.size < b.size; });
    // A picture to colour has several closed shapes besides the background,
    // and none so small that a click cannot find it.
    EXPECT_GE(regions.size(), 4u) << name;
    EXPECT_GE(smallest.size, 40) << name << " has a region of " << smallest.size << " pixels at " << smallest.x << ","
                                 << smallest.y;
  }
}

// What a child meets when colouring: enough shapes to make a picture worth
// finishing but not so many it becomes a chore, each big enough for a small
// hand to hit, and a drawing whose lines are closed so one click on the
// background does not flood the figure.
TEST(AssetFiles, OutlinePicturesGiveAChildShapesToColour) {
  constexpr int kFewestRegions = 12, kMostRegions = 60;
  constexpr int kSmallestRegion = 300;  // pixels; a fingertip-sized target
  constexpr int kBigRegion = 2000;      // pixels; a shape, not a detail
  constexpr int kFewestBigRegions = 3;
  for (int n = 1; n <= 25; ++n) {
    const std::string name = outlineName(n);
    SurfacePtr s = loadRgba(kAppDir / "PICTURE" / name);
    ASSERT_TRUE(s) << name;
    std::vector<Region> regions = whiteRegions(s.get());
    // The background is the biggest region reaching the edge; a ground or
    // sea cut off by a line across the picture is a region to colour.
    const auto background = std::max_element(regions.begin(), regions.end(), [](const Region& a, const Region& b) {
      return a.touchesBorder < b.touchesBorder || (a.touchesBorder == b.touchesBorder && a.size < b.size);
    });
    ASSERT_TRUE(background->touchesBorder) << name << " has a white background";
    regions.erase(background);

    EXPECT_GE(static_cast<int>(regions.size()), kFewestRegions) << name;
    EXPECT_LE(static_cast<int>(regions.size()), kMostRegions) << name;
    int big = 0;
    for (const Region& r : regions) {
      EXPECT_GE(r.size, kSmallestRegion) << name << " has a region of " << r.size << " pixels at " << r.x << "," << r.y;
      big += r.size >= kBigRegion;
    }
    // A gap in an outline merges the figure into the background, leaving
    // only small details as regions of their own.
    EXPECT_GE(big, kFewestBigRegions) << name << ": its figure leaks into the background";
  }
}

// Lines that almost meet leave a gap a fill slips through: the background
// floods the figure, or a face fills together with its hat. Drawing every
// line a little fatter closes such a gap, so a region that falls apart into
// two sizeable parts when that happens had its parts joined only through one.
TEST(AssetFiles, OutlinePicturesHaveNoGapsAFillLeaksThrough) {
  constexpr int kGrow = 3;    // closes gaps up to 7 pixels wide
  constexpr int kPart = 150;  // pixels left after widening; smaller is a corner, not a part
  for (int n = 1; n <= 25; ++n) {
    const std::string name = outlineName(n);
    SurfacePtr s = loadRgba(kAppDir / "PICTURE" / name);
    ASSERT_TRUE(s) << name;
    const int w = s->w, h = s->h;
    const std::vector<bool> white = whiteMask(s.get());
    const RegionMap drawn = labelRegions(white, w, h);
    const RegionMap widened = labelRegions(widenLines(white, w, h, kGrow), w, h);

    std::map<int, std::vector<Region>> partsOf;  // drawn region -> its sizeable widened parts
    for (const Region& part : widened.regions)
      if (part.size >= kPart) partsOf[drawn.label[part.y * w + part.x]].push_back(part);
    for (const auto& [id, parts] : partsOf) {
      if (parts.size() < 2) continue;
      const Region& r = drawn.regions[id];
      ADD_FAILURE() << name << ": the " << (r.touchesBorder ? "background" : "region") << " at " << r.x << "," << r.y
                    << " is " << parts.size() << " parts joined through gaps under " << 2 * kGrow + 1
                    << " pixels, e.g. at " << parts[0].x << "," << parts[0].y << " (" << parts[0].size << " px) and "
                    << parts[1].x << "," << parts[1].y << " (" << parts[1].size << " px)";
    }
  }
}

TEST(AssetFiles, ToolPointerIconsDecodeWithTheirTipAtTheCentre) {
  for (const char* name : {"KANTICA8.ICO", "CETKA.ICO"}) {
    SurfacePtr s = loadRgba(kAppDir / "PICTURE" / name);
    ASSERT_TRUE(s) << name << ": " << IMG_GetError();
    const auto format = assetgen::pictureFormat(name);
    EXPECT_EQ(s->w, format->width);
    EXPECT_EQ(s->h, format->height);
    const int cx = s->w / 2, cy = s->h / 2;
    bool opaqueNearCentre = false;
    for (int y = cy - 1; y <= cy + 1; ++y)
      for (int x = cx - 1; x <= cx + 1; ++x) opaqueNearCentre = opaqueNearCentre || pixel(s.get(), x, y).a > 0;
    EXPECT_TRUE(opaqueNearCentre) << name << ": the tip is at the centre";
    for (int y = 0; y < cy - 2; ++y)
      for (int x = 0; x < s->w; ++x)
        ASSERT_EQ(pixel(s.get(), x, y).a, 0) << name << ": the upper half is clear, at " << x << "," << y;
  }
}

const char* const kSoundNames[] = {"CRVENA.WAV", "ZELENA.WAV",     "ZUTA.WAV", "SVPLAVA.WAV",
                                   "ORANZ.WAV",  "LJUBICASTA.WAV", "SIVA.WAV", "TAMNOZUTA.WAV",
                                   "BRAON.WAV",  "PLAVA.WAV",      "CRNA.WAV", "PINK.WAV"};

TEST(AssetFiles, SoundsAreShortAudibleAndUnclipped) {
  const auto& names = kSoundNames;
  std::vector<std::vector<std::uint8_t>> seen;
  for (const char* name : names) {
    const fs::path path = kAppDir / "SOUND" / name;
    SDL_AudioSpec audio;
    Uint8* buffer = nullptr;
    Uint32 length = 0;
    ASSERT_TRUE(SDL_LoadWAV(path.c_str(), &audio, &buffer, &length)) << name << ": " << SDL_GetError();
    EXPECT_EQ(audio.format, AUDIO_S16LSB) << name;
    const double seconds = static_cast<double>(length) / (audio.freq * audio.channels * 2);
    EXPECT_GT(seconds, 0.1) << name;
    EXPECT_LT(seconds, 1.0) << name;
    int peak = 0;
    const auto* samples = reinterpret_cast<const Sint16*>(buffer);
    for (Uint32 i = 0; i < length / 2; ++i) peak = std::max(peak, std::abs(static_cast<int>(samples[i])));
    EXPECT_GT(peak, 3000) << name << " is not silent";
    EXPECT_LT(peak, 32000) << name << " does not clip";
    seen.emplace_back(buffer, buffer + length);
    SDL_FreeWAV(buffer);
  }
  for (std::size_t i = 0; i < seen.size(); ++i)
    for (std::size_t j = i + 1; j < seen.size(); ++j) EXPECT_NE(seen[i], seen[j]) << names[i] << " and " << names[j];
}

// Switching colours must not make one sound jump out over the others: the
// loudest 50 ms of every sound sits at about the same level.
TEST(AssetFiles, SoundsAreEquallyLoud) {
  double quietest = 1e9, loudest = -1e9;
  for (const char* name : kSoundNames) {
    SDL_AudioSpec audio;
    Uint8* buffer = nullptr;
    Uint32 length = 0;
    ASSERT_TRUE(SDL_LoadWAV((kAppDir / "SOUND" / name).c_str(), &audio, &buffer, &length)) << name;
    const auto* samples = reinterpret_cast<const Sint16*>(buffer);
    const std::size_t count = length / 2, window = static_cast<std::size_t>(audio.freq * audio.channels / 20);
    double bestPower = 0;
    for (std::size_t start = 0; start + window <= count; start += window / 4) {
      double power = 0;
      for (std::size_t i = start; i < start + window; ++i) power += static_cast<double>(samples[i]) * samples[i];
      bestPower = std::max(bestPower, power / window);
    }
    SDL_FreeWAV(buffer);
    const double level = 10 * std::log10(bestPower / (32768.0 * 32768.0));
    quietest = std::min(quietest, level);
    loudest = std::max(loudest, level);
  }
  EXPECT_LT(loudest - quietest, 2.0) << "dB between the loudest and the quietest colour sound";
}

std::uint32_t be(const std::vector<std::uint8_t>& b, std::size_t at, int n) {
  std::uint32_t v = 0;
  for (int i = 0; i < n; ++i) v = (v << 8) | b.at(at + i);
  return v;
}

TEST(AssetFiles, MusicIsAStandardMidiFileOfOneToTwoMinutes) {
  const std::vector<std::uint8_t> b = readBytes(kAppDir / "MUSIC" / "001.MID");
  ASSERT_GE(b.size(), 14u);
  ASSERT_EQ(std::string(b.begin(), b.begin() + 4), "MThd");
  ASSERT_EQ(be(b, 4, 4), 6u);
  const std::uint32_t format = be(b, 8, 2), tracks = be(b, 10, 2), division = be(b, 12, 2);
  EXPECT_LE(format, 1u);
  ASSERT_GE(tracks, 2u);
  ASSERT_LT(division, 0x8000u);  // ticks per beat, not SMPTE

  // Walk every track: the tempo map and the last tick.
  std::map<std::uint32_t, std::uint32_t> tempo{{0, 500000}};
  std::uint32_t endTick = 0;
  std::size_t pos = 14;
  int notes = 0;
  for (std::uint32_t t = 0; t < tracks; ++t) {
    ASSERT_EQ(std::string(b.begin() + pos, b.begin() + pos + 4), "MTrk");
    const std::size_t end = pos + 8 + be(b, pos + 4, 4);
    pos += 8;
    std::uint32_t tick = 0;
    std::uint8_t status = 0;
    bool sawEnd = false;
    while (pos < end) {
      std::uint32_t delta = 0;
      std::uint8_t c;
      do {
        c = b.at(pos++);
        delta = (delta << 7) | (c & 0x7F);
      } while (c & 0x80);
      tick += delta;
      std::uint8_t first = b.at(pos);
      if (first & 0x80) {
        status = first;
        ++pos;
      }
      if (status == 0xFF) {
        const std::uint8_t type = b.at(pos++);
        std::uint32_t len = 0;
        do {
          c = b.at(pos++);
          len = (len << 7) | (c & 0x7F);
        } while (c & 0x80);
        if (type == 0x51) tempo[tick] = be(b, pos, 3);
        if (type == 0x2F) sawEnd = true;
        pos += len;
      } else if (status == 0xF0 || status == 0xF7) {
        std::uint32_t len = 0;
        do {
          c = b.at(pos++);
          len = (len << 7) | (c & 0x7F);
        } while (c & 0x80);
        pos += len;
      } else {
        const int kind = status & 0xF0;
        if (kind == 0x90 && b.at(pos + 1) > 0) ++notes;
        pos += (kind == 0xC0 || kind == 0xD0) ? 1 : 2;
      }
    }
    EXPECT_TRUE(sawEnd) << "track " << t << " ends with End of Track";
    ASSERT_EQ(pos, end);
    endTick = std::max(endTick, tick);
  }
  double seconds = 0;
  for (auto it = tempo.begin(); it != tempo.end(); ++it) {
    const auto next = std::next(it);
    const std::uint32_t until = next == tempo.end() ? endTick : std::min(endTick, next->first);
    if (until > it->first) seconds += static_cast<double>(until - it->first) / division * it->second / 1e6;
  }
  EXPECT_GE(seconds, 60.0);
  EXPECT_LE(seconds, 120.0);
  EXPECT_GT(notes, 200);
}

TEST(AssetFiles, MyPictureFolderExists) { EXPECT_TRUE(fs::is_directory(kAppDir / "MY_PICTURE")); }

}  // namespace
