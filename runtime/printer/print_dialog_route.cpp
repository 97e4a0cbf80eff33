#include "runtime/printer/print_dialog_route.hpp"

#include <deque>
#include <mutex>

namespace rt {

namespace {

struct Queue {
  std::mutex mutex;
  std::deque<PrintDialogAnswer> answers;
};

Queue& queue() {
  static Queue q;
  return q;
}

}  // namespace

void answer_next_print_dialog(PrintDialogAnswer answer) {
  std::lock_guard lock(queue().mutex);
  queue().answers.push_back(std::move(answer));
}

std::optional<PrintDialogAnswer> take_print_dialog_answer() {
  std::lock_guard lock(queue().mutex);
  if (queue().answers.empty()) return std::nullopt;
  PrintDialogAnswer answer = std::move(queue().answers.front());
  queue().answers.pop_front();
  return answer;
}

std::size_t pending_print_dialog_answers() {
  std::lock_guard lock(queue().mutex);
  return queue().answers.size();
}

void clear_print_dialog_answers() {
  std::lock_guard lock(queue().mutex);
  queue().answers.clear();
}

}  // namespace rt
