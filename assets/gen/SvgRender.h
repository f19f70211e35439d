#pragma once
// Renders SVG text with librsvg and cairo into an RGBA image.

#include <map>
#include <string>

#include "Image.h"

namespace assetgen {

using Params = std::map<std::string, std::string>;

// Replaces every {{NAME}} in `text` with params[NAME]. Throws when a
// placeholder has no value, so a template cannot silently lose a part.
std::string substitute(const std::string& text, const Params& params, const std::string& what);

// Renders the SVG document into a width x height image, the document's
// viewBox fitted to that viewport. Throws with `what` in the message when
// librsvg refuses the document.
Image renderSvg(const std::string& svgText, int width, int height, const std::string& what);

// Makes the rendering two-coloured: every pixel, composed over white, whose
// luminance is below 128 becomes pure black, all others pure white.
void thresholdToBlackWhite(Image& image);

}  // namespace assetgen
