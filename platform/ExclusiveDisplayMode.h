#pragma once
// Exclusive full screen for a window at a display mode of exactly the asked
// size and depth, and the way back to the desktop's own mode; and, where
// there is no such mode, a window that covers the display in its own mode.

#include <SDL.h>

namespace vellumo {

// The window takes the mode's size. Throws LoadError when no such mode exists
// or the switch did not happen; the window is then out of full screen again
// (its windowed size is the caller's to put back) and the desktop keeps its mode.
void enterExclusiveDisplayMode(SDL_Window* window, int width, int height, int bitsPerPixel);

// Leaves full screen, which gives the desktop its own mode back. Does nothing
// when the window is not in exclusive full screen.
void leaveExclusiveDisplayMode(SDL_Window* window);

bool isInExclusiveDisplayMode(SDL_Window* window);

// Where the mode cannot be had: the window covers the whole display in the
// desktop's own mode. False when even that is refused. Leaving full screen
// (leaveCoveringDisplay) undoes it.
bool coverDisplay(SDL_Window* window);
void leaveCoveringDisplay(SDL_Window* window);
bool isCoveringDisplay(SDL_Window* window);

}  // namespace vellumo
