#include "platform/PrintJob.h"

#include <condition_variable>
#include <cstdint>
#include <exception>
#include <mutex>
#include <system_error>
#include <thread>

namespace vellumo {

namespace {

// Background jobs go out one at a time in the order they were asked for, so
// two prints in a row come out in that order. Each job has a thread of its
// own, since the print library keeps its settings per thread.
class PrintLine {
 public:
  void add(const Picture& picture) {
    const std::lock_guard lock(mutex_);
    // A line this long means the server has stopped taking jobs; holding
    // every further picture in memory would not get them printed.
    if (nextTicket_ - nowServing_ >= kMaxWaitingJobs) return;
    const std::uint64_t ticket = nextTicket_;
    try {
      // Detached: the program ends with _Exit, which must not wait for a job
      // stuck on a silent server; a job cut off that way is simply not printed.
      std::thread([this, ticket, picture] { printInTurn(ticket, picture); }).detach();
    } catch (const std::system_error&) {
      return;  // no thread to be had: this picture is not printed, later ones still are
    }
    ++nextTicket_;
  }

 private:
  static constexpr std::uint64_t kMaxWaitingJobs = 8;

  void printInTurn(std::uint64_t ticket, const Picture& picture) {
    {
      std::unique_lock lock(mutex_);
      turn_.wait(lock, [&] { return nowServing_ == ticket; });
    }
    try {
      printOnDefaultPrinter(picture);
    } catch (const std::exception&) {
      // Not reported: see printOnDefaultPrinterInBackground.
    }
    {
      const std::lock_guard lock(mutex_);
      ++nowServing_;
    }
    turn_.notify_all();
  }

  std::mutex mutex_;
  std::condition_variable turn_;
  std::uint64_t nextTicket_ = 0;
  std::uint64_t nowServing_ = 0;
};

}  // namespace

void printOnDefaultPrinterInBackground(const Picture& picture) {
  // Never destroyed: a detached worker may still be using it while the
  // process ends.
  static PrintLine* const line = new PrintLine;
  line->add(picture);
}

}  // namespace vellumo
