#pragma once
// Software drawing of a picture into a window: the picture is converted
// straight into the window's own surface, so a frame costs one pass over its
// pixels and no allocation.

#include <SDL.h>

#include "platform/FrameFit.h"
#include "platform/Picture.h"

namespace vellumo {

// Draws the picture unscaled from the window's top-left corner, clipped to
// the window; where it does not reach, the window shows `background`.
// Returns false when the window has no surface to draw on.
bool paintWindow(SDL_Window* window, const Picture& picture, Colour background);

// Draws the picture at the largest scale that fits the window, centred, each
// window pixel showing the nearest picture pixel, black around it. `fitted`
// is set to where the picture went. Returns false when the window has no
// surface to draw on.
bool paintWindowFitted(SDL_Window* window, const Picture& picture, FrameFit& fitted);

// Shows again what was last painted, after the window was covered or hidden.
// Returns false when that is gone (the window changed size) and the window
// must be painted anew.
bool repaintWindow(SDL_Window* window);

}  // namespace vellumo
