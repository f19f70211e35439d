#pragma once
// The printed page: one landscape PDF page of the printer's paper showing a
// picture at its natural size, 96 pixels an inch, with its top-left corner at
// the top-left corner of the printable area. Built with cairo; knows nothing
// of the print system.

#include <vector>

#include "platform/Picture.h"

namespace vellumo {

// A sheet as printers describe it: upright, in millimetres, with the margins
// the printer cannot print on.
struct PaperSize {
  double widthMm = 210;
  double lengthMm = 297;
  double leftMm = 0, rightMm = 0, topMm = 0, bottomMm = 0;
};

// Used when the printer cannot be asked for its paper.
constexpr PaperSize kA4Paper{};

// A one-page PDF document: the paper turned landscape, the picture drawn from
// the printable area's top-left corner, unscaled. Throws LoadError when the
// picture is empty or the document cannot be made.
std::vector<unsigned char> landscapePdfPage(const Picture& picture, const PaperSize& paper);

}  // namespace vellumo
