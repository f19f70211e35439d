// The size of a file the program could not open is no size at all: the
// asset check counts such a file as missing. Asking never blocks on a named
// pipe and reads nothing.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>

#include "TestFiles.h"
#include "platform/FileBytes.h"
#include "platform/LoadError.h"

namespace vellumo {
namespace {

using test::Bytes;

// Whether asking the size of `path` fails, asked as a user without special
// rights: root may open any file, so as root the question is asked from a
// child that has become nobody.
bool sizeRefusedToOrdinaryUser(const std::string& path) {
  const auto refused = [&] {
    try {
      fileSizeOf(path);
      return false;
    } catch (const LoadError&) {
      return true;
    }
  };
  if (::geteuid() != 0) return refused();
  const pid_t child = ::fork();
  if (child == 0) {
    constexpr uid_t kNobody = 65534;
    if (::setgid(kNobody) != 0 || ::setuid(kNobody) != 0) ::_exit(2);
    ::_exit(refused() ? 0 : 1);
  }
  int status = 0;
  ::waitpid(child, &status, 0);
  EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) != 2) << "could not become an ordinary user";
  return WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

TEST(FileSize, AFileThatCannotBeOpenedCountsAsMissing) {
  const test::TempDir dir;
  std::filesystem::permissions(dir.root(), std::filesystem::perms::all);  // any user may look inside
  const std::string readable = dir.write("readable", Bytes{1, 2, 3});
  const std::string unreadable = dir.write("unreadable", Bytes{1, 2, 3});
  ::chmod(readable.c_str(), 0644);
  ::chmod(unreadable.c_str(), 0200);  // its owner may write it, no one may read it

  EXPECT_FALSE(sizeRefusedToOrdinaryUser(readable));
  EXPECT_TRUE(sizeRefusedToOrdinaryUser(unreadable));
}

TEST(FileSize, ANamedPipeIsRefusedWithoutWaitingForAWriter) {
  const test::TempDir dir;
  const std::string pipe = dir.path("pipe");
  ASSERT_EQ(::mkfifo(pipe.c_str(), 0644), 0);
  EXPECT_THROW(fileSizeOf(pipe), LoadError);
}

}  // namespace
}  // namespace vellumo
