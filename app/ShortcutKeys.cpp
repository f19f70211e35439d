#include "app/ShortcutKeys.h"

#include "app/Dialogs.h"
#include "canvas/PrintPicture.h"
#include "core/MainWindow.h"

namespace vellumo {

void ShortcutKeyDown(MainWindow& w, int keyCode, int shift) {
  guarded([&] {
    if (keyCode == kKeyP && shift == kCtrlMask) PrintPicture(w);
    if (keyCode == kKeyX && shift == kCtrlMask) ShowExitConfirmation(w);
    if (keyCode == kKeyR && shift == kCtrlMask) ShowInfoPanel(w);
  });
}

}  // namespace vellumo
