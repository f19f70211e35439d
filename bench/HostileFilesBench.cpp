// What the worst files cost the decoders: each format at the largest picture
// the screening lets through, filled with noise so nothing compresses, and
// the files that once crashed or froze the program. Each is decoded from a
// file, as the program does; a refused file's time is that of its refusal.

#include <benchmark/benchmark.h>

#include <functional>

#include "platform/LoadError.h"
#include "platform/PictureDecoder.h"
#include "platform/PictureScreening.h"
#include "tests/platform/EncodedPictures.h"
#include "tests/platform/HostileFiles.h"
#include "tests/platform/TestFiles.h"

namespace vellumo {
namespace {

using test::Bytes;

constexpr int kWide = 2048, kHigh = kMaxPicturePixels / kWide;

Picture noise(int width, int height) {
  Picture picture(width, height);
  std::uint32_t state = 1;
  for (Colour& pixel : picture.pixels) pixel = (state = state * 1103515245 + 12345) >> 8;
  return picture;
}

Bytes noiseGif(int width, int height) {
  std::vector<std::uint8_t> indices(static_cast<std::size_t>(width) * height);
  std::uint32_t state = 1;
  for (std::uint8_t& index : indices) index = ((state = state * 1103515245 + 12345) >> 16) & 3;
  return test::gif4(width, height, {rgb(0, 0, 0), rgb(255, 0, 0), rgb(0, 255, 0), rgb(0, 0, 255)}, indices);
}

void decodeFromFile(benchmark::State& state, const std::function<Bytes()>& make) {
  const test::TempDir dir;
  const std::string path = dir.write("picture", make());
  state.counters["file_bytes"] = static_cast<double>(test::readAll(path).size());
  bool refused = false;
  for (auto _ : state) {
    try {
      benchmark::DoNotOptimize(decodePictureFile(path));
    } catch (const LoadError&) {
      refused = true;
    }
  }
  state.counters["refused"] = refused;
}

void registerAll() {
  const struct {
    const char* name;
    std::function<Bytes()> make;
  } files[] = {
      {"largest/jpeg_baseline_q100", [] { return test::jpegFile(noise(kWide, kHigh), 100); }},
      {"largest/jpeg_progressive_most_scans_q100",
       [] { return test::progressiveJpeg(noise(kWide, kHigh), kMaxJpegScans, 100); }},
      {"largest/png_interlaced", [] { return test::pngFile(noise(kWide, kHigh), test::PngKind::Interlaced); }},
      {"largest/gif", [] { return noiseGif(kWide, kHigh); }},
      {"largest/bmp", [] { return test::bmp24(noise(kWide, kHigh)); }},
      {"hostile/gif_bad_code_stream", [] { return test::gifWithBadCodeStream(); }},
      {"hostile/png_chunk_past_the_end", [] { return test::pngWithChunkPastTheEnd(); }},
      {"hostile/jpeg_scan_bomb", [] { return test::jpegScanBomb(170144); }},
      {"hostile/gif_most_clear_codes", [] { return test::gifOfClearCodes(kMaxGifClearCodes); }},
      {"hostile/gif_clear_codes_7MB", [] { return test::gifOfClearCodes(19'000'000); }},
      {"hostile/jpeg_many_segments", [] { return test::jpegOfManySegments(kMaxPictureFileBytes); }},
      {"hostile/png_many_chunks", [] { return test::pngOfManyChunks(kMaxPictureFileBytes); }},
      {"hostile/gif_many_extensions", [] { return test::gifOfManyExtensions(kMaxPictureFileBytes); }},
      {"hostile/jpeg_most_scans_4096_empty", [] { return test::jpegScanBomb(2 + 4 + 120 + kMaxJpegScans * 10 + 2); }},
  };
  for (const auto& file : files) {
    benchmark::RegisterBenchmark(file.name, decodeFromFile, file.make)->Unit(benchmark::kMillisecond);
  }
}

}  // namespace
}  // namespace vellumo

int main(int argc, char** argv) {
  vellumo::registerAll();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
}
