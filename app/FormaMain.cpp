#include "app/FormaMain.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>

#include "app/AssetCheck.h"
#include "app/BuiltinResources.h"
#include "core/ColoringBasic.h"
#include "app/Dialogs.h"
#include "app/ExitStatus.h"
#include "app/PathRules.h"
#include "app/ShortcutKeys.h"
#include "app/Websites.h"
#include "core/DirectX7.h"
#include "display/DirectDraw.h"
#include "audio/DirectMusic.h"
#include "audio/Music.h"
#include "audio/SoundEffects.h"
#include "canvas/PaintingTools.h"
#include "canvas/Wipe.h"
#include "gallery/Gallery.h"
#include "palette/Hover.h"
#include "palette/Palette.h"
#include "platform/LoadError.h"
#include "screens/ScreenStates.h"

namespace vellumo {

namespace {

constexpr int kPointerKinds = 6;
constexpr std::array<std::string_view, kPointerKinds> kPointerResources = {
    asset::ArrowPointer, asset::HandPointer, asset::BrushPointer, asset::DropPointer, "", ""};

// Ending the process never comes back; the compiler cannot see that through
// the desktop's virtual call.
[[noreturn]] void endProgram(Desktop& desktop, int status) {
  desktop.endProcess(status);
  std::abort();
}

}  // namespace

PicturePtr FormaMain::builtinPicture(std::string_view name) {
  return desktop_.decodePicture(builtinResource(fileName(name)));
}

FormaMain::FormaMain(Desktop& desktop, std::string applicationFolder)
    : desktop_(desktop), applicationFolder_(std::move(applicationFolder)) {
  for (int i = 0; i < kElementCount; ++i) {
    const auto id = static_cast<ElementId>(i);
    if (id != ElementId::Slika && !kLayout[i].startingImage.empty())
      elements_.setPicture(id, builtinPicture(kLayout[i].startingImage));
  }
  canvas_.load(*builtinPicture(kLayout[index(ElementId::Slika)].startingImage));
  elements_.setBackground(builtinPicture(kMainBackgroundImage));
  createPointers();
  tmrRepeat_.interval = kRepeatTimerSeconds;
  tmrRepeat_.tick = [this] { tmrRepeat_Timer(window_); };
  loop_.addTimer(tmrRepeat_);
  desktop_.setMainWindowLook(std::string(kMainWindowCaption), *builtinPicture(asset::WindowIcon));
}

void FormaMain::createPointers() {
  for (int kind = 0; kind < kPointerKinds; ++kind) {
    const std::string_view resource = kPointerResources[kind];
    if (!resource.empty()) pointers_[kind] = desktop_.pointerFromBytes(builtinResource(fileName(resource)));
  }
  pointers_[static_cast<int>(PointerKind::Standard)] = desktop_.systemPointer(SystemPointer::Arrow);
  for (int i = 0; i < kElementCount; ++i)
    elements_.setPointer(static_cast<ElementId>(i), pointers_[static_cast<int>(kLayout[i].pointer)]);
}

// ---------------------------------------------------------------------------
// Start-up and shut-down

void FormaMain::Form_Load() {
  guarded([&] {
    state_.KeyboardHook = desktop_.installKeyboardLock();

    const AppPaths paths = derivePaths(applicationFolder_);
    state_.AppDir = paths.AppDir;
    state_.AssetRoot = paths.AssetRoot;
    std::error_code ignored;
    std::filesystem::current_path(state_.AssetRoot, ignored);

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

// ---------------------------------------------------------------------------
// Event routing

void FormaMain::handle(const InputEvent& event) {
  using Kind = InputEvent::Kind;
  switch (event.kind) {
    case Kind::CloseRequested:
      CloseRequested();
    case Kind::KeyDown:
    case Kind::KeyUp:
      // The keyboard lock sees every key before any handler does.
      if (KeyboardHookSwallows(event.vkCode, event.flags)) return;
      if (mainShown_ && event.kind == Kind::KeyDown) onKeyDown(event);
      break;
    case Kind::MouseMove:
      if (mainShown_) onMouseMove(event);
      break;
    case Kind::MouseDown:
      if (mainShown_) onMouseDown(event);
      break;
    case Kind::MouseUp:
      if (mainShown_) onMouseUp(event);
      break;
    case Kind::Exposed:
      elements_.pictureChanged();
      break;
  }
  presentIfChanged();
}

void FormaMain::presentIfChanged() {
  if (!mainShown_ || !elements_.takeDirty()) return;
  elements_.composeInto(frame_);
  desktop_.present(frame_);
}

void FormaMain::updatePointer(const MouseTarget& target) {
  const PointerShapePtr& wanted = target.element ? elements_.pointer(*target.element)
                                                 : pointers_[static_cast<int>(PointerKind::Arrow)];
  if (wanted == shownPointer_) return;
  shownPointer_ = wanted;
  desktop_.setPointer(wanted);
}

void FormaMain::onMouseMove(const InputEvent& event) {
  const MouseTarget target = router_.move(event.x, event.y);
  updatePointer(target);
  if (target.element)
    elementMouseMove(*target.element, event.buttons, target.x, target.y);
  else
    Form_MouseMove(window_);
}

void FormaMain::onMouseDown(const InputEvent& event) {
  const MouseTarget target = router_.press(event.x, event.y);
  if (event.button == kLeftButton) pressed_ = target.element;
  if (target.element) elementMouseDown(*target.element, event.button, target.x, target.y);
}

void FormaMain::onMouseUp(const InputEvent& event) {
  router_.release(event.x, event.y, event.buttons);
  if (event.button != kLeftButton) return;
  // A click is a left press and release on the same element, released over it.
  const auto pressed = std::exchange(pressed_, std::nullopt);
  const auto under = elements_.topmostShownAt(event.x, event.y);
  if (pressed && under == pressed && elements_.enabled(*pressed)) elementClick(*pressed);
}

// ---------------------------------------------------------------------------
// The elements' handlers. Numbered families (palette buttons, thumbnails) are
// served by one routine taking the number.

namespace {

std::optional<int> paletteNumber(ElementId id) {
  for (int k = 1; k <= kPaletteSize; ++k)
    if (paleta(k) == id) return k;
  return std::nullopt;
}

std::optional<int> thumbnailNumber(ElementId id) {
  for (int n = 1; n <= kThumbnailCount; ++n)
    if (galerija(n) == id) return n;
  return std::nullopt;
}

}  // namespace

void FormaMain::elementMouseMove(ElementId id, int buttons, int x, int y) {
  MainWindow& w = window_;
  if (const auto k = paletteNumber(id)) return PaletteMouseMove(w, *k);
  if (const auto n = thumbnailNumber(id)) return ThumbnailMouseMove(w, *n);
  switch (id) {
    case ElementId::Izlaz: return Izlaz_MouseMove(w);
    case ElementId::Da: return Da_MouseMove(w);
    case ElementId::Ne: return Ne_MouseMove(w);
    case ElementId::Registered: return Registered_MouseMove(w);
    case ElementId::Zatvori: return Zatvori_MouseMove(w);
    case ElementId::visit_site: return visit_site_MouseMove(w);
    case ElementId::Firma: return Firma_MouseMove(w);
    case ElementId::Slika: return guarded([&] { Slika_MouseMove(w, buttons, static_cast<float>(x), static_cast<float>(y)); });
    case ElementId::MoreImages: return MoreImages_MouseMove(w);
    case ElementId::MuteWave: return MuteWave_MouseMove(w);
    case ElementId::MusicOn: return MusicOn_MouseMove(w);
    case ElementId::Rubber: return Rubber_MouseMove(w);
    case ElementId::Papir: return Papir_MouseMove(w);
    case ElementId::Back: return Back_MouseMove(w);
    default: return;
  }
}

void FormaMain::elementMouseDown(ElementId id, int button, int x, int y) {
  if (id == ElementId::Slika) Slika_MouseDown(window_, button, static_cast<float>(x), static_cast<float>(y));
}

void FormaMain::elementClick(ElementId id) {
  MainWindow& w = window_;
  if (const auto k = paletteNumber(id)) return PaletteClick(w, *k);
  if (const auto n = thumbnailNumber(id)) return ThumbnailClick(w, *n);
  // The tool buttons catch nothing themselves: a tool picture or pointer that
  // cannot be read leaves the rest of that click undone, and the program goes on.
  switch (id) {
    case ElementId::kapljica: return guarded([&] { kapljica_Click(w); });
    case ElementId::olovka: return guarded([&] { olovka_Click(w); });
    case ElementId::MuteWave: return MuteWave_Click(state_);
    case ElementId::MoreImages: return MoreImages_Click(w);
    case ElementId::Rubber: return Rubber_Click(w);
    case ElementId::Papir: return Papir_Click(w);
    case ElementId::MusicOn: return MusicOn_Click(w);
    case ElementId::Ne: return Ne_Click(w);
    case ElementId::Zatvori: return Zatvori_Click(w);
    case ElementId::visit_site: return visit_site_Click(w);
    case ElementId::Firma: return Firma_Click(w);
    case ElementId::Back: return Back_Click(w);
    case ElementId::Da: Da_Click();
    default: return;
  }
}

void FormaMain::onKeyDown(const InputEvent& event) {
  if (event.vkCode == 9 && (event.shift & ~kShiftMask) == 0) {  // Tab walks the focus
    router_.moveFocus((event.shift & kShiftMask) != 0);
    return;
  }
  elementKeyDown(router_.keyTarget(), static_cast<int>(event.vkCode), event.shift);
}

// The window and the painting screen's twenty buttons answer the shortcut
// keys; the thumbnails, Back, the dialogs and the banner have no key handler.
void FormaMain::elementKeyDown(std::optional<ElementId> id, int keyCode, int shift) {
  const bool hasKeyHandler =
      !id || std::find(MainScreenControls.begin(), MainScreenControls.end(), *id) != MainScreenControls.end();
  if (hasKeyHandler) ShortcutKeyDown(window_, keyCode, shift);
}

}  // namespace vellumo
