#pragma once
// The real program on an X server of its own, started from a private copy of
// the application folder and driven from outside as a child would drive it:
// xdotool moves the mouse and presses keys, and the screen and the pointer
// are read back. Run as root, the test starts the program as the user nobody,
// the way a family runs it, so a file without read permission is unreadable.

#include <sys/types.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "tests/platform/XScreenProbe.h"
#include "tests/platform/XvfbServer.h"
#include "tests/support/PrivateAppFolder.h"

namespace vellumo::test {

class ProgramUnderX {
 public:
  ProgramUnderX();
  ~ProgramUnderX();  // ends the program and the server
  ProgramUnderX(const ProgramUnderX&) = delete;
  ProgramUnderX& operator=(const ProgramUnderX&) = delete;

  // Starts the server and the program; false when Xvfb cannot be started.
  // `program` names another build's executable to run on the same assets.
  bool start(const std::string& program = {});
  // True once the program has ended, by itself or killed by a signal.
  bool ended();
  // The program's peak resident memory so far.
  std::int64_t peakMemoryKilobytes() const;

  std::string picturePath(const std::string& name) const { return folder_.folder() + "/PICTURE/" + name; }
  std::string assetPath(const std::string& relative) const { return folder_.folder() + "/" + relative; }

  void xdotool(const std::string& arguments);
  XScreenProbe& screen() { return *screen_; }

  // Polls the check until it holds; false once `seconds` have passed.
  static bool waitUntil(const std::function<bool()>& check, double seconds = 30);

  // The program's exit status once it has ended within `seconds` (128 plus
  // the signal that ended it), or -1.
  int waitForExit(double seconds = 30);
  // What the program has written to standard error so far.
  std::string standardError() const;

 private:
  XvfbServer server_;
  PrivateAppFolder folder_{"bad-files"};
  std::string runtimeDir_;
  pid_t pid_ = -1;
  int status_ = 0;
  std::optional<XScreenProbe> screen_;
};

}  // namespace vellumo::test
