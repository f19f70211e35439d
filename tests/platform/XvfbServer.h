#pragma once
// An Xvfb server of a test's own, on a display number the server picks.

#include <sys/types.h>

#include <string>

namespace vellumo::test {

class XvfbServer {
 public:
  XvfbServer() = default;
  ~XvfbServer();  // stops the server
  XvfbServer(const XvfbServer&) = delete;
  XvfbServer& operator=(const XvfbServer&) = delete;

  // Starts a 1024x768x24 screen; false when Xvfb could not be started.
  bool start();
  // ":N" once started.
  const std::string& display() const { return display_; }

 private:
  pid_t pid_ = -1;
  std::string display_;
};

}  // namespace vellumo::test
