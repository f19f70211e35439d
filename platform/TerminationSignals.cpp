#include "platform/TerminationSignals.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <array>
#include <atomic>
#include <cerrno>
#include <stdexcept>

namespace vellumo {

namespace {

constexpr std::array kTerminationSignals{SIGTERM, SIGINT, SIGHUP};

// The handler has no context but globals. Lock-free atomics are safe to read
// in a handler.
std::atomic<int> gWakeFd{-1};
std::array<struct sigaction, kTerminationSignals.size()> gPreviousActions{};
std::atomic<bool> gWatching{false};

extern "C" void onTerminationSignal(int) {
  const int savedErrno = errno;
  const int fd = gWakeFd.load();
  const char wake = 1;
  if (fd >= 0 && ::write(fd, &wake, 1) < 0) {
    // Nothing can be done about it here; only this one wake-up is lost.
  }
  errno = savedErrno;
}

}  // namespace

TerminationSignalWatcher::TerminationSignalWatcher(std::function<void()> onSignal) : onSignal_(std::move(onSignal)) {
  if (gWatching.exchange(true)) throw std::logic_error("a termination signal watcher already exists");
  int ends[2];
  // Non-blocking write end: a flood of signals must never block the handler.
  if (::pipe2(ends, O_CLOEXEC) != 0) {
    gWatching = false;
    throw std::runtime_error("cannot create the signal pipe");
  }
  ::fcntl(ends[1], F_SETFL, O_NONBLOCK);
  readEnd_ = ends[0];
  gWakeFd = ends[1];
  thread_ = std::thread([this] { watch(readEnd_); });

  struct sigaction action {};
  action.sa_handler = onTerminationSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;  // the rest of the program never sees EINTR
  for (std::size_t i = 0; i < kTerminationSignals.size(); ++i) {
    ::sigaction(kTerminationSignals[i], &action, &gPreviousActions[i]);
  }
}

TerminationSignalWatcher::~TerminationSignalWatcher() {
  for (std::size_t i = 0; i < kTerminationSignals.size(); ++i) {
    ::sigaction(kTerminationSignals[i], &gPreviousActions[i], nullptr);
  }
  // Closing the write end is what tells the thread to stop.
  ::close(gWakeFd.exchange(-1));
  thread_.join();
  ::close(readEnd_);
  gWatching = false;
}

void TerminationSignalWatcher::watch(int readEnd) {
  std::array<char, 64> received{};
  for (;;) {
    const ssize_t count = ::read(readEnd, received.data(), received.size());
    if (count < 0 && errno == EINTR) continue;
    if (count <= 0) return;
    for (ssize_t i = 0; i < count; ++i) onSignal_();
  }
}

}  // namespace vellumo
