#pragma once
// The display modes of an X screen as its RandR extension describes them:
// the screen's size and what each CRTC shows (mode, place, rotation,
// outputs). Read on a connection of its own, and put back as a whole.
// Xlib's headers stay in the .cpp.

#include <cstdint>
#include <memory>
#include <vector>

namespace vellumo {

struct CrtcSetting {
  std::uint64_t crtc = 0;
  std::uint64_t mode = 0;  // 0: the CRTC is off
  int modeWidth = 0, modeHeight = 0;
  int x = 0, y = 0;
  int rotation = 0;
  std::vector<std::uint64_t> outputs;
  bool operator==(const CrtcSetting&) const = default;
};

struct ScreenConfiguration {
  int width = 0, height = 0;      // pixels
  int widthMm = 0, heightMm = 0;  // the physical size handed back with the size
  std::vector<CrtcSetting> crtcs;

  // The same modes at the same places; the physical size is not compared.
  bool sameModes(const ScreenConfiguration& other) const {
    return width == other.width && height == other.height && crtcs == other.crtcs;
  }
  // Some CRTC shows a mode of this size.
  bool showsModeOfSize(int modeWidth, int modeHeight) const {
    for (const CrtcSetting& c : crtcs)
      if (c.mode != 0 && c.modeWidth == modeWidth && c.modeHeight == modeHeight) return true;
    return false;
  }
};

class ScreenConfigurator {
 public:
  // A connection to $DISPLAY; nothing when there is no display or it has no
  // RandR 1.2.
  static std::unique_ptr<ScreenConfigurator> connect();
  ~ScreenConfigurator();
  ScreenConfigurator(const ScreenConfigurator&) = delete;
  ScreenConfigurator& operator=(const ScreenConfigurator&) = delete;

  ScreenConfiguration current();
  // Gives the screen the size and every CRTC the setting they have in
  // `wanted`, as one change no other client can come between. False when
  // the server refused a part of it.
  bool apply(const ScreenConfiguration& wanted);

  // Readable when the server sends something or the connection ends.
  int connectionFd() const;
  // Reads and drops what the server sent. When the server has gone, Xlib
  // ends the process through its I/O error handler.
  void discardEvents();

 private:
  explicit ScreenConfigurator(void* display) : display_(display) {}
  void* display_;
};

}  // namespace vellumo
