#pragma once
// The gallery's 25 thumbnails: the one under the mouse turns yellow, the one
// highlighted before turns white again, and a click puts that outline picture
// on the canvas and goes back to the painting screen.

namespace vellumo {

struct MainWindow;

void ThumbnailMouseMove(MainWindow& w, int k);  // Galerija1_MouseMove .. Galerija25_MouseMove
void ThumbnailClick(MainWindow& w, int k);      // Galerija1_Click .. Galerija25_Click
// Turns the highlighted thumbnail white again; called from a move over the
// window background while the gallery shows.
void mouse_move_galerija1_bele(MainWindow& w);
void Back_MouseMove(MainWindow& w);

}  // namespace vellumo
