#pragma once
// The canvas's own picture: 750x600 pixels shown by the element Slika. Fills
// and pencil lines change it in place; loading a picture replaces all of it.
// It is what printing captures, also while the gallery or a dialog covers it.

#include <memory>

#include "platform/Picture.h"

namespace vellumo {

class Elements;

class Canvas {
 public:
  static constexpr int kWidth = 750;
  static constexpr int kHeight = 600;

  // Shows the canvas's picture in Slika.
  explicit Canvas(Elements& elements);

  Picture& pixels() { return *picture_; }
  const Picture& pixels() const { return *picture_; }
  // The pixels were painted on: show them.
  void changed();
  // Make `picture` the canvas's whole picture, drawn from the top-left corner;
  // where it does not reach, the canvas shows its background colour.
  void load(const Picture& picture);

 private:
  Elements& elements_;
  std::shared_ptr<Picture> picture_;
};

// Seen only where a loaded picture does not cover the canvas.
constexpr Colour kCanvasBackground = rgb(255, 255, 255);

}  // namespace vellumo
