#pragma once
// A CUPS scheduler of a test's own, in a temporary folder and listening only
// on a local socket there. Its one printer, "q", is the default. A
// pass-through PPD describes it: Letter paper with a different unprintable
// margin on each side, and every job written unchanged over outputPath().

#include <sys/types.h>

#include <string>
#include <vector>

#include "TestFiles.h"

namespace vellumo::test {

class PrintServer {
 public:
  PrintServer() = default;
  ~PrintServer();  // stops the scheduler
  PrintServer(const PrintServer&) = delete;
  PrintServer& operator=(const PrintServer&) = delete;

  // Whether the scheduler is installed at all.
  static bool installed();

  // Starts the scheduler and adds the printer; on failure returns a reason
  // (with the scheduler's error log), else an empty string.
  std::string start();

  std::string socketPath() const { return dir_.path("cups.sock"); }
  std::string outputPath() const { return dir_.path("out.pdf"); }

  // Runs one of the print system's command-line tools (lpadmin,
  // cupsreject...) against this server; whether it succeeded.
  bool run(const std::string& tool, const std::vector<std::string>& arguments) const;

  // The states (IPP job-state values) of every job the server has seen,
  // once at least `count` exist and all of them have ended.
  std::vector<int> jobStatesOnceEnded(std::size_t count) const;

  std::string errorLog() const;

 private:
  TempDir dir_;
  pid_t pid_ = -1;
};

}  // namespace vellumo::test
