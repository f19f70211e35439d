#include "audio/Music.h"
#include "core/MainWindow.h"
#include "platform/Desktop.h"
// The music beside the display adapter reaching into it: a sideways arrow.
#include "display/DirectDraw.h"
