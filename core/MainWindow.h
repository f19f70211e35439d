#pragma once
// What every handler of the main window works with: the desktop, the state,
// the elements, the canvas and the asset pictures. The handlers of every
// subsystem take it, and call the procedures of the layers below directly.

#include <functional>
#include <string>
#include <string_view>

#include "core/AppState.h"
#include "core/Elements.h"
#include "core/PictureCache.h"
#include "platform/Desktop.h"
#include "platform/LoadError.h"

namespace vellumo {

class Canvas;
class EventLoop;
class WipePatternChooser;
struct IntervalTimer;

struct MainWindow {
  Desktop& desktop;
  AppState& state;
  Elements& elements;
  Canvas& canvas;
  PictureCache& pictures;
  EventLoop& loop;
  WipePatternChooser& wipePatterns;
  IntervalTimer& tmrRepeat;  // restarts the music when it has ended
  // Show what changed now, from inside a handler that does not return to the loop.
  std::function<void()> present;

  // The path of an asset: the asset root and a relative path beginning with
  // a separator, joined as they stand.
  std::string assetPath(std::string_view relativePath) const { return state.AssetRoot + std::string(relativePath); }
  // The picture of an asset file. Throws LoadError.
  PicturePtr picture(std::string_view relativePath) { return pictures.load(assetPath(relativePath)); }
  // Load an asset picture into an element. Throws LoadError.
  void load(ElementId id, std::string_view relativePath) { elements.setPicture(id, picture(relativePath)); }
  // Load an asset picture as the window's background. Throws LoadError.
  void loadBackground(std::string_view relativePath) { elements.setBackground(picture(relativePath)); }
};

// Runs one procedure under the program's error convention: the first step
// that fails ends it silently, and the steps already done stay done.
template <typename Steps>
void guarded(Steps&& steps) {
  try {
    steps();
  } catch (const LoadError&) {
  }
}

}  // namespace vellumo
