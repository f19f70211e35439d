#include "app/ElementHandlers.h"

#include "app/Dialogs.h"
#include "app/FormaMain.h"
#include "app/ShortcutKeys.h"
#include "audio/Music.h"
#include "audio/SoundEffects.h"
#include "canvas/PaintingTools.h"
#include "canvas/Wipe.h"
#include "gallery/Gallery.h"
#include "palette/Hover.h"
#include "palette/Palette.h"
#include "screens/ScreenStates.h"

namespace vellumo {

namespace {

// Adapters from the handlers' own signatures to the index's one.
template <void (*Handler)(MainWindow&)>
void plain(FormaMain& form, const ElementInput&) {
  Handler(form.window());
}

template <void (*Handler)(MainWindow&, int)>
void numbered(FormaMain& form, const ElementInput& input) {
  Handler(form.window(), input.number);
}

// The tool buttons catch nothing themselves: a tool picture or pointer that
// cannot be read leaves the rest of that click undone, and the program goes on.
template <void (*Handler)(MainWindow&)>
void guardedHere(FormaMain& form, const ElementInput&) {
  guarded([&] { Handler(form.window()); });
}

void shortcutKeys(FormaMain& form, const ElementInput& input) {
  ShortcutKeyDown(form.window(), input.keyCode, input.shift);
}

ElementId mainScreenControl(int n) { return MainScreenControls[n - 1]; }

using enum ElementId;
using enum ElementEvent;
using Receiver = ElementHandler::Receiver;

constexpr ElementHandler on(ElementId id, ElementEvent event, ElementHandlerFunction handler) {
  return {Receiver::Element, id, nullptr, 0, event, handler};
}
// Every member of a numbered family, served by one routine taking the number.
constexpr ElementHandler onEach(ElementId (*member)(int), int familySize, ElementEvent event,
                                ElementHandlerFunction handler) {
  return {Receiver::Family, Slika, member, familySize, event, handler};
}
constexpr ElementHandler onWindow(ElementEvent event, ElementHandlerFunction handler) {
  return {Receiver::Window, Slika, nullptr, 0, event, handler};
}

const ElementHandler kElementHandlers[] = {
    // The canvas.
    on(Slika, MouseDown,
       [](FormaMain& f, const ElementInput& in) {
         Slika_MouseDown(f.window(), in.button, static_cast<float>(in.x), static_cast<float>(in.y));
       }),
    on(Slika, MouseMove,
       [](FormaMain& f, const ElementInput& in) {
         guarded([&] { Slika_MouseMove(f.window(), in.buttons, static_cast<float>(in.x), static_cast<float>(in.y)); });
       }),

    // The painting screen's buttons; every one of them also answers the shortcut keys.
    on(kapljica, Click, guardedHere<kapljica_Click>),
    on(olovka, Click, guardedHere<olovka_Click>),
    on(Rubber, Click, plain<Rubber_Click>),
    on(Rubber, MouseMove, plain<Rubber_MouseMove>),
    on(Papir, Click, plain<Papir_Click>),
    on(Papir, MouseMove, plain<Papir_MouseMove>),
    on(MoreImages, Click, plain<MoreImages_Click>),
    on(MoreImages, MouseMove, plain<MoreImages_MouseMove>),
    on(MuteWave, Click, [](FormaMain& f, const ElementInput&) { MuteWave_Click(f.state()); }),
    on(MuteWave, MouseMove, plain<MuteWave_MouseMove>),
    on(MusicOn, Click, plain<MusicOn_Click>),
    on(MusicOn, MouseMove, plain<MusicOn_MouseMove>),
    onEach(paleta, kPaletteSize, Click, numbered<PaletteClick>),          // PaletaCrvena_Click ..
    onEach(paleta, kPaletteSize, MouseMove, numbered<PaletteMouseMove>),  // PaletaCrvena_MouseMove ..
    onEach(mainScreenControl, static_cast<int>(MainScreenControls.size()), KeyDown, shortcutKeys),

    // The gallery.
    onEach(galerija, kThumbnailCount, Click, numbered<ThumbnailClick>),          // Galerija1_Click ..
    onEach(galerija, kThumbnailCount, MouseMove, numbered<ThumbnailMouseMove>),  // Galerija1_MouseMove ..
    on(Back, Click, plain<Back_Click>),
    on(Back, MouseMove, plain<Back_MouseMove>),

    // The exit confirmation.
    on(Izlaz, MouseMove, plain<Izlaz_MouseMove>),
    on(Da, Click, [](FormaMain& f, const ElementInput&) { f.Da_Click(); }),
    on(Da, MouseMove, plain<Da_MouseMove>),
    on(Ne, Click, plain<Ne_Click>),
    on(Ne, MouseMove, plain<Ne_MouseMove>),

    // The info panel.
    on(Registered, MouseMove, plain<Registered_MouseMove>),
    on(Zatvori, Click, plain<Zatvori_Click>),
    on(Zatvori, MouseMove, plain<Zatvori_MouseMove>),
    on(visit_site, Click, plain<visit_site_Click>),
    on(visit_site, MouseMove, plain<visit_site_MouseMove>),
    on(Firma, Click, plain<Firma_Click>),
    on(Firma, MouseMove, plain<Firma_MouseMove>),

    // The window itself: a move over its bare background puts every button
    // back to rest, and it answers the shortcut keys.
    onWindow(MouseMove, plain<Form_MouseMove>),
    onWindow(KeyDown, shortcutKeys),
};

}  // namespace

std::span<const ElementHandler> elementHandlers() { return kElementHandlers; }

const ElementHandler* findElementHandler(std::optional<ElementId> receiver, ElementEvent event, ElementInput& input) {
  for (const ElementHandler& row : kElementHandlers) {
    if (row.event != event) continue;
    switch (row.receiver) {
      case Receiver::Window:
        if (!receiver) return &row;
        break;
      case Receiver::Element:
        if (receiver == row.element) return &row;
        break;
      case Receiver::Family:
        for (int n = 1; receiver && n <= row.familySize; ++n)
          if (row.member(n) == *receiver) {
            input.number = n;
            return &row;
          }
        break;
    }
  }
  return nullptr;
}

}  // namespace vellumo
