#include "app/Dialogs.h"

#include "app/Websites.h"
#include "core/AssetFiles.h"
#include "core/MainWindow.h"
#include "screens/ScreenStates.h"

namespace vellumo {

namespace {

// Opening a dialog freezes whichever screen shows; freezing again while one
// is open changes nothing.
void freezeScreen(MainWindow& w) {
  if (w.state.ScreenMode == kPaintingScreen)
    glavni_ekran_zamrznut(w);
  else if (w.state.ScreenMode == kGalleryScreen)
    galerijski_ekran_zamrznut(w);
}

void unfreezeScreen(MainWindow& w) {
  if (w.state.ScreenMode == kPaintingScreen)
    glavni_ekran_odmrznut(w);
  else if (w.state.ScreenMode == kGalleryScreen)
    galerijski_ekran_odmrznut(w);
}

// Closing a dialog hides its elements first, then unfreezes the screen.
template <std::size_t N>
void closeDialog(MainWindow& w, const ElementId (&elements)[N]) {
  if (w.state.ScreenMode != kPaintingScreen && w.state.ScreenMode != kGalleryScreen) return;
  for (ElementId id : elements) w.elements.hide(id);
  unfreezeScreen(w);
}

void openInBrowser(MainWindow& w, std::string_view address) {
  w.desktop.minimiseMainWindow();
  w.desktop.openUrl(std::string(address));
}

}  // namespace

void ShowExitConfirmation(MainWindow& w) {
  freezeScreen(w);
  for (ElementId id : {ElementId::Izlaz, ElementId::Da, ElementId::Ne}) w.elements.show(id);
}

void ShowInfoPanel(MainWindow& w) {
  freezeScreen(w);
  for (ElementId id : {ElementId::Registered, ElementId::visit_site, ElementId::Firma, ElementId::Zatvori})
    w.elements.show(id);
}

void Ne_Click(MainWindow& w) {
  const ElementId exitConfirmation[] = {ElementId::Da, ElementId::Ne, ElementId::Izlaz};
  closeDialog(w, exitConfirmation);
}

void Zatvori_Click(MainWindow& w) {
  const ElementId infoPanel[] = {ElementId::Registered, ElementId::visit_site, ElementId::Firma, ElementId::Zatvori};
  closeDialog(w, infoPanel);
}

// Neither link closes the panel: when the window comes back it is still open.
void visit_site_Click(MainWindow& w) { openInBrowser(w, kProductWebsite); }
void Firma_Click(MainWindow& w) { openInBrowser(w, kMakerWebsite); }

// A button's hover look is taken back only when the mouse crosses its panel.
void Izlaz_MouseMove(MainWindow& w) {
  guarded([&] {
    w.load(ElementId::Da, asset::YesRest);
    w.load(ElementId::Ne, asset::NoRest);
  });
}

void Registered_MouseMove(MainWindow& w) {
  guarded([&] {
    w.load(ElementId::Zatvori, asset::CloseRest);
    w.load(ElementId::Firma, asset::MakerRest);
    w.load(ElementId::visit_site, asset::VisitRest);
  });
}

namespace {

// The buttons never move, so the place test always holds while they can be hovered.
void hoverLook(MainWindow& w, ElementId id, int top, std::string_view image) {
  guarded([&] {
    if (w.elements.top(id) == top) w.load(id, image);
  });
}

}  // namespace

void Da_MouseMove(MainWindow& w) { hoverLook(w, ElementId::Da, 409, asset::YesHover); }
void Ne_MouseMove(MainWindow& w) { hoverLook(w, ElementId::Ne, 409, asset::NoHover); }
void Zatvori_MouseMove(MainWindow& w) { hoverLook(w, ElementId::Zatvori, 269, asset::CloseHover); }
void visit_site_MouseMove(MainWindow& w) { hoverLook(w, ElementId::visit_site, 395, asset::VisitHover); }
void Firma_MouseMove(MainWindow& w) { hoverLook(w, ElementId::Firma, 462, asset::MakerHover); }

}  // namespace vellumo
