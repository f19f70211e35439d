#include "canvas/PaintingTools.h"

#include <cmath>

#include "audio/SoundEffects.h"
#include "canvas/FloodFill.h"
#include "canvas/PencilLine.h"
#include "core/AssetFiles.h"
#include "core/Canvas.h"
#include "core/MainWindow.h"
#include "palette/Hover.h"

namespace vellumo {

namespace {

// Event positions are rounded to the nearest pixel, ties to the even one.
std::int32_t rounded(float v) {
  const float r = std::nearbyint(v);
  if (!(r >= -2147483648.0f && r < 2147483648.0f)) return v < 0 ? INT32_MIN : INT32_MAX;
  return static_cast<std::int32_t>(r);
}

}  // namespace

// The fill is done in one piece at the click: it is fast enough to feel
// instant even for the whole page, and the child sees the region change at once.
void Slika_MouseDown(MainWindow& w, int button, float x, float y) {
  guarded([&] {
    AppState& s = w.state;
    s.LastX = rounded(x);
    s.LastY = rounded(y);
    if (s.FillMode == 0) return;
    if (button == kLeftButton) {
      Picture& pixels = w.canvas.pixels();
      const int px = s.LastX, py = s.LastY;
      // A press outside the canvas (possible only while another button holds
      // the mouse) has no pixel to fill: it only sounds, like a right click.
      const bool inside = px >= 0 && py >= 0 && px < pixels.width && py < pixels.height;
      if (inside) {
        if (isOutlineBlack(pixels.at(px, py))) return;
        if (floodFill(pixels, px, py, s.CurrentColor) > 0) w.canvas.changed();
      }
    }
    PlaySoundEffect(w, kFillSound);
  });
}

void Slika_MouseMove(MainWindow& w, int buttons, float x, float y) {
  AppState& s = w.state;
  if (buttons == kLeftButton && s.FillMode == 0) {
    const std::int32_t nx = rounded(x), ny = rounded(y);
    if (drawPencilLine(w.canvas.pixels(), s.LastX, s.LastY, nx, ny, s.CurrentColor) > 0) w.canvas.changed();
    s.LastX = nx;
    s.LastY = ny;
    return;
  }
  SlikaHoverReset(w);
}

void kapljica_Click(MainWindow& w) {
  w.state.FillMode = -1;
  w.load(ElementId::olovka, asset::PencilNotChosen);
  w.load(ElementId::kapljica, asset::FillToolChosen);
  w.elements.setPointer(ElementId::Slika, w.desktop.pointerFromIconFile(w.assetPath(asset::FillPointer)));
}

void olovka_Click(MainWindow& w) {
  w.state.FillMode = 0;
  w.load(ElementId::olovka, asset::PencilChosen);
  w.load(ElementId::kapljica, asset::FillToolNotChosen);
  w.elements.setPointer(ElementId::Slika, w.desktop.pointerFromIconFile(w.assetPath(asset::PencilPointer)));
}

}  // namespace vellumo
