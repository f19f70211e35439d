#pragma once
// The one interface through which the program's logic talks to the desktop:
// windows and the composed frame, pointers, pictures and file sizes, the
// keyboard lock, the display mode, events and time, the browser, and ending
// the process. The real implementation lives in platform/ on SDL; tests use a
// recording double that still decodes real files with the real decoder.
// Nothing here includes a platform header.

#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>

#include "platform/Picture.h"

namespace vellumo {

// Size of the frame the program composes and of the exclusive display mode.
constexpr int kScreenWidth = 1024;
constexpr int kScreenHeight = 768;

// Mouse buttons as the program counts them; held buttons are added together.
constexpr int kLeftButton = 1;
constexpr int kRightButton = 2;
constexpr int kMiddleButton = 4;

// Shift state of key events: a bit set.
constexpr int kShiftMask = 1;
constexpr int kCtrlMask = 2;
constexpr int kAltMask = 4;

// Flag carried by key events while Alt is held (as a low-level keyboard hook
// reports it).
constexpr std::uint32_t kAltDownFlag = 0x20;

struct InputEvent {
  enum class Kind {
    MouseMove,       // x, y; buttons = the set held
    MouseDown,       // x, y; button = the one pressed; buttons = the set held after it
    MouseUp,         // x, y; button = the one released; buttons = the set still held
    KeyDown,         // vkCode, flags, shift, repeat
    KeyUp,           // vkCode, flags, shift
    CloseRequested,  // window closed by the window manager, logout, SIGTERM/SIGINT/SIGHUP
    Exposed,         // the window must be presented again
  };
  Kind kind = Kind::MouseMove;
  int x = 0, y = 0;  // main-window client pixels; may lie outside it while the mouse is captured
  int button = 0;
  int buttons = 0;
  std::uint32_t vkCode = 0;  // virtual-key code, the codes a low-level hook reports (VK_LSHIFT 160 ...)
  std::uint32_t flags = 0;   // kAltDownFlag while Alt is held
  int shift = 0;             // kShiftMask | kCtrlMask | kAltMask
  bool repeat = false;       // a key-down produced by a held key
};

// A mouse pointer made by the platform; opaque to the program.
struct PointerShape;
using PointerShapePtr = std::shared_ptr<const PointerShape>;

enum class SystemPointer { Arrow, Hourglass };

// A MIDI piece loaded for the music output; opaque to the program.
struct MusicPiece;
using MusicPiecePtr = std::shared_ptr<const MusicPiece>;

class Desktop {
 public:
  virtual ~Desktop() = default;

  // --- pictures and files ------------------------------------------------
  // Decode a picture, the type taken from the content, not the name. Throws
  // LoadError for a missing, unreadable, truncated, wrongly typed or
  // oversized (more than kMaxPictureSide on a side) file.
  virtual PicturePtr loadPicture(const std::string& path) = 0;
  virtual PicturePtr decodePicture(std::span<const unsigned char> bytes) = 0;
  // Size in bytes of a named file, without reading it. Throws LoadError when
  // the file is missing or cannot be examined.
  virtual std::int64_t fileSize(const std::string& path) = 0;

  // --- pointers ----------------------------------------------------------
  // An icon file (.ICO) as a pointer, its hot spot at the centre. Throws LoadError.
  virtual PointerShapePtr pointerFromIconFile(const std::string& path) = 0;
  // A cursor (.CUR, hot spot from the file) or icon (.ICO, hot spot at the
  // centre) held in memory. Throws LoadError.
  virtual PointerShapePtr pointerFromBytes(std::span<const unsigned char> bytes) = 0;
  virtual PointerShapePtr systemPointer(SystemPointer which) = 0;
  // The pointer shown over the main window from now on.
  virtual void setPointer(const PointerShapePtr& pointer) = 0;

  // --- windows -------------------------------------------------------------
  // The splash window: borderless, centred, client 201x251, the picture at
  // its top-left corner, the hourglass pointer, no icon.
  virtual void showSplash(const Picture& picture) = 0;
  virtual void hideSplash() = 0;
  // The main window: borderless, top-left of the screen, client 1023x766 in
  // the desktop's mode. It exists hidden from the start.
  virtual void setMainWindowLook(const std::string& caption, const Picture& icon) = 0;
  virtual void showMainWindow() = 0;
  virtual void minimiseMainWindow() = 0;
  // Show a composed kScreenWidth x kScreenHeight frame in the main window.
  virtual void present(const Picture& frame) = 0;

  // --- keyboard lock -------------------------------------------------------
  // Grab the keyboard for the program's windows. Returns a non-zero handle,
  // or 0 when the lock cannot be had. Removing a handle twice does nothing.
  virtual std::uint32_t installKeyboardLock() = 0;
  virtual void removeKeyboardLock(std::uint32_t handle) = 0;

  // --- display mode --------------------------------------------------------
  // The main window takes the whole display: in exclusive full screen at the
  // given mode when the display has it, otherwise in the desktop's own mode
  // with the frame shown at the largest scale that fits, centred on black,
  // and the mouse mapped to it. Throws LoadError, leaving the desktop's mode
  // and a windowed main window, only when neither can be had.
  virtual void setExclusiveDisplayMode(int width, int height, int bitsPerPixel) = 0;
  // Give the desktop its own mode (and the main window its windowed place)
  // back; nothing happens when it was not changed.
  virtual void restoreDisplayMode() = 0;

  // --- sound effects ------------------------------------------------------
  // Play a WAV file asynchronously on the one effects channel, cutting off
  // whatever it still plays, and return at once. A file that cannot be
  // played plays a short built-in default sound instead; nothing is reported.
  virtual void playSound(const std::string& path) = 0;

  // --- music -----------------------------------------------------------------
  // Make the MIDI output ready (audio device and General MIDI soundfont).
  // Throws LoadError when there is none; calling it again when ready does nothing.
  virtual void openMusicOutput() = 0;
  // Stop the music and release the MIDI output.
  virtual void closeMusicOutput() = 0;
  // Load a Standard MIDI File. Throws LoadError when it is missing or unreadable,
  // or when the output is not open.
  virtual MusicPiecePtr loadMusic(const std::string& path) = 0;
  // Play the piece once from its beginning, replacing any music playing.
  // Throws LoadError when it cannot be played.
  virtual void playMusic(const MusicPiecePtr& piece) = 0;
  // Whether music is playing now.
  virtual bool musicPlaying() = 0;
  // Silence the music at once.
  virtual void stopMusic() = 0;
  // Music loudness as a linear gain, 0 (silent) to 1 (full scale).
  virtual void setMusicGain(double gain) = 0;

  // --- saving and printing ----------------------------------------------------
  // Write a picture as an uncompressed BMP file. The file at `path` is
  // replaced only once the new one is complete, so a crash or power cut never
  // leaves a torn file. Throws LoadError when it cannot be written.
  virtual void savePictureAsBmp(const Picture& picture, const std::string& path) = 0;
  // Print one landscape page on the default printer showing the picture at
  // its natural size (96 pixels an inch) at the top-left corner of the
  // printable area. Returns at once: the job goes out in the background, and
  // a missing printer or server is not reported.
  virtual void printPicture(const Picture& picture) = 0;

  // --- events and time ---------------------------------------------------------
  // Seconds on a monotonic clock.
  virtual double now() = 0;
  // Sleep without handling or taking any event: input waits in the queue.
  virtual void sleepFor(double seconds) = 0;
  // The next input event, blocking up to timeoutSeconds; nothing on timeout.
  virtual std::optional<InputEvent> waitEvent(double timeoutSeconds) = 0;

  // --- shell -------------------------------------------------------------------
  // Open an address in the default browser; a browser that cannot start is not noticed.
  virtual void openUrl(const std::string& url) = 0;
  // End the process at once: every window goes, no further handler runs.
  [[noreturn]] virtual void endProcess(int status) = 0;
};

}  // namespace vellumo
