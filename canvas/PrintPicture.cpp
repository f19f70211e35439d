#include "canvas/PrintPicture.h"

#include "canvas/SavedPictureRoot.h"
#include "core/Canvas.h"
#include "core/ColoringBasic.h"
#include "core/MainWindow.h"

namespace vellumo {

namespace {

// Marks a print as under way for as long as it lasts, however it ends.
struct PrintUnderWay {
  explicit PrintUnderWay(bool& flag) : flag_(flag) { flag_ = true; }
  ~PrintUnderWay() { flag_ = false; }
  PrintUnderWay(const PrintUnderWay&) = delete;
  PrintUnderWay& operator=(const PrintUnderWay&) = delete;
  bool& flag_;
};

}  // namespace

void PrintPicture(MainWindow& w) {
  // A Ctrl+P pressed, or repeating from a held key, while a print is under
  // way would start another complete print inside it: a child leaning on
  // the keys would print dozens of pages.
  if (w.state.PrintInProgress) return;
  PrintUnderWay underWay(w.state.PrintInProgress);

  // The canvas's own pixels are captured, whatever covers it on the screen.
  const Picture captured = w.canvas.pixels();
  const std::string path = savedPictureRoot(w.state.AppDir) + kSavedPicture;
  w.desktop.savePictureAsBmp(captured, path);
  const PicturePtr saved = w.desktop.loadPicture(path);
  w.canvas.load(*saved);

  w.elements.show(ElementId::PrintPict);
  w.present();
  WaitThreeSeconds(w.desktop, w.loop);
  w.elements.hide(ElementId::PrintPict);
  w.present();

  w.desktop.printPicture(*saved);
}

}  // namespace vellumo
