// A driver script: one action a line, blank lines and lines starting with
// "#" skipped.
#pragma once

#include <string>
#include <vector>

namespace drive {

struct Action {
  int line = 0;
  std::string verb;     // type, key, press, release, compose, commit, click, menu, check, dump, close, end, wait,
                        // print-to, cancel-print, save-picture
  std::string target;   // control, key, menu item or file
  std::string text;     // the rest of the line after the target and one blank
};

// Reads a script; on a malformed line returns false with a message.
bool read_script(const std::string& path, std::vector<Action>* actions, std::string* error);

}  // namespace drive
