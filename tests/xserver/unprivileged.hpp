// Running a child as an ordinary user when the tests run as root (as CI
// does): the input method's conversion server refuses to run as root, and
// the session bus it talks over admits only its own user, so the input
// method, its bus and the program under test all run as `nobody`.
#pragma once

#include <string>
#include <vector>

namespace xtest {

class Unprivileged {
 public:
  Unprivileged();
  // The words to put before a command to run it as the ordinary user
  // (none when the tests do not run as root).
  const std::vector<std::string>& prefix() const { return prefix_; }
  // Hands a folder (and what it holds) to that user.
  void give(const std::string& folder) const;

 private:
  std::vector<std::string> prefix_;
  unsigned uid_ = 0, gid_ = 0;
};

}  // namespace xtest
