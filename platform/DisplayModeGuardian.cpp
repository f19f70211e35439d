#include "platform/DisplayModeGuardian.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdio>
#include <string_view>
#include <utility>

#include "platform/ScreenConfiguration.h"
#include "platform/VideoDriverChoice.h"

namespace vellumo {

namespace {

// The guardian reads one mode and answers; longer than this means it is
// stuck, and the program does not wait for it.
constexpr int kReadyTimeoutMs = 2000;
// The descriptor the guardian finds its end of the link on.
constexpr int kGuardianLinkFd = 3;

// What goes over the link, a line each: the guardian's one answer, and the
// program's two notes ("switching 1024 768", "desktop").
constexpr std::string_view kReady = "ready\n";
constexpr std::string_view kSwitching = "switching ";
constexpr std::string_view kDesktopBack = "desktop";

void closeQuietly(int fd) {
  if (fd >= 0) ::close(fd);
}

// In the child of fork: only calls that are safe between fork and exec.
[[noreturn]] void execGuardian(const char* program, int link, char* const argv[]) {
  // A session of its own: a terminal's Ctrl+C or a kill of the program's
  // process group must not take the guardian along.
  ::setsid();
  if (link != kGuardianLinkFd) {
    ::dup2(link, kGuardianLinkFd);  // the copy is open across exec
  } else {
    ::fcntl(link, F_SETFD, 0);
  }
  // Nothing else of the program's is carried over, the single-instance lock
  // above all: descriptors from 4 up are closed.
  ::close_range(kGuardianLinkFd + 1, ~0U, 0);
  ::execv(program, argv);
  ::_exit(127);
}

bool waitReady(int link) {
  pollfd ready{link, POLLIN, 0};
  int polled;
  do {
    polled = ::poll(&ready, 1, kReadyTimeoutMs);
  } while (polled < 0 && errno == EINTR);
  std::array<char, kReady.size()> answer{};
  return polled == 1 && ::read(link, answer.data(), answer.size()) == static_cast<ssize_t>(kReady.size()) &&
         std::string_view(answer.data(), answer.size()) == kReady;
}

}  // namespace

DisplayModeGuardian DisplayModeGuardian::start(const std::string& program) {
  // Wayland lets no program change the display mode: there is nothing to
  // give back, and no reason to wake XWayland for it.
  if (prefersWayland()) return {};
  if (::access(program.c_str(), X_OK) != 0) return {};
  int ends[2];
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, ends) != 0) return {};
  const std::string linkArgument = std::to_string(kGuardianLinkFd);
  std::array<char*, 3> argv{const_cast<char*>(program.c_str()), const_cast<char*>(linkArgument.c_str()), nullptr};

  // Started through a short-lived child, so the guardian is nobody's child
  // here: it never turns into a zombie of this process, and nothing here has
  // to wait for it.
  const pid_t child = ::fork();
  if (child == 0) {
    if (::fork() == 0) execGuardian(program.c_str(), ends[1], argv.data());
    ::_exit(0);
  }
  ::close(ends[1]);
  if (child < 0) {
    ::close(ends[0]);
    return {};
  }
  while (::waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
  }
  if (!waitReady(ends[0])) {
    ::close(ends[0]);
    return {};
  }
  return DisplayModeGuardian(ends[0]);
}

DisplayModeGuardian::DisplayModeGuardian(DisplayModeGuardian&& other) noexcept
    : link_(std::exchange(other.link_, -1)) {}

DisplayModeGuardian& DisplayModeGuardian::operator=(DisplayModeGuardian&& other) noexcept {
  if (this != &other) {
    closeQuietly(link_);
    link_ = std::exchange(other.link_, -1);
  }
  return *this;
}

DisplayModeGuardian::~DisplayModeGuardian() { closeQuietly(link_); }

void DisplayModeGuardian::switchingTo(int width, int height) {
  tell(std::string(kSwitching) + std::to_string(width) + " " + std::to_string(height));
}

void DisplayModeGuardian::desktopModeBack() { tell(std::string(kDesktopBack)); }

void DisplayModeGuardian::tell(const std::string& line) {
  if (link_ < 0) return;
  const std::string message = line + "\n";
  // A guardian that has gone must not end the program with SIGPIPE.
  if (::send(link_, message.data(), message.size(), MSG_NOSIGNAL) != static_cast<ssize_t>(message.size())) {
    ::close(link_);
    link_ = -1;
  }
}

namespace {

// The mode the program switched to, and whether it is in force.
struct ProgramMode {
  bool inForce = false;
  int width = 0, height = 0;
};

void takeNote(std::string_view line, ProgramMode& programs) {
  if (line == kDesktopBack) programs.inForce = false;
  if (!line.starts_with(kSwitching)) return;
  const std::string size(line.substr(kSwitching.size()));
  programs.inForce = std::sscanf(size.c_str(), "%d %d", &programs.width, &programs.height) == 2;
}

}  // namespace

int runDisplayModeGuardian(int link) {
  const std::unique_ptr<ScreenConfigurator> screen = ScreenConfigurator::connect();
  if (!screen) return 1;  // nothing it could restore; the link closes with it
  const ScreenConfiguration desktop = screen->current();
  if (::send(link, kReady.data(), kReady.size(), MSG_NOSIGNAL) != static_cast<ssize_t>(kReady.size())) return 0;

  ProgramMode programs;
  std::string received;
  for (;;) {
    std::array<pollfd, 2> watched{{{link, POLLIN, 0}, {screen->connectionFd(), POLLIN, 0}}};
    if (::poll(watched.data(), watched.size(), -1) < 0) {
      if (errno == EINTR) continue;
      return 1;
    }
    if (watched[1].revents != 0) screen->discardEvents();
    if (watched[0].revents == 0) continue;

    std::array<char, 256> chunk{};
    const ssize_t count = ::read(link, chunk.data(), chunk.size());
    if (count < 0 && errno == EINTR) continue;
    if (count > 0) {
      received.append(chunk.data(), static_cast<std::size_t>(count));
      for (std::size_t end; (end = received.find('\n')) != std::string::npos; received.erase(0, end + 1))
        takeNote(std::string_view(received).substr(0, end), programs);
      continue;
    }

    // The program has ended. Only its own mode, still showing, is undone.
    const ScreenConfiguration now = screen->current();
    if (programs.inForce && !now.sameModes(desktop) && now.showsModeOfSize(programs.width, programs.height))
      screen->apply(desktop);
    return 0;
  }
}

}  // namespace vellumo
