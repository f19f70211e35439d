#pragma once
// Everything the program remembers from one event to the next. One record,
// owned by the main window, read and written by the handlers of every part of
// the program. Before start-up assigns them, numbers are 0, strings empty and
// references empty; start-up puts the initial values in place.

#include <array>
#include <cstdint>
#include <memory>
#include <string>

#include "platform/Picture.h"

namespace vellumo {

class DirectX7;
class DirectDraw7;
class DirectDrawSurface7;
class DirectMusicLoader;
class DirectMusicPerformance;
class DirectMusicSegment;
class DirectMusicSegmentState;

// The values of ScreenMode: which screen is showing.
constexpr std::int16_t kPaintingScreen = 0;
constexpr std::int16_t kGalleryScreen = 1;

struct AppState {
  Colour CurrentColor = 0;    // 0x00BBGGRR
  std::int16_t FillMode = 0;  // -1: the fill tool, 0: the pencil
  std::int32_t LastX = 0;     // the pencil's last point, canvas pixels
  std::int32_t LastY = 0;
  std::int16_t MusicIsOff = 0;                   // 1: music off, the music button starts it
  std::int16_t MusicPlaying = 0;                 // 1 while the music started by the button runs
  std::int16_t SoundEffectsOn = 0;               // 1: colour, fill and wipe sounds play
  std::int16_t ScreenMode = 0;                   // kPaintingScreen or kGalleryScreen
  std::int16_t CurrentPicture = 0;               // outline picture on the canvas, 1..25
  std::int16_t HighlightedThumb = 0;             // last thumbnail given its yellow image, 0 before any
  std::array<std::int16_t, 13> ColorSelected{};  // flags 1..12; element 0 unused
  std::string AppDir;                            // the application folder, always ending in a separator
  std::string AssetRoot;                         // the application folder as reported, prefix of pictures and sounds
  std::uint32_t KeyboardHook = 0;                // handle of the keyboard lock, 0 when it could not be had

  std::shared_ptr<DirectX7> DisplayDirectX;
  std::shared_ptr<DirectDraw7> DisplayDraw;
  std::shared_ptr<DirectDrawSurface7> PrimarySurface;
  std::shared_ptr<DirectX7> MusicDirectX;                      // made at the first music click and kept
  std::shared_ptr<DirectMusicLoader> MusicLoader;              // new at every music click
  std::shared_ptr<DirectMusicPerformance> MusicPerformance;    // new at every music click
  std::shared_ptr<DirectMusicSegment> MusicSegment;            // new at every start
  std::shared_ptr<DirectMusicSegmentState> MusicSegmentState;  // new at every start and restart

  // True from Ctrl+P until that print has been handed to the printer: a
  // further Ctrl+P meanwhile (a held key repeats) must not print again.
  bool PrintInProgress = false;
};

}  // namespace vellumo
