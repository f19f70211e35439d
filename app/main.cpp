// Vellumo: a full-screen colouring book for young children.

#include <cstdio>
#include <exception>

#include "app/ExitStatus.h"
#include "app/FormaMain.h"
#include "app/PathRules.h"
#include "platform/DisplayModeGuardian.h"
#include "platform/LoadError.h"
#include "platform/SdlDesktop.h"
#include "platform/SingleInstance.h"
#include "platform/SystemFolders.h"

int main() {
  using namespace vellumo;

  // Two copies would fight over the display mode and the keyboard: a second
  // one leaves the first alone and ends before touching either.
  auto instance = SingleInstanceLock::acquire();
  if (!instance) return kExitNormal;

  // Started before anything touches the display, so that it knows the
  // desktop's own mode and can give it back should this process die.
  DisplayModeGuardian guardian = DisplayModeGuardian::start(executableFolder() + "/" + kDisplayGuardianProgram);

  std::unique_ptr<Desktop> desktop;
  try {
    desktop = createSdlDesktop(std::move(guardian));
  } catch (const DisplayUnavailable& e) {
    std::fprintf(stderr, "vellumo: no display to show the colouring book on: %s\n", e.what());
    return kExitNoDisplay;
  }

  std::unique_ptr<FormaMain> form;
  try {
    form = std::make_unique<FormaMain>(*desktop, executableFolder());
  } catch (const LoadError& e) {
    std::fprintf(stderr, "vellumo: cannot read the program's own pictures: %s\n", e.what());
    return kExitStartFailed;
  }
  form->Form_Load();
  form->run();
}
