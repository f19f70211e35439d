#pragma once
// The gallery's 25 thumbnails: the one under the mouse turns yellow, the one
// highlighted before turns white again, and a click puts that outline picture
// on the canvas and goes back to the painting screen.

#include <array>
#include <string>

namespace vellumo {

struct MainWindow;

// The grid, by column and row from 0.
constexpr std::array<int, 5> kThumbnailColumnLefts = {54, 198, 341, 485, 629};
constexpr std::array<int, 5> kThumbnailRowTops = {48, 185, 322, 459, 596};

constexpr int thumbnailLeft(int n) { return kThumbnailColumnLefts[(n - 1) % 5]; }
constexpr int thumbnailTop(int n) { return kThumbnailRowTops[(n - 1) / 5]; }
// Thumbnail images are named after a cell of a 9x9 grid numbered row by row,
// of which the thumbnails take the odd rows and columns.
constexpr int thumbnailCell(int n) { return 18 * ((n - 1) / 5) + 2 * ((n - 1) % 5) + 1; }

std::string whiteThumbnail(int n);   // "/PICTURE/GALERIJA1BELE_<cell>.JPG"
std::string yellowThumbnail(int n);  // "/PICTURE/GALERIJA1ZUTE_<cell>.JPG"
std::string outlinePicture(int n);   // "/PICTURE/<n>.GIF"

void ThumbnailMouseMove(MainWindow& w, int k);  // Galerija1_MouseMove .. Galerija25_MouseMove
void ThumbnailClick(MainWindow& w, int k);      // Galerija1_Click .. Galerija25_Click
// Turns the highlighted thumbnail white again; called from a move over the
// window background while the gallery shows.
void mouse_move_galerija1_bele(MainWindow& w);
void Back_MouseMove(MainWindow& w);

}  // namespace vellumo
