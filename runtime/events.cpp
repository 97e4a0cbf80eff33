#include "runtime/events.hpp"

#include <algorithm>
#include <cctype>
#include <deque>
#include <map>

#include "runtime/loop_wake.hpp"
#include "runtime/message_loop.hpp"

namespace rt {

namespace {

struct EventQueue {
  std::map<std::string, std::function<void()>> procedures;
  std::deque<std::string> queued;
  bool running = false;
};

EventQueue& queue() {
  static EventQueue q;
  return q;
}

std::string upper(std::string s) {
  std::transform(s.begin(), s.end(), s.begin(), [](unsigned char c) { return std::toupper(c); });
  return s;
}

}  // namespace

void register_procedure(const std::string& name, std::function<void()> procedure) {
  queue().procedures[upper(name)] = std::move(procedure);
}

void queue_event(const std::string& name) {
  const std::string key = upper(name);
  if (!queue().procedures.count(key)) return;
  queue().queued.push_back(key);
  detail::wake_loop();
}

bool event_queued() {
  loop_activity().passes.fetch_add(1);
  return !queue().queued.empty();
}

void run_one_event() {
  EventQueue& q = queue();
  if (q.queued.empty() || q.running) return;
  const std::string name = q.queued.front();
  q.queued.pop_front();
  // A procedure runs to completion: window events that arrive meanwhile
  // are only queued.
  q.running = true;
  loop_activity().procedure_running.store(true);
  struct Done {
    EventQueue& q;
    ~Done() {
      q.running = false;
      loop_activity().procedure_running.store(false);
      loop_activity().procedures_run.fetch_add(1);
    }
  } done{q};
  q.procedures.at(name)();
}

void wait_and_run_one_event() {
  while (queue().queued.empty()) detail::wait_for_arrival(10);
  run_one_event();
}

void clear_events() { queue().queued.clear(); }

namespace detail {
bool event_waiting() { return !queue().queued.empty(); }
}  // namespace detail

bool events_idle() { return queue().queued.empty() && !queue().running; }

}  // namespace rt
