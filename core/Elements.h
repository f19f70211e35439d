#pragma once
// The live state of the main window's elements over its background picture:
// where each stands, whether it shows and takes input, its current picture
// and pointer. Every change marks the window for presenting again.

#include <array>
#include <optional>
#include <utility>

#include "core/Layout.h"
#include "platform/Desktop.h"
#include "platform/Picture.h"

namespace vellumo {

class Elements {
 public:
  Elements();

  const ElementLayout& layout(ElementId id) const { return kLayout[index(id)]; }

  bool shown(ElementId id) const { return state(id).shown; }
  bool enabled(ElementId id) const { return state(id).enabled; }
  int left(ElementId id) const { return state(id).left; }
  int top(ElementId id) const { return state(id).top; }
  const PicturePtr& picture(ElementId id) const { return state(id).picture; }
  const PointerShapePtr& pointer(ElementId id) const { return state(id).pointer; }
  const PicturePtr& background() const { return background_; }

  void show(ElementId id) { set(state(id).shown, true); }
  void hide(ElementId id) { set(state(id).shown, false); }
  void enable(ElementId id) { set(state(id).enabled, true); }
  void disable(ElementId id) { set(state(id).enabled, false); }
  void move(ElementId id, int left, int top);
  void setPicture(ElementId id, PicturePtr picture);
  void setPointer(ElementId id, PointerShapePtr pointer) { state(id).pointer = std::move(pointer); }
  void setBackground(PicturePtr picture);
  // The picture of an element was changed in place (the canvas draws on its own).
  void pictureChanged() { dirty_ = true; }

  // The topmost shown picture element under a window position, whether or not
  // it is enabled.
  std::optional<ElementId> topmostShownAt(int x, int y) const;

  // Draw the background and every shown element, bottom of the stack first,
  // each picture unscaled from its element's top-left corner and clipped to it.
  void composeInto(Picture& frame) const;

  // Whether anything changed since the last call.
  bool takeDirty() { return std::exchange(dirty_, false); }

 private:
  struct State {
    int left = 0, top = 0;
    bool shown = false, enabled = true;
    PicturePtr picture;
    PointerShapePtr pointer;
  };
  State& state(ElementId id) { return states_[index(id)]; }
  const State& state(ElementId id) const { return states_[index(id)]; }
  void set(bool& field, bool value) {
    dirty_ |= field != value;
    field = value;
  }

  std::array<State, kElementCount> states_;
  PicturePtr background_;
  bool dirty_ = true;
};

// The window colour seen where neither the background nor an element covers.
constexpr Colour kWindowColour = rgb(0, 0, 0);

}  // namespace vellumo
