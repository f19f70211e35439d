// Printing through a real print system: a private scheduler whose default
// printer writes each job to a file. One print is one job whose document is
// a one-page landscape PDF with the picture at its natural size at the
// printable area's top-left; failures are reported by the direct call and
// swallowed by the background one, and neither waits on a server that is not
// there or does not answer.

#include <cups/cups.h>
#include <gtest/gtest.h>
#include <poll.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <optional>

#include "PrintServer.h"
#include "PrintedPage.h"
#include "TestFiles.h"
#include "platform/LoadError.h"
#include "platform/PrintJob.h"

namespace vellumo {
namespace {

// Where the test printer's printable area starts on its landscape page, in
// dots at 96 an inch. Its upright Letter sheet cannot print 72 pt at the top
// and 54 pt on the right, the larger margin of each pair that the page's left
// and top edges may fall on.
constexpr int kPrintableLeft = 96;
constexpr int kPrintableTop = 72;

// Points the print library at a server for this test. The library remembers
// its server per thread, so it is told to read CUPS_SERVER again.
void usePrintServer(const std::string& socketPath) {
  ::setenv("CUPS_SERVER", socketPath.c_str(), 1);
  cupsSetServer(nullptr);
}

class PrintingOnAServer : public ::testing::Test {
 protected:
  void SetUp() override {
    if (!test::PrintServer::installed()) GTEST_SKIP() << "cupsd is not installed; printing is not tested";
    server_.emplace();
    const std::string failure = server_->start();
    ASSERT_EQ(failure, "");
    usePrintServer(server_->socketPath());
  }

  // The one page the printer wrote, rasterised, after checking that it is a
  // single landscape page.
  Picture printedPage() {
    const test::PdfSummary summary = test::summariseWithPdfinfo(server_->outputPath());
    EXPECT_EQ(summary.pages, 1);
    EXPECT_GT(summary.widthPt, summary.heightPt);
    return test::rasteriseAt96Dpi(server_->outputPath());
  }

  std::optional<test::PrintServer> server_;
};

constexpr int kCompleted = IPP_JSTATE_COMPLETED;

TEST_F(PrintingOnAServer, OnePrintIsOneJobShowingThePictureAtThePrintableCorner) {
  const Picture picture = test::cornerMarkedPicture();
  printOnDefaultPrinter(picture);
  EXPECT_EQ(server_->jobStatesOnceEnded(1), std::vector<int>{kCompleted}) << server_->errorLog();
  EXPECT_TRUE(test::showsPictureAt(printedPage(), picture, kPrintableLeft, kPrintableTop));
}

TEST_F(PrintingOnAServer, BackgroundPrintsComeOutInTheOrderAsked) {
  const Picture first = test::cornerMarkedPicture(rgb(200, 0, 0));
  const Picture second = test::cornerMarkedPicture(rgb(0, 0, 200));
  printOnDefaultPrinterInBackground(first);
  printOnDefaultPrinterInBackground(second);
  EXPECT_EQ(server_->jobStatesOnceEnded(2), (std::vector<int>{kCompleted, kCompleted})) << server_->errorLog();
  // Each job overwrites the output file: the later job is the one left.
  EXPECT_TRUE(test::showsPictureAt(printedPage(), second, kPrintableLeft, kPrintableTop));
}

TEST_F(PrintingOnAServer, AFailureIsReportedOnlyByTheDirectCall) {
  struct Case {
    const char* name;
    const char* tool;
    std::vector<std::string> arguments;
  };
  // Each case takes one more thing away from the same server.
  const Case cases[] = {
      {"printer refusing jobs", "cupsreject", {"q"}},
      {"no printer at all", "lpadmin", {"-x", "q"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_TRUE(server_->run(c.tool, c.arguments));
    EXPECT_THROW(printOnDefaultPrinter(test::cornerMarkedPicture()), LoadError);
    EXPECT_NO_THROW(printOnDefaultPrinterInBackground(test::cornerMarkedPicture()));
  }
}

TEST(PrintingWithoutAServer, TheDirectCallFailsAndTheBackgroundOneReturns) {
  const test::TempDir dir;
  usePrintServer(dir.path("nobody-listens.sock"));
  EXPECT_THROW(printOnDefaultPrinter(test::cornerMarkedPicture()), LoadError);
  EXPECT_NO_THROW(printOnDefaultPrinterInBackground(test::cornerMarkedPicture()));
}

// A socket that takes connections and never says a word.
class SilentServer {
 public:
  explicit SilentServer(const std::string& path) : fd_(::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0)) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, path.c_str(), sizeof address.sun_path - 1);
    listening_ = ::bind(fd_, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0 && ::listen(fd_, 4) == 0;
  }
  ~SilentServer() { ::close(fd_); }
  SilentServer(const SilentServer&) = delete;
  SilentServer& operator=(const SilentServer&) = delete;

  bool listening() const { return listening_; }

  // Waits for a client; -1 if none came within the limit.
  int acceptClient() const {
    pollfd waiting{fd_, POLLIN, 0};
    if (::poll(&waiting, 1, 30'000) != 1) return -1;
    return ::accept4(fd_, nullptr, nullptr, SOCK_CLOEXEC);
  }

 private:
  int fd_;
  bool listening_ = false;
};

// Whether the client at the other end has already hung up, after reading
// whatever it has sent so far.
bool clientHungUp(int connection) {
  char buffer[4096];
  for (;;) {
    const ssize_t got = ::recv(connection, buffer, sizeof buffer, MSG_DONTWAIT);
    if (got == 0) return true;
    if (got < 0) return false;  // nothing more for now: still connected
  }
}

TEST(PrintingWithoutAServer, TheBackgroundCallReturnsBeforeASilentServerAnswers) {
  const test::TempDir dir;
  std::optional<SilentServer> server(std::in_place, dir.path("silent.sock"));
  ASSERT_TRUE(server->listening());
  usePrintServer(dir.path("silent.sock"));

  printOnDefaultPrinterInBackground(test::cornerMarkedPicture());

  // Had the call waited for the job, the job would have given up on the
  // silent server and hung up before the call returned.
  const int client = server->acceptClient();
  ASSERT_GE(client, 0);
  EXPECT_FALSE(clientHungUp(client));
  server.reset();  // no more connections; the waiting job fails on the closed one
  ::close(client);
}

}  // namespace
}  // namespace vellumo
