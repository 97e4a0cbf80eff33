// A program the X server tests start (the X server, the window manager, the
// programs under test): started with its own environment and folder, and
// stopped by its PID however the test ends.
#pragma once

#include <sys/types.h>

#include <chrono>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace xtest {

class ChildProcess {
 public:
  ChildProcess() = default;
  // Starts `argv` in `folder` with the environment of this process changed
  // by `env` (an empty value removes the variable). Its standard output and
  // error go to `log` (or are discarded). `keep_fd` stays open in the child.
  ChildProcess(const std::vector<std::string>& argv, const std::map<std::string, std::string>& env,
               const std::string& folder, const std::string& log = "", int keep_fd = -1);
  ~ChildProcess();
  ChildProcess(ChildProcess&& other) noexcept;
  ChildProcess& operator=(ChildProcess&& other) noexcept;

  pid_t pid() const { return pid_; }
  bool running();
  // Waits for the child to end; its exit code, or empty after the timeout.
  std::optional<int> wait(std::chrono::milliseconds timeout);
  void stop();  // SIGTERM, then SIGKILL after a second

  // CPU time the child has used so far, all threads (from the scheduler's
  // own nanosecond count).
  std::chrono::nanoseconds cpu_time() const;
  // How often its threads have gone to sleep of their own accord so far
  // (voluntary context switches): a loop that sleeps until input wakes,
  // and so sleeps again, only when something arrives. The count does not
  // depend on how busy the machine is.
  long wakeups() const;

 private:
  pid_t pid_ = -1;
  std::optional<int> exit_code_;
};

// HOME and the XDG folders of a child that keeps its settings, caches and
// logs in `home`, a folder of the test's, and never in the home of whoever
// runs the tests.
std::map<std::string, std::string> home_environment(const std::string& home);

}  // namespace xtest
