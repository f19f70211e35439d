#include "PrintedPage.h"

#include <cstdio>
#include <iomanip>
#include <memory>
#include <sstream>

// GCC 12 with the sanitizers sees uninitialised members in the std::function
// objects inside <regex>'s compiled matcher where there are none; the
// warning is about the library's code, so it is silenced for that alone.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif
#include <regex>
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic pop
#endif

namespace vellumo::test {

namespace {

constexpr int kCornerBlock = 24;
constexpr int kSlack = 3;  // dots inside and outside each corner that must be clear of rasterising blur
constexpr Colour kPaper = rgb(255, 255, 255);

std::string outputOf(const std::string& command) {
  struct PipeClose {
    void operator()(FILE* pipe) const { ::pclose(pipe); }
  };
  std::unique_ptr<FILE, PipeClose> pipe(::popen(command.c_str(), "r"));
  if (!pipe) return {};
  std::string output;
  char chunk[512];
  while (const std::size_t got = std::fread(chunk, 1, sizeof chunk, pipe.get())) output.append(chunk, got);
  return output;
}

// A binary PPM (P6) as pdftoppm writes it.
Picture parsePpm(const std::string& bytes) {
  std::istringstream in(bytes);
  std::string magic;
  int width = 0, height = 0, maxValue = 0;
  in >> magic >> width >> height >> maxValue;
  in.get();  // the one whitespace byte before the samples
  if (magic != "P6" || maxValue != 255 || width <= 0 || height <= 0) return {};
  Picture picture(width, height);
  for (Colour& pixel : picture.pixels) {
    unsigned char sample[3];
    if (!in.read(reinterpret_cast<char*>(sample), 3)) return {};
    pixel = rgb(sample[0], sample[1], sample[2]);
  }
  return picture;
}

std::string hexColour(Colour colour) {
  std::ostringstream text;
  text << "0x" << std::hex << std::setw(6) << std::setfill('0') << colour;
  return text.str();
}

}  // namespace

PdfSummary summariseWithPdfinfo(const std::string& pdfPath) {
  const std::string info = outputOf("pdfinfo '" + pdfPath + "' 2>/dev/null");
  PdfSummary summary;
  std::smatch match;
  if (std::regex_search(info, match, std::regex(R"(Pages:\s+(\d+))"))) summary.pages = std::stoi(match[1]);
  if (std::regex_search(info, match, std::regex(R"(Page size:\s+([\d.]+) x ([\d.]+) pts)"))) {
    summary.widthPt = std::stod(match[1]);
    summary.heightPt = std::stod(match[2]);
  }
  return summary;
}

Picture rasteriseAt96Dpi(const std::string& pdfPath) {
  return parsePpm(outputOf("pdftoppm -r 96 -f 1 -l 1 '" + pdfPath + "' 2>/dev/null"));
}

Picture cornerMarkedPicture(Colour corners) {
  Picture picture(750, 600);
  for (int y = 0; y < picture.height; ++y) {
    for (int x = 0; x < picture.width; ++x) {
      const bool inCornerColumn = x < kCornerBlock || x >= picture.width - kCornerBlock;
      const bool inCornerRow = y < kCornerBlock || y >= picture.height - kCornerBlock;
      if (inCornerColumn && inCornerRow) picture.at(x, y) = corners;
    }
  }
  return picture;
}

::testing::AssertionResult showsPictureAt(const Picture& page, const Picture& picture, int left, int top) {
  const int right = left + picture.width - 1, bottom = top + picture.height - 1;
  struct Probe {
    int x, y;
    Colour expected;
    const char* where;
  };
  const Colour corner = picture.at(0, 0);
  const Probe probes[] = {
      {left + kSlack, top + kSlack, corner, "top-left corner"},
      {right - kSlack, top + kSlack, corner, "top-right corner"},
      {left + kSlack, bottom - kSlack, corner, "bottom-left corner"},
      {right - kSlack, bottom - kSlack, corner, "bottom-right corner"},
      {left - kSlack, top - kSlack, kPaper, "paper above and left of the picture"},
      {right + kSlack, bottom + kSlack, kPaper, "paper below and right of the picture"},
  };
  for (const Probe& probe : probes) {
    const bool onPage = probe.x >= 0 && probe.y >= 0 && probe.x < page.width && probe.y < page.height;
    if (!onPage) {
      if (probe.expected == kPaper) continue;  // the picture may start at the page's very edge
      return ::testing::AssertionFailure() << probe.where << " at " << probe.x << "," << probe.y << " is off the page";
    }
    const Colour seen = page.at(probe.x, probe.y);
    if (seen != probe.expected) {
      return ::testing::AssertionFailure() << probe.where << " at " << probe.x << "," << probe.y << " is "
                                           << hexColour(seen) << ", expected " << hexColour(probe.expected);
    }
  }
  return ::testing::AssertionSuccess();
}

}  // namespace vellumo::test
