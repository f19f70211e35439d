// The main window's start-up and shut-down: taking the display and the
// keyboard, the splash and the asset check; giving them back on every way out.

#include "app/FormaMain.h"

#include <cstdlib>
#include <filesystem>

#include "app/AssetCheck.h"
#include "app/BuiltinResources.h"
#include "app/ExitStatus.h"
#include "app/PathRules.h"
#include "app/Websites.h"
#include "audio/DirectMusic.h"
#include "audio/Music.h"
#include "core/ColoringBasic.h"
#include "core/DirectX7.h"
#include "display/DirectDraw.h"
#include "platform/LoadError.h"
#include "platform/Utf8Path.h"

namespace vellumo {

namespace {

// Ending the process never comes back; the compiler cannot see that through
// the desktop's virtual call.
[[noreturn]] void endProgram(Desktop& desktop, int status) {
  desktop.endProcess(status);
  std::abort();
}

}  // namespace

void FormaMain::Form_Load() {
  guarded([&] {
    state_.KeyboardHook = desktop_.installKeyboardLock();

    const AppPaths paths = derivePaths(applicationFolder_);
    state_.AppDir = paths.AppDir;
    state_.AssetRoot = paths.AssetRoot;
    std::error_code ignored;
    std::filesystem::current_path(utf8Path(state_.AssetRoot), ignored);

    state_.FillMode = -1;

    desktop_.showSplash(*builtinPicture(asset::SplashPicture));
    WaitThreeSeconds();
    desktop_.hideSplash();

    desktop_.showMainWindow();
    mainShown_ = true;
    router_.resetFocus();
    presentIfChanged();

    CheckAssetFiles(desktop_, state_);

    state_.CurrentColor = rgb(255, 0, 0);
    state_.MusicIsOff = 1;
    state_.SoundEffectsOn = 1;
    state_.ScreenMode = kPaintingScreen;
    state_.CurrentPicture = 1;
    state_.ColorSelected[1] = 0;

    state_.DisplayDirectX = std::make_shared<DirectX7>(desktop_);
    state_.DisplayDraw = state_.DisplayDirectX->DirectDrawCreate("");
    state_.DisplayDraw->SetCooperativeLevel(DDSCL_FULLSCREEN | DDSCL_EXCLUSIVE);
    state_.DisplayDraw->SetDisplayMode(1024, 768, 32, 0, 0);
    state_.PrimarySurface = state_.DisplayDraw->CreateSurface({DDSD_CAPS, DDSCAPS_PRIMARYSURFACE});
    elements_.pictureChanged();  // the whole screen is new: show the frame at once
    presentIfChanged();

    WaitThreeSeconds();
  });
}

void FormaMain::WaitThreeSeconds() { vellumo::WaitThreeSeconds(desktop_, loop_); }

void FormaMain::ShutDown() {
  guarded([&] {
    if (!state_.DisplayDraw) throw LoadError("the display was never taken");
    state_.DisplayDraw->RestoreDisplayMode();
    std::int16_t cancel = 0;
    Form_Unload(cancel);
  });
}

void FormaMain::Form_Unload(std::int16_t& /*cancel*/) {
  guarded([&] {
    if (state_.KeyboardHook != 0) desktop_.removeKeyboardLock(state_.KeyboardHook);
    if (state_.MusicPerformance) state_.MusicPerformance->CloseDown();
    desktop_.minimiseMainWindow();
    desktop_.openUrl(std::string(kProductWebsite));
  });
}

void FormaMain::Da_Click() {
  guarded([&] {
    if (state_.MusicPlaying == 1) StopMusic(window_);
    ShutDown();
    if (state_.KeyboardHook != 0) desktop_.removeKeyboardLock(state_.KeyboardHook);
  });
  endProgram(desktop_, kExitNormal);
}

void FormaMain::CloseRequested() {
  // The desktop gets its own mode back before anything else, so whatever the
  // unload opens appears in it, and the keyboard is released even when the
  // unload stops early.
  guarded([&] { desktop_.restoreDisplayMode(); });
  std::int16_t cancel = 0;
  Form_Unload(cancel);
  if (state_.KeyboardHook != 0) desktop_.removeKeyboardLock(state_.KeyboardHook);
  endProgram(desktop_, kExitNormal);
}

}  // namespace vellumo
