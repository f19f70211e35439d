// The display-mode guardian, started by the program before it touches the
// display (see DisplayModeGuardian.h). Its one argument is the descriptor of
// its end of the link to the program.

#include <X11/Xlib.h>
#include <unistd.h>

#include <cstdlib>

#include "platform/DisplayModeGuardian.h"

namespace {

// The X server went away: there is no display left to restore.
int endQuietly(Display*) { ::_exit(0); }

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) return 2;
  XSetIOErrorHandler(endQuietly);
  return vellumo::runDisplayModeGuardian(std::atoi(argv[1]));
}
