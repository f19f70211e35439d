#pragma once
// The root object of the program's multimedia services. It makes the display
// objects (display/DirectDraw.h) and the music objects (audio/DirectMusic.h);
// each factory is defined beside the objects it makes, in that library, so
// this layer knows neither. Start-up makes one for the display, the music
// button another for the music.

#include <memory>
#include <string_view>

namespace vellumo {

class Desktop;
class DirectDraw7;
class DirectMusicLoader;
class DirectMusicPerformance;

class DirectX7 {
 public:
  explicit DirectX7(Desktop& desktop) : desktop_(desktop) {}
  // An empty driver name means the default display driver, the only one there is.
  std::shared_ptr<DirectDraw7> DirectDrawCreate(std::string_view driver);  // display/DirectDraw.cpp
  std::shared_ptr<DirectMusicLoader> DirectMusicLoaderCreate();            // audio/DirectMusic.cpp
  std::shared_ptr<DirectMusicPerformance> DirectMusicPerformanceCreate();  // audio/DirectMusic.cpp

 private:
  Desktop& desktop_;
};

}  // namespace vellumo
