#include "XvfbServer.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>

namespace vellumo::test {

bool XvfbServer::start() {
  int ready[2];
  if (::pipe(ready) != 0) return false;
  pid_ = ::fork();
  if (pid_ < 0) return false;
  if (pid_ == 0) {
    ::close(ready[0]);
    const int quiet = ::open("/dev/null", O_WRONLY);
    ::dup2(quiet, STDERR_FILENO);
    const std::string fd = std::to_string(ready[1]);
    // -displayfd: the server picks a free display and writes its number there
    // once it accepts connections. -noreset: without it the server restarts
    // whenever its last client leaves, refusing connections meanwhile.
    ::execlp("Xvfb", "Xvfb", "-displayfd", fd.c_str(), "-screen", "0", "1024x768x24", "-nolisten", "tcp", "-noreset",
             static_cast<char*>(nullptr));
    std::_Exit(127);
  }
  ::close(ready[1]);
  std::string number;
  char c;
  while (::read(ready[0], &c, 1) == 1 && c != '\n') number += c;
  ::close(ready[0]);
  if (number.empty()) return false;
  display_ = ":" + number;
  return true;
}

XvfbServer::~XvfbServer() {
  if (pid_ > 0) {
    ::kill(pid_, SIGTERM);
    ::waitpid(pid_, nullptr, 0);
  }
}

}  // namespace vellumo::test
