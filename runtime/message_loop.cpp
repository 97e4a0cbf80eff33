#include "runtime/message_loop.hpp"

#include <QCoreApplication>
#include <QEventLoop>
#include <QTimer>

#include "runtime/loop_wake.hpp"
#include "runtime/runtime_error.hpp"

namespace rt {

namespace {

std::atomic<bool> end_requested{false};

// What the main loop has been told since its current pass began. A pass
// ends in sleep_until_input, which also marks where the next one begins.
struct LoopState {
  long arrivals = 0;             // wake_loop calls
  long arrivals_at_pass_start = 0;
  long focus_changes = 0;
  long focus_changes_at_pass_start = 0;
  QEventLoop* pause = nullptr;   // the pause in progress, if any
  QEventLoop* sleep = nullptr;   // the sleep in progress, if any
  long arrivals_at_sleep = 0;
};

LoopState& loop_state() {
  static LoopState s;
  return s;
}

void end_if_requested() {
  if (end_requested.load()) throw ProgramEnd{0};
}

// Whether the loop has something to act on that waiting would only delay.
bool work_waiting() {
  const LoopState& s = loop_state();
  return end_requested.load() || detail::event_waiting() || detail::key_press_waiting() ||
         s.focus_changes != s.focus_changes_at_pass_start;
}

// Runs a nested event loop (so that windows stay live and closed forms are
// deleted) until it is quit, announced in `slot` meanwhile.
void run_nested(QEventLoop& loop, QEventLoop*& slot) {
  QEventLoop* outer = slot;
  slot = &loop;
  loop.exec();
  slot = outer;
}

}  // namespace

namespace detail {

void wake_loop() {
  LoopState& s = loop_state();
  ++s.arrivals;
  if (s.sleep) s.sleep->quit();
  if (s.pause && work_waiting()) s.pause->quit();
}

void wait_for_arrival(int milliseconds) {
  process_messages();
  QEventLoop loop;
  QTimer::singleShot(milliseconds, Qt::PreciseTimer, &loop, &QEventLoop::quit);
  run_nested(loop, loop_state().pause);
  end_if_requested();
}

void note_focus_change() {
  ++loop_state().focus_changes;
  wake_loop();
}

}  // namespace detail

LoopActivity& loop_activity() {
  static LoopActivity activity;
  return activity;
}

void process_messages() {
  QCoreApplication::processEvents(QEventLoop::AllEvents);
  end_if_requested();
}

void pause(int milliseconds) {
  process_messages();
  if (work_waiting()) return end_if_requested();
  QEventLoop loop;
  QTimer::singleShot(milliseconds, Qt::PreciseTimer, &loop, &QEventLoop::quit);
  run_nested(loop, loop_state().pause);
  end_if_requested();
}

void sleep_until_input() {
  process_messages();
  LoopState& s = loop_state();
  if (s.arrivals == s.arrivals_at_pass_start && !work_waiting()) {
    s.arrivals_at_sleep = s.arrivals;
    QEventLoop loop;
    run_nested(loop, s.sleep);
  }
  s.arrivals_at_pass_start = s.arrivals;
  s.focus_changes_at_pass_start = s.focus_changes;
  end_if_requested();
}

bool loop_asleep_and_caught_up() {
  const LoopState& s = loop_state();
  return s.sleep != nullptr && s.arrivals == s.arrivals_at_sleep;
}

void end_program(int exit_code) { throw ProgramEnd{exit_code}; }

void request_end() {
  end_requested.store(true);
  detail::wake_loop();
}

}  // namespace rt
