#include "core/EventLoop.h"

#include <algorithm>
#include <limits>

namespace vellumo {

void EventLoop::start(IntervalTimer& timer) {
  timer.running = true;
  timer.due = desktop_.now() + timer.interval;
}

void EventLoop::deliverOne(double deadline) {
  double wakeAt = deadline;
  for (const IntervalTimer* t : timers_)
    if (t->running) wakeAt = std::min(wakeAt, t->due);
  const double now = desktop_.now();
  if (auto event = desktop_.waitEvent(std::max(0.0, wakeAt - now))) sink_.handle(*event);

  const double after = desktop_.now();
  for (IntervalTimer* t : timers_) {
    if (!t->running || after < t->due) continue;
    // A tick that was late by more than an interval is not repeated to catch up.
    t->due = std::max(t->due + t->interval, after);
    t->tick();
  }
}

void EventLoop::deliverUntil(double deadline) {
  while (desktop_.now() < deadline) deliverOne(deadline);
}

void EventLoop::run() {
  for (;;) deliverOne(std::numeric_limits<double>::infinity());
}

}  // namespace vellumo
