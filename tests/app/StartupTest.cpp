#include <gtest/gtest.h>

#include <algorithm>

#include "app/FormaMain.h"
#include "app/Websites.h"
#include "tests/support/RecordingDesktop.h"

namespace vellumo {
namespace {

using test::ProcessEnded;
using test::RecordingDesktop;

class StartupTest : public ::testing::Test {
 protected:
  double timeOf(const std::string& call) const {
    const auto it = std::find(desktop.calls.begin(), desktop.calls.end(), call);
    EXPECT_NE(it, desktop.calls.end()) << call;
    return it == desktop.calls.end() ? -1 : desktop.callTimes[it - desktop.calls.begin()];
  }
  // Runs an exit path; returns the calls it made and the status it ended with.
  template <typename Exit>
  std::vector<std::string> exitCalls(Exit&& exit, int& status) {
    const std::size_t before = desktop.calls.size();
    status = -1;
    try {
      exit();
    } catch (const ProcessEnded& e) {
      status = e.status;
    }
    return {desktop.calls.begin() + static_cast<std::ptrdiff_t>(before), desktop.calls.end()};
  }

  RecordingDesktop desktop;
  FormaMain form{desktop, VELLUMO_APP_DIR};
};

TEST_F(StartupTest, RunsInOrderAndLeavesTheInitialState) {
  // Start just before midnight: the pauses measure elapsed time all the same.
  desktop.clock = 86398.5;
  form.Form_Load();

  EXPECT_EQ(desktop.calls, (std::vector<std::string>{"installKeyboardLock", "showSplash 200x250", "hideSplash",
                                                     "showMainWindow", "setExclusiveDisplayMode 1024x768x32"}));
  EXPECT_DOUBLE_EQ(timeOf("hideSplash") - timeOf("showSplash 200x250"), 3.0);
  EXPECT_DOUBLE_EQ(desktop.clock - timeOf("setExclusiveDisplayMode 1024x768x32"), 3.0);
  EXPECT_EQ(desktop.sizeQueries.size(), 147u);
  EXPECT_LT(desktop.waits, 10) << "the pauses block between events instead of spinning";

  const AppState& s = form.state();
  EXPECT_EQ(s.CurrentColor, 0x000000FFu);
  EXPECT_EQ(s.FillMode, -1);
  EXPECT_EQ(s.MusicIsOff, 1);
  EXPECT_EQ(s.MusicPlaying, 0);
  EXPECT_EQ(s.SoundEffectsOn, 1);
  EXPECT_EQ(s.ScreenMode, 0);
  EXPECT_EQ(s.CurrentPicture, 1);
  EXPECT_EQ(s.HighlightedThumb, 0);
  for (int k = 1; k <= 12; ++k) EXPECT_EQ(s.ColorSelected[k], 0) << k;
  EXPECT_EQ(s.LastX, 0);
  EXPECT_EQ(s.LastY, 0);
  EXPECT_EQ(s.AppDir, std::string(VELLUMO_APP_DIR) + "/");
  EXPECT_EQ(s.AssetRoot, VELLUMO_APP_DIR);
  EXPECT_EQ(s.KeyboardHook, 7u);
  EXPECT_TRUE(s.DisplayDirectX && s.DisplayDraw && s.PrimarySurface);
  EXPECT_EQ(desktop.caption, "Vellumo - Zoopa 4  by Orvenko Studio");
}

TEST_F(StartupTest, ShowsExactlyThePaintingScreen) {
  form.Form_Load();
  const std::vector<std::string> expected = {"Papir",           "Rubber",     "olovka",           "kapljica",
                                             "PaletaPink",      "PaletaCrna", "PaletaPlava",      "PaletaBraon",
                                             "PaletaTamnozuta", "PaletaSiva", "PaletaLjubicasta", "PaletaOranz",
                                             "PaletaSvPlava",   "PaletaZuta", "PaletaZelena",     "PaletaCrvena",
                                             "MoreImages",      "MuteWave",   "MusicOn",          "Slika"};
  std::vector<std::string> shown;
  for (int i = 0; i < kElementCount; ++i)
    if (form.elements().shown(static_cast<ElementId>(i))) shown.emplace_back(kLayout[i].name);
  EXPECT_EQ(shown, expected);
  EXPECT_EQ(form.router().focus(), ElementId::Slika) << "the first element in tab order has the focus";
  EXPECT_GT(desktop.presents, 0);
}

TEST_F(StartupTest, WithoutTheDisplayModeItRunsOnWithoutTheLastPause) {
  desktop.displayModeFails = true;
  form.Form_Load();
  EXPECT_DOUBLE_EQ(desktop.clock, 3.0);
  EXPECT_EQ(form.state().CurrentPicture, 1);
  EXPECT_EQ(form.state().SoundEffectsOn, 1);
  EXPECT_FALSE(form.state().PrimarySurface);
}

TEST_F(StartupTest, TheSecondPauseHandlesInputAtOnce) {
  InputEvent press;
  press.kind = InputEvent::Kind::MouseDown;
  press.x = 900;  // over MoreImages
  press.y = 300;
  press.button = press.buttons = kLeftButton;
  desktop.script.push_back({4.0, press});
  form.Form_Load();
  EXPECT_EQ(form.router().focus(), ElementId::MoreImages);
  EXPECT_DOUBLE_EQ(desktop.clock, 6.0);
}

TEST_F(StartupTest, InputDuringTheSplashReachesNoElement) {
  InputEvent press;
  press.kind = InputEvent::Kind::MouseDown;
  press.x = 900;
  press.y = 300;
  press.button = press.buttons = kLeftButton;
  desktop.script.push_back({1.0, press});
  form.Form_Load();
  EXPECT_EQ(form.router().focus(), ElementId::Slika);
}

TEST_F(StartupTest, YesGivesEverythingBackThenEnds) {
  form.Form_Load();
  int status = 0;
  const auto calls = exitCalls([&] { form.Da_Click(); }, status);
  EXPECT_EQ(status, 0);
  EXPECT_EQ(calls, (std::vector<std::string>{"restoreDisplayMode", "removeKeyboardLock 7", "minimise",
                                             "openUrl " + std::string(kProductWebsite), "removeKeyboardLock 7",
                                             "endProcess 0"}));
}

TEST_F(StartupTest, YesWithoutTheDisplayObjectOpensNoWebsite) {
  form.Form_Load();
  form.state().DisplayDraw.reset();
  int status = 0;
  const auto calls = exitCalls([&] { form.Da_Click(); }, status);
  EXPECT_EQ(calls, (std::vector<std::string>{"removeKeyboardLock 7", "endProcess 0"}));
}

TEST_F(StartupTest, ClosingTheWindowOrASignalRestoresAndReleases) {
  form.Form_Load();
  InputEvent close;
  close.kind = InputEvent::Kind::CloseRequested;
  int status = -1;
  const auto calls = exitCalls([&] { form.handle(close); }, status);
  EXPECT_EQ(status, 0);
  EXPECT_EQ(calls, (std::vector<std::string>{"restoreDisplayMode", "removeKeyboardLock 7", "minimise",
                                             "openUrl " + std::string(kProductWebsite), "removeKeyboardLock 7",
                                             "endProcess 0"}));
}

TEST_F(StartupTest, WithoutTheKeyboardLockNothingIsRemoved) {
  desktop.lockHandle = 0;
  form.Form_Load();
  int status = -1;
  const auto calls = exitCalls([&] { form.Da_Click(); }, status);
  EXPECT_EQ(std::count(calls.begin(), calls.end(), "removeKeyboardLock 0"), 0);
}

}  // namespace
}  // namespace vellumo
