// How long the real program stops answering when a bad picture is swapped in
// while it runs: the files that once crashed, froze or stalled it, and the
// worst files the screening lets through. Each case starts the program on an
// X server of its own, replaces the files, clicks what loads them, and at
// once moves the mouse onto a button of the screen the click leads to; the
// time until that button shows its hover image is the time the window did
// not answer. (A key would not do: a thumbnail that keeps the focus after a
// failed click takes no keys.) Also reports the program's peak memory.
//
// Usage: bad_file_stall [PROGRAM]  (PROGRAM: another build's vellumo, run on
// this build's assets; by default this build's own)

#include <chrono>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

#include "platform/PictureDecoder.h"
#include "platform/PictureScreening.h"
#include "tests/app/ProgramUnderX.h"
#include "tests/platform/EncodedPictures.h"
#include "tests/platform/HostileFiles.h"

namespace vellumo {
namespace {

using test::Bytes;

constexpr double kLongestWait = 60;

struct Spot {
  int x, y;
};
constexpr Spot kMoreImages{912, 325}, kThumbnail7{263, 246};

struct Case {
  std::string name;
  std::vector<std::pair<std::string, Bytes>> files;  // relative to PICTURE
  std::vector<Spot> clicks;
  bool endsOnGallery = true;  // or on the painting screen
};

Bytes largestNoisyProgressiveJpeg() {
  constexpr int kWide = 2048, kHigh = kMaxPicturePixels / kWide;
  Picture noise(kWide, kHigh);
  std::uint32_t state = 1;
  for (Colour& pixel : noise.pixels) pixel = (state = state * 1103515245 + 12345) >> 8;
  return test::progressiveJpeg(noise, kMaxJpegScans, 100);
}

std::vector<Case> cases() {
  std::vector<std::pair<std::string, Bytes>> hugeThumbnails, worstGallery;
  const Bytes huge = test::jpegFile(Picture(4096, 4096, rgb(255, 230, 0)));
  const Bytes worst = largestNoisyProgressiveJpeg();
  worstGallery.emplace_back("GALERIJA-4.JPG", worst);
  for (int row = 0; row < 5; ++row) {
    for (int column = 0; column < 5; ++column) {
      char name[32];
      std::snprintf(name, sizeof name, "GALERIJA1BELE_%02d.JPG", 18 * row + 2 * column + 1);
      hugeThumbnails.emplace_back(name, huge);
      worstGallery.emplace_back(name, worst);
    }
  }
  constexpr std::size_t kOutlineBytes = 36000, kThumbnailBytes = 26000, kGalleryBackgroundBytes = 170144;
  return {
      {"nothing replaced, open gallery", {}, {kMoreImages}},
      {"GIF with a bad code stream as outline 7, choose it",
       {{"07.GIF", test::paddedTo(test::gifWithBadCodeStream(), kOutlineBytes)}},
       {kMoreImages, kThumbnail7}},
      {"PNG with a chunk past its end as a thumbnail, open gallery",
       {{"GALERIJA1BELE_01.JPG", test::paddedTo(test::pngWithChunkPastTheEnd(), kThumbnailBytes)}},
       {kMoreImages}},
      {"JPEG scan bomb as GALERIJA-4.JPG, open gallery",
       {{"GALERIJA-4.JPG", test::jpegScanBomb(kGalleryBackgroundBytes)}},
       {kMoreImages}},
      {"25 thumbnails of 4096x4096, open gallery", hugeThumbnails, {kMoreImages}},
      {"worst file as outline 7, choose it", {{"07.GIF", worst}}, {kMoreImages, kThumbnail7}, false},
      {"worst file as all 26 gallery pictures, open gallery", worstGallery, {kMoreImages}},
  };
}

std::string clickAt(Spot spot) {
  return "mousemove " + std::to_string(spot.x) + " " + std::to_string(spot.y) + " click 1";
}

// The button whose hover image answers a move over it, on either screen.
struct Probe {
  Spot spot, corner;
  const char* hoverImage;
};
constexpr Probe kGalleryProbe{{126, 20}, {30, 0}, "BACK2.JPG"};
constexpr Probe kPaintingProbe{{912, 325}, {832, 241}, "MOREIMAGES2.JPG"};

void measure(const Case& c, const std::string& otherProgram) {
  test::ProgramUnderX program;
  if (!program.start(otherProgram)) {
    std::printf("%-58s  Xvfb could not be started\n", c.name.c_str());
    return;
  }
  const PicturePtr firstOutline = decodePictureFile(program.picturePath("01.GIF"));
  const bool ready = test::ProgramUnderX::waitUntil(
      [&] { return program.screen().region(30, 29, 750, 600).pixels == firstOutline->pixels; });
  if (!ready) {
    std::printf("%-58s  the program did not start\n", c.name.c_str());
    return;
  }
  const Probe& probe = c.endsOnGallery ? kGalleryProbe : kPaintingProbe;
  const PicturePtr hover = decodePictureFile(program.picturePath(probe.hoverImage));
  for (const auto& [name, bytes] : c.files) test::writeFile(program.picturePath(name), bytes);

  const auto start = std::chrono::steady_clock::now();
  for (const Spot spot : c.clicks) program.xdotool(clickAt(spot));
  program.xdotool("mousemove " + std::to_string(probe.spot.x) + " " + std::to_string(probe.spot.y));
  std::int64_t peak = 0;
  const bool answered = test::ProgramUnderX::waitUntil(
      [&] {
        if (program.ended()) return true;
        peak = std::max(peak, program.peakMemoryKilobytes());
        return program.screen().region(probe.corner.x, probe.corner.y, hover->width, hover->height).pixels ==
               hover->pixels;
      },
      kLongestWait);
  const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  std::string outcome;
  if (program.ended()) {
    outcome = "ended by itself (status " + std::to_string(program.waitForExit(0)) + ")";
  } else if (!answered) {
    outcome = "no answer within " + std::to_string(static_cast<int>(kLongestWait)) + " s";
  } else {
    char text[64];
    std::snprintf(text, sizeof text, "answered after %.2f s", seconds);
    outcome = text;
  }
  const std::string memory = peak > 0 ? std::to_string(peak / 1024) + " MB" : "-";
  std::printf("%-58s  %-32s  peak memory %s\n", c.name.c_str(), outcome.c_str(), memory.c_str());
  std::fflush(stdout);
}

}  // namespace
}  // namespace vellumo

int main(int argc, char** argv) {
  const std::string otherProgram = argc > 1 ? argv[1] : "";
  for (const vellumo::Case& c : vellumo::cases()) vellumo::measure(c, otherProgram);
}
