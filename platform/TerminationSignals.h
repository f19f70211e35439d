#pragma once
// Turns SIGTERM, SIGINT and SIGHUP into a call on a small thread of its own,
// so a logout or a kill reaches the program as an ordinary request to close
// and it can give the desktop its display mode back before it ends.
//
// A signal handler may do almost nothing safely, so it only writes a byte to
// a pipe; the thread reads it and makes the call. The signals are never
// blocked, because a blocked mask would be inherited by the browser and any
// other program started from here.

#include <functional>
#include <thread>

namespace vellumo {

class TerminationSignalWatcher {
 public:
  // onSignal runs on the watcher's thread, once for every signal received.
  // Only one watcher may exist at a time.
  explicit TerminationSignalWatcher(std::function<void()> onSignal);
  // Puts the previous handlers back and ends the thread.
  ~TerminationSignalWatcher();

  TerminationSignalWatcher(const TerminationSignalWatcher&) = delete;
  TerminationSignalWatcher& operator=(const TerminationSignalWatcher&) = delete;

 private:
  void watch(int readEnd);

  std::function<void()> onSignal_;
  int readEnd_ = -1;
  std::thread thread_;
};

}  // namespace vellumo
