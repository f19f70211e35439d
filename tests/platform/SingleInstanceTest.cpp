// One copy at a time: a second copy, in another process, is refused while
// the first holds the lock and admitted once it is gone.

#include <gtest/gtest.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <csignal>
#include <cstdlib>

#include "TestFiles.h"
#include "platform/SingleInstance.h"

extern char** environ;

namespace vellumo {
namespace {

enum ChildOutcome { kAcquired = 0, kRefused = 1, kRanWithoutLock = 2 };

// What a second copy of the program, started now, would find.
int secondCopyOutcome(const std::string& lockPath) {
  const pid_t child = ::fork();
  if (child == 0) {
    const std::optional<SingleInstanceLock> lock = SingleInstanceLock::acquire(lockPath);
    std::_Exit(!lock ? kRefused : lock->holdsLock() ? kAcquired : kRanWithoutLock);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST(SingleInstance, SecondCopyIsRefusedWhileTheFirstRuns) {
  const test::TempDir dir;
  const std::string path = dir.path("vellumo.lock");
  {
    std::optional<SingleInstanceLock> first = SingleInstanceLock::acquire(path);
    ASSERT_TRUE(first.has_value());
    EXPECT_TRUE(first->holdsLock());
    EXPECT_EQ(secondCopyOutcome(path), kRefused);
    SingleInstanceLock moved = std::move(*first);
    first.reset();
    EXPECT_EQ(secondCopyOutcome(path), kRefused);  // the moved-to lock still holds
  }
  EXPECT_EQ(secondCopyOutcome(path), kAcquired);
}

TEST(SingleInstance, ProgramsStartedByTheFirstCopyDoNotKeepTheLock) {
  // A browser opened on the way out must not keep the next start from running.
  const test::TempDir dir;
  const std::string path = dir.path("vellumo.lock");
  std::optional<SingleInstanceLock> first = SingleInstanceLock::acquire(path);
  ASSERT_TRUE(first && first->holdsLock());
  pid_t sleeper = 0;
  char program[] = "sleep", seconds[] = "60";
  char* argv[] = {program, seconds, nullptr};
  ASSERT_EQ(::posix_spawnp(&sleeper, "sleep", nullptr, nullptr, argv, environ), 0);
  first.reset();
  EXPECT_EQ(secondCopyOutcome(path), kAcquired);
  ::kill(sleeper, SIGKILL);
  ::waitpid(sleeper, nullptr, 0);
}

TEST(SingleInstance, RunsWithoutALockWhenNoLockFileCanBeMade) {
  const test::TempDir dir;
  const std::optional<SingleInstanceLock> lock = SingleInstanceLock::acquire(dir.path("no-such-folder/vellumo.lock"));
  ASSERT_TRUE(lock.has_value());
  EXPECT_FALSE(lock->holdsLock());
}

TEST(SingleInstance, LockFileLivesInTheRuntimeFolderOrElseTheTemporaryOne) {
  const test::TempDir dir;
  const char* savedRuntime = std::getenv("XDG_RUNTIME_DIR");
  const std::string saved = savedRuntime ? savedRuntime : "";

  ::setenv("XDG_RUNTIME_DIR", dir.root().c_str(), 1);
  EXPECT_EQ(SingleInstanceLock::defaultPath(), dir.path("vellumo.lock"));

  ::setenv("XDG_RUNTIME_DIR", dir.path("missing").c_str(), 1);
  const std::string fallback = SingleInstanceLock::defaultPath();
  EXPECT_NE(fallback.find("vellumo-" + std::to_string(::getuid()) + ".lock"), std::string::npos) << fallback;

  if (savedRuntime) {
    ::setenv("XDG_RUNTIME_DIR", saved.c_str(), 1);
  } else {
    ::unsetenv("XDG_RUNTIME_DIR");
  }
}

}  // namespace
}  // namespace vellumo
