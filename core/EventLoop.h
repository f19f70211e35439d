#pragma once
// The program's one event loop. It blocks in the desktop's wait between
// events (never spinning), hands each event to the main window, and serves
// the program's interval timers from the same wait. Handlers may nest it:
// the three-second pause delivers events until its deadline from inside a
// handler.

#include <functional>
#include <vector>

#include "platform/Desktop.h"

namespace vellumo {

class EventSink {
 public:
  virtual ~EventSink() = default;
  virtual void handle(const InputEvent& event) = 0;
};

// A timer that ticks every `interval` seconds while running.
struct IntervalTimer {
  double interval = 0;
  std::function<void()> tick;
  bool running = false;
  double due = 0;
};

class EventLoop {
 public:
  EventLoop(Desktop& desktop, EventSink& sink) : desktop_(desktop), sink_(sink) {}

  // Deliver events and timer ticks until the monotonic clock reaches `deadline`.
  void deliverUntil(double deadline);
  // Deliver events and timer ticks for the rest of the program's life.
  [[noreturn]] void run();

  void addTimer(IntervalTimer& timer) { timers_.push_back(&timer); }
  void start(IntervalTimer& timer);
  static void stop(IntervalTimer& timer) { timer.running = false; }

 private:
  // Wait at most until `deadline` for one event or due timer and deliver it.
  void deliverOne(double deadline);

  Desktop& desktop_;
  EventSink& sink_;
  std::vector<IntervalTimer*> timers_;
};

}  // namespace vellumo
