// The handlers a child reaches with one click or move, each timed with the
// worst file the screening lets through in place of the pictures it loads:
// the largest noisy progressive JPEG, the slowest of all to decode (see
// hostile_files_bench). The file is written anew before each run, so every
// run decodes it. And a normal session played through, with the picture
// cache's peak and the process's peak memory as counters.

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <fstream>
#include <string>

#include "app/FormaMain.h"
#include "canvas/Wipe.h"
#include "core/AssetFiles.h"
#include "gallery/Gallery.h"
#include "palette/Hover.h"
#include "palette/Palette.h"
#include "platform/PictureScreening.h"
#include "screens/ScreenStates.h"
#include "tests/platform/EncodedPictures.h"
#include "tests/support/PrivateAppFolder.h"
#include "tests/support/RecordingDesktop.h"

namespace vellumo {
namespace {

test::Bytes worstPicture() {
  constexpr int kWide = 2048, kHigh = kMaxPicturePixels / kWide;
  Picture noise(kWide, kHigh);
  std::uint32_t state = 1;
  for (Colour& pixel : noise.pixels) pixel = (state = state * 1103515245 + 12345) >> 8;
  return test::progressiveJpeg(noise, kMaxJpegScans, 100);
}

// The program on a recording desktop, started on a private copy of the
// application folder; once it runs, its `replaced` pictures all hold the
// worst file (before, the asset check would end it).
class ProgramWithWorstFiles {
 public:
  explicit ProgramWithWorstFiles(const std::vector<std::string>& replaced) : replaced_(replaced) {
    desktop_.keepLastFrame = false;
    form_.Form_Load();
    rewrite();
  }
  void rewrite() {
    for (const std::string& relative : replaced_) test::writeFile(folder_.folder() + relative, worst_);
  }
  MainWindow& window() { return form_.window(); }

 private:
  const test::Bytes worst_ = worstPicture();
  std::vector<std::string> replaced_;
  test::PrivateAppFolder folder_{"handlers-bench"};
  test::RecordingDesktop desktop_;
  FormaMain form_{desktop_, folder_.folder()};
};

// Times the handler alone, after the untimed preparation.
template <typename Prepare, typename Handler>
void timeEach(benchmark::State& state, Prepare&& prepare, Handler&& handler) {
  for (auto _ : state) {
    prepare();
    const auto start = std::chrono::steady_clock::now();
    handler();
    state.SetIterationTime(std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
  }
}

void BM_ThumbnailClick_WorstOutline(benchmark::State& state) {
  ProgramWithWorstFiles program({"/PICTURE/07.GIF"});
  MainWindow& w = program.window();
  const auto reopenWithANewFile = [&] {
    program.rewrite();
    MoreImages_Click(w);
  };
  timeEach(state, reopenWithANewFile, [&] { ThumbnailClick(w, 7); });
}
BENCHMARK(BM_ThumbnailClick_WorstOutline)->UseManualTime()->Unit(benchmark::kMillisecond);

void BM_ThumbnailHover_WorstYellowImage(benchmark::State& state) {
  ProgramWithWorstFiles program({"/PICTURE/GALERIJA1ZUTE_21.JPG"});
  MainWindow& w = program.window();
  MoreImages_Click(w);
  timeEach(
      state, [&] { program.rewrite(); }, [&] { ThumbnailMouseMove(w, 7); });
}
BENCHMARK(BM_ThumbnailHover_WorstYellowImage)->UseManualTime()->Unit(benchmark::kMillisecond);

// The gallery's background and its 25 thumbnails all worst: 26 pictures of
// 6 MB, more than the cache holds, so each opening decodes every one.
void BM_OpenGallery_AllItsPicturesWorst(benchmark::State& state) {
  std::vector<std::string> replaced{"/PICTURE/GALERIJA-4.JPG"};
  for (int n = 1; n <= 25; ++n) replaced.push_back(whiteThumbnail(n));
  ProgramWithWorstFiles program(replaced);
  MainWindow& w = program.window();
  timeEach(
      state, [&] { Back_Click(w); }, [&] { MoreImages_Click(w); });
}
BENCHMARK(BM_OpenGallery_AllItsPicturesWorst)->UseManualTime()->Unit(benchmark::kMillisecond);

std::int64_t peakResidentKilobytes() {
  std::ifstream status("/proc/self/status");
  for (std::string line; std::getline(status, line);) {
    if (line.starts_with("VmHWM:")) return std::stoll(line.substr(6));
  }
  return -1;
}

// Every outline chosen in turn from the gallery after hovering all the
// thumbnails, coloured with each colour, wiped with the eraser and the blank
// page, and every button hovered: every picture the program shows is loaded.
void BM_NormalSession(benchmark::State& state) {
  std::size_t cachePeak = 0;
  for (auto _ : state) {
    test::RecordingDesktop desktop;
    desktop.keepLastFrame = false;
    FormaMain form(desktop, VELLUMO_APP_DIR);
    form.Form_Load();
    MainWindow& w = form.window();
    const auto note = [&] { cachePeak = std::max(cachePeak, w.pictures.heldBytes()); };
    for (int k = 1; k <= 25; ++k) {
      MoreImages_Click(w);
      for (int n = 1; n <= 25; ++n) ThumbnailMouseMove(w, n);
      Back_MouseMove(w);
      Form_MouseMove(w);
      ThumbnailClick(w, k);
      for (int colour = 1; colour <= 12; ++colour) {
        PaletteMouseMove(w, colour);
        PaletteClick(w, colour);
      }
      for (const auto hover : {MoreImages_MouseMove, MuteWave_MouseMove, MusicOn_MouseMove, Rubber_MouseMove,
                               Papir_MouseMove, Form_MouseMove}) {
        hover(w);
      }
      Rubber_Click(w);
      Papir_Click(w);
      note();
    }
  }
  state.counters["cache_peak_MB"] = static_cast<double>(cachePeak) / (1 << 20);
  state.counters["cache_budget_MB"] = static_cast<double>(kPictureCacheBudgetBytes) / (1 << 20);
  state.counters["process_peak_MB"] = static_cast<double>(peakResidentKilobytes()) / 1024;
}
BENCHMARK(BM_NormalSession)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vellumo

BENCHMARK_MAIN();
