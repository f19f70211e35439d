// The print through CUPS: the page made as a PDF document at the size of the
// default printer's paper.
#include "platform/PrintJob.h"

#include <cups/cups.h>
#include <sys/socket.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/LoadError.h"
#include "platform/PdfPage.h"

namespace vellumo {

namespace {

// Bounds every wait on the print server, so a server that has gone silent
// cannot hold a job for long.
constexpr int kConnectTimeoutMs = 5000;
constexpr double kReplyTimeoutSeconds = 10;

constexpr double kMmPerPwgUnit = 0.01;  // the print system measures paper in hundredths of a millimetre

struct ConnectionClose {
  void operator()(http_t* http) const { httpClose(http); }
};
struct DestinationFree {
  void operator()(cups_dest_t* dest) const { cupsFreeDests(1, dest); }
};
struct InfoFree {
  void operator()(cups_dinfo_t* info) const { cupsFreeDestInfo(info); }
};
using Connection = std::unique_ptr<http_t, ConnectionClose>;
using Destination = std::unique_ptr<cups_dest_t, DestinationFree>;
using DestinationInfo = std::unique_ptr<cups_dinfo_t, InfoFree>;

LoadError printFailure(const std::string& what) { return LoadError(what + ": " + cupsLastErrorString()); }

// A server that asks for a password gets none: nobody is there to type one,
// and the library would otherwise prompt on the terminal and wait.
const char* noPassword(const char*, http_t*, const char*, const char*, void*) { return nullptr; }

// Our own connection rather than the library's default one, whose connect
// timeout is long; every call below goes through it.
Connection connectToPrintServer() {
  Connection http(
      httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(), 1, kConnectTimeoutMs, nullptr));
  if (!http) throw printFailure(std::string("no print server at ") + cupsServer());
  httpSetTimeout(http.get(), kReplyTimeoutSeconds, nullptr, nullptr);
  return http;
}

PaperSize paperOf(const cups_size_t& size) {
  PaperSize paper;
  paper.widthMm = size.width * kMmPerPwgUnit;
  paper.lengthMm = size.length * kMmPerPwgUnit;
  paper.leftMm = size.left * kMmPerPwgUnit;
  paper.rightMm = size.right * kMmPerPwgUnit;
  paper.topMm = size.top * kMmPerPwgUnit;
  paper.bottomMm = size.bottom * kMmPerPwgUnit;
  return paper;
}

class JobOptions {
 public:
  JobOptions() = default;
  ~JobOptions() { cupsFreeOptions(count, list); }
  JobOptions(const JobOptions&) = delete;
  JobOptions& operator=(const JobOptions&) = delete;
  void add(const char* name, const char* value) { count = cupsAddOption(name, value, count, &list); }

  int count = 0;
  cups_option_t* list = nullptr;
};

bool accepted(ipp_status_t status) { return status <= IPP_STATUS_OK_CONFLICTING; }

}  // namespace

void printOnDefaultPrinter(const Picture& picture) {
  cupsSetPasswordCB2(noPassword, nullptr);  // the library keeps this per thread
  const Connection http = connectToPrintServer();

  const Destination dest(cupsGetNamedDest(http.get(), nullptr, nullptr));
  if (!dest) throw printFailure("no default printer");
  const DestinationInfo info(cupsCopyDestInfo(http.get(), dest.get()));
  if (!info) throw printFailure(std::string("cannot ask printer ") + dest->name);

  cups_size_t media{};
  const bool mediaKnown =
      cupsGetDestMediaDefault(http.get(), dest.get(), info.get(), CUPS_MEDIA_FLAGS_DEFAULT, &media) != 0;
  const std::vector<unsigned char> document = landscapePdfPage(picture, mediaKnown ? paperOf(media) : kA4Paper);

  // The page already has the paper's size in landscape: fitting it to the
  // paper again would shrink the picture, and asking for landscape would
  // turn the already-landscape page a second time.
  JobOptions options;
  options.add("print-scaling", "none");
  if (mediaKnown) options.add(CUPS_MEDIA, media.media);

  int jobId = 0;
  const ipp_status_t created =
      cupsCreateDestJob(http.get(), dest.get(), info.get(), &jobId, "Vellumo picture", options.count, options.list);
  if (!accepted(created) || jobId == 0) throw printFailure("print job refused");

  const bool sent = cupsStartDestDocument(http.get(), dest.get(), info.get(), jobId, "picture", CUPS_FORMAT_PDF,
                                          options.count, options.list, 1) == HTTP_STATUS_CONTINUE &&
                    cupsWriteRequestData(http.get(), reinterpret_cast<const char*>(document.data()), document.size()) ==
                        HTTP_STATUS_CONTINUE &&
                    accepted(cupsFinishDestDocument(http.get(), dest.get(), info.get()));
  if (!sent) {
    const LoadError failure = printFailure("print job not sent");
    // A job left without its document would wait on the server forever.
    cupsCancelDestJob(http.get(), dest.get(), jobId);
    throw failure;
  }
}

}  // namespace vellumo
