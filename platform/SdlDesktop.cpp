#include "platform/SdlDesktop.h"

#include <string>

#include <SDL.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>

#include "platform/BmpFile.h"
#include "platform/EffectChannel.h"
#include "platform/ExclusiveDisplayMode.h"
#include "platform/InputTranslation.h"
#include "platform/KeyboardLockKeeper.h"
#include "platform/LoadError.h"
#include "platform/MidiMusicOutput.h"
#include "platform/MixerDevice.h"
#include "platform/PictureDecoder.h"
#include "platform/PointerDecoder.h"
#include "platform/PointerShape.h"
#include "platform/PrintJob.h"
#include "platform/SdlSurface.h"
#include "platform/TerminationSignals.h"
#include "platform/VideoDriverChoice.h"
#include "platform/WindowPainting.h"

namespace vellumo {

namespace {

// The main window's client area in the desktop's own mode.
constexpr int kMainWindowWidth = 1023;
constexpr int kMainWindowHeight = 766;
constexpr int kSplashWidth = 201;
constexpr int kSplashHeight = 251;
// The colour a window shows where no picture covers it.
constexpr Colour kWindowBackground = rgb(240, 240, 240);
// No caller waits this long; a larger timeout is cut to it.
constexpr double kLongestWaitSeconds = 24 * 60 * 60;
constexpr int kLockedWaitSliceMs = static_cast<int>(KeyboardLockKeeper::kRenewSeconds * 1000);
// How long a hidden splash may stay up for the main window to take the keyboard.
constexpr Uint64 kSplashHandOverMs = 2000;

// SDL's video, started for as long as the desktop or any pointer it made
// lives: a cursor must be freed while SDL still knows it.
class SdlVideo {
 public:
  SdlVideo() {
    // The termination signals are ours (TerminationSignalWatcher).
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    // Otherwise SDL itself minimises the full-screen window on Alt+Tab while
    // the keyboard is grabbed.
    SDL_SetHint(SDL_HINT_ALLOW_ALT_TAB_WHILE_GRABBED, "0");
    // Losing focus must not hide the book behind the desktop.
    SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
    // The click that brings the window forward is a click like any other.
    SDL_SetHint(SDL_HINT_MOUSE_FOCUS_CLICKTHROUGH, "1");
    // Closing a window is reported once, as that window's close.
    SDL_SetHint(SDL_HINT_QUIT_ON_LAST_WINDOW_CLOSE, "0");
    const std::string drivers = videoDriversToTry(SDL_getenv("SDL_VIDEODRIVER"), SDL_getenv("WAYLAND_DISPLAY"));
    if (!drivers.empty()) SDL_SetHint(SDL_HINT_VIDEODRIVER, drivers.c_str());
    // Wayland has no display modes to switch: SDL would otherwise list
    // made-up ones and report a switch that only scales the window. The
    // display then shows its own mode, which the main window covers.
    SDL_SetHint(SDL_HINT_VIDEO_WAYLAND_MODE_EMULATION, "0");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0) {
      throw DisplayUnavailable(std::string("no display: ") + SDL_GetError());
    }
    // Without a display SDL falls back to drawing off screen, where nobody
    // would ever see the book. Such a driver is only for whoever asks for it
    // by name (the tests do).
    const std::string driver = SDL_GetCurrentVideoDriver();
    const char* requested = SDL_getenv("SDL_VIDEODRIVER");
    if ((driver == "offscreen" || driver == "dummy") && !(requested && driver == requested)) {
      SDL_QuitSubSystem(SDL_INIT_VIDEO);
      throw DisplayUnavailable("neither an X11 nor a Wayland display was found (DISPLAY is not set?)");
    }
    // Frames are drawn in software into the window's own buffer (shared
    // memory on X11); going through an OpenGL texture instead costs far more
    // where there is no graphics card, as on a test server. SDL's Wayland
    // windows have no such buffer: there frames can only go through a texture.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, driver == "wayland" ? "1" : "0");
    // Keys are all the program reads; no input method should get in between.
    SDL_StopTextInput();
  }
  ~SdlVideo() { SDL_QuitSubSystem(SDL_INIT_VIDEO); }
  SdlVideo(const SdlVideo&) = delete;
  SdlVideo& operator=(const SdlVideo&) = delete;
};

struct WindowDeleter {
  void operator()(SDL_Window* window) const { SDL_DestroyWindow(window); }
};
using WindowPtr = std::unique_ptr<SDL_Window, WindowDeleter>;

WindowPtr createMainWindow() {
  WindowPtr window(
      SDL_CreateWindow("", 0, 0, kMainWindowWidth, kMainWindowHeight, SDL_WINDOW_HIDDEN | SDL_WINDOW_BORDERLESS));
  if (!window) throw DisplayUnavailable(std::string("cannot create the main window: ") + SDL_GetError());
  return window;
}

class SdlDesktop final : public Desktop {
 public:
  explicit SdlDesktop(DisplayModeGuardian guardian)
      : guardian_(std::move(guardian)),
        video_(std::make_shared<SdlVideo>()),
        mainWindow_(createMainWindow()),
        translator_(SDL_GetWindowID(mainWindow_.get())),
        arrow_(makeSystemPointer(SystemPointer::Arrow)),
        hourglass_(makeSystemPointer(SystemPointer::Hourglass)),
        mainPointer_(arrow_),
        mixer_(std::make_shared<MixerDevice>()),
        effects_(mixer_),
        music_(mixer_),
        signals_([] {
          // Thread-safe, and wakes a waitEvent blocked on another thread.
          SDL_Event quit{};
          quit.type = SDL_QUIT;
          SDL_PushEvent(&quit);
        }) {}

  PicturePtr loadPicture(const std::string& path) override { return decodePictureFile(path); }
  PicturePtr decodePicture(std::span<const unsigned char> bytes) override { return decodePictureBytes(bytes); }
  std::int64_t fileSize(const std::string& path) override { return fileSizeOf(path); }

  PointerShapePtr pointerFromIconFile(const std::string& path) override { return makePointer(decodePointerFile(path)); }
  PointerShapePtr pointerFromBytes(std::span<const unsigned char> bytes) override {
    return makePointer(decodePointerBytes(bytes));
  }
  PointerShapePtr systemPointer(SystemPointer which) override {
    return which == SystemPointer::Hourglass ? hourglass_ : arrow_;
  }
  void setPointer(const PointerShapePtr& pointer) override {
    mainPointer_ = pointer ? pointer : arrow_;
    // SDL has one pointer for all windows; the splash keeps its hourglass.
    if (!splashShown_) showPointer(*mainPointer_);
  }

  void showSplash(const Picture& picture) override {
    if (!splashWindow_) {
      splashWindow_.reset(SDL_CreateWindow("", SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED, kSplashWidth,
                                           kSplashHeight,
                                           SDL_WINDOW_HIDDEN | SDL_WINDOW_BORDERLESS | SDL_WINDOW_SKIP_TASKBAR));
      if (!splashWindow_) throw LoadError(std::string("cannot create the splash window: ") + SDL_GetError());
      keyboardLock_.addSplash(splashWindow_.get());
    }
    splashPicture_ = picture;
    SDL_SetWindowPosition(splashWindow_.get(), SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED);
    SDL_ShowWindow(splashWindow_.get());
    SDL_RaiseWindow(splashWindow_.get());
    paintWindow(splashWindow_.get(), splashPicture_, kWindowBackground);
    splashShown_ = true;
    showPointer(*hourglass_);
    keyboardLock_.keep(true);
  }
  void hideSplash() override {
    if (!splashWindow_) return;
    splashShown_ = false;
    showPointer(*mainPointer_);
    // Where the lock holds only for the window with the keyboard focus (a
    // Wayland compositor's shortcut inhibitor), hiding the splash first
    // would leave no such window until the main window has been drawn and
    // focused: the splash stays up, under the main window, until then.
    if (keyboardLock_.holdsOnlyWithFocus() && keyboardLock_.isOn() && !hasFocus(mainWindow_.get())) {
      splashHideDeadlineMs_ = SDL_GetTicks64() + kSplashHandOverMs;
      return;
    }
    hideSplashWindow();
  }

  void setMainWindowLook(const std::string& caption, const Picture& icon) override {
    SDL_SetWindowTitle(mainWindow_.get(), caption.c_str());
    if (icon.width <= 0 || icon.height <= 0) return;
    if (SurfacePtr view = surfaceViewOf(icon)) SDL_SetWindowIcon(mainWindow_.get(), view.get());
  }
  void showMainWindow() override {
    SDL_ShowWindow(mainWindow_.get());
    SDL_RaiseWindow(mainWindow_.get());
    repaintWindow(mainWindow_.get());
    keyboardLock_.keep(true);
  }
  void minimiseMainWindow() override { SDL_MinimizeWindow(mainWindow_.get()); }
  void present(const Picture& frame) override {
    if (isCoveringDisplay(mainWindow_.get())) {
      paintWindowFitted(mainWindow_.get(), frame, coveringFit_);
    } else {
      paintWindow(mainWindow_.get(), frame, kWindowBackground);
    }
  }

  std::uint32_t installKeyboardLock() override {
    // SDL cannot tell whether a grab will hold, so a handle is always given.
    if (lockHandle_ == 0) lockHandle_ = nextLockHandle_++;
    keyboardLock_.setOn(true);
    return lockHandle_;
  }
  void removeKeyboardLock(std::uint32_t handle) override {
    if (handle == 0 || handle != lockHandle_) return;
    keyboardLock_.setOn(false);
    lockHandle_ = 0;
  }

  void setExclusiveDisplayMode(int width, int height, int bitsPerPixel) override {
    guardian_.switchingTo(width, height);
    try {
      enterExclusiveDisplayMode(mainWindow_.get(), width, height, bitsPerPixel);
    } catch (const LoadError&) {
      guardian_.desktopModeBack();
      // Rather than a small window in a corner beside a desktop the child
      // could click: the whole display, the frame scaled to fit.
      if (coverDisplay(mainWindow_.get())) return;
      restoreWindowedLayout();
      throw;
    }
  }
  void restoreDisplayMode() override {
    if (isCoveringDisplay(mainWindow_.get())) {
      leaveCoveringDisplay(mainWindow_.get());
      restoreWindowedLayout();
    }
    if (!isInExclusiveDisplayMode(mainWindow_.get())) return;
    leaveExclusiveDisplayMode(mainWindow_.get());
    guardian_.desktopModeBack();
    restoreWindowedLayout();
  }

  void playSound(const std::string& path) override { effects_.play(path); }

  void openMusicOutput() override { music_.open(); }
  void closeMusicOutput() override { music_.close(); }
  MusicPiecePtr loadMusic(const std::string& path) override { return music_.load(path); }
  void playMusic(const MusicPiecePtr& piece) override { music_.play(piece); }
  bool musicPlaying() override { return music_.playing(); }
  void stopMusic() override { music_.stop(); }
  void setMusicGain(double gain) override { music_.setGain(gain); }

  void savePictureAsBmp(const Picture& picture, const std::string& path) override { writeBmpFile(picture, path); }
  void printPicture(const Picture& picture) override { printOnDefaultPrinterInBackground(picture); }

  double now() override {
    return std::chrono::duration<double>(std::chrono::steady_clock::now().time_since_epoch()).count();
  }

  void sleepFor(double seconds) override {
    if (seconds > 0) SDL_Delay(static_cast<Uint32>(seconds * 1000.0 + 0.5));
  }

  std::optional<InputEvent> waitEvent(double timeoutSeconds) override {
    using Clock = std::chrono::steady_clock;
    // Also keeps a NaN or absurd timeout out of the clock arithmetic.
    const double bounded = timeoutSeconds > 0 ? std::min(timeoutSeconds, kLongestWaitSeconds) : 0.0;
    const Clock::time_point deadline =
        Clock::now() + std::chrono::duration_cast<Clock::duration>(std::chrono::duration<double>(bounded));
    for (;;) {
      finishSplashHandOver(nullptr);
      keyboardLock_.keep(false);
      const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
      const int milliseconds = left.count() > 0 ? static_cast<int>(left.count()) : 0;
      // While the keyboard is locked, the wait comes back often enough to
      // renew the lock, and to let SDL act on focus changes, which it does
      // only on its next pass through its events.
      const int slice = keyboardLock_.isOn() ? std::min(milliseconds, kLockedWaitSliceMs) : milliseconds;
      SDL_Event event;
      const bool got = slice == 0 ? SDL_PollEvent(&event) : SDL_WaitEventTimeout(&event, slice);
      if (!got) {
        if (milliseconds == 0) return std::nullopt;
        continue;
      }
      if (std::optional<InputEvent> translated = handle(event)) return translated;
    }
  }

  void openUrl(const std::string& url) override { SDL_OpenURL(url.c_str()); }

  [[noreturn]] void endProcess(int status) override {
    // Destroying the windows also gives the desktop its display mode back.
    SDL_Quit();
    std::_Exit(status);
  }

 private:
  PointerShapePtr makeSystemPointer(SystemPointer which) {
    auto shape = std::make_shared<PointerShape>();
    shape->system = which;
    const SDL_SystemCursor id = which == SystemPointer::Hourglass ? SDL_SYSTEM_CURSOR_WAIT : SDL_SYSTEM_CURSOR_ARROW;
    shape->native = ownedCursor(SDL_CreateSystemCursor(id));
    return shape;
  }

  PointerShapePtr makePointer(const PointerImage& image) {
    auto shape = std::make_shared<PointerShape>();
    shape->width = image.width;
    shape->height = image.height;
    shape->hotSpotX = image.hotSpotX;
    shape->hotSpotY = image.hotSpotY;
    SurfacePtr surface(SDL_CreateRGBSurfaceWithFormatFrom(const_cast<std::uint32_t*>(image.argb.data()), image.width,
                                                          image.height, 32, image.width * 4, SDL_PIXELFORMAT_ARGB8888));
    if (surface) shape->native = ownedCursor(SDL_CreateColorCursor(surface.get(), image.hotSpotX, image.hotSpotY));
    return shape;
  }

  // A display that cannot make pointers gives none; the default one shows then.
  std::shared_ptr<void> ownedCursor(SDL_Cursor* cursor) {
    if (cursor == nullptr) return nullptr;
    return std::shared_ptr<void>(cursor,
                                 [video = video_](void* owned) { SDL_FreeCursor(static_cast<SDL_Cursor*>(owned)); });
  }

  static void showPointer(const PointerShape& pointer) {
    SDL_Cursor* cursor = pointer.native ? static_cast<SDL_Cursor*>(pointer.native.get()) : SDL_GetDefaultCursor();
    if (cursor != nullptr) SDL_SetCursor(cursor);
  }

  void hideSplashWindow() {
    splashHideDeadlineMs_ = 0;
    keyboardLock_.beforeHiding(splashWindow_.get());
    SDL_HideWindow(splashWindow_.get());
    keyboardLock_.keep(true);
  }

  // The splash waiting for the main window to take the keyboard goes once it
  // has, or once the compositor has had long enough to give it.
  void finishSplashHandOver(const SDL_Event* event) {
    if (splashHideDeadlineMs_ == 0) return;
    const bool mainFocused = event != nullptr && event->type == SDL_WINDOWEVENT &&
                             event->window.event == SDL_WINDOWEVENT_FOCUS_GAINED &&
                             event->window.windowID == SDL_GetWindowID(mainWindow_.get());
    if (mainFocused || SDL_GetTicks64() >= splashHideDeadlineMs_) hideSplashWindow();
  }

  static bool hasFocus(SDL_Window* window) { return (SDL_GetWindowFlags(window) & SDL_WINDOW_INPUT_FOCUS) != 0; }

  void restoreWindowedLayout() {
    SDL_SetWindowSize(mainWindow_.get(), kMainWindowWidth, kMainWindowHeight);
    SDL_SetWindowPosition(mainWindow_.get(), 0, 0);
  }

  // Keeps the windows painted and the mouse captured while a button is held,
  // then translates.
  std::optional<InputEvent> handle(const SDL_Event& event) {
    if (event.type == SDL_WINDOWEVENT) {
      repaintAfter(event.window);
      finishSplashHandOver(&event);
      keyboardLock_.keep(true);
    }
    std::optional<InputEvent> translated = translator_.translate(event);
    if (translated && isMouseEvent(translated->kind)) {
      if (isCoveringDisplay(mainWindow_.get())) {
        translated->x = coveringFit_.frameColumn(translated->x);
        translated->y = coveringFit_.frameRow(translated->y);
      }
      // While a button is held, moves outside the window still arrive, with
      // coordinates outside the client area.
      const bool wanted = translated->buttons != 0;
      if (wanted != mouseCaptured_) SDL_CaptureMouse(wanted ? SDL_TRUE : SDL_FALSE);
      mouseCaptured_ = wanted;
    }
    return translated;
  }

  static bool isMouseEvent(InputEvent::Kind kind) {
    return kind == InputEvent::Kind::MouseMove || kind == InputEvent::Kind::MouseDown ||
           kind == InputEvent::Kind::MouseUp;
  }

  void repaintAfter(const SDL_WindowEvent& window) {
    if (window.event != SDL_WINDOWEVENT_EXPOSED && window.event != SDL_WINDOWEVENT_SHOWN &&
        window.event != SDL_WINDOWEVENT_RESTORED) {
      return;
    }
    if (splashWindow_ && window.windowID == SDL_GetWindowID(splashWindow_.get())) {
      if (!repaintWindow(splashWindow_.get())) paintWindow(splashWindow_.get(), splashPicture_, kWindowBackground);
    } else if (window.windowID == SDL_GetWindowID(mainWindow_.get())) {
      // When this fails the program paints anew on the Exposed event it gets.
      repaintWindow(mainWindow_.get());
    }
  }

  DisplayModeGuardian guardian_;
  std::shared_ptr<SdlVideo> video_;
  WindowPtr mainWindow_;
  KeyboardLockKeeper keyboardLock_{mainWindow_.get()};
  WindowPtr splashWindow_;  // made the first time it is shown
  Picture splashPicture_;
  bool splashShown_ = false;
  Uint64 splashHideDeadlineMs_ = 0;  // while the splash waits for the main window to take the keyboard
  InputTranslator translator_;
  bool mouseCaptured_ = false;
  FrameFit coveringFit_;  // where the frame was last shown while covering the display
  PointerShapePtr arrow_;
  PointerShapePtr hourglass_;
  PointerShapePtr mainPointer_;
  std::uint32_t lockHandle_ = 0;
  std::uint32_t nextLockHandle_ = 1;
  // Opened by the first sound or music; a loaded piece keeps it open.
  std::shared_ptr<MixerDevice> mixer_;
  EffectChannel effects_;
  MidiMusicOutput music_;
  TerminationSignalWatcher signals_;  // last: stops before anything it could wake
};

}  // namespace

std::unique_ptr<Desktop> createSdlDesktop(DisplayModeGuardian guardian) {
  return std::make_unique<SdlDesktop>(std::move(guardian));
}

}  // namespace vellumo
