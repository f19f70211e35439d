#pragma once
// The two tools on the canvas: the bucket fill (the drop button) and the
// pencil, and the buttons that choose between them.

namespace vellumo {

struct MainWindow;

// A mouse button went down over the canvas. `button` is 1 left, 2 right,
// 4 middle; x and y are canvas pixels.
void Slika_MouseDown(MainWindow& w, int button, float x, float y);
// The mouse moved over the canvas, or anywhere while a button pressed on it
// is held; `buttons` is the set held.
void Slika_MouseMove(MainWindow& w, int buttons, float x, float y);
void kapljica_Click(MainWindow& w);  // choose the fill tool
void olovka_Click(MainWindow& w);    // choose the pencil

// Colour values 0 to 9 are the black of the outlines, which is never filled.
constexpr bool isOutlineBlack(unsigned colourValue) { return colourValue <= 9; }

}  // namespace vellumo
