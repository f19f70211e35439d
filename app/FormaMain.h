#pragma once
// The main window: it owns the program's state and its elements, receives
// every event and routes it to the element or window handler the index
// gives (ElementHandlers.h), and runs start-up and shut-down
// (StartUpAndShutDown.cpp).

#include <array>
#include <cstdint>
#include <string>

#include "app/ElementHandlers.h"
#include "core/AppState.h"
#include "core/Canvas.h"
#include "core/Elements.h"
#include "core/EventLoop.h"
#include "core/InputRouter.h"
#include "core/MainWindow.h"
#include "core/PictureCache.h"
#include "core/WipePatternChooser.h"
#include "platform/Desktop.h"

namespace vellumo {

class FormaMain final : public EventSink {
 public:
  // Builds the window as laid out, with its built-in pictures, still hidden.
  // `applicationFolder` is the folder holding the executable, as reported.
  FormaMain(Desktop& desktop, std::string applicationFolder);

  // Start-up, run once when the program starts.
  void Form_Load();
  // Gives the display back and unloads the window (running Form_Unload).
  void ShutDown();
  // The window is unloaded; `cancel` is left as it is.
  void Form_Unload(std::int16_t& cancel);
  // Yes in the exit confirmation: stop, shut down and end the program.
  [[noreturn]] void Da_Click();
  // The window was closed other than by Yes (window manager, logout, a
  // termination signal): unload, give the display and keyboard back, end.
  [[noreturn]] void CloseRequested();

  // A three-second pause that keeps handling events.
  void WaitThreeSeconds();
  // Handle events for the rest of the program's life.
  [[noreturn]] void run() { loop_.run(); }

  void handle(const InputEvent& event) override;

  AppState& state() { return state_; }
  Elements& elements() { return elements_; }
  Canvas& canvas() { return canvas_; }
  MainWindow& window() { return window_; }
  InputRouter& router() { return router_; }
  EventLoop& loop() { return loop_; }

 private:
  PicturePtr builtinPicture(std::string_view name);
  void createPointers();
  void presentIfChanged();
  void updatePointer(const MouseTarget& target);

  void onMouseMove(const InputEvent& event);
  void onMouseDown(const InputEvent& event);
  void onMouseUp(const InputEvent& event);
  void onKeyDown(const InputEvent& event);

  // Runs the handler the index gives for `event` on `receiver` (nothing: the window).
  void dispatch(std::optional<ElementId> receiver, ElementEvent event, ElementInput input);

  Desktop& desktop_;
  const std::string applicationFolder_;
  AppState state_;
  Elements elements_;
  InputRouter router_{elements_};
  EventLoop loop_{desktop_, *this};
  Canvas canvas_{elements_};
  PictureCache pictures_{desktop_};
  WipePatternChooser wipePatterns_;
  IntervalTimer tmrRepeat_;
  MainWindow window_{desktop_,      state_,     elements_,
                     canvas_,       pictures_,  loop_,
                     wipePatterns_, tmrRepeat_, [this] { presentIfChanged(); }};
  Picture frame_{kScreenWidth, kScreenHeight, kWindowColour};
  std::array<PointerShapePtr, 6> pointers_;  // by PointerKind
  PointerShapePtr shownPointer_;
  bool mainShown_ = false;
  std::optional<ElementId> pressed_;  // the element a click may complete on
};

}  // namespace vellumo
