#pragma once
// Ctrl+P: the canvas is saved to the one file the program writes, read back,
// a banner shows for three seconds, and the picture goes to the printer.

namespace vellumo {

struct MainWindow;

constexpr const char* kSavedPicture = "/MY_PICTURE/01.GIF";  // under savedPictureRoot()

// A failure ends it and passes to the caller.
void PrintPicture(MainWindow& w);

}  // namespace vellumo
