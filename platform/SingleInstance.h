#pragma once
// Only one copy of the program runs at a time for a user: the copy that
// holds an exclusive lock on a small file (on Windows: owns a named mutex of
// the user's session) is the one; a second copy finds the lock taken at once
// and must end. The lock is the kernel's, so it goes with the process however
// that ends, and a stale file never blocks a new start.
// Needs no display: it is taken before anything touches the screen.

#include <optional>
#include <string>

namespace vellumo {

class SingleInstanceLock {
 public:
  // $XDG_RUNTIME_DIR/vellumo.lock, or a file named after the user's id in the
  // temporary directory when there is no runtime directory. On Windows: the
  // mutex's name in the session's namespace.
  static std::string defaultPath();

  // The lock when this is the only copy; nothing when another copy holds it.
  // When the lock file cannot be opened at all the program still runs: the
  // lock returned then holds nothing.
  static std::optional<SingleInstanceLock> acquire(const std::string& path = defaultPath());

  SingleInstanceLock(SingleInstanceLock&& other) noexcept;
  SingleInstanceLock& operator=(SingleInstanceLock&& other) noexcept;
  SingleInstanceLock(const SingleInstanceLock&) = delete;
  SingleInstanceLock& operator=(const SingleInstanceLock&) = delete;
  ~SingleInstanceLock();  // releases the lock

#ifdef _WIN32
  bool holdsLock() const { return mutex_ != nullptr; }

 private:
  explicit SingleInstanceLock(void* mutex) : mutex_(mutex) {}
  void* mutex_ = nullptr;
#else
  bool holdsLock() const { return fd_ >= 0; }

 private:
  explicit SingleInstanceLock(int fd) : fd_(fd) {}
  int fd_ = -1;
#endif
};

}  // namespace vellumo
