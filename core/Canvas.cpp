#include "core/Canvas.h"

#include <algorithm>

#include "core/Elements.h"

namespace vellumo {

Canvas::Canvas(Elements& elements)
    : elements_(elements), picture_(std::make_shared<Picture>(kWidth, kHeight, kCanvasBackground)) {
  elements_.setPicture(ElementId::Slika, picture_);
}

void Canvas::changed() { elements_.pictureChanged(); }

void Canvas::load(const Picture& picture) {
  Picture& canvas = *picture_;
  const int w = std::min(picture.width, kWidth);
  const int h = std::min(picture.height, kHeight);
  if (w < kWidth || h < kHeight) std::fill(canvas.pixels.begin(), canvas.pixels.end(), kCanvasBackground);
  for (int y = 0; y < h; ++y)
    std::copy_n(picture.pixels.begin() + static_cast<std::ptrdiff_t>(y) * picture.width, w,
                canvas.pixels.begin() + static_cast<std::ptrdiff_t>(y) * kWidth);
  changed();
}

}  // namespace vellumo
