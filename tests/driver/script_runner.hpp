// Performs a script's actions on the running program from a thread of its
// own: each action is done on the program's thread (where the windows live),
// then the runner waits until the program has caught up (its queued events
// run, its main loop idle) before the next one.
#pragma once

#include <QString>
#include <atomic>
#include <map>
#include <string>
#include <vector>

#include "script.hpp"

namespace drive {

class ScriptRunner {
 public:
  explicit ScriptRunner(std::vector<Action> actions) : actions_(std::move(actions)) {}

  void run();
  bool finished() const { return finished_.load(); }
  bool failed() const { return failed_.load(); }

 private:
  bool perform(const Action& a);  // false: the program is ending
  void key_stroke(const Action& a, bool press, bool release);
  bool wait_until_started();
  void wait_idle();
  void fail(const Action& a, const std::string& why);

  std::vector<Action> actions_;
  std::atomic<bool> finished_{false};
  std::atomic<bool> failed_{false};
  std::map<std::string, QString> composing_;
  int keys_held_ = 0;  // keys pressed and not yet released  // open compositions by control
};

}  // namespace drive
