// SIGTERM, SIGINT and SIGHUP become calls on the watcher's thread instead of
// ending the process, and the previous handlers come back afterwards.

#include <gtest/gtest.h>

#include <chrono>
#include <csignal>
#include <future>

#include "platform/TerminationSignals.h"

namespace vellumo {
namespace {

TEST(TerminationSignals, EachSignalBecomesACall) {
  for (int signal : {SIGTERM, SIGINT, SIGHUP}) {
    SCOPED_TRACE(signal);
    std::promise<void> called;
    TerminationSignalWatcher watcher([&called] { called.set_value(); });
    ASSERT_EQ(std::raise(signal), 0);
    // A generous bound that only a lost signal would reach.
    EXPECT_EQ(called.get_future().wait_for(std::chrono::seconds(30)), std::future_status::ready);
  }
}

TEST(TerminationSignals, PreviousHandlersComeBack) {
  std::signal(SIGHUP, SIG_IGN);
  {
    TerminationSignalWatcher watcher([] {});
  }
  struct sigaction now {};
  ::sigaction(SIGHUP, nullptr, &now);
  EXPECT_EQ(now.sa_handler, SIG_IGN);
  std::signal(SIGHUP, SIG_DFL);
}

}  // namespace
}  // namespace vellumo
