// Runs the real programs through the test driver (`drive PROGRAM SCRIPT`),
// each run in its own temporary directory, and reads back what it printed.
#pragma once

#include <map>
#include <string>
#include <vector>

#include "temp_dir.hpp"

namespace testing_support {

struct DriveResult {
  int exit_code = -1;
  std::vector<std::string> lines;  // stdout, one entry a line

  // The message boxes reported ("msgbox TITLE: TEXT"), in order.
  std::vector<std::string> message_boxes() const;
  // The n-th dump (0 first, -1 last) as NAME -> TEXT; menu items as
  // "menu NAME" -> "enabled" / "grey"; "focus" -> the focused control.
  std::map<std::string, std::string> dump(int n = -1) const;
  bool printed(const std::string& line) const;
};

// Runs `drive PROGRAM SCRIPT` with the directory as the current directory
// and as the runtime folder of the single-copy lock. `as_nobody` runs it as
// the user nobody, a second user beside the tests (which then run as root),
// in the directory opened to every user.
DriveResult drive(const TempDir& dir, const std::string& program, const std::string& script,
                  bool as_nobody = false);

}  // namespace testing_support
