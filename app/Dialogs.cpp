#include "app/Dialogs.h"

#include "core/MainWindow.h"
#include "app/Websites.h"
#include "screens/ScreenStates.h"

namespace vellumo {

namespace {

// Opening a dialog freezes whichever screen shows; freezing again while one
// is open changes nothing.
void freezeScreen(MainWindow& w) {
  if (w.state.ScreenMode == 0)
    glavni_ekran_zamrznut(w);
  else if (w.state.ScreenMode == 1)
    galerijski_ekran_zamrznut(w);
}

void unfreezeScreen(MainWindow& w) {
  if (w.state.ScreenMode == 0)
    glavni_ekran_odmrznut(w);
  else if (w.state.ScreenMode == 1)
    galerijski_ekran_odmrznut(w);
}

// Closing a dialog hides its elements first, then unfreezes the screen.
template <std::size_t N>
void closeDialog(MainWindow& w, const ElementId (&elements)[N]) {
  if (w.state.ScreenMode != 0 && w.state.ScreenMode != 1) return;
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
    w.load(ElementId::Da, "/PICTURE/YES1.JPG");
    w.load(ElementId::Ne, "/PICTURE/NO1.JPG");
  });
}

void Registered_MouseMove(MainWindow& w) {
  guarded([&] {
    w.load(ElementId::Zatvori, "/PICTURE/CLOSE1.JPG");
    w.load(ElementId::Firma, "/PICTURE/CTRLRORV1.JPG");
    w.load(ElementId::visit_site, "/PICTURE/VISIT1.JPG");
  });
}

namespace {

// The buttons never move, so the place test always holds while they can be hovered.
void hoverLook(MainWindow& w, ElementId id, int top, const char* image) {
  guarded([&] {
    if (w.elements.top(id) == top) w.load(id, image);
  });
}

}  // namespace

void Da_MouseMove(MainWindow& w) { hoverLook(w, ElementId::Da, 409, "/PICTURE/YES2.JPG"); }
void Ne_MouseMove(MainWindow& w) { hoverLook(w, ElementId::Ne, 409, "/PICTURE/NO2.JPG"); }
void Zatvori_MouseMove(MainWindow& w) { hoverLook(w, ElementId::Zatvori, 269, "/PICTURE/CLOSE2.JPG"); }
void visit_site_MouseMove(MainWindow& w) { hoverLook(w, ElementId::visit_site, 395, "/PICTURE/VISIT2.JPG"); }
void Firma_MouseMove(MainWindow& w) { hoverLook(w, ElementId::Firma, 462, "/PICTURE/CTRLRORV2.JPG"); }

}  // namespace vellumo
