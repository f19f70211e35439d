#include "app/FormaMain.h"

#include <utility>

#include "app/BuiltinResources.h"
#include "audio/Music.h"
#include "core/ColoringBasic.h"

namespace vellumo {

namespace {

constexpr int kPointerKinds = 6;
constexpr std::array<std::string_view, kPointerKinds> kPointerResources = {
    asset::ArrowPointer, asset::HandPointer, asset::BrushPointer, asset::DropPointer, "", ""};

}  // namespace

PicturePtr FormaMain::builtinPicture(std::string_view name) {
  return desktop_.decodePicture(builtinResource(fileName(name)));
}

FormaMain::FormaMain(Desktop& desktop, std::string applicationFolder)
    : desktop_(desktop), applicationFolder_(std::move(applicationFolder)) {
  for (int i = 0; i < kElementCount; ++i) {
    const auto id = static_cast<ElementId>(i);
    if (id != ElementId::Slika && !kLayout[i].startingImage.empty())
      elements_.setPicture(id, builtinPicture(kLayout[i].startingImage));
  }
  canvas_.load(*builtinPicture(kLayout[index(ElementId::Slika)].startingImage));
  elements_.setBackground(builtinPicture(kMainBackgroundImage));
  createPointers();
  tmrRepeat_.interval = kRepeatTimerSeconds;
  tmrRepeat_.tick = [this] { tmrRepeat_Timer(window_); };
  loop_.addTimer(tmrRepeat_);
  desktop_.setMainWindowLook(std::string(kMainWindowCaption), *builtinPicture(asset::WindowIcon));
}

void FormaMain::createPointers() {
  for (int kind = 0; kind < kPointerKinds; ++kind) {
    const std::string_view resource = kPointerResources[kind];
    if (!resource.empty()) pointers_[kind] = desktop_.pointerFromBytes(builtinResource(fileName(resource)));
  }
  pointers_[static_cast<int>(PointerKind::Standard)] = desktop_.systemPointer(SystemPointer::Arrow);
  for (int i = 0; i < kElementCount; ++i)
    elements_.setPointer(static_cast<ElementId>(i), pointers_[static_cast<int>(kLayout[i].pointer)]);
}

// ---------------------------------------------------------------------------
// Event routing

void FormaMain::handle(const InputEvent& event) {
  using Kind = InputEvent::Kind;
  switch (event.kind) {
    case Kind::CloseRequested: return CloseRequested();
    case Kind::KeyDown:
    case Kind::KeyUp:
      // The keyboard lock sees every key before any handler does.
      if (KeyboardHookSwallows(event.vkCode, event.flags)) return;
      if (mainShown_ && event.kind == Kind::KeyDown) onKeyDown(event);
      break;
    case Kind::MouseMove:
      if (mainShown_) onMouseMove(event);
      break;
    case Kind::MouseDown:
      if (mainShown_) onMouseDown(event);
      break;
    case Kind::MouseUp:
      if (mainShown_) onMouseUp(event);
      break;
    case Kind::Exposed: elements_.pictureChanged(); break;
  }
  presentIfChanged();
}

void FormaMain::presentIfChanged() {
  if (!mainShown_ || !elements_.takeDirty()) return;
  elements_.composeInto(frame_);
  desktop_.present(frame_);
}

void FormaMain::updatePointer(const MouseTarget& target) {
  const PointerShapePtr& wanted =
      target.element ? elements_.pointer(*target.element) : pointers_[static_cast<int>(PointerKind::Arrow)];
  if (wanted == shownPointer_) return;
  shownPointer_ = wanted;
  desktop_.setPointer(wanted);
}

void FormaMain::onMouseMove(const InputEvent& event) {
  const MouseTarget target = router_.move(event.x, event.y);
  updatePointer(target);
  dispatch(target.element, ElementEvent::MouseMove, {.buttons = event.buttons, .x = target.x, .y = target.y});
}

void FormaMain::onMouseDown(const InputEvent& event) {
  const MouseTarget target = router_.press(event.x, event.y);
  if (event.button == kLeftButton) pressed_ = target.element;
  if (target.element)
    dispatch(target.element, ElementEvent::MouseDown, {.button = event.button, .x = target.x, .y = target.y});
}

void FormaMain::onMouseUp(const InputEvent& event) {
  router_.release(event.x, event.y, event.buttons);
  if (event.button != kLeftButton) return;
  // A click is a left press and release on the same element, released over it.
  const auto pressed = std::exchange(pressed_, std::nullopt);
  const auto under = elements_.topmostShownAt(event.x, event.y);
  if (pressed && under == pressed && elements_.enabled(*pressed)) dispatch(pressed, ElementEvent::Click, {});
}

void FormaMain::onKeyDown(const InputEvent& event) {
  if (event.vkCode == 9 && (event.shift & ~kShiftMask) == 0) {  // Tab walks the focus
    router_.moveFocus((event.shift & kShiftMask) != 0);
    return;
  }
  dispatch(router_.keyTarget(), ElementEvent::KeyDown,
           {.keyCode = static_cast<int>(event.vkCode), .shift = event.shift});
}

void FormaMain::dispatch(std::optional<ElementId> receiver, ElementEvent event, ElementInput input) {
  if (const ElementHandler* row = findElementHandler(receiver, event, input)) row->handler(*this, input);
}

}  // namespace vellumo
